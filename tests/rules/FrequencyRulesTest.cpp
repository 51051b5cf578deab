// The rules of frequency entry and the tone list items (the typed characters
// and names are tested through the boxes that use them).
#include "FrequencyRules.h"
#include "MemoryImage.h"
#include "ToneItems.h"

#include <gtest/gtest.h>

namespace {

// Typed text as MHz: eight digits with three before the point, two where three
// would pass 519.995 MHz; below 88 MHz, and the text without digits, is 88.
// Leaving a box raises the text to the step (0 "5", 1 "6.25", 2 "10", 3
// "12.5"); -1 names no step (a Step list without a selection) and rounds
// nothing. The text shown is the value the rules hold, even for a pasted text
// with a second point. Both limits of every band belong to it.
TEST(FrequencyRules, ParseRoundFormatAndBand) {
    const std::pair<const char*, int> parsed[] = {
        {"439.125", 43912500}, {"43.9125", 43912500}, {"4391250", 43912500},
        {"88.5", 8850000},     {"99", 9900000},       {"100", 10000000},
        {"12.5", 12500000},    {"87", 8800000},       {"87.5", 8750000},
        {"520", 5200000},      {"519.999", 5199990},  {"999999999", 51999500},
        {"9000000", 9000000},  {"0439.125", 4391250}, {"", 0},
        {"439.12.5", 439120},  {"abc", 8800000}};
    for (const auto& [text, value] : parsed)
        EXPECT_EQ(ParseFrequency(text), value) << '"' << text << '"';
    const std::tuple<const char*, int, const char*> shown[] = {
        {"439.125", 3, "439.12500"},   {"439.125", 2, "439.13000"}, {"446.00625", 3, "446.01250"},
        {"446.00625", 1, "446.00625"}, {"145.001", 0, "145.00500"}, {"519.999", 0, "52.00000"},
        {"145.001", -1, "145.00100"},  {"4391", -1, "439.10000"},   {"439.12.5", -1, "4.39120"}};
    for (const auto& [text, step, normal] : shown)
        EXPECT_EQ(NormalizeFrequencyText(text, step), normal) << text << " step " << step;
    const std::pair<int, int> bands[] = {
        {8750000, 0},  {8800000, 1},  {10800000, 1}, {10800500, 0}, {13599500, 0}, {13600000, 2},
        {17399500, 2}, {17400000, 0}, {35000000, 3}, {38999500, 3}, {39000000, 0}, {40000000, 4},
        {46999500, 4}, {47000000, 5}, {51999500, 5}, {52000000, 0}};
    for (const auto& [value, band] : bands)
        EXPECT_EQ(BandOf(value), band) << value;
}

// The first rule broken, in the order the user is told, for both models and a
// TG-6A for either side of 400 MHz (its trailer's bytes 1 and 2).
TEST(FrequencyRules, ChecksInOrderWithOneMessageEach) {
    CImageTGUV2 uv2(200);
    CImageTG6A uhf(100), vhf(100);
    uhf.GetTrailer()[1] = 43;
    vhf.GetTrailer()[1] = 14;
    const std::tuple<const CMemoryImage&, const char*, const char*, int, std::string> cases[] = {
        {uv2, "", "145", 0, "Rx frequency is missing!"},
        {uv2, "145", "", 0, "Tx frequency is missing!"},
        {uv2, "145.00300", "520", 0, "Rx frequency and step do not match!"},
        {uv2, "145", "145.00300", 0, "Tx frequency and step do not match!"},
        {uv2, "446.00625", "446.00625", 1, ""},
        {uv2, "446.00625", "446.00625", 3, "Rx frequency and step do not match!"},
        {uv2, "145", "145", -1, "Rx frequency and step do not match!"},
        {uv2, "52.00000", "145", 0, "Invalid Rx frequency range!"},
        {uv2, "145", "180", 0, "Invalid Tx frequency range!"},
        {uv2, "145", "435", 0, "Frequencies should be in the same range!"},
        {uv2, "380", "385", 0, ""},
        {vhf, "145", "435", 0, "Invalid frequency range!"},
        {vhf, "145", "146", 0, ""},
        {uhf, "380", "380", 0, "Invalid frequency range!"},
        {uhf, "435", "439.125", 3, ""}};
    for (const auto& [image, rx, tx, step, message] : cases) {
        const RadioModel model = &image == &uv2 ? kTGUV2 : kTG6A;
        EXPECT_EQ(FrequencyError(rx, tx, step, model, image), message) << rx << ' ' << tx;
    }
}

// 259 items at their selection index; 38 CTCSS tones and 83 normal DCS codes
// carry a number, so a mistyped entry of the lists of those that carry none
// shows in the count.
TEST(ToneItems, HoldEveryToneAtItsSelectionIndexAndNumberTheRightOnes) {
    const std::pair<int, const char*> samples[] = {
        {0, "OFF"},     {1, "67.0  (CTCSS 01)"}, {2, "69.3"},   {49, "250.3  (CTCSS 38)"},
        {50, "254.1"},  {51, "D023N  (DCS 01)"}, {56, "D036N"}, {154, "D754N  (DCS 83)"},
        {155, "D023I"}, {258, "D754I"},          {259, ""}};
    for (const auto& [position, text] : samples)
        EXPECT_EQ(ToneItemText(position), text) << position;
    int numbered = 0;
    for (int position = 0; position < kToneItemCount; ++position)
        numbered += ToneItemText(position).ends_with(")");
    EXPECT_EQ(numbered, 38 + 83);
}

} // namespace
