#pragma once

#include "ChannelCsv.h"
#include "RadioModel.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

// Rows on their way between programs: the private form in which Copy hands
// rows to another Velmora window byte for byte, and the channels that Paste
// can take from what another program put on the clipboard.

// The private form's type, as the desktop's clipboard names it.
inline constexpr std::string_view kVelmoraChannelsType = "application/x-velmora-channels";

// The private form: the 4 bytes "VLMC", the version (1), the radio (0 for the
// TG-UV2, 1 for the TG-6A), the number of rows as two bytes little-endian,
// then for each row its ID as two bytes little-endian and its 44-byte record
// as it is, bytes nobody interprets included.
std::string VelmoraChannels(RadioModel model, std::span<const ChannelRow> rows);

// What a clipboard held for a list of the radio.
struct TakenChannels {
    // False: nothing Velmora can read (no header, another kind of content,
    // a malformed private form); then nothing is taken.
    bool holdsChannels = false;
    // The channels read, in the order they came.
    std::vector<CChannel> records;
    // The first entries that gave no channel, with the reasons, and how
    // many there were; numbered by line of the text, or, for the other
    // radio's rows (byChannel), by their channel IDs.
    std::vector<CsvSkippedLine> skipped;
    int skippedCount = 0;
    bool byChannel = false;
};

// The private form, for a list of the model whose TG-6A unit is unitBand:
// rows of the same radio as they are (a record no list could show makes the
// whole form malformed); rows of the other radio converted through the CSV
// reader's rules, empty rows left out.
TakenChannels TakeVelmoraChannels(std::string_view bytes, RadioModel model, int unitBand);
// A text: a CSV list, or Velmora's own list as tab-separated text, with its
// header line; its channels in the order of their lines, whatever their
// Location or ID. A text larger than any list holds no channels.
TakenChannels TakeChannelText(std::string_view text, RadioModel model, int unitBand);
