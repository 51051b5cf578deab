#include "CsvHeader.h"

#include "Text.h"

#include <algorithm>

const std::vector<std::string_view> kCsvColumns = {
    "Location",  "Name",      "Frequency", "Duplex",       "Offset",     "Tone",
    "rToneFreq", "cToneFreq", "DtcsCode",  "DtcsPolarity", "RxDtcsCode", "CrossMode",
    "Mode",      "TStep",     "Skip",      "Power",        "Comment",    "URCALL",
    "RPT1CALL",  "RPT2CALL",  "DVCODE",    "Reverse",      "Scramble",   "BusySet"};

std::size_t CsvHeader::Width() const {
    std::size_t width = 0;
    for (const auto& [name, at] : columns)
        width = std::max(width, at + 1);
    return width;
}

const CsvHeader& CsvLayoutHeader() {
    static const CsvHeader header = [] {
        CsvHeader layout;
        for (std::size_t i = 0; i < kCsvColumns.size(); ++i)
            layout.columns.emplace(AsciiLower(kCsvColumns[i]), i);
        return layout;
    }();
    return header;
}

CsvHeader ReadCsvHeader(CCsvScanner& scanner, int& passedLines, bool needsLocation) {
    CsvHeader header;
    std::optional<char> separator = NamedSeparator(scanner.PeekLine());
    if (separator) {
        scanner.SkipLine();
        ++passedLines;
    }
    // Blank lines, and lines of empty fields, whatever their separator.
    while (!scanner.AtEnd() &&
           scanner.PeekLine().find_first_not_of(" \t,;") == std::string_view::npos) {
        scanner.SkipLine();
        ++passedLines;
    }
    header.separator = separator ? *separator : HeaderSeparator(scanner.PeekLine());
    CsvRecord record;
    if (scanner.Next(record, header.separator))
        passedLines += record.lines;
    for (std::size_t i = 0; i < record.fields.size(); ++i)
        header.columns.emplace(AsciiLower(Trim(record.fields[i])), i);
    header.listColumns = header.Has("rx freq") && !header.Has("frequency");
    const bool location = header.Has("location") || !needsLocation,
               frequency = header.Has("frequency") || header.listColumns;
    if (!location && !frequency)
        header.error = VM_TR("Messages", "The file has no header line naming its columns, such as "
                                         "Location and Frequency.");
    else if (!location || !frequency)
        header.error = Message(VM_TR("Messages", "The file has no \"%1\" column."))
                           .Arg(location ? "Frequency" : "Location");
    return header;
}
