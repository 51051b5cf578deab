// The example DAT files are the first thing a new user opens. These tests read
// them as the editor does and fail when a row would show an error, would not
// pass the Row Editor's checks, or when the files lose the variety that makes
// them worth opening.
#include "DatFile.h"
#include "FrequencyRules.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

namespace {

class ExampleFileTest : public testing::TestWithParam<RadioModel> {
protected:
    void SetUp() override {
        ASSERT_TRUE(
            m_file.Load(std::filesystem::path(VELMORA_EXAMPLES_DIR) /
                        (GetParam() == kTGUV2 ? "TG-UV2-example.DAT" : "TG-6A-example.DAT")));
    }
    const CMemoryImage& Image() const { return m_file.GetImage(); }
    CDatFile m_file{GetParam()};
};

INSTANTIATE_TEST_SUITE_P(BothRadios, ExampleFileTest, testing::Values(kTGUV2, kTG6A),
                         [](const auto& test) { return test.param == kTGUV2 ? "TGUV2" : "TG6A"; });

// Every used row shows a text in every column of its model and would pass
// the Row Editor's checks as it is (on the TG-UV2 with the range byte naming
// the RX band); every empty slot is in the radio's empty form. A file worth
// opening has simplex and repeater channels, both kinds of tone, free slots
// between channels, and on the TG-UV2 a name of its own for every channel.
TEST_P(ExampleFileTest, EveryRowIsValidAndTheMixIsRealistic) {
    const RadioModel model = GetParam();
    CChannel cleared;
    cleared.Clear(model);
    std::set<int> offsets, toneKinds;
    std::set<std::string> names;
    int used = 0, lastUsed = -1, firstEmpty = -1;
    for (int slot = 0; slot < Image().GetChannelCount(); ++slot) {
        SCOPED_TRACE("slot " + std::to_string(slot));
        const CChannel& record = Image().GetChannels()[slot];
        if (record.IsEmpty()) {
            EXPECT_EQ(std::memcmp(record.bytes, cleared.bytes, CChannel::kSize), 0);
            firstEmpty = firstEmpty < 0 ? slot : firstEmpty;
            continue;
        }
        ++used;
        lastUsed = slot;
        const std::string rx = record.GetFreqText(true), tx = record.GetFreqText(false);
        EXPECT_EQ(FrequencyError(rx, tx, record.GetStepIndex(), model, Image()), "");
        std::vector<std::string> texts = {
            record.GetToneText(true),
            record.GetToneText(false),
            record.GetStepText(),
            record.GetReverseText(),
            record.GetPowerText(),
            record.GetScrambleText(),
            record.GetWidthText(),
            model == kTG6A ? record.GetBusySetText()
                           : record.GetNameText() + record.GetRangeText() + record.GetScanText()};
        if (model == kTGUV2) {
            EXPECT_EQ(record.bytes[28], BandOf(ParseFrequency(rx)) - 1);
            names.insert(record.GetNameText());
        }
        for (const std::string& text : texts)
            EXPECT_FALSE(text.empty());
        offsets.insert(ParseFrequency(tx) - ParseFrequency(rx));
        toneKinds.insert({record.GetTone(true).kind, record.GetTone(false).kind});
    }
    EXPECT_TRUE(offsets.count(0) && offsets.size() > 2) << "simplex and repeater pairs";
    EXPECT_TRUE(toneKinds.count(1) && (toneKinds.count(2) || toneKinds.count(3))) << "tones";
    EXPECT_TRUE(firstEmpty >= 0 && firstEmpty < lastUsed) << "no free slot between channels";
    if (model == kTGUV2) {
        EXPECT_EQ(names.size(), static_cast<std::size_t>(used)) << "names missing or repeated";
        EXPECT_FALSE(names.count("      "));
    }
}

} // namespace
