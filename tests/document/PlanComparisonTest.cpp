// Two channel plans compared: which rows and columns differ (headers and
// trailers, with the whole of velmora-cli diff's output, are the CLI test's),
// and another radio's plan made this radio's to be compared and taken from.
#include "PlanComparison.h"
#include "ChannelDocument.h"
#include "DatBuilder.h"
#include "FrequencyRules.h"
#include "RadioConversion.h"

#include <gtest/gtest.h>

namespace {

namespace ts = testing_support;

// A row differs where a user sees it: a column that shows another text (a
// name's padding is not seen), or a channel on one side only; bytes that no
// column shows differ too, but apart; a row only one plan has counts on that
// side when it is in use.
TEST(PlanComparison, FindsTheRowsAndColumnsThatDiffer) {
    const CChannel a = ts::UsedChannel(kTGUV2, 14550000, 14550000);
    CChannel named = a, tone = a, hidden = a, other = ts::UsedChannel(kTGUV2, 14560000, 14560000);
    named.SetNameText("AB    ");
    tone.SetToneSelection(12, false);
    hidden.bytes[19] = 7;
    const std::vector<CChannel> left = {a, a, a, a, a, ts::EmptyChannel(kTGUV2), a, a};
    const std::vector<CChannel> right = {a,     named, tone, hidden, ts::EmptyChannel(kTGUV2),
                                         other, other};
    const PlanComparison comparison = ComparePlans(left, right, kTGUV2);
    using D = RowDifference;
    const std::vector<std::pair<D, std::vector<Column>>> expected = {
        {D::kSame, {}},
        {D::kChanged, {Column::Name}},
        {D::kChanged, {Column::TxTone}},
        {D::kOtherBytes, {}},
        {D::kOnlyLeft, {}},
        {D::kOnlyRight, {}},
        {D::kChanged, {Column::RxFreq, Column::TxFreq}},
        {D::kOnlyLeft, {}}};
    ASSERT_EQ(comparison.rows.size(), expected.size());
    for (std::size_t row = 0; row < expected.size(); ++row) {
        EXPECT_EQ(comparison.rows[row].kind, expected[row].first) << row;
        EXPECT_EQ(comparison.rows[row].columns, expected[row].second) << row;
    }
    EXPECT_EQ(comparison.Differing(), 6);
    EXPECT_EQ(comparison.Count(D::kOnlyLeft), 2);
}

// Another radio's channels go through the CSV rules by their numbers, either
// way; a TG-UV2 channel past 99 has no place on a TG-6A; a DAT file of the
// other radio loads so, on a blank image of this radio.
TEST(PlanComparison, AnotherRadiosChannelsByTheirNumbers) {
    std::vector<CChannel> uv2(200, ts::EmptyChannel(kTGUV2));
    uv2[3] = ts::UsedChannel(kTGUV2, 43850000, 43850000);
    uv2[4] = ts::UsedChannel(kTGUV2, 14550000, 14550000);
    uv2[150] = ts::UsedChannel(kTGUV2, 44600625, 44600625);
    uv2[150].SetFrequencies(44600625, 44600625, 1, 4, kTGUV2);
    const CsvChannels to6a = ConvertRadioRows(kTGUV2, uv2, kTG6A, kBandUhf2);
    std::string reasons;
    for (const CsvSkippedLine& skipped : to6a.skipped)
        reasons += std::to_string(skipped.line) + ": " + skipped.reason.English() + "\n";
    EXPECT_EQ(reasons, "4: 145.50000 MHz is outside this TG-6A's band (400\u2013469.995 MHz).\n"
                       "150: Channel 150 has no place on a TG-6A (channels 0\u201399).\n");
    ASSERT_EQ(to6a.records.size(), 100u);
    EXPECT_TRUE(to6a.byChannel && to6a.records[3].GetFreqText(false) == "438.50000" &&
                to6a.records[4].IsEmpty() && to6a.lines[3] != 0 && to6a.lines[4] == 0);
    // What the other radio's file cannot hold (the Compare window neither
    // compares it nor takes it across).
    EXPECT_EQ(ColumnsNotHeld(kTGUV2, kTG6A), std::vector<Column>{Column::BusySet});
    EXPECT_EQ(ColumnsNotHeld(kTG6A, kTGUV2),
              (std::vector<Column>{Column::Name, Column::Range, Column::Scan}));
    const CsvChannels back = ConvertRadioRows(kTG6A, to6a.records, kTGUV2, 0);
    EXPECT_TRUE(back.skipped.empty() && back.records.size() == 200u &&
                back.records[3].GetFreqText(true) == "438.50000");

    ts::TempDir dir;
    ts::WriteBytes(dir / "other.DAT", ts::MakeDat(kTGUV2, uv2));
    CChannelDocument doc(kTG6A);
    CsvChannels read;
    ASSERT_TRUE(doc.LoadAny(dir / "other.DAT", kBandUhf2, read));
    EXPECT_EQ(read.skippedCount, 2);
    EXPECT_TRUE(doc.Record(3) == to6a.records[3] && doc.Image().GetHeader()[0] == 0)
        << "the other radio's header is not carried over";
}

// Copy to Open File puts channels at their IDs with Paste's checks: one that
// has no row here, or lies on the other side of a TG-6A's 400 MHz, refuses
// them all; empty ones are left out; it is one step.
TEST(PlanComparison, RowsGoBackToTheirIds) {
    ts::TempDir dir;
    ts::WriteBytes(dir / "radio.DAT", ts::MakeDat(kTG6A, {}, true));
    CChannelDocument doc(kTG6A);
    ASSERT_TRUE(doc.Load(dir / "radio.DAT"));
    const CChannel uhf = ts::UsedChannel(kTG6A, 43850000, 43850000);
    const std::tuple<std::vector<ChannelRow>, std::string> cases[] = {
        {{{7, ts::UsedChannel(kTG6A, 14550000, 14550000)}, {8, uhf}},
         "Channel 7 has the RX frequency 145.50000 MHz, but this radio works only at 400 MHz and "
         "above."},
        {{{8, uhf}, {150, uhf}}, "Channel 150 has no place on a TG-6A (channels 0\u201399)."},
        {{{8, uhf}, {9, ts::EmptyChannel(kTG6A)}, {12, uhf}}, ""},
    };
    for (const auto& [rows, refusal] : cases) {
        const ListChange change = doc.PutRows(rows, RowSelection::Of(100, {}, -1));
        EXPECT_EQ(change.refusal, refusal);
        EXPECT_EQ(change.stepped, refusal.empty());
    }
    EXPECT_TRUE(doc.Record(8) == uhf && doc.Record(12) == uhf && doc.Record(9).IsEmpty());
    EXPECT_EQ(doc.CanUndo() && doc.Undo() && !doc.CanUndo(), true) << "one step";
}

} // namespace
