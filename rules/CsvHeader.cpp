#include "CsvHeader.h"

#include "Text.h"

const std::vector<std::string_view> kCsvColumns = {
    "Location",  "Name",      "Frequency", "Duplex",       "Offset",     "Tone",
    "rToneFreq", "cToneFreq", "DtcsCode",  "DtcsPolarity", "RxDtcsCode", "CrossMode",
    "Mode",      "TStep",     "Skip",      "Power",        "Comment",    "URCALL",
    "RPT1CALL",  "RPT2CALL",  "DVCODE",    "Reverse",      "Scramble",   "BusySet"};

CsvHeader ReadCsvHeader(CCsvScanner& scanner, int& passedLines) {
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
    const bool location = header.Has("location"), frequency = header.Has("frequency");
    if (!location && !frequency)
        header.error = "The file has no header line naming its columns, such as Location and "
                       "Frequency.";
    else if (!location || !frequency)
        header.error = std::string("The file has no \"") + (location ? "Frequency" : "Location") +
                       "\" column.";
    return header;
}
