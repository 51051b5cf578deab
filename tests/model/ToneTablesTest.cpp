#include "ToneTables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace {

using Table = std::span<const std::string_view>;

// Entries the radio's own menus show at fixed positions; a shifted or missing
// entry would store the wrong code in every record.
TEST(ToneTables, ToneTablesHoldTheirEntriesAtTheirCodes) {
    const struct {
        Table table;
        std::size_t size, index;
        std::string_view text;
    } anchors[] = {
        {ToneTables::kCtcss, 50, 0, "67.0"},   {ToneTables::kCtcss, 50, 12, "100.0"},
        {ToneTables::kCtcss, 50, 18, "123.0"}, {ToneTables::kCtcss, 50, 49, "254.1"},
        {ToneTables::kDcsN, 104, 0, "D023N"},  {ToneTables::kDcsN, 104, 57, "D346N"},
        {ToneTables::kDcsN, 104, 58, "D351N"}, {ToneTables::kDcsN, 104, 103, "D754N"},
        {ToneTables::kDcsI, 104, 0, "D023I"},  {ToneTables::kDcsI, 104, 57, "D346I"},
        {ToneTables::kDcsI, 104, 58, "D351I"}, {ToneTables::kDcsI, 104, 103, "D754I"},
    };
    for (const auto& a : anchors) {
        ASSERT_EQ(a.table.size(), a.size);
        EXPECT_EQ(a.table[a.index], a.text) << "index " << a.index;
    }
}

TEST(ToneTables, SmallTablesHoldExactlyTheRadioTexts) {
    using V = std::vector<std::string_view>;
    EXPECT_EQ(V(ToneTables::kSteps.begin(), ToneTables::kSteps.end()),
              (V{"5", "6.25", "10", "12.5", "15", "20", "25", "30", "50", "100"}));
    EXPECT_EQ(V(ToneTables::kBands.begin(), ToneTables::kBands.end()),
              (V{"FM", "VHF1", "UHF1", "UHF2", "UHF3"}));
    EXPECT_EQ(V(ToneTables::kOnOff.begin(), ToneTables::kOnOff.end()), (V{"On", "OFF"}));
    EXPECT_EQ(V(ToneTables::kPowerLevels.begin(), ToneTables::kPowerLevels.end()),
              (V{"High", "Mid", "Low"}));
    EXPECT_EQ(V(ToneTables::kBandwidths.begin(), ToneTables::kBandwidths.end()),
              (V{"Wide", "Narrow"}));
}

TEST(ToneTables, StepSizesMatchTheirTextsIn10HzUnits) {
    for (std::size_t i = 0; i < ToneTables::kSteps.size(); ++i) {
        const double khz = std::stod(std::string(ToneTables::kSteps[i]));
        EXPECT_EQ(ToneTables::kStepUnits[i], std::lround(khz * 100)) << ToneTables::kSteps[i];
    }
    EXPECT_EQ(ToneTables::kStepUnits.front(), 500);
    EXPECT_EQ(ToneTables::kStepUnits.back(), 10000);
}

TEST(ToneTables, CtcssTonesHaveOneDecimalAndRiseStrictly) {
    const std::regex form(R"(\d{2,3}\.\d)");
    double previous = 0;
    for (const std::string_view tone : ToneTables::kCtcss) {
        const std::string text(tone);
        EXPECT_TRUE(std::regex_match(text, form)) << text;
        EXPECT_GT(std::stod(text), previous) << text;
        previous = std::stod(text);
    }
}

// Both DCS tables list the same octal codes in rising order and differ only in
// the polarity letter, so one index means the same code in either table.
TEST(ToneTables, DcsTablesShareRisingOctalCodes) {
    const std::regex form(R"(D[0-7]{3}[NI])");
    int previous = -1;
    for (std::size_t i = 0; i < ToneTables::kDcsN.size(); ++i) {
        const std::string normal(ToneTables::kDcsN[i]);
        const std::string inverted(ToneTables::kDcsI[i]);
        ASSERT_TRUE(std::regex_match(normal, form)) << normal;
        ASSERT_TRUE(std::regex_match(inverted, form)) << inverted;
        EXPECT_EQ(normal.back(), 'N');
        EXPECT_EQ(inverted.back(), 'I');
        EXPECT_EQ(normal.substr(0, 4), inverted.substr(0, 4));
        const int code = std::stoi(normal.substr(1, 3), nullptr, 8);
        EXPECT_GT(code, previous) << normal;
        previous = code;
    }
}

// A tone selection list offers every table entry; two equal texts would make
// one of them unreachable.
TEST(ToneTables, EveryToneTextIsDistinct) {
    std::set<std::string_view> texts{"OFF"};
    for (Table table :
         {Table(ToneTables::kCtcss), Table(ToneTables::kDcsN), Table(ToneTables::kDcsI)})
        for (const std::string_view text : table)
            EXPECT_TRUE(texts.insert(text).second) << text;
    EXPECT_EQ(texts.size(), 259u);
}

} // namespace
