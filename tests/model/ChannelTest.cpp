#include "Channel.h"
#include "DatBuilder.h"
#include "ToneTables.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <functional>
#include <limits>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace {

namespace ts = testing_support;
using Record = std::array<std::uint8_t, CChannel::kSize>;
using Readings = std::map<std::string, std::optional<std::string>>;
using Texts = std::vector<std::string>;

const std::string_view kNameSet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_/* +-";

Record BytesOf(const CChannel& c) {
    Record r;
    std::memcpy(r.data(), c.bytes, r.size());
    return r;
}

CChannel Filled(std::uint8_t value) {
    CChannel c;
    std::memset(c.bytes, value, sizeof c.bytes);
    return c;
}

// Every interpretation of a record, each as its text or nothing for the failure.
Readings ReadAll(const CChannel& c) {
    const auto text = [](auto get) { return ts::ResultOrFailure(get); };
    const auto selection = [&](bool rx) -> std::optional<std::string> {
        const auto s = ts::ResultOrFailure([&] { return c.GetToneSelection(rx); });
        return s ? std::optional(std::to_string(*s)) : std::nullopt;
    };
    return {
        {"rxFreq", text([&] { return c.GetFreqText(true); })},
        {"txFreq", text([&] { return c.GetFreqText(false); })},
        {"rxTone", text([&] { return c.GetToneText(true); })},
        {"txTone", text([&] { return c.GetToneText(false); })},
        {"rxSel", selection(true)},
        {"txSel", selection(false)},
        {"step", text([&] { return c.GetStepText(); })},
        {"range", text([&] { return c.GetRangeText(); })},
        {"reverse", text([&] { return c.GetReverseText(); })},
        {"power", text([&] { return c.GetPowerText(); })},
        {"scramble", text([&] { return c.GetScrambleText(); })},
        {"width", text([&] { return c.GetWidthText(); })},
        {"busy", text([&] { return c.GetBusySetText(); })},
        {"scan", text([&] { return c.GetScanText(); })},
        {"name", text([&] { return c.GetNameText(); })},
    };
}

// A one-byte field read through a table: code i shows text i, every other
// byte value (the negative ones included) is the failure.
struct TableField {
    const char* name;
    int offset;
    Texts texts;
    std::string (CChannel::*get)() const;
    void (CChannel::*set)(std::string_view); // null for read-only fields
};

const Texts kOnOff = {"On", "OFF"};
const Texts kSteps = {"5", "6.25", "10", "12.5", "15", "20", "25", "30", "50", "100"};
const TableField kTableFields[] = {
    {"step", 22, kSteps, &CChannel::GetStepText, nullptr},
    {"reverse", 23, kOnOff, &CChannel::GetReverseText, &CChannel::SetReverseText},
    {"power", 24, {"High", "Mid", "Low"}, &CChannel::GetPowerText, &CChannel::SetPowerText},
    {"scramble", 25, kOnOff, &CChannel::GetScrambleText, &CChannel::SetScrambleText},
    {"width", 26, {"Wide", "Narrow"}, &CChannel::GetWidthText, &CChannel::SetWidthText},
    {"busy", 27, kOnOff, &CChannel::GetBusySetText, &CChannel::SetBusySetText},
    {"range", 28, {"FM", "VHF1", "UHF1", "UHF2", "UHF3"}, &CChannel::GetRangeText, nullptr},
    {"scan", 30, kOnOff, &CChannel::GetScanText, &CChannel::SetScanText},
};

class ChannelForModel : public testing::TestWithParam<RadioModel> {
protected:
    CChannel Used() const { return ts::UsedChannel(GetParam(), 14550000, 14550000); }
};

INSTANTIATE_TEST_SUITE_P(Models, ChannelForModel, testing::Values(kTGUV2, kTG6A),
                         [](const auto& test) { return test.param == kTGUV2 ? "TGUV2" : "TG6A"; });

TEST_P(ChannelForModel, GettersSurviveEveryByteValueAndNeverChangeTheRecord) {
    for (int offset = 0; offset < CChannel::kSize; ++offset)
        for (int v = 0; v < 256; ++v) {
            CChannel c = Used();
            c.bytes[offset] = static_cast<std::uint8_t>(v);
            const Record before = BytesOf(c);
            ReadAll(c);
            ASSERT_EQ(BytesOf(c), before) << "byte " << offset << " = " << v;
        }
}

TEST_P(ChannelForModel, TableFieldsShowTheirTextOrRaiseForEveryByteValue) {
    for (const TableField& f : kTableFields)
        for (int v = 0; v < 256; ++v) {
            CChannel c = Used();
            c.bytes[f.offset] = static_cast<std::uint8_t>(v);
            const auto want = v < static_cast<int>(f.texts.size())
                                  ? std::optional(f.texts[static_cast<std::size_t>(v)])
                                  : std::nullopt;
            EXPECT_EQ(ts::ResultOrFailure([&] { return (c.*f.get)(); }), want)
                << f.name << " byte " << v;
        }
}

TEST_P(ChannelForModel, NameBytesShowTheirCharacterOrRaiseForEveryByteValue) {
    for (int at = 0; at < 6; ++at)
        for (int v = 0; v < 256; ++v) {
            CChannel c = Used();
            c.SetNameText("ABCDEF");
            c.bytes[38 + at] = static_cast<std::uint8_t>(v);
            std::optional<std::string> want;
            if (v < static_cast<int>(kNameSet.size())) {
                want = "ABCDEF";
                (*want)[static_cast<std::size_t>(at)] = kNameSet[static_cast<std::size_t>(v)];
            }
            EXPECT_EQ(ts::ResultOrFailure([&] { return c.GetNameText(); }), want)
                << "name byte " << at << " = " << v;
        }
}

// Kind 0 is off whatever the index; kinds 1..3 show their table entry; any
// other kind or an index past its table (or negative) is the failure.
TEST_P(ChannelForModel, ToneSlotsShowTheirToneOrRaiseForEveryKindAndIndex) {
    using Table = std::span<const std::string_view>;
    const Table tables[] = {ToneTables::kCtcss, ToneTables::kDcsN, ToneTables::kDcsI};
    const int firstSelection[] = {1, 51, 155};
    for (const bool rx : {true, false})
        for (int kind = 0; kind < 256; ++kind)
            for (int index = 0; index < 256; ++index) {
                CChannel c = Used();
                c.SetToneSelection(rx ? 0 : 100, !rx); // the other slot must not matter
                c.bytes[rx ? 14 : 16] = static_cast<std::uint8_t>(kind);
                c.bytes[rx ? 15 : 17] = static_cast<std::uint8_t>(index);
                std::optional<std::string> text;
                std::optional<int> selection;
                if (kind == 0) {
                    text = "OFF";
                    selection = 0;
                } else if (kind <= 3 && index < static_cast<int>(tables[kind - 1].size())) {
                    text = std::string(tables[kind - 1][static_cast<std::size_t>(index)]);
                    selection = firstSelection[kind - 1] + index;
                }
                ASSERT_EQ(ts::ResultOrFailure([&] { return c.GetToneText(rx); }), text)
                    << "rx " << rx << " kind " << kind << " index " << index;
                ASSERT_EQ(ts::ResultOrFailure([&] { return c.GetToneSelection(rx); }), selection)
                    << "rx " << rx << " kind " << kind << " index " << index;
            }
}

TEST(Channel, EmptyRecordShowsNothingWhateverItsOtherBytes) {
    Readings nothing = ReadAll(Filled(0));
    for (auto& [field, value] : nothing)
        value = field == "rxSel" || field == "txSel" ? "0" : "";
    for (int v = 0; v < 256; ++v) {
        CChannel c = Filled(static_cast<std::uint8_t>(v));
        c.bytes[0] = 0;
        EXPECT_TRUE(c.IsEmpty());
        EXPECT_EQ(ReadAll(c), nothing) << "other bytes " << v;
    }
}

TEST(Channel, AnyNonZeroFirstByteMarksTheRecordUsed) {
    const Readings zeros = {
        {"rxFreq", ""},    {"txFreq", ""},    {"rxTone", "OFF"},  {"txTone", "OFF"},
        {"rxSel", "0"},    {"txSel", "0"},    {"step", "5"},      {"range", "FM"},
        {"reverse", "On"}, {"power", "High"}, {"scramble", "On"}, {"width", "Wide"},
        {"busy", "On"},    {"scan", "On"},    {"name", "000000"},
    };
    for (int v = 1; v < 256; ++v) {
        CChannel c = Filled(0);
        c.bytes[0] = static_cast<std::uint8_t>(v);
        EXPECT_FALSE(c.IsEmpty());
        EXPECT_EQ(ReadAll(c), zeros) << "in-use byte " << v;
    }
}

// Below 1 MHz, a negative pair included, there is no frequency to show.
TEST(Channel, FrequencyTextReadsFourDigitPairs) {
    const struct {
        std::array<std::uint8_t, 4> pairs;
        std::string text;
    } cases[] = {
        {{14, 55, 0, 0}, "145.50000"},
        {{14, 50, 6, 25}, "145.00625"},
        {{51, 99, 95, 0}, "519.99500"},
        {{8, 80, 0, 0}, "88.00000"},
        {{99, 99, 99, 99}, "999.99999"},
        {{0, 10, 0, 0}, "1.00000"},
        {{0, 9, 99, 99}, ""},
        {{0, 0, 0, 0}, ""},
        {{200, 0, 0, 0}, ""},
    };
    for (const auto& k : cases)
        for (const bool rx : {true, false}) {
            CChannel c = Filled(0);
            c.bytes[0] = 1;
            std::memcpy(c.bytes + (rx ? 1 : 5), k.pairs.data(), 4);
            EXPECT_EQ(c.GetFreqText(rx), k.text);
            EXPECT_EQ(c.GetFreqText(!rx), "");
        }
}

TEST_P(ChannelForModel, SetFrequenciesStoresBothFrequenciesShiftStepAndBand) {
    const struct {
        int rx, tx, step, band;
        std::array<int, 13> bytes; // 1..13: rx pairs, tx pairs, offset, direction
    } cases[] = {
        {14550000, 14550000, 0, 1, {14, 55, 0, 0, 14, 55, 0, 0, 0, 0, 0, 0, 0}},
        {43850000, 43110000, 3, 3, {43, 85, 0, 0, 43, 11, 0, 0, 7, 40, 0, 0, 2}},
        {14500000, 14560000, 9, 5, {14, 50, 0, 0, 14, 56, 0, 0, 0, 60, 0, 0, 1}},
        {14500625, 14500000, 1, 2, {14, 50, 6, 25, 14, 50, 0, 0, 0, 0, 62, 5, 2}},
        {43000000, 43999990, 2, 4, {43, 0, 0, 0, 43, 99, 99, 90, 9, 99, 99, 0, 1}},
        {8800000, 14550000, 0, 1, {8, 80, 0, 0, 14, 55, 0, 0, 57, 50, 0, 0, 1}},
    };
    for (const auto& k : cases) {
        CChannel c = Used();
        c.bytes[28] = 77; // a TG-6A keeps whatever its range byte holds
        c.SetFrequencies(k.rx, k.tx, k.step, k.band, GetParam());
        for (int i = 1; i <= 13; ++i)
            EXPECT_EQ(c.bytes[i], k.bytes[static_cast<std::size_t>(i - 1)])
                << k.rx << " -> " << k.tx << " byte " << i;
        EXPECT_EQ(c.bytes[22], k.step);
        EXPECT_EQ(c.bytes[28], GetParam() == kTGUV2 ? k.band - 1 : 77);
    }
}

TEST_P(ChannelForModel, EveryToneSelectionRoundTripsAndOthersRaiseWithoutWriting) {
    const std::map<int, std::string> anchors = {
        {0, "OFF"},     {1, "67.0"},    {13, "100.0"},  {50, "254.1"},  {51, "D023N"},
        {108, "D346N"}, {154, "D754N"}, {155, "D023I"}, {213, "D351I"}, {258, "D754I"}};
    std::set<std::string> texts;
    for (int s = 0; s <= 258; ++s)
        for (const bool rx : {true, false}) {
            CChannel c = Used();
            c.SetToneSelection(s, rx);
            EXPECT_EQ(c.GetToneSelection(rx), s);
            EXPECT_EQ(c.GetToneSelection(!rx), 0);
            texts.insert(c.GetToneText(rx));
            if (const auto at = anchors.find(s); at != anchors.end()) {
                EXPECT_EQ(c.GetToneText(rx), at->second);
            }
        }
    EXPECT_EQ(texts.size(), 259u);
    for (const int bad :
         {-1, 259, 1000, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()})
        for (const bool rx : {true, false}) {
            CChannel c = Filled(0x5A);
            EXPECT_TRUE(ts::RaisesFailure([&] { c.SetToneSelection(bad, rx); })) << bad;
            EXPECT_EQ(BytesOf(c), BytesOf(Filled(0x5A)));
        }
}

// Setters accept exactly their table's texts, case included; anything else
// raises and leaves the record as it was.
TEST_P(ChannelForModel, SwitchSettersAcceptOnlyTheirOwnTexts) {
    std::set<std::string> candidates = {"",     "on",  "ON",   "off",    "Off", "high", "HIGH",
                                        "wide", " On", "OFF ", "Medium", "0",   "1",    "On\n"};
    for (const TableField& f : kTableFields)
        candidates.insert(f.texts.begin(), f.texts.end());
    for (const TableField& f : kTableFields) {
        if (!f.set)
            continue;
        for (const std::string& text : candidates) {
            CChannel c = Used();
            const Record before = BytesOf(c);
            const auto at = std::find(f.texts.begin(), f.texts.end(), text);
            if (at == f.texts.end()) {
                EXPECT_TRUE(ts::RaisesFailure([&] { (c.*f.set)(text); })) << f.name << text;
                EXPECT_EQ(BytesOf(c), before) << f.name << " '" << text << "'";
                continue;
            }
            (c.*f.set)(text);
            EXPECT_EQ(c.bytes[f.offset], at - f.texts.begin()) << f.name << text;
            EXPECT_EQ((c.*f.get)(), text);
        }
    }
}

// Decoding is covered by the name byte sweep above.
TEST(Channel, NameCodeEncodesExactlyItsOwnCharacters) {
    for (int ch = -128; ch < 128; ++ch) {
        const char c = static_cast<char>(ch);
        const auto at = kNameSet.find(c);
        EXPECT_EQ(ts::ResultOrFailure([&] { return CChannel::EncodeNameChar(c); }),
                  c != '\0' && at != kNameSet.npos ? std::optional(static_cast<int>(at))
                                                   : std::nullopt)
            << ch;
    }
}

// A text that fails stores the characters before the failing one.
TEST(Channel, SetNameTextStoresCodesUpToTheFirstProblem) {
    const struct {
        std::string text;
        std::array<int, 6> codes; // -1: byte left as it was
        bool raises;
    } cases[] = {
        {"", {39, 39, 39, 39, 39, 39}, false},
        {"AB-1 +", {10, 11, 41, 1, 39, 40}, false},
        {"Z_/*09", {35, 36, 37, 38, 0, 9}, false},
        {"AB", {10, 11, -1, -1, -1, -1}, true},
        {"ABCDE", {10, 11, 12, 13, 14, -1}, true},
        {"AbCDEF", {10, -1, -1, -1, -1, -1}, true},
        {"ABC.EF", {10, 11, 12, -1, -1, -1}, true},
        {std::string("A\0CDEF", 6), {10, -1, -1, -1, -1, -1}, true},
    };
    for (const auto& k : cases) {
        CChannel c = Filled(0xC3);
        EXPECT_EQ(ts::RaisesFailure([&] { c.SetNameText(k.text); }), k.raises) << k.text;
        for (int i = 0; i < CChannel::kSize; ++i) {
            const int want = i >= 38 ? k.codes[static_cast<std::size_t>(i - 38)] : -1;
            EXPECT_EQ(c.bytes[i], want < 0 ? 0xC3 : want) << "'" << k.text << "' byte " << i;
        }
    }
}

TEST_P(ChannelForModel, ClearAndMarkUsedWriteTheModelsFreshRecord) {
    Record cleared{};
    if (GetParam() == kTGUV2)
        std::fill(cleared.begin() + 38, cleared.end(), 39);
    else
        cleared[28] = 1;
    Record used = cleared;
    used[0] = 1;
    if (GetParam() == kTG6A)
        used[28] = 0;

    CChannel c = Filled(0xB7);
    c.Clear(GetParam());
    EXPECT_EQ(BytesOf(c), cleared);
    EXPECT_TRUE(c.IsEmpty());
    c.MarkUsed(GetParam());
    EXPECT_EQ(BytesOf(c), used);
    EXPECT_EQ(c.GetNameText(), GetParam() == kTGUV2 ? "      " : "000000");
}

// Each write may change only its own field's bytes, whatever the others hold.
TEST_P(ChannelForModel, EveryWriteLeavesEveryOtherByteAlone) {
    const RadioModel model = GetParam();
    const std::set<int> frequencyBytes = [&] {
        std::set<int> s = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 22};
        if (model == kTGUV2)
            s.insert(28);
        return s;
    }();
    const struct {
        const char* name;
        std::set<int> field;
        std::function<void(CChannel&)> write;
    } writes[] = {
        {"mark used", model == kTGUV2 ? std::set{0} : std::set{0, 28},
         [&](CChannel& c) { c.MarkUsed(model); }},
        {"frequencies", frequencyBytes,
         [&](CChannel& c) { c.SetFrequencies(43850000, 43110000, 4, 3, model); }},
        {"rx tone", {14, 15}, [](CChannel& c) { c.SetToneSelection(200, true); }},
        {"tx tone", {16, 17}, [](CChannel& c) { c.SetToneSelection(30, false); }},
        {"raw tone", {16, 17}, [](CChannel& c) { c.SetTone(false, 2, 7); }},
        {"reverse", {23}, [](CChannel& c) { c.SetReverseText("OFF"); }},
        {"power", {24}, [](CChannel& c) { c.SetPowerText("Low"); }},
        {"scramble", {25}, [](CChannel& c) { c.SetScrambleText("On"); }},
        {"width", {26}, [](CChannel& c) { c.SetWidthText("Narrow"); }},
        {"busy", {27}, [](CChannel& c) { c.SetBusySetText("OFF"); }},
        {"scan", {30}, [](CChannel& c) { c.SetScanText("On"); }},
        {"name", {38, 39, 40, 41, 42, 43}, [](CChannel& c) { c.SetNameText("AB-1 +"); }},
    };
    std::mt19937 random(7);
    for (const auto& w : writes)
        for (int round = 0; round < 8; ++round) {
            CChannel c;
            for (auto& b : c.bytes)
                b = round == 0 ? 0 : round == 1 ? 0xFF : static_cast<std::uint8_t>(random());
            const Record before = BytesOf(c);
            w.write(c);
            for (int i = 0; i < CChannel::kSize; ++i) {
                if (w.field.count(i))
                    continue;
                EXPECT_EQ(c.bytes[i], before[static_cast<std::size_t>(i)])
                    << w.name << " changed byte " << i;
            }
        }
}

} // namespace
