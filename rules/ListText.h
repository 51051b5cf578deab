#pragma once

#include "ChannelColumns.h"
#include "ChannelCsv.h"
#include "CsvHeader.h"

#include <span>
#include <string>

// Velmora's own list as text, the way a spreadsheet takes it: the columns a
// list shows, tab-separated, a header line of their titles, then a line per
// row with each cell as the list shows it (a name without its padding).
std::string ChannelRowsToText(std::span<const ChannelRow> rows, RadioModel model,
                              std::span<const Column> columns);

// A line of such a text (its header read with listColumns set) as the fields
// of the CSV layout (CsvLayoutHeader), so that the CSV line reader reads it
// with its own rules and reasons: RX and TX become Frequency with Duplex and
// Offset, the two tones the tone columns, W/N the Mode, Scan the Skip.
CsvRecord ListLineAsCsv(const CsvHeader& header, const CsvRecord& line);
