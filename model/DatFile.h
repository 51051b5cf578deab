#pragma once

#include "FileAccess.h"
#include "MemoryImage.h"
#include "Message.h"
#include "RadioModel.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

// Why a file of the model could not be used, in plain words; empty for no
// problem.
Message DescribeProblem(const FileProblem& problem, RadioModel model);

// The DAT file of one radio model: loads an image from disk and writes one back.
class CDatFile {
public:
    explicit CDatFile(RadioModel model);
    virtual ~CDatFile() = default;
    CDatFile(const CDatFile&) = delete;
    CDatFile& operator=(const CDatFile&) = delete;

    CMemoryImage& GetImage() { return *m_pImage; }
    const CMemoryImage& GetImage() const { return *m_pImage; }

    // False when the path is not a regular file that can be opened. A file of
    // the wrong size or one that cannot be read whole raises the failure
    // signal; the image is then left as it was.
    bool Load(const std::filesystem::path& path);
    // Takes a whole file's bytes, read elsewhere, into the image as Load
    // does; raises the failure signal, leaving the image as it was, unless
    // they are as many as the model's files have.
    void LoadBytes(std::span<const std::uint8_t> bytes);

    // The file's bytes: the header, the records of the given rows in their
    // order, then the trailer. Raises the failure signal for too few rows.
    std::vector<std::uint8_t> Bytes(std::span<const CChannel* const> rows) const;

    // Writes the header, the records of the given rows in their order, then
    // the trailer, so that the file holds either its old bytes or all the new
    // ones (WriteWholeFile). False when the file cannot be made or may not be
    // written; a write that fails part way raises the failure signal.
    bool Save(const std::filesystem::path& path, std::span<const CChannel* const> rows);

    // Raises the failure signal unless every record of the image decodes in
    // every column of the model, which a list must be able to show.
    void CheckDecodable();

    // Why the last Load, Save or CheckDecodable failed, in plain words; empty
    // when it did not.
    const FileProblem& Problem() const { return m_problem; }
    Message ProblemText() const { return DescribeProblem(m_problem, m_nModel); }

private:
    std::unique_ptr<CMemoryImage> m_pImage;
    RadioModel m_nModel;
    FileProblem m_problem;
};

// The radio model whose DAT files have this many bytes, if any.
std::optional<RadioModel> ModelOfFileSize(std::uintmax_t size);
// Why a file of this size is no radio's, where the size would have chosen
// the radio.
Message DescribeSizeOfNoRadio(std::uintmax_t size);
