#pragma once

#include "Channel.h"
#include "CsvHeader.h"
#include "RadioModel.h"

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Channel lists as the comma-separated files that radio programs and
// spreadsheets exchange: a header line naming the columns, then one line per
// channel, its row number in the Location column. Reading and writing both
// go through the Row Editor's own rules, so that a channel read from a file
// is one the user could have typed.

// The file for the rows in their order: the header, then one line per row in
// use with the row's position as its Location. UTF-8, lines ending in CR LF,
// fields quoted where they hold a comma, a quote or a line break. Raises the
// failure signal for a record that does not decode.
std::string ChannelsToCsv(std::span<const CChannel* const> rows, RadioModel model);

// A channel and the ID of its row, as rows copied from a list carry them.
struct ChannelRow {
    int id;
    CChannel record;
};

// The same for rows copied from a list: one line per row in use, its ID as
// the Location.
std::string ChannelRowsToCsv(std::span<const ChannelRow> rows, RadioModel model);

// The fields that carry a transmit and a receive tone in the file's layout,
// from Tone to CrossMode.
std::vector<std::string> CsvToneFields(ToneCode tx, ToneCode rx);

// A line of a file that gave no channel, and why, in the user's terms: the
// values of the line that the radio cannot take, and what it can. Lines are
// counted in the file from 1, the header included; a line of a quoted field
// that spans lines is counted where it starts.
struct CsvSkippedLine {
    int line;
    Message reason;
};

// How many skipped lines a reading keeps: as many as are worth showing.
inline constexpr std::size_t kCsvKeptSkippedLines = 1000;

// Where the channels of a list go: each to the row its Location names, or
// one after another in the order of their lines (a pasted list, whose
// Location does not place it).
enum class CsvPlacement { kByLocation, kInOrder };

struct CsvChannels {
    // Why the file cannot be read at all; empty when it can.
    Message error;
    // By Location: one record per row of the model, the channel of the line
    // with that Location, or an empty record. In order: the channels read.
    std::vector<CChannel> records;
    // The line that gave each record's channel, 0 for none.
    std::vector<int> lines;
    // The first lines that gave no channel (as many as the reader was told
    // to keep), in order.
    std::vector<CsvSkippedLine> skipped;
    // Where every line of a file that can be read went, so that none is lost
    // unseen: lineCount = channelLines + skippedCount + passedLines.
    int lineCount = 0;    // the lines of the file
    int channelLines = 0; // lines that gave a channel
    int skippedCount = 0; // lines that gave none, kept in skipped or not
    // The sep= line, the header, blank lines and lines of empty fields, and
    // the further lines of a quoted field that spans lines.
    int passedLines = 0;
    // The entries are channels of another radio's file (RadioConversion.h):
    // skipped entries carry channel numbers, not lines.
    bool byChannel = false;
    // The other radio whose file the channels were converted from; none for
    // a list, or a file of the reader's own radio.
    std::optional<RadioModel> otherRadio;
};

// Reads a file's text into channels of the model. The text is UTF-8, with or
// without a byte order mark, or UTF-16 with one; lines end in LF, CR LF or
// CR. Fields are separated by the character a first line "sep=;" names, else
// by the one the header holds: a comma, or else a semicolon or a tab. The
// header names the layout's columns, or those of Velmora's own list
// (ListText.h). Every channel must pass the Row Editor's checks; a TG-6A's
// lie in unitBand (see UnitBand), or, for 0, in either band a TG-6A is built
// for. At most keptSkipped skipped lines are kept with their reasons. Never
// raises.
CsvChannels ChannelsFromCsv(std::string_view text, RadioModel model, int unitBand,
                            std::size_t keptSkipped = kCsvKeptSkippedLines,
                            CsvPlacement placement = CsvPlacement::kByLocation);
