#include "DatFile.h"

#include "ChannelColumns.h"
#include "Failure.h"

#include <cstring>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::unique_ptr<CMemoryImage> MakeImage(RadioModel model) {
    if (model == kTGUV2)
        return std::make_unique<CImageTGUV2>(ChannelCount(kTGUV2));
    return std::make_unique<CImageTG6A>(ChannelCount(kTG6A));
}

std::string Quoted(const fs::path& path) { return "\"" + path.string() + "\""; }

} // namespace

std::optional<RadioModel> ModelOfFileSize(std::uintmax_t size) {
    for (const RadioModel model : {kTGUV2, kTG6A})
        if (size == static_cast<std::uintmax_t>(FileSize(model)))
            return model;
    return std::nullopt;
}

std::string DescribeSizeOfNoRadio(std::uintmax_t size) {
    return "The file has " + std::to_string(size) + " bytes; a " + std::string(ModelName(kTGUV2)) +
           " file has " + std::to_string(FileSize(kTGUV2)) + " bytes and a " +
           std::string(ModelName(kTG6A)) + " file " + std::to_string(FileSize(kTG6A)) + ".";
}

CDatFile::CDatFile(RadioModel model) : m_pImage(MakeImage(model)), m_nModel(model) {}

bool CDatFile::Load(const fs::path& path) {
    const std::vector<std::uint8_t> bytes = ReadWholeFile(path, FileSize(m_nModel), m_problem);
    if (m_problem.kind == FileProblem::kWrongSize || m_problem.kind == FileProblem::kReadError)
        RaiseFailure();
    if (m_problem)
        return false;
    LoadBytes(bytes);
    return true;
}

void CDatFile::LoadBytes(std::span<const std::uint8_t> bytes) {
    // Only a complete read reaches the image.
    if (bytes.size() != static_cast<std::size_t>(FileSize(m_nModel))) {
        m_problem.kind = FileProblem::kWrongSize;
        m_problem.size = bytes.size();
        RaiseFailure();
    }
    const std::uint8_t* at = bytes.data();
    CMemoryImage& image = *m_pImage;
    std::memcpy(image.GetHeader(), at, kHeaderSize);
    at += kHeaderSize;
    const std::size_t records = static_cast<std::size_t>(image.GetChannelCount()) * CChannel::kSize;
    std::memcpy(static_cast<void*>(image.GetChannels()), at, records);
    at += records;
    std::memcpy(image.GetTrailer(), at, static_cast<std::size_t>(image.GetTrailerSize()));
}

std::vector<std::uint8_t> CDatFile::Bytes(std::span<const CChannel* const> rows) const {
    const CMemoryImage& image = *m_pImage;
    const int count = image.GetChannelCount();
    if (rows.size() < static_cast<std::size_t>(count))
        RaiseFailure();
    std::vector<std::uint8_t> bytes(image.GetHeader(), image.GetHeader() + kHeaderSize);
    for (int i = 0; i < count; ++i) {
        const CChannel* row = rows[static_cast<std::size_t>(i)];
        if (row == nullptr)
            RaiseFailure();
        bytes.insert(bytes.end(), row->bytes, row->bytes + CChannel::kSize);
    }
    bytes.insert(bytes.end(), image.GetTrailer(), image.GetTrailer() + image.GetTrailerSize());
    return bytes;
}

bool CDatFile::Save(const fs::path& path, std::span<const CChannel* const> rows) {
    if (WriteWholeFile(path, Bytes(rows), m_problem))
        return true;
    if (m_problem.partway)
        RaiseFailure();
    return false;
}

void CDatFile::CheckDecodable() {
    m_problem = {};
    for (int i = 0; i < m_pImage->GetChannelCount(); ++i)
        if (const ColumnInfo* column = UndecodableColumn(m_pImage->GetChannels()[i], m_nModel)) {
            m_problem.kind = FileProblem::kUndecodable;
            m_problem.record = i;
            m_problem.column = column->header;
            RaiseFailure();
        }
}

std::string DescribeProblem(const FileProblem& p, RadioModel model) {
    switch (p.kind) {
    case FileProblem::kNone:
        return {};
    case FileProblem::kMissing:
        return "The file " + Quoted(p.path) + " does not exist.";
    case FileProblem::kNotAFile: {
        std::error_code ec;
        return Quoted(p.path) +
               (fs::is_directory(p.path, ec) ? " is a folder, not a file." : " is not a file.");
    }
    case FileProblem::kUnreadable:
        return "You may not read the file " + Quoted(p.path) + ".";
    case FileProblem::kWriteProtected:
        return "The file " + Quoted(p.path) + " is write-protected.";
    case FileProblem::kFolderMissing:
        return "The folder " + Quoted(p.path) + " does not exist.";
    case FileProblem::kFolderLocked:
        return "You may not write in the folder " + Quoted(p.path) + ".";
    case FileProblem::kLinkLoop:
        return "The symbolic links of " + Quoted(p.path) + " lead around in a circle.";
    case FileProblem::kDiskFull:
        return "The disk is full.";
    case FileProblem::kTooLarge:
        return "The file would be larger than this system lets Velmora write.";
    case FileProblem::kReadError:
        return "The file " + Quoted(p.path) + " could not be read to its end.";
    case FileProblem::kWrongSize: {
        std::string text = "The file has " + std::to_string(p.size) + " bytes where a " +
                           std::string(ModelName(model)) + " file has " +
                           std::to_string(FileSize(model)) + ".";
        if (const std::optional<RadioModel> other = ModelOfFileSize(p.size))
            text += " It is a " + std::string(ModelName(*other)) + " file.";
        return text;
    }
    case FileProblem::kOversized:
        return "The file has " + std::to_string(p.size) +
               " bytes, more than a list of channels ever needs.";
    case FileProblem::kUndecodable:
        return "Channel " + std::to_string(p.record) +
               " holds a value the radio does not know in the column \"" + p.column + "\".";
    case FileProblem::kOther:
        return "The system reports: " + std::string(std::strerror(p.error)) + ".";
    }
    return {};
}
