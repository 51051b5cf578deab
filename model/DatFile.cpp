#include "DatFile.h"

#include "Failure.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::unique_ptr<CMemoryImage> MakeImage(RadioModel model) {
    if (model == kTGUV2)
        return std::make_unique<CImageTGUV2>(ChannelCount(kTGUV2));
    return std::make_unique<CImageTG6A>(ChannelCount(kTG6A));
}

// Owns a temporary file until it is either renamed into place or removed.
class TempFile {
public:
    explicit TempFile(const fs::path& target) {
        const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
        std::random_device entropy;
        for (int attempt = 0; attempt < 16 && !m_pFile; ++attempt) {
            m_path = folder / ("." + target.filename().string() + ".velmora-" +
                               std::to_string(entropy()) + ".tmp");
            // "x": never open a file that is already there.
            m_pFile = std::fopen(m_path.c_str(), "wbx");
        }
    }
    ~TempFile() {
        if (m_pFile)
            std::fclose(m_pFile);
        if (!m_bKept) {
            std::error_code ignored;
            fs::remove(m_path, ignored);
        }
    }
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;

    bool IsOpen() const { return m_pFile != nullptr; }

    void Write(const void* data, std::size_t size) {
        if (std::fwrite(data, 1, size, m_pFile) != size)
            RaiseFailure();
    }

    // Flushes and closes the file, then moves it over the target.
    void Commit(const fs::path& target) {
        const bool flushed = std::fflush(m_pFile) == 0 && !std::ferror(m_pFile);
        const bool closed = std::fclose(m_pFile) == 0;
        m_pFile = nullptr;
        if (!flushed || !closed)
            RaiseFailure();
        std::error_code ec;
        const fs::file_status old = fs::status(target, ec);
        if (!ec && fs::is_regular_file(old))
            fs::permissions(m_path, old.permissions(), ec);
        fs::rename(m_path, target, ec);
        if (ec)
            RaiseFailure();
        m_bKept = true;
    }

private:
    fs::path m_path;
    std::FILE* m_pFile = nullptr;
    bool m_bKept = false;
};

// Saving through a symbolic link updates the file it points to rather than
// replacing the link with a plain file.
fs::path ResolveTarget(const fs::path& path) {
    std::error_code ec;
    if (!fs::is_symlink(path, ec))
        return path;
    fs::path resolved = fs::weakly_canonical(path, ec);
    return ec ? path : resolved;
}

} // namespace

CDatFile::CDatFile(RadioModel model) : m_pImage(MakeImage(model)), m_nModel(model) {}

bool CDatFile::Load(const fs::path& path) {
    // Anything but a regular file (a folder, a FIFO, a device) could block
    // or never end; refuse it before opening.
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return false;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open())
        return false;

    const auto size = fs::file_size(path, ec);
    if (ec || size != static_cast<std::uintmax_t>(FileSize(m_nModel)))
        RaiseFailure();
    std::vector<char> data(static_cast<std::size_t>(size));
    in.read(data.data(), static_cast<std::streamsize>(data.size()));
    if (in.gcount() != static_cast<std::streamsize>(data.size()))
        RaiseFailure();

    // Only a complete read reaches the image.
    const char* at = data.data();
    CMemoryImage& image = *m_pImage;
    std::memcpy(image.GetHeader(), at, kHeaderSize);
    at += kHeaderSize;
    const std::size_t records = static_cast<std::size_t>(image.GetChannelCount()) * CChannel::kSize;
    std::memcpy(static_cast<void*>(image.GetChannels()), at, records);
    at += records;
    std::memcpy(image.GetTrailer(), at, static_cast<std::size_t>(image.GetTrailerSize()));
    return true;
}

bool CDatFile::Save(const fs::path& path, std::span<const CChannel* const> rows) const {
    const CMemoryImage& image = *m_pImage;
    const int count = image.GetChannelCount();
    if (rows.size() < static_cast<std::size_t>(count))
        RaiseFailure();
    for (int i = 0; i < count; ++i)
        if (rows[static_cast<std::size_t>(i)] == nullptr)
            RaiseFailure();

    const fs::path target = ResolveTarget(path);
    std::error_code ec;
    const fs::file_status existing = fs::status(target, ec);
    if (fs::exists(existing) && !fs::is_regular_file(existing))
        return false;

    TempFile file(target);
    if (!file.IsOpen())
        return false;
    file.Write(image.GetHeader(), kHeaderSize);
    for (int i = 0; i < count; ++i)
        file.Write(rows[static_cast<std::size_t>(i)]->bytes, CChannel::kSize);
    file.Write(image.GetTrailer(), static_cast<std::size_t>(image.GetTrailerSize()));
    file.Commit(target);
    return true;
}
