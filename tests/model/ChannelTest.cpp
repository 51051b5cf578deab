// The channel record and the tables it is read through.
#include "Channel.h"
#include "DatBuilder.h"
#include "ToneTables.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <optional>
#include <regex>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace {

namespace ts = testing_support;
using ts::Bytes;
using ts::BytesOf;
using Texts = std::vector<std::string>;
using Readings = std::vector<std::optional<std::string>>;

const std::string_view kNameSet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_/* +-";

CChannel Filled(std::uint8_t value, bool used = false) {
    CChannel c;
    std::memset(c.bytes, value, sizeof c.bytes);
    c.bytes[0] = used ? 1 : value;
    return c;
}

// Every way a record is read. A field read through a table shows text i for
// byte i; every other byte value (the negative ones included) is the failure.
struct Field {
    const char* name;
    std::function<std::string(const CChannel&)> get;
    int offset = -1; // the byte of a table field
    Texts texts = {};
    void (CChannel::*set)(std::string_view) = nullptr;
};
const Texts kOnOff = {"On", "OFF"};
const Texts kSteps = {"5", "6.25", "10", "12.5", "15", "20", "25", "30", "50", "100"};
const Field kFields[] = {
    {"rxFreq", [](const CChannel& c) { return c.GetFreqText(true); }},
    {"txFreq", [](const CChannel& c) { return c.GetFreqText(false); }},
    {"rxTone", [](const CChannel& c) { return c.GetToneText(true); }},
    {"txTone", [](const CChannel& c) { return c.GetToneText(false); }},
    {"rxSel", [](const CChannel& c) { return std::to_string(c.GetToneSelection(true)); }},
    {"txSel", [](const CChannel& c) { return std::to_string(c.GetToneSelection(false)); }},
    {"name", &CChannel::GetNameText},
    {"step", &CChannel::GetStepText, 22, kSteps},
    {"reverse", &CChannel::GetReverseText, 23, kOnOff, &CChannel::SetReverseText},
    {"power", &CChannel::GetPowerText, 24, {"High", "Mid", "Low"}, &CChannel::SetPowerText},
    {"scramble", &CChannel::GetScrambleText, 25, kOnOff, &CChannel::SetScrambleText},
    {"width", &CChannel::GetWidthText, 26, {"Wide", "Narrow"}, &CChannel::SetWidthText},
    {"busy", &CChannel::GetBusySetText, 27, kOnOff, &CChannel::SetBusySetText},
    {"range", &CChannel::GetRangeText, 28, {"FM", "VHF1", "UHF1", "UHF2", "UHF3"}},
    {"scan", &CChannel::GetScanText, 30, kOnOff, &CChannel::SetScanText},
};
constexpr std::size_t kName = 6;

// Each reading as its text, or nothing for the failure.
Readings ReadAll(const CChannel& c) {
    Readings readings;
    for (const Field& f : kFields)
        readings.push_back(ts::ResultOrFailure([&] { return f.get(c); }));
    return readings;
}

class ChannelForModel : public testing::TestWithParam<RadioModel> {
protected:
    CChannel Used() const { return ts::UsedChannel(GetParam(), 14550000, 14550000); }
};

INSTANTIATE_TEST_SUITE_P(Models, ChannelForModel, testing::Values(kTGUV2, kTG6A),
                         [](const auto& test) { return test.param == kTGUV2 ? "TGUV2" : "TG6A"; });

// Every byte value at every offset: no reading crashes or changes the record;
// a table field or a name byte shows its text or the failure, and the field's
// setter takes that text back to that byte alone; a non-zero
// first byte marks the record used, and an empty record shows nothing
// whatever its other bytes hold.
TEST_P(ChannelForModel, EveryByteValueOfEveryFieldReadsAsItsTextOrTheFailure) {
    CChannel base = Used();
    base.SetNameText("ABCDEF");
    const Readings usual = ReadAll(base);
    Readings nothing(usual.size(), "");
    nothing[4] = nothing[5] = "0";
    for (int offset = 0; offset < CChannel::kSize; ++offset)
        for (int v = 0; v < 256; ++v) {
            SCOPED_TRACE("byte " + std::to_string(offset) + " = " + std::to_string(v));
            CChannel c = base;
            c.bytes[offset] = static_cast<std::uint8_t>(v);
            const Bytes before = BytesOf(c);
            const Readings read = ReadAll(c);
            ASSERT_EQ(BytesOf(c), before);
            if (offset == 0) {
                EXPECT_EQ(read, v ? usual : nothing);
            }
            for (std::size_t i = 0; i < std::size(kFields); ++i)
                if (kFields[i].offset == offset) {
                    const Texts& texts = kFields[i].texts;
                    EXPECT_EQ(read[i],
                              v < int(texts.size()) ? std::optional(texts[v]) : std::nullopt);
                    if (kFields[i].set && v < int(texts.size())) {
                        CChannel set = base; // the setter writes this byte alone
                        (set.*kFields[i].set)(texts[v]);
                        EXPECT_EQ(BytesOf(set), before);
                    }
                }
            if (offset >= 38) {
                std::string name = "ABCDEF";
                name[offset - 38] = v < int(kNameSet.size()) ? kNameSet[v] : '?';
                EXPECT_EQ(read[kName],
                          v < int(kNameSet.size()) ? std::optional(name) : std::nullopt);
            }
            c.bytes[0] = 0;
            EXPECT_EQ(ReadAll(c), nothing);
        }
}

// Kind 0 is off whatever the index; kinds 1..3 show their table entry; any
// other kind or an index past its table (or negative) is the failure. Every
// selection 0..258 goes back to its slot's bytes; any other raises.
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
                } else if (kind <= 3 && index < int(tables[kind - 1].size())) {
                    text = std::string(tables[kind - 1][index]);
                    selection = firstSelection[kind - 1] + index;
                }
                ASSERT_EQ(ts::ResultOrFailure([&] { return c.GetToneText(rx); }), text)
                    << "rx " << rx << " kind " << kind << " index " << index;
                ASSERT_EQ(ts::ResultOrFailure([&] { return c.GetToneSelection(rx); }), selection)
                    << "rx " << rx << " kind " << kind << " index " << index;
                if (selection && (kind != 0 || index == 0)) {
                    CChannel set = Used(); // the selection goes back to its slot's bytes alone
                    set.SetToneSelection(rx ? 0 : 100, !rx);
                    set.SetToneSelection(*selection, rx);
                    ASSERT_EQ(BytesOf(set), BytesOf(c)) << "selection " << *selection;
                }
            }
    for (const int bad : {-1, 259, 1000, std::numeric_limits<int>::min()})
        for (const bool rx : {true, false}) {
            CChannel c = Filled(0x5A);
            EXPECT_TRUE(ts::RaisesFailure([&] { c.SetToneSelection(bad, rx); })) << bad;
            EXPECT_EQ(BytesOf(c), BytesOf(Filled(0x5A)));
        }
}

// Four decimal digit pairs; below 1 MHz, a negative pair included, there is
// no frequency to show.
TEST(Channel, FrequencyTextReadsFourDigitPairs) {
    const struct {
        std::array<std::uint8_t, 4> pairs;
        std::string text;
    } cases[] = {{{14, 55, 0, 0}, "145.50000"},
                 {{14, 50, 6, 25}, "145.00625"},
                 {{51, 99, 95, 0}, "519.99500"},
                 {{8, 80, 0, 0}, "88.00000"},
                 {{99, 99, 99, 99}, "999.99999"},
                 {{0, 10, 0, 0}, "1.00000"},
                 {{0, 9, 99, 99}, ""},
                 {{0, 0, 0, 0}, ""},
                 {{200, 0, 0, 0}, ""}};
    for (const auto& [pairs, text] : cases)
        for (const bool rx : {true, false}) {
            CChannel c = Filled(0, true);
            std::memcpy(c.bytes + (rx ? 1 : 5), pairs.data(), 4);
            EXPECT_EQ(c.GetFreqText(rx) + "|" + c.GetFreqText(!rx), text + "|");
        }
}

// Frequencies, offset and direction, step, and on the TG-UV2 the range byte;
// every other byte stays as it was.
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
        CChannel c = Filled(0x77, true);
        Bytes expected = BytesOf(c);
        std::copy(k.bytes.begin(), k.bytes.end(), expected.begin() + 1);
        expected[22] = static_cast<std::uint8_t>(k.step);
        if (GetParam() == kTGUV2)
            expected[28] = static_cast<std::uint8_t>(k.band - 1);
        c.SetFrequencies(k.rx, k.tx, k.step, k.band, GetParam());
        EXPECT_EQ(BytesOf(c), expected) << k.rx << " -> " << k.tx;
    }
}

// Setters take nothing but their own table's texts, case included; anything
// else raises and writes nothing.
TEST(Channel, SwitchSettersRefuseEveryOtherText) {
    std::set<std::string> others = {"", "on", "ON", "off", "high", "wide", " On", "OFF ", "On\n"};
    for (const Field& f : kFields)
        others.insert(f.texts.begin(), f.texts.end());
    for (const Field& f : kFields)
        for (const std::string& text : others)
            if (f.set && std::find(f.texts.begin(), f.texts.end(), text) == f.texts.end()) {
                CChannel c = Filled(0xC3, true);
                EXPECT_TRUE(ts::RaisesFailure([&] { (c.*f.set)(text); })) << f.name << text;
                EXPECT_EQ(BytesOf(c), BytesOf(Filled(0xC3, true))) << f.name << " '" << text << "'";
            }
}

// The name code holds exactly its own characters; a text that fails stores
// the characters before the failing one, a short one is padded with spaces.
TEST(Channel, SetNameTextStoresCodesUpToTheFirstProblem) {
    for (int ch = -128; ch < 128; ++ch) {
        const auto at = kNameSet.find(static_cast<char>(ch));
        EXPECT_EQ(
            ts::ResultOrFailure([&] { return CChannel::EncodeNameChar(static_cast<char>(ch)); }),
            ch != 0 && at != kNameSet.npos ? std::optional(int(at)) : std::nullopt)
            << ch;
    }
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
        Bytes expected = BytesOf(c);
        for (int i = 0; i < 6; ++i)
            expected[38 + i] = k.codes[i] < 0 ? 0xC3 : static_cast<std::uint8_t>(k.codes[i]);
        EXPECT_EQ(ts::RaisesFailure([&] { c.SetNameText(k.text); }), k.raises) << k.text;
        EXPECT_EQ(BytesOf(c), expected) << "'" << k.text << "'";
    }
}

// Clear writes the model's empty record; MarkUsed sets the first byte, and on
// the TG-6A clears its range byte, touching nothing else.
TEST_P(ChannelForModel, ClearAndMarkUsedWriteTheModelsFreshRecord) {
    Bytes cleared(CChannel::kSize, 0);
    if (GetParam() == kTGUV2)
        std::fill(cleared.begin() + 38, cleared.end(), 39);
    else
        cleared[28] = 1;
    CChannel c = Filled(0xB7);
    c.Clear(GetParam());
    EXPECT_EQ(BytesOf(c), cleared);
    for (Bytes used : {cleared, BytesOf(Filled(0xB7))}) {
        std::memcpy(c.bytes, used.data(), used.size());
        used[0] = 1;
        if (GetParam() == kTG6A)
            used[28] = 0;
        c.MarkUsed(GetParam());
        EXPECT_EQ(BytesOf(c), used);
    }
}

// The tables' sizes and entries at fixed positions, which the radio's own
// menus show there: a shifted or missing entry stores the wrong code in every
// record. The step sizes match their texts.
TEST(ToneTables, SizesAndSampleEntries) {
    const struct {
        std::span<const std::string_view> table;
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
    for (std::size_t i = 0; i < ToneTables::kSteps.size(); ++i)
        EXPECT_EQ(ToneTables::kStepUnits[i],
                  std::lround(std::stod(std::string(ToneTables::kSteps[i])) * 100));
    // Between the samples: CTCSS tones rise, with one decimal; both DCS tables
    // hold the same rising octal codes, N and I, so an index means one code.
    for (std::size_t i = 1; i < ToneTables::kCtcss.size(); ++i) {
        const std::string tone(ToneTables::kCtcss[i]);
        EXPECT_TRUE(std::regex_match(tone, std::regex(R"(\d{2,3}\.\d)"))) << tone;
        EXPECT_GT(std::stod(tone), std::stod(std::string(ToneTables::kCtcss[i - 1]))) << tone;
    }
    for (std::size_t i = 0; i < ToneTables::kDcsN.size(); ++i) {
        const std::string code(ToneTables::kDcsN[i]);
        EXPECT_TRUE(std::regex_match(code, std::regex("D[0-7]{3}N"))) << code;
        EXPECT_EQ(ToneTables::kDcsI[i], code.substr(0, 4) + "I");
        EXPECT_TRUE(i == 0 || code > ToneTables::kDcsN[i - 1]) << code;
    }
}

} // namespace
