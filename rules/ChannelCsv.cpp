#include "ChannelCsv.h"

#include "CsvHeader.h"
#include "CsvLineReader.h"
#include "CsvText.h"
#include "ListText.h"
#include "Text.h"

#include <algorithm>

namespace {

// Puts the channel of each line into the row its Location names, once; or,
// in order, each after the one before.
class CRowFiller {
public:
    CRowFiller(const CsvHeader& header, RadioModel model, int unitBand, CsvPlacement placement)
        : m_header(header), m_model(model), m_unitBand(unitBand), m_placement(placement) {
        if (placement == CsvPlacement::kInOrder)
            return;
        m_location = header.columns.at("location");
        m_lineOfRow.assign(static_cast<std::size_t>(ChannelCount(model)), 0);
        m_lineOfChannel = m_lineOfRow;
        CChannel empty;
        empty.Clear(model);
        m_records.assign(m_lineOfRow.size(), empty);
    }

    // Why the line gives no channel; empty when it gave one.
    Message Take(const CsvRecord& record);
    std::vector<CChannel>& Records() { return m_records; }
    std::vector<int>& Lines() { return m_lineOfChannel; }

private:
    const CsvHeader& m_header;
    std::size_t m_location = 0;
    RadioModel m_model;
    int m_unitBand;
    CsvPlacement m_placement;
    std::vector<int> m_lineOfRow;
    // Unlike m_lineOfRow, only lines that gave a channel.
    std::vector<int> m_lineOfChannel;
    std::vector<CChannel> m_records;
};

Message CRowFiller::Take(const CsvRecord& record) {
    Message reason;
    if (m_placement == CsvPlacement::kInOrder) {
        if (const std::optional<CChannel> channel =
                ReadCsvLine(m_header, record, m_model, m_unitBand, reason)) {
            m_records.push_back(*channel);
            m_lineOfChannel.push_back(record.line);
        }
        return reason;
    }
    const std::string_view given =
        m_location < record.fields.size() ? Trim(record.fields[m_location]) : std::string_view();
    const std::optional<Decimal> number = ParseDecimal(given, 0);
    const int rows = static_cast<int>(m_records.size());
    if (!number || given.find_first_of(".,") != std::string_view::npos || number->value >= rows)
        return Message(VM_TR("Messages", "%1 \"%2\" is not a row number from 0 to %3."))
            .Arg("Location")
            .Arg(Echo(given))
            .Arg(rows - 1);
    const auto row = static_cast<std::size_t>(number->value);
    if (m_lineOfRow[row] != 0)
        return Message(VM_TR("Messages", "Location %1 was given before, in line %2."))
            .Arg(static_cast<int>(row))
            .Arg(m_lineOfRow[row]);
    m_lineOfRow[row] = record.line;
    if (const std::optional<CChannel> channel =
            ReadCsvLine(m_header, record, m_model, m_unitBand, reason)) {
        m_records[row] = *channel;
        m_lineOfChannel[row] = record.line;
    }
    return reason;
}

} // namespace

CsvChannels ChannelsFromCsv(std::string_view text, RadioModel model, int unitBand,
                            std::size_t keptSkipped, CsvPlacement placement) {
    CsvChannels result;
    std::string decoded;
    CCsvScanner scanner(CsvTextOf(text, decoded));
    const CsvHeader header =
        ReadCsvHeader(scanner, result.passedLines, placement == CsvPlacement::kByLocation);
    if (!header.error.empty()) {
        result.error = header.error;
        return result;
    }
    // Velmora's own list is read as the file's layout.
    const CsvHeader& layout = header.listColumns ? CsvLayoutHeader() : header;
    CRowFiller filler(layout, model, unitBand, placement);
    CsvRecord record;
    const std::size_t width = header.Width();
    while (scanner.Next(record, header.separator, width)) {
        result.passedLines += record.lines - 1;
        const auto blank = [](const std::string& field) { return Trim(field).empty(); };
        if (!record.unclosed && !record.moreText && std::ranges::all_of(record.fields, blank)) {
            ++result.passedLines;
            continue;
        }
        Message error = record.unclosed
                            ? Message(VM_TR("Messages", "a quoted field is not closed."))
                        : header.listColumns ? filler.Take(ListLineAsCsv(header, record))
                                             : filler.Take(record);
        if (error.empty())
            ++result.channelLines;
        else if (static_cast<std::size_t>(++result.skippedCount) <= keptSkipped)
            result.skipped.push_back({record.line, std::move(error)});
    }
    result.records = std::move(filler.Records());
    result.lines = std::move(filler.Lines());
    result.lineCount = scanner.Line() - 1;
    return result;
}
