#pragma once

#include "MemoryImage.h"
#include "RadioModel.h"

#include <filesystem>
#include <memory>
#include <span>

// The DAT file of one radio model: loads an image from disk and writes one back.
class CDatFile {
public:
    explicit CDatFile(RadioModel model);
    virtual ~CDatFile() = default;
    CDatFile(const CDatFile&) = delete;
    CDatFile& operator=(const CDatFile&) = delete;

    RadioModel GetModel() const { return m_nModel; }
    CMemoryImage& GetImage() { return *m_pImage; }
    const CMemoryImage& GetImage() const { return *m_pImage; }

    // False when the path is not a regular file that can be opened. A file of
    // the wrong size or one that cannot be read whole raises the failure
    // signal; the image is then left as it was.
    bool Load(const std::filesystem::path& path);

    // Writes the header, the records of the given rows in their order, then the
    // trailer. The bytes go to a temporary file beside the target, which
    // replaces the target only once all of it was written, so a failure never
    // damages an existing file. False when the file cannot be created; a write
    // that fails part way raises the failure signal.
    bool Save(const std::filesystem::path& path, std::span<const CChannel* const> rows) const;

private:
    std::unique_ptr<CMemoryImage> m_pImage;
    RadioModel m_nModel;
};
