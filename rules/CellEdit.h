#pragma once

#include "Channel.h"
#include "ChannelColumns.h"
#include "EditSession.h"
#include "RadioModel.h"

#include <optional>
#include <string>
#include <string_view>

// One cell of the channel list edited where it stands: the Row Editor's rules
// for one setting, every other setting of the record kept.

// The setting a column edits; none for ID and Range (Range follows RX).
std::optional<Setting> SettingOfColumn(Column column);

// Stores the text in the column of the record as the Row Editor would store
// it with only that field changed, or gives the Row Editor's message and
// leaves the record as it was. A typed frequency is rounded to the record's
// own step first; changing RX of a channel whose TX equals its RX moves TX
// with it. A list column takes one of the texts the column shows ("88.5",
// "D023N", "Narrow"). An empty record becomes a new channel (the values
// "New" gives it) at the frequency the text names, whichever column it is.
// unitBand is the one band a TG-6A's channels must lie in (UnitBand).
Message EditCell(CChannel& record, Column column, std::string_view text, RadioModel model,
                 int unitBand);
