#include "ChannelCheck.h"

#include "ChannelColumns.h"
#include "DatFile.h"
#include "FrequencyRules.h"

#include <algorithm>
#include <array>
#include <map>

namespace {

// What makes two channels the same to the radio's user: they are heard and
// sent alike, whatever their names and other settings.
using Signature = std::array<int, 4>;

Signature SignatureOf(const CChannel& record) {
    return {record.GetFrequency(true), record.GetFrequency(false), record.GetToneSelection(true),
            record.GetToneSelection(false)};
}

// Notes the channel of n and gives the first n noted with the same signature.
class CFirstOfEach {
public:
    int Note(const CChannel& record, int n) {
        return m_first.try_emplace(SignatureOf(record), n).first->second;
    }

private:
    std::map<Signature, int> m_first;
};

} // namespace

std::vector<ChannelFinding> CheckChannels(std::span<const CChannel> rows, RadioModel model,
                                          const CMemoryImage& image) {
    std::vector<ChannelFinding> findings;
    CFirstOfEach first;
    const int unitBand = UnitBand(model, image);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const CChannel& record = rows[i];
        const int id = static_cast<int>(i);
        if (const ColumnInfo* column = UndecodableColumn(record, model)) {
            FileProblem problem;
            problem.kind = FileProblem::kUndecodable;
            problem.record = id;
            problem.column = column->header;
            findings.push_back({id, false, DescribeProblem(problem, model)});
            continue;
        }
        if (record.IsEmpty())
            continue;
        Message error = FrequencyValueError(record.GetFrequency(true), record.GetFrequency(false),
                                            record.GetStepIndex(), unitBand);
        if (!error.empty())
            findings.push_back({id, false, error});
        else if (const int earlier = first.Note(record, id); earlier != id)
            findings.push_back(
                {id, true,
                 Message(VM_TR("Messages", "same frequencies and tones as channel %1"))
                     .Arg(earlier)});
    }
    return findings;
}

std::vector<ChannelFinding> CheckCsvChannels(const CsvChannels& read) {
    std::vector<ChannelFinding> findings;
    for (const CsvSkippedLine& skipped : read.skipped)
        findings.push_back({skipped.line, false, skipped.reason});
    // A list's lines need not follow its rows: earlier means an earlier line.
    std::vector<std::pair<int, std::size_t>> byLine;
    for (std::size_t row = 0; row < read.lines.size() && row < read.records.size(); ++row)
        if (read.lines[row] != 0)
            byLine.emplace_back(read.lines[row], row);
    std::ranges::sort(byLine);
    CFirstOfEach first;
    for (const auto& [line, row] : byLine)
        if (const int earlier = first.Note(read.records[row], line); earlier != line)
            findings.push_back(
                {line, true,
                 Message(VM_TR("Messages", "same frequencies and tones as line %1")).Arg(earlier)});
    std::ranges::stable_sort(findings, {}, &ChannelFinding::n);
    return findings;
}
