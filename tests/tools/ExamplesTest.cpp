// The example DAT files are the first thing a new user opens. These tests read
// them as the editor does and fail when a row would show an error, would not
// pass the Row Editor's checks, or when the files lose the variety that makes
// them worth opening.

#include "DatFile.h"
#include "ToneTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <iterator>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int kMHz = 100'000; // in the record's 10 Hz units

struct Band {
    int first;
    int last;
};
// The TG-UV2's bands in the order of its range byte.
constexpr Band kBands[] = {
    {88 * kMHz, 108 * kMHz},        {136 * kMHz, 174 * kMHz - 500}, {350 * kMHz, 390 * kMHz - 500},
    {400 * kMHz, 470 * kMHz - 500}, {470 * kMHz, 520 * kMHz - 500},
};

bool InBand(int frequency, const Band& band) {
    return frequency >= band.first && frequency <= band.last;
}

// "145.50000" -> 14550000: the frequency as the list shows it, turned back
// into 10 Hz units without going through the record's byte encoding.
int FromText(const std::string& text) {
    if (text.empty())
        return 0;
    std::string digits = text;
    digits.erase(std::remove(digits.begin(), digits.end(), '.'), digits.end());
    return std::stoi(digits);
}

struct UsedRow {
    int slot;
    CChannel record;
    int rx;
    int tx;
};

class ExampleFileTest : public ::testing::TestWithParam<RadioModel> {
protected:
    void SetUp() override {
        const std::filesystem::path path =
            std::filesystem::path(VELMORA_EXAMPLES_DIR) /
            (GetParam() == kTGUV2 ? "TG-UV2-example.DAT" : "TG-6A-example.DAT");
        ASSERT_TRUE(m_file.Load(path)) << path;
        const CMemoryImage& image = m_file.GetImage();
        for (int slot = 0; slot < image.GetChannelCount(); ++slot) {
            const CChannel& record = image.GetChannels()[slot];
            if (record.IsEmpty()) {
                m_empty.push_back(slot);
                continue;
            }
            m_used.push_back({slot, record, FromText(record.GetFreqText(true)),
                              FromText(record.GetFreqText(false))});
        }
    }

    CDatFile m_file{GetParam()};
    std::vector<UsedRow> m_used;
    std::vector<int> m_empty;
};

// Every column the radio's list shows, read the way the list fills a row.
std::vector<std::string> ColumnTexts(const CChannel& record, RadioModel model) {
    std::vector<std::string> texts = {
        record.GetFreqText(true),  record.GetFreqText(false), record.GetToneText(true),
        record.GetToneText(false), record.GetStepText(),      record.GetReverseText(),
        record.GetPowerText(),     record.GetScrambleText(),  record.GetWidthText(),
    };
    if (model == kTGUV2) {
        texts.push_back(record.GetNameText());
        texts.push_back(record.GetRangeText());
        texts.push_back(record.GetScanText());
    } else {
        texts.push_back(record.GetBusySetText());
    }
    return texts;
}

TEST_P(ExampleFileTest, EveryUsedRowShowsInEveryColumn) {
    ASSERT_FALSE(m_used.empty());
    for (const UsedRow& row : m_used) {
        SCOPED_TRACE("slot " + std::to_string(row.slot));
        const std::uint8_t* bytes = row.record.bytes;
        // Bytes used as table positions are checked here, since the getters
        // need not check them.
        EXPECT_LT(bytes[22], ToneTables::kSteps.size());
        for (const bool rx : {true, false}) {
            const ToneCode tone = row.record.GetTone(rx);
            const int entries = tone.kind == 1 ? 50 : 104;
            if (tone.kind != 0) {
                EXPECT_GE(tone.index, 0);
                EXPECT_LT(tone.index, entries);
            }
        }
        if (GetParam() == kTGUV2) {
            EXPECT_LT(bytes[28], ToneTables::kBands.size());
        }
        try {
            for (const std::string& text : ColumnTexts(row.record, GetParam()))
                EXPECT_FALSE(text.empty());
        } catch (...) {
            ADD_FAILURE() << "a column cannot be shown";
        }
    }
}

TEST_P(ExampleFileTest, EmptySlotsAreInTheRadiosEmptyForm) {
    CChannel cleared;
    cleared.Clear(GetParam());
    for (const int slot : m_empty)
        EXPECT_TRUE(std::equal(cleared.bytes, cleared.bytes + CChannel::kSize,
                               m_file.GetImage().GetChannels()[slot].bytes))
            << "slot " << slot;
}

TEST_P(ExampleFileTest, FrequenciesWouldPassTheRowEditorsChecks) {
    for (const UsedRow& row : m_used) {
        SCOPED_TRACE("slot " + std::to_string(row.slot));
        const int step = ToneTables::kStepUnits.at(row.record.GetStepIndex());
        EXPECT_EQ(row.rx % step, 0);
        EXPECT_EQ(row.tx % step, 0);
        if (GetParam() == kTGUV2) {
            ASSERT_LT(row.record.bytes[28], std::size(kBands));
            EXPECT_TRUE(InBand(row.rx, kBands[row.record.bytes[28]]))
                << "the range byte does not name the RX frequency's band";
            // The Row Editor refuses a TX frequency outside the RX band.
            EXPECT_TRUE(InBand(row.tx, kBands[row.record.bytes[28]]));
        } else {
            EXPECT_TRUE(InBand(row.rx, kBands[3]));
            EXPECT_TRUE(InBand(row.tx, kBands[3]));
            EXPECT_TRUE(m_file.GetImage().SameBandSide(row.record.GetFreqText(true)));
        }
    }
}

// A file worth opening shows what the editor is for: simplex and repeater
// channels with the usual offsets, both kinds of tone, free slots between
// the groups, and on the TG-UV2 a name for every channel.
TEST_P(ExampleFileTest, HoldsARealisticMixOfChannels) {
    std::set<int> offsets;
    bool ctcss = false;
    bool dcs = false;
    for (const UsedRow& row : m_used) {
        offsets.insert(row.tx - row.rx);
        for (const bool rx : {true, false}) {
            const int kind = row.record.GetTone(rx).kind;
            ctcss = ctcss || kind == 1;
            dcs = dcs || kind == 2 || kind == 3;
        }
    }
    EXPECT_TRUE(offsets.count(0)) << "no simplex channel";
    EXPECT_TRUE(offsets.count(5 * kMHz) || offsets.count(-5 * kMHz)) << "no 70 cm +/-5 MHz pair";
    EXPECT_TRUE(offsets.count(-760'000)) << "no 70 cm -7.6 MHz pair";
    if (GetParam() == kTGUV2) {
        EXPECT_TRUE(offsets.count(-60'000)) << "no 2 m -600 kHz pair";
    }
    EXPECT_TRUE(ctcss);
    EXPECT_TRUE(dcs);

    ASSERT_FALSE(m_empty.empty());
    EXPECT_LT(m_empty.front(), m_used.back().slot) << "no free slot between channels";

    if (GetParam() == kTGUV2) {
        std::set<std::string> names;
        for (const UsedRow& row : m_used)
            names.insert(row.record.GetNameText());
        EXPECT_EQ(names.size(), m_used.size()) << "names are missing or repeated";
        EXPECT_FALSE(names.count("      "));
    }
}

INSTANTIATE_TEST_SUITE_P(BothRadios, ExampleFileTest, ::testing::Values(kTGUV2, kTG6A),
                         [](const auto& test) {
                             return std::string(test.param == kTGUV2 ? "TGUV2" : "TG6A");
                         });

TEST(ExampleTG6A, IsARadioFor400MHzAndAbove) {
    CDatFile file(kTG6A);
    ASSERT_TRUE(file.Load(std::filesystem::path(VELMORA_EXAMPLES_DIR) / "TG-6A-example.DAT"));
    const std::uint8_t* trailer = file.GetImage().GetTrailer();
    EXPECT_EQ(trailer[1], 43);
    EXPECT_EQ(trailer[2], 80);
    EXPECT_TRUE(file.GetImage().SameBandSide("400.00000"));
}

} // namespace
