// The channel record and the tables it is read through.
#include "Channel.h"
#include "DatBuilder.h"
#include "ToneTables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <limits>

namespace {

namespace ts = testing_support;
using ts::Bytes;
using ts::BytesOf;
using Texts = std::vector<std::string>;
using Readings = std::vector<std::optional<std::string>>;

const Texts kOnOff = {"On", "OFF"};

CChannel Filled(std::uint8_t value) {
    CChannel c;
    std::memset(c.bytes, value, sizeof c.bytes);
    return c;
}

// Every way a record is read. A field read through a table shows text i for
// byte i; every other byte value (the negative ones included) is the failure.
struct Field {
    std::function<std::string(const CChannel&)> get;
    int offset = -1;
    Texts texts = {};
    void (CChannel::*set)(std::string_view) = nullptr;
};
const Field kFields[] = {
    {[](const CChannel& c) { return c.GetFreqText(true) + "|" + c.GetFreqText(false); }},
    {[](const CChannel& c) { return c.GetToneText(true) + "|" + c.GetToneText(false); }},
    {[](const CChannel& c) {
        return std::to_string(c.GetToneSelection(true)) + std::to_string(c.GetToneSelection(false));
    }},
    {&CChannel::GetNameText},
    {&CChannel::GetStepText, 22, {"5", "6.25", "10", "12.5", "15", "20", "25", "30", "50", "100"}},
    {&CChannel::GetReverseText, 23, kOnOff, &CChannel::SetReverseText},
    {&CChannel::GetPowerText, 24, {"High", "Mid", "Low"}, &CChannel::SetPowerText},
    {&CChannel::GetScrambleText, 25, kOnOff, &CChannel::SetScrambleText},
    {&CChannel::GetWidthText, 26, {"Wide", "Narrow"}, &CChannel::SetWidthText},
    {&CChannel::GetBusySetText, 27, kOnOff, &CChannel::SetBusySetText},
    {&CChannel::GetRangeText, 28, {"FM", "VHF1", "UHF1", "UHF2", "UHF3"}},
    {&CChannel::GetScanText, 30, kOnOff, &CChannel::SetScanText},
};

Readings ReadAll(const CChannel& c) {
    Readings readings;
    for (const Field& f : kFields)
        readings.push_back(ts::ResultOrFailure([&] { return f.get(c); }));
    return readings;
}

// Every byte value at every offset of a record in use: no reading changes the
// record; a table field or a name byte shows its text or the failure, and the
// field's setter takes that text back to that byte alone (which character a
// name code is, the example files pin down byte for byte); a non-zero first
// byte marks the record used, and an empty record shows nothing whatever its
// other bytes hold.
TEST(Channel, EveryByteValueOfEveryFieldReadsAsItsTextOrTheFailure) {
    CChannel base = ts::UsedChannel(kTGUV2, 14550000, 14550000);
    base.SetNameText("ABCDEF");
    const Readings usual = ReadAll(base);
    const Readings nothing = {"|", "|", "00", "", "", "", "", "", "", "", "", ""};
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
            for (std::size_t i = 0; i < std::size(kFields); ++i) {
                const Texts& texts = kFields[i].texts;
                const bool valid = v < int(texts.size());
                if (kFields[i].offset != offset)
                    continue;
                EXPECT_EQ(read[i], valid ? std::optional(texts[v]) : std::nullopt);
                if (kFields[i].set && valid) {
                    CChannel set = base;
                    (set.*kFields[i].set)(texts[v]);
                    EXPECT_EQ(BytesOf(set), before);
                }
            }
            if (offset >= 38 && read[3]) {
                CChannel set = base;
                set.SetNameText(*read[3]);
                EXPECT_EQ(BytesOf(set), before);
                EXPECT_EQ(read[3]->substr(0, offset - 38), std::string("ABCDEF", offset - 38));
            }
            if (offset >= 38) {
                EXPECT_EQ(read[3].has_value(), v < 42) << "the name code has 42 characters";
            }
            c.bytes[0] = 0;
            EXPECT_EQ(ReadAll(c), nothing);
        }
}

// Kind 0 is off whatever the index; kinds 1..3 show their table entry, and
// give the selection that goes back to the slot's bytes alone; any other kind
// or an index past its table is the failure, and so is any other selection.
TEST(Channel, ToneSlotsShowTheirToneOrRaiseForEveryKindAndIndex) {
    const std::span<const std::string_view> tables[] = {ToneTables::kCtcss, ToneTables::kDcsN,
                                                        ToneTables::kDcsI};
    const int first[] = {1, 51, 155};
    for (const int slot : {14, 16})
        for (int kind = 0; kind < 256; ++kind)
            for (int index = 0; index < 256; ++index) {
                CChannel c = ts::UsedChannel(kTGUV2, 14500000, 14500000);
                c.SetToneSelection(100, slot == 16); // the other slot must not matter
                c.bytes[slot] = std::uint8_t(kind);
                c.bytes[slot + 1] = std::uint8_t(index);
                const bool known = kind == 0 || (kind <= 3 && index < int(tables[kind - 1].size()));
                const std::string text = !known ? ""
                                         : kind ? std::string(tables[kind - 1][index])
                                                : "OFF";
                const int selection = !known ? -1 : kind ? first[kind - 1] + index : 0;
                SCOPED_TRACE(std::to_string(slot) + " " + std::to_string(kind) + " " +
                             std::to_string(index));
                ASSERT_EQ(
                    ts::ResultOrFailure([&] { return c.GetToneText(slot == 14); }).value_or(""),
                    text);
                ASSERT_EQ(ts::ResultOrFailure([&] {
                              return c.GetToneSelection(slot == 14);
                          }).value_or(-1),
                          selection);
                if (known && (kind || !index)) {
                    CChannel set = c;
                    set.bytes[slot] = set.bytes[slot + 1] = 0x5A;
                    set.SetToneSelection(selection, slot == 14);
                    ASSERT_EQ(BytesOf(set), BytesOf(c));
                }
            }
    for (const int bad : {-1, 259, std::numeric_limits<int>::min()}) {
        CChannel c = Filled(0x5A);
        EXPECT_TRUE(ts::RaisesFailure([&] { c.SetToneSelection(bad, true); })) << bad;
        EXPECT_EQ(BytesOf(c), BytesOf(Filled(0x5A)));
    }
}

// Frequencies are four decimal digit pairs; below 1 MHz, a negative pair
// included, there is none to show. (What SetFrequencies writes, the example
// files pin down byte for byte.)
TEST(Channel, FrequenciesReadAsDigitPairs) {
    const std::pair<std::array<std::uint8_t, 4>, std::string> texts[] = {
        {{14, 50, 6, 25}, "145.00625"}, {{51, 99, 95, 0}, "519.99500"}, {{8, 80, 0, 0}, "88.00000"},
        {{0, 10, 0, 0}, "1.00000"},     {{0, 9, 99, 99}, ""},           {{200, 0, 0, 0}, ""}};
    for (const auto& [pairs, text] : texts) {
        CChannel c = Filled(0);
        c.bytes[0] = 1;
        std::memcpy(c.bytes + 5, pairs.data(), 4);
        EXPECT_EQ(c.GetFreqText(true) + "|" + c.GetFreqText(false), "|" + text);
    }
}

// Setters take nothing but their own table's texts, case included; a name
// stores its characters up to the first one outside the name code (a short
// text fails at its end).
TEST(Channel, SettersRefuseEveryOtherText) {
    for (const Field& f : kFields)
        for (const std::string text : {"", "on", "ON", "off", "high", " On", "OFF ", "Mid", "Wide"})
            if (f.set && std::find(f.texts.begin(), f.texts.end(), text) == f.texts.end()) {
                CChannel c = Filled(0xC3);
                EXPECT_TRUE(ts::RaisesFailure([&] { (c.*f.set)(text); })) << text;
                EXPECT_EQ(BytesOf(c), BytesOf(Filled(0xC3))) << "'" << text << "'";
            }
    const std::pair<std::string, std::array<int, 6>> names[] = {
        {"", {39, 39, 39, 39, 39, 39}},
        {"AB-1 +", {10, 11, 41, 1, 39, 40}},
        {"Z_/*09", {35, 36, 37, 38, 0, 9}},
        {"ABCDE", {10, 11, 12, 13, 14, -1}},
        {std::string("A\0CDEF", 6), {10, -1, -1, -1, -1, -1}}};
    for (const auto& [text, codes] : names) {
        CChannel c = Filled(0xC3);
        Bytes expected = BytesOf(c);
        for (int i = 0; i < 6; ++i)
            expected[38 + i] = codes[i] < 0 ? 0xC3 : static_cast<std::uint8_t>(codes[i]);
        EXPECT_EQ(ts::RaisesFailure([&] { c.SetNameText(text); }), codes[5] < 0) << text;
        EXPECT_EQ(BytesOf(c), expected) << "'" << text << "'";
    }
}

} // namespace
