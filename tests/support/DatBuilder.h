#pragma once

#include "Channel.h"
#include "MemoryImage.h"
#include "RadioModel.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <type_traits>
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

inline Bytes BytesOf(const CChannel& record) {
    return Bytes(record.bytes, record.bytes + CChannel::kSize);
}
inline CChannel EmptyChannel(RadioModel model) {
    CChannel channel;
    channel.Clear(model);
    return channel;
}
// A record in use with the given frequencies (10 Hz units) and otherwise the
// values a new channel gets: step 5 kHz, tones off, reverse OFF, high power,
// scramble OFF, wide, scan on, busy set OFF, range VHF1 on the TG-UV2, and the
// name the cleared record had (spaces on the TG-UV2, code 0s on the TG-6A).
CChannel UsedChannel(RadioModel model, int rx, int tx);
// count records in use, record i at firstRx + i * spacing for RX and TX, so
// that a record's slot can be read off its RX text.
inline std::vector<CChannel> UsedChannels(RadioModel model, int count, int firstRx = 14500000,
                                          int spacing = 2500) {
    std::vector<CChannel> records;
    for (int i = 0; i < count; ++i)
        records.push_back(UsedChannel(model, firstRx + i * spacing, firstRx + i * spacing));
    return records;
}

// A whole DAT image: header and trailer filled with a recognisable pattern,
// every record empty unless given. For the TG-6A the trailer names a radio
// for 400 MHz and above unless uhf is false.
Bytes MakeDat(RadioModel model, std::span<const CChannel> records = {}, bool uhf = true);
// Random bytes of the model's file size; records in use are random too but
// decodable in every column when decodable is true.
Bytes RandomDat(RadioModel model, std::uint32_t seed, bool decodable = false);

// Runs the action with the soft limit on the size of files this process
// writes lowered to bytes, and SIGXFSZ ignored so that a write past it fails
// with EFBIG instead of ending the process; both are restored afterwards.
void UnderFileSizeLimit(std::uint64_t bytes, const std::function<void()>& action);

// The result of a model operation, or nothing when it raised the failure
// signal (the int 0). Anything else thrown passes through, so that the test
// reports it as an error rather than mistaking it for the failure.
template <class F> auto ResultOrFailure(F&& action) -> std::optional<std::invoke_result_t<F>> {
    try {
        return action();
    } catch (int value) {
        if (value != 0)
            throw;
        return std::nullopt;
    }
}
template <class F> bool RaisesFailure(F&& action) {
    return !ResultOrFailure([&] { return (action(), true); }).has_value();
}

} // namespace testing_support
