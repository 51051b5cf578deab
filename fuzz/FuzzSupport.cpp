#include "FuzzSupport.h"

#include <atomic>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>

namespace fs = std::filesystem;

FuzzTempFile::FuzzTempFile(std::span<const std::uint8_t> bytes) {
    static std::atomic<unsigned> counter{0};
    m_path = fs::temp_directory_path() /
             ("velmora-fuzz-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
    std::ofstream out(m_path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    FuzzCheck(static_cast<bool>(out), "cannot write a temporary file");
}

FuzzTempFile::~FuzzTempFile() {
    std::error_code ignored;
    fs::remove(m_path, ignored);
}

std::vector<std::uint8_t> FuzzTempFile::Read() const {
    std::ifstream in(m_path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
