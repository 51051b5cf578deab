#pragma once

#include "Channel.h"
#include "RadioModel.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

namespace testing_support {

using Bytes = std::vector<std::uint8_t>;

// A folder under the system's temporary folder, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& Path() const { return m_path; }
    std::filesystem::path operator/(const std::string& name) const { return m_path / name; }

private:
    std::filesystem::path m_path;
};

void WriteBytes(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);
Bytes ReadBytes(const std::filesystem::path& path);

// A record in use with the given frequencies (10 Hz units) and otherwise the
// values a new channel gets: step 5 kHz, tones off, reverse OFF, high power,
// scramble OFF, wide, scan on, busy set OFF, a name of spaces.
CChannel UsedChannel(RadioModel model, int rx, int tx);
CChannel EmptyChannel(RadioModel model);

// A whole DAT image: header and trailer filled with a recognisable pattern,
// every record empty unless given. For the TG-6A the trailer names a radio
// for 400 MHz and above unless uhf is false.
Bytes MakeDat(RadioModel model, std::span<const CChannel> records = {}, bool uhf = true);

// Random bytes of the model's file size; records in use are random too but
// decodable in every column when decodable is true.
Bytes RandomDat(RadioModel model, std::uint32_t seed, bool decodable = false);

// The record at slot i of a DAT image.
CChannel RecordOf(std::span<const std::uint8_t> dat, int i);

} // namespace testing_support
