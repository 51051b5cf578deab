#include "RowEditorFixture.h"

#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

TEST(ToneList, HoldsEveryToneAtItsSelectionIndexWithGapFreeNumbers) {
    QComboBox list;
    CRowEditorDlg::FillToneList(list);
    ASSERT_EQ(list.count(), 259);
    const std::pair<int, const char*> samples[] = {{0, "OFF"},
                                                   {1, "67.0  (CTCSS 01)"},
                                                   {2, "69.3"},
                                                   {3, "71.9  (CTCSS 02)"},
                                                   {13, "100.0  (CTCSS 12)"},
                                                   {26, "156.7  (CTCSS 25)"},
                                                   {30, "167.9  (CTCSS 27)"},
                                                   {49, "250.3  (CTCSS 38)"},
                                                   {50, "254.1"},
                                                   {51, "D023N  (DCS 01)"},
                                                   {55, "D032N  (DCS 05)"},
                                                   {56, "D036N"},
                                                   {77, "D152N  (DCS 23)"},
                                                   {101, "D306N  (DCS 41)"},
                                                   {144, "D654N  (DCS 73)"},
                                                   {154, "D754N  (DCS 83)"},
                                                   {155, "D023I"},
                                                   {258, "D754I"}};
    for (const auto& [position, text] : samples)
        EXPECT_EQ(list.itemText(position), QLatin1String(text)) << position;

    const QRegularExpression suffix(QStringLiteral("  \\((CTCSS|DCS) (\\d\\d)\\)$"));
    int numbers[2] = {0, 0};
    for (int position = 0; position < list.count(); ++position) {
        const QRegularExpressionMatch match = suffix.match(list.itemText(position));
        if (!match.hasMatch())
            continue;
        const int kind = match.captured(1) == QLatin1String("CTCSS") ? 0 : 1;
        EXPECT_EQ(kind, position <= 50 ? 0 : 1) << position;
        EXPECT_LE(position, 154) << "inverted codes carry no number";
        EXPECT_EQ(match.captured(2).toInt(), ++numbers[kind]) << position;
    }
    EXPECT_EQ(numbers[0], 38);
    EXPECT_EQ(numbers[1], 83);
}

// Selects an item the way a user does, which tells the dialog the user chose it.
void Choose(QComboBox* list, int position) {
    list->setCurrentIndex(position - 1);
    QTest::keyClick(list, Qt::Key_Down);
}

TEST(ToneListInEditor, ShowsAndStoresTonesAndRxLeadsTxOnlyWhileTxIsEnabled) {
    RowEditorFixture f;
    CChannel coded = UsedChannel(kTGUV2, 14500000, 14500000);
    coded.SetTone(true, 3, 0);
    coded.SetTone(false, 1, 49);
    CChannel second = UsedChannel(kTGUV2, 14500000, 14500000);
    second.SetToneSelection(56, true);
    f.Open(kTGUV2, {coded, second});
    f.Edit({0});
    EXPECT_EQ(f.List("rxToneList")->currentIndex(), 155);
    EXPECT_EQ(f.List("txToneList")->currentText(), QStringLiteral("254.1"));
    Choose(f.List("rxToneList"), 56);
    EXPECT_EQ(f.List("txToneList")->currentIndex(), 56);
    Choose(f.List("txToneList"), 258);
    EXPECT_EQ(f.List("rxToneList")->currentIndex(), 56);
    f.dlg->accept();
    EXPECT_EQ(f.Record(0).GetTone(true).kind, 2);
    EXPECT_EQ(f.Record(0).GetTone(true).index, 5);
    EXPECT_EQ(f.Record(0).GetTone(false).kind, 3);
    EXPECT_EQ(f.Record(0).GetTone(false).index, 103);

    f.Edit({0, 1});
    ASSERT_TRUE(f.List("rxToneList")->isEnabled());
    ASSERT_FALSE(f.List("txToneList")->isEnabled());
    Choose(f.List("rxToneList"), 155);
    EXPECT_EQ(f.List("txToneList")->currentIndex(), -1);
}

} // namespace
