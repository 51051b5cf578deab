#pragma once

#include "CsvScanner.h"
#include "Message.h"

#include <map>
#include <string>
#include <string_view>
#include <vector>

// The header line's columns, in the order they are written.
extern const std::vector<std::string_view> kCsvColumns;

// What the lines before a file's first channel say: the separator of its
// fields and where each column is.
struct CsvHeader {
    char separator = ',';
    // Each column's position in a line, by its name in lower case.
    std::map<std::string, std::size_t> columns;
    // Why no line of the file can give a channel; empty when lines can.
    Message error;

    // The columns are those of Velmora's own list as Copy writes it for
    // spreadsheets ("ID", "RX Freq", …), not the file's layout.
    bool listColumns = false;

    bool Has(const char* column) const { return columns.contains(column); }
    // How many fields of a line a reader needs.
    std::size_t Width() const;
};

// Reads the lines before the first channel: a sep= line, blank lines and
// lines of empty fields, and the header, each counted in passedLines. The
// separator is the one a sep= line names, or else the one the header holds.
// A header must name the Frequency column (or, of Velmora's own list, RX
// Freq), and, when the Location places each channel, the Location column.
CsvHeader ReadCsvHeader(CCsvScanner& scanner, int& passedLines, bool needsLocation = true);
// The header of the file's own layout, kCsvColumns in their order.
const CsvHeader& CsvLayoutHeader();
