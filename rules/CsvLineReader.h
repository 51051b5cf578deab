#pragma once

#include "Channel.h"
#include "CsvHeader.h"
#include "Message.h"
#include "RadioModel.h"

#include <optional>
#include <string>

// One line of a CSV list as a channel of the radio, through the Row Editor's
// own rules, or the reason it gives none, in the user's terms: the values of
// the line that the radio cannot take, and what it can. A TG-6A's channel
// must lie in unitBand (see UnitBand), or, for 0, in either band a TG-6A is
// built for. Never raises.
std::optional<CChannel> ReadCsvLine(const CsvHeader& header, const CsvRecord& line,
                                    RadioModel model, int unitBand, Message& reason);

// The reason for a channel that holds a value no list can show.
Message UnstorableChannel();

// The index in the CTCSS table, or in the DCS tables, of a text as a list
// writes it ("88.5", "023"); -1 for none.
int ToneIndex(std::string_view text, bool dcs);
