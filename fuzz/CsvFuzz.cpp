// Any bytes as a CSV list of channels (the first byte picks the model): the
// reader never raises, gives the model's row count, takes only channels that
// pass the Row Editor's frequency checks and decode in every column, numbers
// its skipped lines within the file, and what it took, written out and read
// again, comes back the same with no line skipped.
#include "ChannelColumns.h"
#include "ChannelCsv.h"
#include "FrequencyRules.h"
#include "FuzzSupport.h"

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

namespace {

int Value(const CChannel& record, bool rx) {
    std::string digits = record.GetFreqText(rx);
    std::erase(digits, '.');
    return digits.empty() ? 0 : std::stoi(digits);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const RadioModel model = data[0] & 1 ? kTG6A : kTGUV2;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const CsvChannels read = ChannelsFromCsv(text, model);
    if (!read.error.empty()) {
        FuzzCheck(read.records.empty() && read.skipped.empty(), "a refused file gave rows");
        return 0;
    }
    FuzzCheck(read.records.size() == static_cast<std::size_t>(ChannelCount(model)),
              "not the model's row count");
    const auto lines =
        std::count(text.begin(), text.end(), '\n') + std::count(text.begin(), text.end(), '\r') + 1;
    int previous = 1;
    for (const CsvSkippedLine& line : read.skipped) {
        FuzzCheck(line.line > previous && line.line <= lines, "skipped line out of order");
        FuzzCheck(!line.reason.empty(), "a line skipped without a reason");
        previous = line.line;
    }
    std::vector<const CChannel*> rows;
    for (const CChannel& record : read.records) {
        rows.push_back(&record);
        if (record.IsEmpty())
            continue;
        try {
            CheckDecodesInEveryColumn(record, model);
        } catch (int) {
            FuzzCheck(false, "a channel read does not decode");
        }
        FuzzCheck(
            FrequencyValueError(Value(record, true), Value(record, false), record.GetStepIndex())
                .empty(),
            "a channel read breaks the frequency checks");
    }
    const CsvChannels again = ChannelsFromCsv(ChannelsToCsv(rows, model), model);
    FuzzCheck(again.error.empty() && again.skipped.empty(), "a written list does not read back");
    FuzzCheck(again.records == read.records, "a written list reads back different");
    return 0;
}
