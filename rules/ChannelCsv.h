#pragma once

#include "Channel.h"
#include "RadioModel.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// Channel lists as the comma-separated files that radio programs and
// spreadsheets exchange: a header line naming the columns, then one line per
// channel, its row number in the Location column. Reading and writing both
// go through the Row Editor's own rules, so that a channel read from a file
// is one the user could have typed.

// The header line's columns, in the order they are written.
extern const std::vector<std::string_view> kCsvColumns;

// The file for the rows in their order: the header, then one line per row in
// use with the row's position as its Location. UTF-8, lines ending in CR LF,
// fields quoted where they hold a comma, a quote or a line break. Raises the
// failure signal for a record that does not decode.
std::string ChannelsToCsv(std::span<const CChannel* const> rows, RadioModel model);

// A line of a file that gave no channel, and why. Lines are counted in the
// file from 1, the header included; a line of a quoted field that spans lines
// is counted where it starts.
struct CsvSkippedLine {
    int line;
    std::string reason;
};

struct CsvChannels {
    // Why the file cannot be read at all; empty when it can.
    std::string error;
    // One record per row of the model: the channel of the line with that
    // Location, or an empty record.
    std::vector<CChannel> records;
    std::vector<CsvSkippedLine> skipped;
};

// Reads a file's text (UTF-8, with or without a byte order mark, lines ending
// in LF or CR LF) into the rows of the model. Never raises.
CsvChannels ChannelsFromCsv(std::string_view text, RadioModel model);
