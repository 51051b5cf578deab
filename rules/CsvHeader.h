#pragma once

#include "CsvScanner.h"

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
    std::string error;

    bool Has(const char* column) const { return columns.contains(column); }
};

// Reads the lines before the first channel: a sep= line, blank lines and
// lines of empty fields, and the header, each counted in passedLines. The
// separator is the one a sep= line names, or else the one the header holds.
CsvHeader ReadCsvHeader(CCsvScanner& scanner, int& passedLines);
