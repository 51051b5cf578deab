#pragma once

#include "ChannelCsv.h"
#include "RadioModel.h"

#include <span>

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
