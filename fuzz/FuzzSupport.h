#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <span>
#include <vector>

// Ends the run loudly, so the fuzzer keeps the input that got here.
inline void FuzzCheck(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "fuzz check failed: %s\n", what);
        std::abort();
    }
}

// A file under the temporary folder holding the given bytes, removed afterwards.
class FuzzTempFile {
public:
    explicit FuzzTempFile(std::span<const std::uint8_t> bytes);
    ~FuzzTempFile();
    FuzzTempFile(const FuzzTempFile&) = delete;
    FuzzTempFile& operator=(const FuzzTempFile&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    std::vector<std::uint8_t> Read() const;

private:
    std::filesystem::path m_path;
};
