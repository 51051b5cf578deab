#include "ChannelTransfer.h"

#include "ChannelColumns.h"
#include "CsvLineReader.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr std::string_view kMagic = "VLMC";
constexpr char kVersion = 1;
constexpr std::size_t kHead = 8;
constexpr std::size_t kRowSize = 2 + CChannel::kSize;
// Larger than any list of channels, written out in full.
constexpr std::size_t kLargestText = 4 << 20;

void PutShort(std::string& bytes, int value) {
    bytes += static_cast<char>(value & 0xFF);
    bytes += static_cast<char>(value >> 8 & 0xFF);
}

int ShortAt(std::string_view bytes, std::size_t at) {
    return static_cast<unsigned char>(bytes[at]) | static_cast<unsigned char>(bytes[at + 1]) << 8;
}

TakenChannels FromCsv(const CsvChannels& read) {
    TakenChannels taken;
    taken.holdsChannels = read.error.empty() && read.channelLines + read.skippedCount > 0;
    if (!taken.holdsChannels)
        return {};
    taken.records = read.records;
    taken.skipped = read.skipped;
    taken.skippedCount = read.skippedCount;
    return taken;
}

// The other radio's rows through the CSV reader, each line's reason given
// to its row's ID.
TakenChannels FromOtherRadio(RadioModel from, const std::vector<ChannelRow>& rows, RadioModel model,
                             int unitBand) {
    std::string csv = ChannelRowsToCsv({}, from);
    std::vector<int> ids;
    TakenChannels taken;
    taken.holdsChannels = true;
    taken.byChannel = true;
    for (const ChannelRow& row : rows) {
        if (row.record.IsEmpty())
            continue;
        try {
            const std::string one = ChannelRowsToCsv({&row, 1}, from);
            csv += one.substr(one.find("\r\n") + 2);
            ids.push_back(row.id);
        } catch (...) {
            ++taken.skippedCount;
            taken.skipped.push_back({row.id, UnstorableChannel()});
        }
    }
    const CsvChannels read =
        ChannelsFromCsv(csv, model, unitBand, kCsvKeptSkippedLines, CsvPlacement::kInOrder);
    taken.records = read.records;
    taken.skippedCount += read.skippedCount;
    // Line 1 is the header; line n + 2 is the n-th row written.
    for (const CsvSkippedLine& line : read.skipped)
        taken.skipped.push_back({ids.at(static_cast<std::size_t>(line.line - 2)), line.reason});
    std::ranges::sort(taken.skipped, {}, &CsvSkippedLine::line);
    return taken;
}

} // namespace

std::string VelmoraChannels(RadioModel model, std::span<const ChannelRow> rows) {
    std::string bytes(kMagic);
    bytes += kVersion;
    bytes += static_cast<char>(model);
    PutShort(bytes, static_cast<int>(rows.size()));
    for (const ChannelRow& row : rows) {
        PutShort(bytes, row.id);
        bytes.append(reinterpret_cast<const char*>(row.record.bytes), CChannel::kSize);
    }
    return bytes;
}

TakenChannels TakeVelmoraChannels(std::string_view bytes, RadioModel model, int unitBand) {
    if (bytes.size() < kHead || !bytes.starts_with(kMagic) || bytes[4] != kVersion ||
        (bytes[5] != kTGUV2 && bytes[5] != kTG6A))
        return {};
    const auto from = static_cast<RadioModel>(bytes[5]);
    const auto count = static_cast<std::size_t>(ShortAt(bytes, 6));
    if (bytes.size() != kHead + count * kRowSize)
        return {};
    std::vector<ChannelRow> rows(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t at = kHead + i * kRowSize;
        rows[i].id = ShortAt(bytes, at);
        std::memcpy(rows[i].record.bytes, bytes.data() + at + 2, CChannel::kSize);
        if (UndecodableColumn(rows[i].record, from))
            return {};
    }
    if (from != model)
        return FromOtherRadio(from, rows, model, unitBand);
    TakenChannels taken;
    taken.holdsChannels = true;
    for (const ChannelRow& row : rows)
        taken.records.push_back(row.record);
    return taken;
}

TakenChannels TakeChannelText(std::string_view text, RadioModel model, int unitBand) {
    if (text.size() > kLargestText)
        return {};
    return FromCsv(
        ChannelsFromCsv(text, model, unitBand, kCsvKeptSkippedLines, CsvPlacement::kInOrder));
}
