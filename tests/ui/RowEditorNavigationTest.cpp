#include "RowEditorFixture.h"

#include <QTest>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

std::vector<CChannel> UsedRows(int count) {
    std::vector<CChannel> records;
    for (int i = 0; i < count; ++i)
        records.push_back(UsedChannel(kTGUV2, 14500000 + i * 2500, 14500000 + i * 2500));
    return records;
}

TEST(RowEditorNavigation, NextAndPrevMoveTheEditorAndThenTheListSelection) {
    RowEditorFixture f;
    f.Open(kTGUV2, UsedRows(8));
    CRowEditorDlg& dlg = f.Edit({5});
    dlg.OnNext();
    EXPECT_EQ(f.RowsText(), QStringLiteral("Selected row: 6"));
    EXPECT_EQ(f.Box("rxEdit")->text(), QStringLiteral("145.15000"));
    EXPECT_TRUE(f.main.List().IsRowSelected(5)) << "posted, not sent";
    f.Deliver();
    EXPECT_EQ(f.main.List().SelectedRows(), std::vector<int>{6});
    EXPECT_EQ(f.main.List().SelectionMark(), 6);
    dlg.OnPrev();
    dlg.OnPrev();
    f.Deliver();
    EXPECT_EQ(dlg.CurrentRow(), 4);
    EXPECT_EQ(f.main.List().SelectedRows(), std::vector<int>{4});

    f.Box("rxEdit")->clear();
    dlg.OnNext();
    f.Deliver();
    EXPECT_EQ(f.Messages(), std::vector<QString>{QStringLiteral("Rx frequency is missing!")});
    EXPECT_EQ(dlg.CurrentRow(), 4);
    EXPECT_EQ(f.main.List().SelectedRows(), std::vector<int>{4});
}

TEST(RowEditorNavigation, EndsOfTheListMoveNowhereButKeepTheForm) {
    for (RadioModel model : {kTGUV2, kTG6A}) {
        RowEditorFixture f;
        f.Open(model, {UsedChannel(model, 43500000, 43500000)});
        const int last = ChannelCount(model) - 1;
        for (int row : {0, last}) {
            CRowEditorDlg& dlg = f.Edit({row});
            EXPECT_EQ(f.Button("newButton")->isEnabled(), row == last) << "blank form";
            f.Box("rxEdit")->setText(QStringLiteral("435.1"));
            f.Box("txEdit")->setText(QStringLiteral("435.1"));
            row == 0 ? dlg.OnPrev() : dlg.OnNext();
            f.Deliver();
            EXPECT_FALSE(f.Button("newButton")->isEnabled());
            EXPECT_EQ(dlg.CurrentRow(), row);
            EXPECT_EQ(f.main.List().SelectedRows(), std::vector<int>{row});
            dlg.accept();
        }
        EXPECT_EQ(f.Record(0).GetFreqText(true), "435.10000");
        EXPECT_TRUE(f.Record(last).IsEmpty()) << "the blank form stores nothing";
        EXPECT_TRUE(f.Messages().empty());
    }
}

TEST(RowEditorNavigation, VisitedRowsReachTheListOnlyThroughOk) {
    for (bool ok : {false, true}) {
        MainWindowFixture main;
        main.Open(MakeDat(kTGUV2, UsedRows(8)));
        main.window->OnShowAllColumns(true);
        SelectRows(main.List(), {5});
        main.prompts.onModal = [ok](QDialog& dialog) {
            auto& dlg = static_cast<CRowEditorDlg&>(dialog);
            auto* power = dlg.findChild<QComboBox*>(QStringLiteral("powerList"));
            power->setCurrentIndex(2);
            dlg.OnNext();
            QCoreApplication::sendPostedEvents();
            power->setCurrentIndex(1);
            ok ? dlg.accept() : dlg.reject();
            return dlg.result();
        };
        main.window->OnEdit();
        EXPECT_EQ(main.Record(5).GetPowerText(), ok ? "Low" : "High");
        EXPECT_EQ(main.Record(6).GetPowerText(), ok ? "Mid" : "High");
        EXPECT_EQ(main.window->IsModified(), ok);
        EXPECT_EQ(RowTexts(main.List(), 6).contains(QStringLiteral("Mid")), ok) << "redrawn";
    }
}

TEST(RowEditorFromMainWindow, EditWorksOnTheSelectedRowsOfTheRange) {
    MainWindowFixture main;
    main.Open(MakeDat(kTGUV2, UsedRows(10)));
    SelectRows(main.List(), {4, 9});
    QString rowsText;
    main.prompts.onModal = [&rowsText](QDialog& dialog) {
        rowsText = dialog.findChild<QLabel*>(QStringLiteral("rowsText"))->text();
        dialog.findChild<QComboBox*>(QStringLiteral("powerList"))->setCurrentIndex(2);
        dialog.accept();
        return dialog.result();
    };
    main.window->OnEdit();
    EXPECT_EQ(rowsText, QStringLiteral("Selected rows: 4 - 9"));
    for (int row = 3; row <= 9; ++row)
        EXPECT_EQ(main.Record(row).GetPowerText(), row == 4 || row == 9 ? "Low" : "High") << row;
}

// A user's double click: press and release, then the second press that the
// platform reports as a double click.
void DoubleClick(QWidget* widget, QPoint pos) {
    QTest::mousePress(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

TEST(RowEditorFromMainWindow, DoubleClickOpensOnTheRowUnderTheCursorOnly) {
    MainWindowFixture main;
    main.ChooseModel(kTG6A);
    main.Open(MakeDat(kTG6A, {}));
    QString rowsText;
    main.prompts.onModal = [&rowsText](QDialog& dialog) {
        rowsText = dialog.findChild<QLabel*>(QStringLiteral("rowsText"))->text();
        return int(QDialog::Rejected);
    };
    CChannelListView& list = main.List();
    DoubleClick(list.viewport(), list.visualRect(list.model()->index(7, 1)).center());
    EXPECT_EQ(rowsText, QStringLiteral("Selected row: 7"));

    // Room below the last row: a window taller than all rows, scrolled to the end.
    main.window->resize(main.window->width(), list.rowHeight(0) * 120);
    list.scrollToBottom();
    const QRect last = list.visualRect(list.model()->index(99, 1));
    ASSERT_LT(last.bottom() + 5, list.viewport()->height());
    DoubleClick(list.viewport(), QPoint(last.center().x(), last.bottom() + 5));
    EXPECT_EQ(main.prompts.modalDialogs, 1);
}

} // namespace
