// What the channel check finds in a file's rows and in a CSV list, and at
// which channel or line.
#include "ChannelCheck.h"
#include "DatBuilder.h"
#include "DatFile.h"

#include <gtest/gtest.h>

namespace {

namespace ts = testing_support;
using Findings = std::vector<ChannelFinding>;

TEST(ChannelCheck, FindsEachProblemOnceAtItsChannel) {
    const CChannel good = ts::UsedChannel(kTGUV2, 14550000, 14550000);
    CChannel otherTone = good, offStep = ts::UsedChannel(kTGUV2, 14550300, 14550300),
             undecodable = good;
    otherTone.SetTone(true, ToneKind::kCtcss, 8);
    undecodable.bytes[22] = 99;
    const CChannel low = ts::UsedChannel(kTG6A, 14550000, 14550000);
    const char* sameAs0 = "same frequencies and tones as channel 0";
    const struct {
        RadioModel model;
        std::vector<CChannel> records;
        Findings expected;
    } cases[] = {
        {kTGUV2,
         {good, ts::EmptyChannel(kTGUV2), good, otherTone, offStep, offStep, undecodable, good},
         {{2, true, sameAs0},
          {4, false, "Rx frequency and step do not match!"},
          {5, false, "Rx frequency and step do not match!"},
          {6, false, "Channel 6 holds a value the radio does not know in the column \"Step\"."},
          {7, true, sameAs0}}},
        // The file of a radio for 400 MHz and above decides the band.
        {kTG6A, {low}, {{0, false, "Invalid frequency range!"}}},
    };
    for (const auto& c : cases) {
        ts::TempDir dir;
        ts::WriteBytes(dir / "radio.DAT", ts::MakeDat(c.model, c.records));
        CDatFile file(c.model);
        ASSERT_TRUE(file.Load(dir / "radio.DAT"));
        const CMemoryImage& image = file.GetImage();
        const std::size_t rows = std::size_t(ChannelCount(c.model));
        EXPECT_EQ(CheckChannels({image.GetChannels(), rows}, c.model, image), c.expected);
    }
}

TEST(ChannelCheck, NamesTheLinesOfACsvList) {
    const std::string text = "Location,Frequency\n3,145.5\n300,145.5\n1,145.5\n\n0,145.5\n4,9\n";
    const CsvChannels read = ChannelsFromCsv(text, kTGUV2, 0, 1);
    ASSERT_EQ(read.skipped.size(), 1u);
    EXPECT_EQ(read.skippedCount, 2);
    EXPECT_EQ(read.lines[3], 2);
    EXPECT_EQ(read.lines[4], 0);
    const char* sameAs2 = "same frequencies and tones as line 2";
    EXPECT_EQ(
        CheckCsvChannels(read),
        (Findings{{3, false, read.skipped[0].reason}, {4, true, sameAs2}, {6, true, sameAs2}}));
}

} // namespace
