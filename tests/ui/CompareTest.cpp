// The Compare window: the open file against another, marked row by row,
// following every change of the open file, and rows taken back into it.
#include "CompareDlg.h"
#include "FrequencyRules.h"
#include "UiHelpers.h"

#include <QMessageBox>
#include <QPalette>
#include <QTest>
#include <QUndoStack>

#include <gtest/gtest.h>

#include <cmath>

using namespace testing_support;

namespace {

QString Marks(const CChannelListView& list, int rows) {
    QString marks;
    for (int row = 0; row < rows; ++row)
        marks += list.Channels().index(row, 0).data().toString() + ".";
    return marks;
}

// Two rows changed in the open file are marked and counted; F8 and Shift+F8
// step between them around the list; "<<" takes one back as one undo step,
// after which the window shows it the same; the other file is never written.
TEST(Compare, MarksStepsAndTakesRowsBack) {
    MainWindowFixture f(kTGUV2, 6);
    const Bytes disk = ReadBytes(f.dir / "radio.DAT");
    f.Do(&CMainDlg::OnDelete, {1});
    f.List().SelectRows({3});
    f.List().selectionModel()->setCurrentIndex(f.List().Channels().index(3, 2),
                                               QItemSelectionModel::NoUpdate);
    f.List().EditCurrentCell("145.2");
    f.List().CommitEdit();
    f.prompts.openNames = {QPath(f.dir / "radio.DAT")};
    MenuAction(*f.window, "Compare...")->trigger();
    CCompareDlg* compare = f.window->CompareDlg();
    ASSERT_TRUE(compare && compare->isVisible());
    EXPECT_EQ(Marks(compare->Left(), 5), ".+..\u2260..");
    EXPECT_EQ(compare->Left().Channels().index(1, 0).data(Qt::AccessibleTextRole).toString(),
              "only in radio.DAT");
    EXPECT_EQ(compare->Status(), "2 channels differ: 1 changed, 0 only here, 1 only in radio.DAT.");
    QTest::keyClick(&compare->Right(), Qt::Key_F8);
    QTest::keyClick(&compare->Right(), Qt::Key_F8);
    EXPECT_EQ(compare->Right().SelectedRows(), std::vector<int>{3});
    QTest::keyClick(&compare->Right(), Qt::Key_F8, Qt::ShiftModifier);
    EXPECT_TRUE(compare->Left().SelectedRows() == std::vector<int>{1} &&
                compare->Right().SelectedRows() == std::vector<int>{1});
    Child<QPushButton>(*compare, "copyButton")->click();
    EXPECT_EQ(f.window->History().undoText(), "Copy from radio.DAT");
    EXPECT_EQ(compare->Status(), "1 channel differs: 1 changed, 0 only here, 0 only in radio.DAT.");
    f.window->History().undo();
    EXPECT_EQ(Marks(compare->Left(), 2), ".+.");
    compare->Command(CompareCommand::kShowDifferencesOnly)->trigger();
    EXPECT_TRUE(compare->Right().isRowHidden(0) && !compare->Right().isRowHidden(3));
    EXPECT_EQ(ReadBytes(f.dir / "radio.DAT"), disk);
}

// A file of the other radio is compared as this radio's channels: a TG-UV2
// file's channels past 99 count as only in it, one outside the band is told
// over the window once it shows and in its status line, and one taken
// across goes through a TG-6A's checks.
TEST(Compare, TheOtherRadiosFile) {
    std::vector<CChannel> uv2(200, EmptyChannel(kTGUV2));
    uv2[1] = UsedChannel(kTGUV2, 43850000, 43850000);
    uv2[5] = UsedChannel(kTGUV2, 14550000, 14550000);
    uv2[120] = uv2[1];
    MainWindowFixture f(kTG6A, {});
    WriteBytes(f.dir / "uv2.DAT", MakeDat(kTGUV2, uv2));
    f.prompts.openNames = {QPath(f.dir / "uv2.DAT")};
    QWidget* messageOwner = nullptr;
    f.prompts.onMessage = [&](QMessageBox& box) { messageOwner = box.parentWidget(); };
    f.window->OnCompare();
    CCompareDlg* compare = f.window->CompareDlg();
    ASSERT_TRUE(compare);
    EXPECT_EQ(f.prompts.messages.back(), "2 channels of uv2.DAT could not be compared.");
    EXPECT_EQ(messageOwner, compare);
    EXPECT_EQ(compare->Status(), "2 channels differ: 0 changed, 0 only here, 2 only in uv2.DAT. "
                                 "1 channel of uv2.DAT could not be compared.");
    compare->Right().SelectRows({2});
    EXPECT_FALSE(compare->Command(CompareCommand::kCopy)->isEnabled()) << "nothing to take";
    compare->Right().SelectRows({1, 2});
    compare->OnCopyToOpenFile();
    EXPECT_EQ(f.Record(1).GetFreqText(true), "438.50000");
    EXPECT_EQ(compare->Status(), "1 channel differs: 0 changed, 0 only here, 1 only in uv2.DAT. "
                                 "1 channel of uv2.DAT could not be compared.");
}

// A TG-6A's file against a TG-UV2 plan: the names and scan settings it
// cannot hold are not differences, and stay when its channels are taken.
// The window has the keys at once, and Ctrl+D there asks for another file.
TEST(Compare, WhatATg6aCannotHoldStays) {
    std::vector<CChannel> plan = UsedChannels(kTGUV2, 2);
    plan[0].SetNameText("HILL  ");
    plan[1].SetNameText("MOUNT ");
    plan[1].SetScanText("OFF");
    std::vector<CChannel> sixA = UsedChannels(kTG6A, 3);
    sixA[1].SetFrequencies(14600000, 14600000, 1, kBandVhf1, kTG6A);
    MainWindowFixture f(kTGUV2, plan);
    WriteBytes(f.dir / "six.DAT", MakeDat(kTG6A, sixA, false));
    f.prompts.openNames = {QPath(f.dir / "six.DAT")};
    f.window->OnCompare();
    CCompareDlg* compare = f.window->CompareDlg();
    ASSERT_TRUE(compare);
    EXPECT_EQ(compare->focusWidget(), &compare->Right());
    EXPECT_EQ(compare->Status(), "2 channels differ: 1 changed, 0 only here, 1 only in six.DAT.");
    compare->Right().SelectRows({1, 2});
    compare->OnCopyToOpenFile();
    EXPECT_EQ(f.Record(1).GetNameText() + f.Record(1).GetScanText(), "MOUNT OFF");
    EXPECT_EQ(f.Record(1).GetFreqText(true) + f.Record(2).GetNameText(), "146.00000      ")
        << "nothing kept into an empty row";
    EXPECT_EQ(compare->Status(), "The channels are the same.");
    QTest::keyClick(&compare->Right(), Qt::Key_D, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(f.prompts.openTitles, (std::vector<QString>{"", "Compare With", "Compare With"}));
    EXPECT_EQ(f.window->CompareDlg(), compare) << "a cancelled choice keeps the comparison";
}

// A differing cell's colour keeps its text readable (WCAG's 4.5:1) in a
// light and in a dark palette.
TEST(Compare, DifferingCellsStayReadable) {
    const auto luminance = [](const QColor& c) {
        const auto linear = [](float v) {
            return v <= 0.04045f ? v / 12.92f : std::pow((v + 0.055f) / 1.055f, 2.4f);
        };
        return 0.2126f * linear(c.redF()) + 0.7152f * linear(c.greenF()) +
               0.0722f * linear(c.blueF());
    };
    for (const auto& [base, text] : {std::pair{QColor(255, 255, 255), QColor(0, 0, 0)},
                                     std::pair{QColor(30, 30, 30), QColor(230, 230, 230)}}) {
        QPalette palette;
        palette.setColor(QPalette::Base, base);
        const float a = luminance(CChannelTableModel::DifferenceColor(palette)),
                    b = luminance(text);
        EXPECT_GE((std::max(a, b) + 0.05f) / (std::min(a, b) + 0.05f), 4.5f)
            << base.name().toStdString();
    }
}

} // namespace
