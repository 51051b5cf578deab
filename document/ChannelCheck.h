#pragma once

#include "Channel.h"
#include "ChannelCsv.h"
#include "MemoryImage.h"
#include "RadioModel.h"

#include <span>
#include <string>
#include <vector>

// One thing a check found about a channel.
struct ChannelFinding {
    int n;        // the channel's ID in a DAT file, the line in a CSV list
    bool warning; // false for an error
    Message text;
    bool operator==(const ChannelFinding& other) const {
        return n == other.n && warning == other.warning && text.English() == other.text.English();
    }
};

// Every finding about the rows of a file of the model, by row: a record
// that does not decode (the text the window gives when it refuses such a
// file, DescribeProblem's kUndecodable text), a channel in use that the Row
// Editor would refuse on OK as it stands (FrequencyError's message, with
// the image deciding a TG-6A's unit), and a channel in use without an error
// whose RX, TX and both tones equal an earlier one's ("same frequencies and
// tones as channel M", M the first such channel).
std::vector<ChannelFinding> CheckChannels(std::span<const CChannel> rows, RadioModel model,
                                          const CMemoryImage& image);

// The same for a CSV list as the reader made it, by line: every line that
// gave no channel, with the reader's reason, and every channel whose RX, TX
// and both tones equal those of a channel of an earlier line ("same
// frequencies and tones as line M"). The reader's channels passed the Row
// Editor's checks already.
std::vector<ChannelFinding> CheckCsvChannels(const CsvChannels& read);
