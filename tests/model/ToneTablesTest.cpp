#include "ToneTables.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <set>
#include <span>
#include <string>

namespace {

using Table = std::span<const std::string_view>;

// Entries the radio's own menus show at fixed positions; a shifted or missing
// entry would store the wrong code in every record.
TEST(ToneTables, SizesAndSampleEntries) {
    const struct {
        Table table;
        std::size_t size, index;
        std::string_view text;
    } anchors[] = {
        {ToneTables::kCtcss, 50, 0, "67.0"},   {ToneTables::kCtcss, 50, 18, "123.0"},
        {ToneTables::kCtcss, 50, 49, "254.1"}, {ToneTables::kDcsN, 104, 0, "D023N"},
        {ToneTables::kDcsN, 104, 58, "D351N"}, {ToneTables::kDcsN, 104, 103, "D754N"},
        {ToneTables::kDcsI, 104, 57, "D346I"}, {ToneTables::kDcsI, 104, 103, "D754I"},
    };
    for (const auto& a : anchors) {
        ASSERT_EQ(a.table.size(), a.size);
        EXPECT_EQ(a.table[a.index], a.text) << "index " << a.index;
    }
    for (std::size_t i = 0; i < ToneTables::kSteps.size(); ++i) {
        const double khz = std::stod(std::string(ToneTables::kSteps[i]));
        EXPECT_EQ(ToneTables::kStepUnits[i], std::lround(khz * 100)) << ToneTables::kSteps[i];
    }
}

// CTCSS tones rise with one decimal; both DCS tables list the same octal codes
// in rising order and differ only in the polarity letter, so one index means
// the same code in either; no two tone texts are equal, or one of them could
// not be chosen from a list.
TEST(ToneTables, TonesRiseAndAreDistinct) {
    double previousTone = 0;
    for (const std::string_view tone : ToneTables::kCtcss) {
        const std::string text(tone);
        EXPECT_TRUE(std::regex_match(text, std::regex(R"(\d{2,3}\.\d)"))) << text;
        EXPECT_GT(std::stod(text), previousTone) << text;
        previousTone = std::stod(text);
    }
    int previousCode = -1;
    for (std::size_t i = 0; i < ToneTables::kDcsN.size(); ++i) {
        const std::string normal(ToneTables::kDcsN[i]);
        ASSERT_TRUE(std::regex_match(normal, std::regex("D[0-7]{3}N"))) << normal;
        EXPECT_EQ(ToneTables::kDcsI[i], normal.substr(0, 4) + "I");
        const int code = std::stoi(normal.substr(1, 3), nullptr, 8);
        EXPECT_GT(code, previousCode) << normal;
        previousCode = code;
    }
    std::set<std::string_view> texts{"OFF"};
    for (Table table :
         {Table(ToneTables::kCtcss), Table(ToneTables::kDcsN), Table(ToneTables::kDcsI)})
        for (const std::string_view text : table)
            EXPECT_TRUE(texts.insert(text).second) << text;
}

} // namespace
