// Rows between programs: the private form byte for byte, and what Paste takes
// from another program's clipboard, with its reasons.
#include "ChannelTransfer.h"
#include "DatBuilder.h"
#include "ListText.h"

#include <gtest/gtest.h>

namespace {

namespace ts = testing_support;

// A channel with a name, tones, a switch set and a byte nobody interprets.
CChannel Marked(RadioModel model, int rx, int tx) {
    CChannel record = ts::UsedChannel(model, rx, tx);
    record.SetToneSelection(12, false);
    record.SetToneSelection(200, true);
    record.SetWidthText("Narrow");
    record.bytes[19] = 0x5A;
    return record;
}

std::string Texts(const std::vector<CChannel>& records, RadioModel model) {
    std::string texts;
    for (const CChannel& record : records) {
        for (const std::string& text : TextsOf(record, model))
            texts += text + "|";
        texts += "\n";
    }
    return texts;
}

// The layout is the one the guide gives; the same radio takes it back byte
// for byte, empty rows too.
TEST(ChannelTransfer, ThePrivateFormCarriesEveryByte) {
    const std::vector<ChannelRow> rows = {{3, Marked(kTG6A, 43850000, 43850000)},
                                          {260, ts::EmptyChannel(kTG6A)}};
    const std::string bytes = VelmoraChannels(kTG6A, rows);
    ASSERT_EQ(bytes.size(), 8u + 2 * 46);
    EXPECT_EQ(bytes.substr(0, 10), std::string("VLMC\x01\x01\x02\x00\x03\x00", 10));
    EXPECT_EQ(bytes.substr(54, 2), std::string("\x04\x01", 2));
    EXPECT_EQ(bytes.substr(10, 44),
              std::string(reinterpret_cast<const char*>(rows[0].record.bytes), 44));
    const TakenChannels taken = TakeVelmoraChannels(bytes, kTG6A, 4);
    ASSERT_TRUE(taken.holdsChannels && taken.records.size() == 2);
    EXPECT_TRUE(taken.records[0] == rows[0].record && taken.records[1] == rows[1].record);
}

// A malformed private form holds no channels: too short, another mark or
// version or radio, a count that does not match, a record no list shows.
TEST(ChannelTransfer, AMalformedPrivateFormHoldsNothing) {
    const std::string good = VelmoraChannels(kTGUV2, {{{0, Marked(kTGUV2, 14550000, 14550000)}}});
    std::string undecodable = good;
    undecodable[10 + 22] = 99; // the step
    for (const std::string& bytes :
         {good.substr(0, 7), good.substr(0, good.size() - 1), good + '\0', "VLMD" + good.substr(4),
          good.substr(0, 4) + '\x02' + good.substr(5), good.substr(0, 5) + '\x02' + good.substr(6),
          good.substr(0, 6) + '\x02' + good.substr(7), undecodable})
        EXPECT_FALSE(TakeVelmoraChannels(bytes, kTGUV2, 0).holdsChannels);
}

// The other radio's rows go through the CSV reader's rules, each reason
// given to its channel; empty rows are left out.
TEST(ChannelTransfer, TheOtherRadiosRowsAreConverted) {
    const std::vector<ChannelRow> rows = {{5, Marked(kTGUV2, 43850000, 43850000)},
                                          {10, ts::UsedChannel(kTGUV2, 14550000, 14550000)},
                                          {150, ts::UsedChannel(kTGUV2, 44600625, 44600625)},
                                          {151, ts::EmptyChannel(kTGUV2)}};
    const TakenChannels taken = TakeVelmoraChannels(VelmoraChannels(kTGUV2, rows), kTG6A, 4);
    EXPECT_TRUE(taken.holdsChannels && taken.byChannel);
    EXPECT_EQ(Texts(taken.records, kTG6A),
              "||438.50000|438.50000|D263I|97.4|5|OFF|High|OFF|Narrow|||OFF|\n"
              "||446.00625|446.00625|OFF|OFF|6.25|OFF|High|OFF|Wide|||OFF|\n");
    ASSERT_EQ(taken.skipped.size(), 1u);
    EXPECT_EQ(std::to_string(taken.skipped[0].line) + ": " + taken.skipped[0].reason.English(),
              "10: 145.50000 MHz is outside this TG-6A's band (400\u2013469.995 MHz).");
}

// Text from a spreadsheet or a text editor: a CSV list or Velmora's own
// tab-separated list, in the order of its lines, whatever Location or ID
// says; lines that give no channel with reasons; a text without a header
// line, or with no line after it, or too large, holds no channels.
TEST(ChannelTransfer, TextGivesItsChannelsInOrder) {
    std::vector<ChannelRow> rows = {{7, Marked(kTGUV2, 14550000, 14610000)},
                                    {2, Marked(kTGUV2, 43850000, 43350000)}};
    rows[1].record.SetFrequencies(43850000, 43350000, 0, 4, kTGUV2);
    std::vector<Column> columns;
    for (const ColumnInfo* column : ColumnSet(kTGUV2, true))
        columns.push_back(column->id);
    const std::string list = ChannelRowsToText(rows, kTGUV2, columns);
    EXPECT_EQ(
        list.substr(0, list.find('\n', list.find('\n') + 1)),
        "ID\tName\tRX Freq\tTX Freq\tQT/DQT Dec\tQT/DQT Enc\tStep\tReverse\tTX Power\tScramble\t"
        "W/"
        "N\tRange\tScan\n7\t\t145.50000\t146.10000\tD263I\t97."
        "4\t5\tOFF\tHigh\tOFF\tNarrow\tVHF1\tOn");
    const TakenChannels back = TakeChannelText(list, kTGUV2, 0);
    EXPECT_EQ(Texts(back.records, kTGUV2), Texts({rows[0].record, rows[1].record}, kTGUV2));
    const TakenChannels csv = TakeChannelText("Location,Name,Frequency,Duplex,Offset\r\n150,B,438."
                                              "5,,\r\n3,A,145.5,split,\r\n1,,145.6\r\n",
                                              kTGUV2, 0);
    EXPECT_EQ(csv.records.size(), 2u);
    EXPECT_EQ(csv.records[0].GetNameText() + csv.records[1].GetFreqText(true), "B     145.60000");
    ASSERT_EQ(csv.skipped.size(), 1u);
    EXPECT_EQ(csv.skipped[0].line, 3);
    EXPECT_EQ(csv.skipped[0].reason,
              "a split channel needs its transmit frequency in the Offset column.");
    const TakenChannels hostile =
        TakeChannelText("RX Freq\tName\n145.5" + std::string(1, '\0') + "\xff\tA\n", kTGUV2, 0);
    EXPECT_TRUE(hostile.holdsChannels && hostile.records.empty() && hostile.skippedCount == 1);
    for (const std::string& text : std::vector<std::string>{"145.5\tA\n", "Frequency,Name\r\n\r\n",
                                                            "", std::string(5 << 20, ',')})
        EXPECT_FALSE(TakeChannelText(text, kTGUV2, 0).holdsChannels) << text.substr(0, 20);
}

} // namespace
