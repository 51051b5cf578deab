// Any bytes as a CSV list of channels (the first byte picks the model and, for
// a TG-6A, its unit): the reader never raises, gives the model's row count,
// accounts for every line of the file as a channel, a skipped line or one
// passed over, takes only channels that pass the Row Editor's frequency
// checks for the radio and decode in every column, numbers its skipped lines
// within the file, and what it took, written out and read again, comes back
// the same with no line skipped.
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

// The lines of a text as a reader counts them: each ends in LF, CR LF or a
// lone CR, and the last one may end in none.
int LinesOf(std::string_view text) {
    int lines = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++lines;
    return lines + (text.empty() || text.back() == '\n' || text.back() == '\r' ? 0 : 1);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    const RadioModel model = data[0] & 1 ? kTG6A : kTGUV2;
    const int units[] = {0, kBandVhf1, kBandUhf2};
    const int unit = model == kTG6A ? units[(data[0] >> 1) % 3] : 0;
    std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    const CsvChannels read = ChannelsFromCsv(text, model, unit);
    if (!read.error.empty()) {
        FuzzCheck(read.records.empty() && read.skipped.empty(), "a refused file gave rows");
        return 0;
    }
    FuzzCheck(read.records.size() == static_cast<std::size_t>(ChannelCount(model)),
              "not the model's row count");
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    if (!text.starts_with("\xFF\xFE") && !text.starts_with("\xFE\xFF"))
        FuzzCheck(read.lineCount == LinesOf(text), "the lines are not the file's");
    FuzzCheck(read.lineCount == read.channelLines + read.skippedCount + read.passedLines,
              "a line went unaccounted for");
    FuzzCheck(read.skipped.size() == std::min<std::size_t>(read.skippedCount, kCsvKeptSkippedLines),
              "not the first skipped lines kept");
    int previous = 1;
    for (const CsvSkippedLine& line : read.skipped) {
        FuzzCheck(line.line > previous && line.line <= read.lineCount, "skipped line out of order");
        FuzzCheck(!line.reason.empty(), "a line skipped without a reason");
        previous = line.line;
    }
    std::vector<const CChannel*> rows;
    int channels = 0;
    for (const CChannel& record : read.records) {
        rows.push_back(&record);
        if (record.IsEmpty())
            continue;
        ++channels;
        try {
            CheckDecodesInEveryColumn(record, model);
        } catch (int) {
            FuzzCheck(false, "a channel read does not decode");
        }
        const int rx = Value(record, true), band = BandOf(rx);
        FuzzCheck(model == kTGUV2 || band == kBandVhf1 || band == kBandUhf2,
                  "a TG-6A channel outside both its bands");
        FuzzCheck(FrequencyValueError(rx, Value(record, false), record.GetStepIndex(),
                                      model == kTG6A ? (unit ? unit : band) : 0)
                      .empty(),
                  "a channel read breaks the frequency checks");
    }
    FuzzCheck(channels == read.channelLines, "a line's channel is not in the rows");
    const CsvChannels again = ChannelsFromCsv(ChannelsToCsv(rows, model), model, unit);
    FuzzCheck(again.error.empty() && again.skippedCount == 0, "a written list does not read back");
    FuzzCheck(again.records == read.records, "a written list reads back different");
    return 0;
}
