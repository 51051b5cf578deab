#pragma once

#include "ChannelColumns.h"
#include "ChannelCsv.h"
#include "RadioModel.h"

#include <span>
#include <vector>

// The channels of one radio's file as channels of the other radio: each goes
// through the CSV reader's rules for the radio it goes to (its bands, a
// TG-6A's one band, the steps, the tones; the TG-6A has no names), and keeps
// its channel number as its row. The result reads as a CSV list read by
// Location, but its skipped entries are numbered by channel (byChannel) and
// its lines too: a channel past the last row of the radio it goes to has no
// place there ("Channel 150 has no place on a TG-6A (channels 0–99)."); a
// channel the rules refuse keeps the reader's reason. Empty rows are none.
CsvChannels ConvertRadioRows(RadioModel from, std::span<const CChannel> rows, RadioModel to,
                             int unitBand, std::size_t keptSkipped = kCsvKeptSkippedLines);

// "Channel 150 has no place on a TG-6A (channels 0–99)."
Message NoPlaceFor(int channel, RadioModel model);

// The columns of the radio `to` that a file of the radio `from` does not hold
// (a TG-6A's channels have no name, no scan setting and no band of the
// TG-UV2's; a TG-UV2's no busy setting): channels converted from `from`
// carry made-up values there.
std::vector<Column> ColumnsNotHeld(RadioModel from, RadioModel to);

// Gives a channel taken from the other radio the settings of these columns
// that the channel it replaces has, so that taking a channel across does not
// throw away what the other radio could not say (its name, its scan
// setting). Nothing is kept into or from an empty row.
void KeepSettings(CChannel& taken, const CChannel& kept, std::span<const Column> columns,
                  RadioModel model, int unitBand);
