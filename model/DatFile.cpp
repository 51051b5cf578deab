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

} // namespace

std::optional<RadioModel> ModelOfFileSize(std::uintmax_t size) {
    for (const RadioModel model : {kTGUV2, kTG6A})
        if (size == static_cast<std::uintmax_t>(FileSize(model)))
            return model;
    return std::nullopt;
}

Message DescribeSizeOfNoRadio(std::uintmax_t size) {
    return Message(VM_TR("Messages", "The file has %1 bytes; a %2 file has %3 bytes and a %4 file "
                                     "%5."))
        .Arg(std::to_string(size))
        .Arg(ModelName(kTGUV2))
        .Arg(FileSize(kTGUV2))
        .Arg(ModelName(kTG6A))
        .Arg(FileSize(kTG6A));
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

Message DescribeProblem(const FileProblem& p, RadioModel model) {
    const std::string path = p.path.string();
    switch (p.kind) {
    case FileProblem::kNone:
        return {};
    case FileProblem::kMissing:
        return Message(VM_TR("Messages", "The file \"%1\" does not exist.")).Arg(path);
    case FileProblem::kNotAFile: {
        std::error_code ec;
        return Message(fs::is_directory(p.path, ec)
                           ? VM_TR("Messages", "\"%1\" is a folder, not a file.")
                           : VM_TR("Messages", "\"%1\" is not a file."))
            .Arg(path);
    }
    case FileProblem::kUnreadable:
        return Message(VM_TR("Messages", "You may not read the file \"%1\".")).Arg(path);
    case FileProblem::kWriteProtected:
        return Message(VM_TR("Messages", "The file \"%1\" is write-protected.")).Arg(path);
    case FileProblem::kFolderMissing:
        return Message(VM_TR("Messages", "The folder \"%1\" does not exist.")).Arg(path);
    case FileProblem::kFolderLocked:
        return Message(VM_TR("Messages", "You may not write in the folder \"%1\".")).Arg(path);
    case FileProblem::kLinkLoop:
        return Message(VM_TR("Messages", "The symbolic links of \"%1\" lead around in a circle."))
            .Arg(path);
    case FileProblem::kDiskFull:
        return VM_TR("Messages", "The disk is full.");
    case FileProblem::kTooLarge:
        return VM_TR("Messages", "The file would be larger than this system lets Velmora write.");
    case FileProblem::kReadError:
        return Message(VM_TR("Messages", "The file \"%1\" could not be read to its end."))
            .Arg(path);
    case FileProblem::kWrongSize: {
        const std::string size = std::to_string(p.size), expected = std::to_string(FileSize(model));
        if (const std::optional<RadioModel> other = ModelOfFileSize(p.size))
            return Message(VM_TR("Messages", "The file has %1 bytes where a %2 file has %3. It is "
                                             "a %4 file."))
                .Arg(size)
                .Arg(ModelName(model))
                .Arg(expected)
                .Arg(ModelName(*other));
        return Message(VM_TR("Messages", "The file has %1 bytes where a %2 file has %3."))
            .Arg(size)
            .Arg(ModelName(model))
            .Arg(expected);
    }
    case FileProblem::kOversized:
        return Message(VM_TR("Messages",
                             "The file has %1 bytes, more than a list of channels ever needs."))
            .Arg(std::to_string(p.size));
    case FileProblem::kUndecodable:
        return Message(VM_TR("Messages", "Channel %1 holds a value the radio does not know in the "
                                         "column \"%2\"."))
            .Arg(p.record)
            .Arg(p.column);
    case FileProblem::kOther:
        return Message(VM_TR("Messages", "The system reports: %1.")).Arg(std::strerror(p.error));
    }
    return {};
}
