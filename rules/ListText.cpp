#include "ListText.h"

#include "CsvText.h"
#include "FrequencyRules.h"
#include "Text.h"
#include "ToneItems.h"

namespace {

// The field of a line under a column of Velmora's list, by its title in
// lower case; empty when the line has none.
std::string_view Field(const CsvHeader& header, const CsvRecord& line, const char* column) {
    const auto found = header.columns.find(column);
    if (found == header.columns.end() || found->second >= line.fields.size())
        return {};
    return Trim(line.fields[found->second]);
}

// Duplex and Offset for the list's RX and TX texts: nothing for simplex, the
// offset within a band, or the TX itself across bands. A TX that is no
// number is handed on as it is, for the reader to say so.
std::pair<std::string, std::string> DuplexOf(std::string_view rxText, std::string_view txText) {
    const std::optional<Decimal> rx = ParseDecimal(rxText, 5), tx = ParseDecimal(txText, 5);
    if (txText.empty() || txText == rxText)
        return {};
    // A value past any frequency is handed on for the reader to refuse.
    constexpr long long kLargest = 999999999;
    if (!rx || !tx || rx->value > kLargest || tx->value > kLargest)
        return {"split", std::string(txText)};
    const auto a = static_cast<int>(rx->value), b = static_cast<int>(tx->value);
    if (a == b)
        return {};
    if (BandOf(a) != BandOf(b))
        return {"split", std::string(txText)};
    return {b > a ? "+" : "-", FileMHz(b > a ? b - a : a - b)};
}

// A tone of the list as a record holds it; an unknown text keeps its text
// for the reason.
std::optional<ToneCode> ToneOf(std::string_view text) {
    const int selection = ToneSelectionOf(text.empty() ? "OFF" : text);
    if (selection < 0)
        return std::nullopt;
    CChannel record;
    record.SetToneSelection(selection, false);
    return record.GetTone(false);
}

} // namespace

std::string ChannelRowsToText(std::span<const ChannelRow> rows, RadioModel model,
                              std::span<const Column> columns) {
    std::string text;
    for (std::size_t i = 0; i < columns.size(); ++i)
        text += std::string(i ? "\t" : "") + ColumnOf(columns[i]).header;
    text += "\n";
    for (const ChannelRow& row : rows) {
        const ColumnTexts cells = TextsOf(row.record, model);
        for (std::size_t i = 0; i < columns.size(); ++i) {
            text += i ? "\t" : "";
            text += columns[i] == Column::Id
                        ? std::to_string(row.id)
                        : std::string(Trim(cells[static_cast<std::size_t>(columns[i])],
                                           TrimEnds::kEnd, " "));
        }
        text += "\n";
    }
    return text;
}

CsvRecord ListLineAsCsv(const CsvHeader& header, const CsvRecord& line) {
    const auto field = [&](const char* column) { return Field(header, line, column); };
    CsvRecord csv{std::vector<std::string>(kCsvColumns.size()), line.line, line.lines,
                  line.unclosed, line.moreText};
    const auto set = [&](std::string_view column, std::string_view value) {
        csv.fields[CsvLayoutHeader().columns.at(std::string(column))] = value;
    };
    set("location", field("id"));
    set("name", field("name"));
    set("frequency", field("rx freq"));
    const auto [duplex, offset] = DuplexOf(field("rx freq"), field("tx freq"));
    set("duplex", duplex);
    set("offset", offset);
    const std::string_view txText = field("qt/dqt enc"), rxText = field("qt/dqt dec");
    const std::optional<ToneCode> tx = ToneOf(txText), rx = ToneOf(rxText);
    if (tx && rx) {
        const char* const toneColumns[] = {"tone",         "rtonefreq",  "ctonefreq", "dtcscode",
                                           "dtcspolarity", "rxdtcscode", "crossmode"};
        const std::vector<std::string> tones = CsvToneFields(*tx, *rx);
        for (std::size_t i = 0; i < tones.size(); ++i)
            set(toneColumns[i], tones[i]);
    } else {
        // The reader names the tone it does not know.
        set("tone", tx ? "TSQL-R" : "Tone");
        set("rtonefreq", tx ? rxText : txText);
    }
    const std::string_view width = field("w/n");
    set("mode", width.empty()                       ? ""
                : SameIgnoringCase(width, "Narrow") ? "NFM"
                : width == "Wide"                   ? "FM"
                                                    : width);
    set("tstep", field("step"));
    set("skip", SameIgnoringCase(field("scan"), "OFF") ? "S" : "");
    set("power", field("tx power"));
    set("reverse", field("reverse"));
    set("scramble", field("scramble"));
    set("busyset", field("busy set"));
    return csv;
}
