#include "Channel.h"
#include "DatBuilder.h"
#include "ToneTables.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <limits>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace {

namespace ts = testing_support;
using ts::Bytes;
using ts::BytesOf;
using Readings = std::map<std::string, std::optional<std::string>>;
using Texts = std::vector<std::string>;

const std::string_view kNameSet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_/* +-";

CChannel Filled(std::uint8_t value, bool used = false) {
    CChannel c;
    std::memset(c.bytes, value, sizeof c.bytes);
    if (used)
        c.bytes[0] = 1;
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
    const char* name; // as in ReadAll
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

// Every byte value at every offset: no getter crashes or changes the record,
// and a table field or a name byte shows its text or raises the failure.
TEST_P(ChannelForModel, EveryByteValueOfEveryFieldReadsAsItsTextOrTheFailure) {
    for (int offset = 0; offset < CChannel::kSize; ++offset)
        for (int v = 0; v < 256; ++v) {
            SCOPED_TRACE("byte " + std::to_string(offset) + " = " + std::to_string(v));
            CChannel c = Used();
            c.SetNameText("ABCDEF");
            c.bytes[offset] = static_cast<std::uint8_t>(v);
            const Bytes before = BytesOf(c);
            const Readings read = ReadAll(c);
            ASSERT_EQ(BytesOf(c), before);
            for (const TableField& f : kTableFields)
                if (f.offset == offset) {
                    EXPECT_EQ(read.at(f.name), v < static_cast<int>(f.texts.size())
                                                   ? std::optional(f.texts[v])
                                                   : std::nullopt);
                }
            if (offset >= 38) {
                std::optional<std::string> name;
                if (v < static_cast<int>(kNameSet.size())) {
                    name = "ABCDEF";
                    (*name)[offset - 38] = kNameSet[v];
                }
                EXPECT_EQ(read.at("name"), name);
            }
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

// An empty record shows nothing whatever its other bytes; any other first
// byte makes it a record in use, here one of all-zero fields.
TEST(Channel, FirstByteAloneDecidesWhetherTheRecordIsEmpty) {
    const Readings zeros = {
        {"rxFreq", ""},    {"txFreq", ""},    {"rxTone", "OFF"},  {"txTone", "OFF"},
        {"rxSel", "0"},    {"txSel", "0"},    {"step", "5"},      {"range", "FM"},
        {"reverse", "On"}, {"power", "High"}, {"scramble", "On"}, {"width", "Wide"},
        {"busy", "On"},    {"scan", "On"},    {"name", "000000"},
    };
    Readings nothing;
    for (const auto& [field, value] : zeros)
        nothing[field] = field.ends_with("Sel") ? "0" : "";
    for (int v = 0; v < 256; ++v) {
        CChannel empty = Filled(static_cast<std::uint8_t>(v));
        empty.bytes[0] = 0;
        EXPECT_TRUE(empty.IsEmpty());
        EXPECT_EQ(ReadAll(empty), nothing) << "other bytes " << v;
        CChannel used = Filled(0);
        used.bytes[0] = static_cast<std::uint8_t>(v);
        EXPECT_EQ(used.IsEmpty(), v == 0);
        if (v != 0) {
            EXPECT_EQ(ReadAll(used), zeros) << "in-use byte " << v;
        }
    }
}

// Four decimal digit pairs; below 1 MHz, a negative pair included, there is
// no frequency to show.
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
            CChannel c = Filled(0, true);
            std::memcpy(c.bytes + (rx ? 1 : 5), k.pairs.data(), 4);
            EXPECT_EQ(c.GetFreqText(rx), k.text);
            EXPECT_EQ(c.GetFreqText(!rx), "");
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

TEST(Channel, EveryToneSelectionRoundTripsAndOthersRaiseWithoutWriting) {
    const std::map<int, std::string> anchors = {{0, "OFF"},    {1, "67.0"},    {50, "254.1"},
                                                {51, "D023N"}, {154, "D754N"}, {155, "D023I"},
                                                {258, "D754I"}};
    std::set<std::string> texts;
    for (int s = 0; s <= 258; ++s)
        for (const bool rx : {true, false}) {
            CChannel c = Filled(0x5A, true);
            Bytes expected = BytesOf(c);
            c.SetToneSelection(s, rx);
            EXPECT_EQ(c.GetToneSelection(rx), s);
            texts.insert(c.GetToneText(rx));
            if (const auto at = anchors.find(s); at != anchors.end()) {
                EXPECT_EQ(c.GetToneText(rx), at->second);
            }
            std::copy_n(c.bytes + (rx ? 14 : 16), 2, expected.begin() + (rx ? 14 : 16));
            EXPECT_EQ(BytesOf(c), expected) << "only the slot's own bytes change";
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

// Setters accept exactly their table's texts, case included, and write only
// their own byte; anything else raises and leaves the record as it was.
TEST(Channel, SwitchSettersAcceptOnlyTheirOwnTexts) {
    std::set<std::string> candidates = {"",     "on",  "ON",   "off",    "Off", "high", "HIGH",
                                        "wide", " On", "OFF ", "Medium", "0",   "1",    "On\n"};
    for (const TableField& f : kTableFields)
        candidates.insert(f.texts.begin(), f.texts.end());
    for (const TableField& f : kTableFields) {
        if (!f.set)
            continue;
        for (const std::string& text : candidates) {
            CChannel c = Filled(0xC3, true);
            Bytes expected = BytesOf(c);
            const auto at = std::find(f.texts.begin(), f.texts.end(), text);
            if (at == f.texts.end()) {
                EXPECT_TRUE(ts::RaisesFailure([&] { (c.*f.set)(text); })) << f.name << text;
            } else {
                (c.*f.set)(text);
                expected[f.offset] = static_cast<std::uint8_t>(at - f.texts.begin());
                EXPECT_EQ((c.*f.get)(), text);
            }
            EXPECT_EQ(BytesOf(c), expected) << f.name << " '" << text << "'";
        }
    }
}

// The name code holds exactly its own characters; a text that fails stores
// the characters before the failing one, a short one is padded with spaces.
TEST(Channel, SetNameTextStoresCodesUpToTheFirstProblem) {
    for (int ch = -128; ch < 128; ++ch) {
        const char c = static_cast<char>(ch);
        const auto at = kNameSet.find(c);
        EXPECT_EQ(ts::ResultOrFailure([&] { return CChannel::EncodeNameChar(c); }),
                  c != '\0' && at != kNameSet.npos ? std::optional(static_cast<int>(at))
                                                   : std::nullopt)
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
        EXPECT_EQ(ts::RaisesFailure([&] { c.SetNameText(k.text); }), k.raises) << k.text;
        for (int i = 0; i < CChannel::kSize; ++i) {
            const int want = i >= 38 ? k.codes[static_cast<std::size_t>(i - 38)] : -1;
            EXPECT_EQ(c.bytes[i], want < 0 ? 0xC3 : want) << "'" << k.text << "' byte " << i;
        }
    }
}

TEST_P(ChannelForModel, ClearAndMarkUsedWriteTheModelsFreshRecord) {
    Bytes cleared(CChannel::kSize, 0);
    if (GetParam() == kTGUV2)
        std::fill(cleared.begin() + 38, cleared.end(), 39);
    else
        cleared[28] = 1;
    Bytes used = cleared;
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
    // Marking a record used touches nothing else.
    c = Filled(0xB7);
    used = BytesOf(c);
    used[0] = 1;
    if (GetParam() == kTG6A)
        used[28] = 0;
    c.MarkUsed(GetParam());
    EXPECT_EQ(BytesOf(c), used);
}

} // namespace
