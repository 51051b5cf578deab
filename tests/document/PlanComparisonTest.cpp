// Two channel plans compared: which rows and columns differ (headers and
// trailers, with the whole of velmora-cli diff's output, are the CLI test's).
#include "PlanComparison.h"
#include "DatBuilder.h"

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

} // namespace
