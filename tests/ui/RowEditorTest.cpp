#include "FreqEdit.h"
#include "NameEdit.h"
#include "RowEditorFixture.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

using Rows = std::vector<int>;

// One used row shows every value with the Keep boxes off and cleared; several
// rows show the values they share and tick the Keep box of those that differ
// (a TX after a row without one differs); a model never offers a setting it
// lacks, not even after "New".
TEST(RowEditorForm, ShowsTheRowsValuesAndKeepsThoseThatDiffer) {
    RowEditorFixture f;
    std::vector<CChannel> records(13, UsedChannel(kTGUV2, 14500000, 14560000));
    records[3].SetFrequencies(14500000, 0, 0, 2, kTGUV2);
    records[4].SetPowerText("Low");
    records[5].SetNameText("AB    ");
    records[6].SetNameText("AB    ");
    records[7].SetNameText("CD    ");
    records[12].SetFrequencies(43912500, 43412500, 9, 4, kTGUV2);
    records[12].SetPowerText("Mid");
    f.Open(kTGUV2, records);
    f.Edit({12});
    EXPECT_EQ(f.RowsText(), "Selected row: 12");
    EXPECT_EQ(f.Box("txEdit")->text(), "434.12500");
    EXPECT_EQ(f.List("stepList")->currentText(), "100");
    EXPECT_EQ(f.List("powerList")->currentText(), "Mid");
    EXPECT_EQ(f.List("busySetList")->currentIndex(), -1);
    for (QCheckBox* keep : f.dlg->findChildren<QCheckBox*>())
        EXPECT_FALSE(keep->isChecked() || keep->isEnabled()) << keep->objectName().toStdString();
    EXPECT_FALSE(f.Button("newButton")->isEnabled());

    f.Edit({3, 4, 5, 6});
    EXPECT_EQ(f.RowsText(), "Selected rows: 3 - 6");
    EXPECT_FALSE(f.Button("nextButton")->isEnabled() || f.Button("prevButton")->isEnabled());
    EXPECT_EQ(f.Box("txEdit")->text(), "145.60000") << "row 4's";
    EXPECT_FALSE(f.Keep("tx")->isChecked());
    EXPECT_TRUE(f.Keep("power")->isChecked() && f.Keep("power")->isEnabled());
    EXPECT_FALSE(f.List("powerList")->isEnabled());
    EXPECT_EQ(f.List("powerList")->currentIndex(), -1);
    EXPECT_TRUE(f.Keep("name")->isChecked());
    f.Edit({5, 6});
    EXPECT_EQ(f.Box("nameEdit")->text(), "AB");
    f.Edit({6, 7});
    EXPECT_TRUE(f.Keep("name")->isChecked());
    f.Edit({2, 3});
    EXPECT_TRUE(f.Keep("tx")->isChecked());

    for (RadioModel model : {kTGUV2, kTG6A}) {
        RowEditorFixture g;
        g.Open(model, UsedChannels(model, 2, 43500000));
        for (const Rows& rows : {Rows{0}, Rows{5}, Rows{0, 1}}) {
            g.Edit(rows);
            for (bool pressNew : {false, true}) {
                if (pressNew)
                    g.dlg->OnNew();
                for (const char* lacking : model == kTGUV2
                                               ? std::vector{"busySetList"}
                                               : std::vector{"nameEdit", "scanAddList"}) {
                    EXPECT_FALSE(g.Get<QWidget>(lacking)->isEnabled()) << lacking;
                    const std::string setting(lacking, std::strlen(lacking) - 4);
                    EXPECT_FALSE(g.Keep(setting.c_str())->isEnabled()) << lacking;
                }
            }
        }
    }
}

// A ticked Keep box keeps each row's own value; unticked, every selected row
// gets the form's. Rows not selected keep theirs.
TEST(RowEditorForm, TheKeepBoxDecidesWhetherEverySelectedRowGetsTheFormValue) {
    for (bool untick : {false, true}) {
        RowEditorFixture f;
        std::vector<CChannel> records(3, UsedChannel(kTGUV2, 14500000, 14500000));
        records[2].SetPowerText("Low");
        f.Open(kTGUV2, records);
        f.Edit({0, 2});
        if (untick) {
            f.Keep("power")->click();
            EXPECT_TRUE(f.List("powerList")->isEnabled());
            EXPECT_EQ(f.List("powerList")->currentText(), "High");
            f.List("powerList")->setCurrentIndex(1);
        }
        f.dlg->accept();
        EXPECT_EQ(f.dlg->result(), QDialog::Accepted);
        EXPECT_EQ(f.Record(0).GetPowerText() + f.Record(1).GetPowerText() +
                      f.Record(2).GetPowerText(),
                  untick ? "MidHighMid" : "HighHighLow");
    }
}

// OK checks every row with the values it would get before it writes any.
TEST(RowEditorForm, ASharedRxReachesEveryRowOnlyWhenEveryRowPasses) {
    RowEditorFixture f;
    CChannel coarse = UsedChannel(kTGUV2, 14500000, 14560000);
    coarse.SetFrequencies(14500000, 14560000, 3, 2, kTGUV2);
    f.Open(kTGUV2,
           {coarse, UsedChannel(kTGUV2, 14500000, 14440000),
            UsedChannel(kTGUV2, 14500000, 43500000), UsedChannel(kTGUV2, 14500300, 14500300)});
    const Bytes before = BytesOf(f.Record(0));
    f.Edit({0, 1, 2});
    ASSERT_TRUE(f.Keep("tx")->isChecked() && f.Keep("step")->isChecked());
    f.Box("rxEdit")->setText("145.2");
    f.dlg->accept();
    EXPECT_EQ(f.Messages().back(), "Frequencies should be in the same range!");
    EXPECT_EQ(BytesOf(f.Record(0)), before);

    f.Edit({0, 1});
    f.Box("rxEdit")->setText("145.2");
    f.dlg->accept();
    EXPECT_EQ(f.Record(0).GetFreqText(true) + f.Record(0).GetFreqText(false), "145.20000145.60000");
    EXPECT_EQ(f.Record(0).GetStepText(), "12.5");
    EXPECT_EQ(f.Record(0).bytes[13], 1) << "TX above RX";
    EXPECT_EQ(f.Record(0).bytes[10], 40) << "400 kHz offset";
    EXPECT_EQ(f.Record(1).GetFreqText(false), "144.40000");
    EXPECT_EQ(f.Record(1).bytes[13], 2) << "TX below RX";

    // RX, TX and step all kept: each row must still pass with its own values.
    const Bytes first = BytesOf(f.Record(0));
    f.Edit({0, 3});
    ASSERT_TRUE(f.Keep("rx")->isChecked() && f.Keep("tx")->isChecked());
    f.dlg->accept();
    EXPECT_EQ(f.Messages().back(), "Rx frequency and step do not match!");
    EXPECT_EQ(BytesOf(f.Record(0)), first);
}

// An empty row shows a blank form, which stores nothing, until "New" fills in
// the defaults; New mode opens with them, and so does an empty row edited
// with a used one, whose name is padded. Each row stored holds a new channel.
TEST(RowEditorForm, EmptyRowsAreBlankUntilNewOrOpenWithTheDefaultsInNewMode) {
    for (RadioModel model : {kTGUV2, kTG6A}) {
        RowEditorFixture f;
        f.Open(model, {UsedChannel(model, 14500000, 14500000)}, false);
        f.Edit({3});
        EXPECT_TRUE(f.Button("newButton")->isEnabled());
        EXPECT_FALSE(f.Box("rxEdit")->isEnabled());
        EXPECT_EQ(f.List("stepList")->currentIndex(), -1);
        f.dlg->accept();
        EXPECT_TRUE(f.Record(3).IsEmpty());

        f.Edit({3});
        f.Button("newButton")->click();
        EXPECT_FALSE(f.Button("newButton")->isEnabled());
        f.Box("rxEdit")->setText("145");
        f.dlg->OnRxKillFocus();
        f.dlg->accept();
        f.Edit({5, 6}, true);
        f.Box("rxEdit")->setText("145");
        f.Box("txEdit")->setText("145");
        f.dlg->accept();
        f.Edit({0, 1}).accept();
        CChannel fresh = UsedChannel(model, 14500000, 14500000);
        if (model == kTGUV2)
            fresh.SetBusySetText("On"); // a setting it lacks keeps the cleared record's 0
        for (int row : {1, 3, 5, 6})
            EXPECT_EQ(BytesOf(f.Record(row)), BytesOf(fresh)) << row;
    }
    RowEditorFixture f;
    f.Open(kTGUV2, {UsedChannel(kTGUV2, 14500000, 14500000)});
    f.Edit({0, 1});
    f.Box("nameEdit")->setText("AB");
    f.dlg->accept();
    EXPECT_EQ(f.Record(0).GetNameText() + f.Record(1).GetNameText(), "AB    AB    ");
}

// Leaving RX (not for a moment to a menu or a message box) rewrites it and
// copies it into an empty, enabled TX; Enter checks the text as typed.
TEST(RowEditorForm, LeavingRxCopiesItOnlyIntoAnEmptyEnabledTx) {
    RowEditorFixture f;
    f.Open(kTGUV2,
           {UsedChannel(kTGUV2, 14500000, 14560000), UsedChannel(kTGUV2, 14500000, 14440000)});
    f.Edit({0}).show();
    QLineEdit* rx = f.Box("rxEdit");
    rx->setText("146");
    for (Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
        QFocusEvent glance(QEvent::FocusOut, reason);
        QCoreApplication::sendEvent(rx, &glance);
        EXPECT_EQ(rx->text(), "146");
    }
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(rx, &leave);
    EXPECT_EQ(rx->text() + f.Box("txEdit")->text(), "146.00000145.60000");
    f.Box("txEdit")->clear();
    QCoreApplication::sendEvent(rx, &leave);
    EXPECT_EQ(f.Box("txEdit")->text(), "146.00000");
    rx->setText("145.001");
    QTest::keyClick(rx, Qt::Key_Return);
    EXPECT_EQ(f.Messages().back(), "Rx frequency and step do not match!");
    EXPECT_TRUE(f.dlg->isVisible());
    EXPECT_EQ(rx->text(), "145.001");

    f.Edit({0, 1});
    f.Box("rxEdit")->setText("146");
    f.dlg->OnRxKillFocus();
    EXPECT_EQ(f.Box("rxEdit")->text(), "146.00000");
    EXPECT_TRUE(f.Box("txEdit")->text().isEmpty()) << "TX is kept, so disabled";
}

// The frequency box takes digits and one point (a comma counts as one) up to
// its length, but a paste takes anything; the name box takes only the name
// code's characters, in capitals, typed or pasted.
TEST(RowEditorKeys, TheBoxesFilterTypedAndPastedCharacters) {
    CFreqEdit freq;
    freq.setMaxLength(9);
    QTest::keyClicks(&freq, "439,125.,aZ- !999");
    EXPECT_EQ(freq.text(), "439.12599");
    QTest::keyClick(&freq, Qt::Key_Backspace);
    QTest::keyClick(&freq, Qt::Key_Home);
    QTest::keyClick(&freq, Qt::Key_Delete);
    EXPECT_EQ(freq.text(), "39.1259");
    freq.selectAll(); // a point inside the selection that the key replaces still counts
    QTest::keyClicks(&freq, ".5,");
    EXPECT_EQ(freq.text(), "5.");
    freq.clear();
    QApplication::clipboard()->setText("1a.2.3");
    QTest::keyClick(&freq, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(freq.text(), "1a.2.3");

    CNameEdit name;
    name.setMaxLength(6);
    QTest::keyClicks(&name, "ab-1!?.,~*/+");
    EXPECT_EQ(name.text(), "AB-1*/");
    for (const auto& [pasted, shown] : {std::pair{"cd e_", "CD E_"}, std::pair{"ab!", ""}}) {
        name.clear();
        QApplication::clipboard()->setText(QString::fromLatin1(pasted));
        name.paste();
        EXPECT_EQ(name.text(), QString::fromLatin1(shown));
    }
}

// 259 items at their selection index; the numbers of the CTCSS tones and of
// the normal DCS codes the radio offers count up without gaps.
TEST(ToneList, HoldsEveryToneAtItsSelectionIndexWithGapFreeNumbers) {
    QComboBox list;
    CRowEditorDlg::FillToneList(list);
    ASSERT_EQ(list.count(), 259);
    const std::pair<int, const char*> samples[] = {
        {0, "OFF"},     {1, "67.0  (CTCSS 01)"}, {2, "69.3"},   {49, "250.3  (CTCSS 38)"},
        {50, "254.1"},  {51, "D023N  (DCS 01)"}, {56, "D036N"}, {154, "D754N  (DCS 83)"},
        {155, "D023I"}, {258, "D754I"}};
    for (const auto& [position, text] : samples)
        EXPECT_EQ(list.itemText(position), QLatin1String(text)) << position;
    const QRegularExpression suffix("  \\((CTCSS|DCS) (\\d\\d)\\)$");
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

// A user's choice of the item at position, which tells the dialog the user chose it.
void Choose(QComboBox* list, int position) {
    list->setCurrentIndex(position - 1);
    QTest::keyClick(list, Qt::Key_Down);
}

TEST(ToneList, ShowsAndStoresTonesAndRxLeadsTxOnlyWhileTxIsEnabled) {
    RowEditorFixture f;
    CChannel coded = UsedChannel(kTGUV2, 14500000, 14500000);
    coded.SetTone(true, 3, 0);
    coded.SetTone(false, 1, 49);
    CChannel second = UsedChannel(kTGUV2, 14500000, 14500000);
    second.SetToneSelection(56, true);
    f.Open(kTGUV2, {coded, second});
    f.Edit({0});
    EXPECT_EQ(f.List("rxToneList")->currentIndex(), 155);
    EXPECT_EQ(f.List("txToneList")->currentText(), "254.1");
    Choose(f.List("rxToneList"), 56);
    EXPECT_EQ(f.List("txToneList")->currentIndex(), 56);
    Choose(f.List("txToneList"), 258);
    EXPECT_EQ(f.List("rxToneList")->currentIndex(), 56);
    f.dlg->accept();
    EXPECT_EQ(f.Record(0).GetToneSelection(true), 56);
    EXPECT_EQ(f.Record(0).GetToneSelection(false), 258);

    f.Edit({0, 1});
    ASSERT_TRUE(f.List("rxToneList")->isEnabled());
    ASSERT_FALSE(f.List("txToneList")->isEnabled());
    Choose(f.List("rxToneList"), 155);
    EXPECT_EQ(f.List("txToneList")->currentIndex(), -1);
}

// Next and Prev move the editor at once and the main list's selection when
// the posted message arrives; a row that fails validation stays, and so do
// the first and the last row, keeping the form.
TEST(RowEditorNavigation, NextAndPrevMoveTheEditorAndThenTheListSelection) {
    RowEditorFixture f;
    f.Open(kTGUV2, UsedChannels(kTGUV2, 8));
    CRowEditorDlg& dlg = f.Edit({5});
    dlg.OnNext();
    EXPECT_EQ(f.RowsText(), "Selected row: 6");
    EXPECT_EQ(f.Box("rxEdit")->text(), "145.15000");
    EXPECT_TRUE(f.main.List().IsRowSelected(5)) << "posted, not sent";
    f.Deliver();
    EXPECT_EQ(f.main.List().SelectedRows(), Rows{6});
    EXPECT_EQ(f.main.List().SelectionMark(), 6);
    dlg.OnPrev();
    dlg.OnPrev();
    f.Deliver();
    EXPECT_EQ(dlg.CurrentRow(), 4);
    EXPECT_EQ(f.main.List().SelectedRows(), Rows{4});
    f.Box("rxEdit")->clear();
    dlg.OnNext();
    f.Deliver();
    EXPECT_EQ(f.Messages(), std::vector<QString>{"Rx frequency is missing!"});
    EXPECT_EQ(dlg.CurrentRow(), 4);
    EXPECT_EQ(f.main.List().SelectedRows(), Rows{4});

    for (RadioModel model : {kTGUV2, kTG6A}) {
        RowEditorFixture g;
        g.Open(model, {UsedChannel(model, 43500000, 43500000)});
        const int last = ChannelCount(model) - 1;
        for (int row : {0, last}) {
            CRowEditorDlg& edge = g.Edit({row});
            EXPECT_EQ(g.Button("newButton")->isEnabled(), row == last) << "blank form";
            g.Box("rxEdit")->setText("435.1");
            g.Box("txEdit")->setText("435.1");
            row == 0 ? edge.OnPrev() : edge.OnNext();
            g.Deliver();
            EXPECT_FALSE(g.Button("newButton")->isEnabled());
            EXPECT_EQ(edge.CurrentRow(), row);
            EXPECT_EQ(g.main.List().SelectedRows(), Rows{row});
            edge.accept();
        }
        EXPECT_EQ(g.Record(0).GetFreqText(true), "435.10000");
        EXPECT_TRUE(g.Record(last).IsEmpty()) << "the blank form stores nothing";
        EXPECT_TRUE(g.Messages().empty());
    }
}

// The rows text of the editor that a command opens, or "" when none opened;
// the editor chooses the power level given, if any, and OK.
QString EditorOpenedBy(MainWindowFixture& main, const std::function<void()>& command,
                       int power = -1) {
    QString rowsText;
    main.prompts.onModal = [&](QDialog& dialog) {
        rowsText = dialog.findChild<QLabel*>("rowsText")->text();
        if (power < 0)
            return int(QDialog::Rejected);
        dialog.findChild<QComboBox*>("powerList")->setCurrentIndex(power);
        dialog.accept();
        return dialog.result();
    };
    command();
    return rowsText;
}

// Edit opens nothing without a selection and otherwise works on the selected
// rows of the range only; rows visited with Next are written, marked modified
// and redrawn only on OK; Cancel, Esc and the close box drop them.
TEST(RowEditorFromMainWindow, EditWorksOnTheSelectedRowsAndOnlyOkWritesThem) {
    MainWindowFixture main(kTGUV2, 10);
    EXPECT_EQ(EditorOpenedBy(main, [&] { main.window->OnEdit(); }), QString());
    SelectRows(main.List(), {4, 9});
    EXPECT_EQ(EditorOpenedBy(
                  main, [&] { main.window->OnEdit(); }, 2),
              "Selected rows: 4 - 9");
    for (int row = 3; row <= 9; ++row)
        EXPECT_EQ(main.Record(row).GetPowerText(), row == 4 || row == 9 ? "Low" : "High") << row;

    // OK, Cancel, Esc, the close box.
    for (int way = 0; way < 4; ++way) {
        MainWindowFixture f(kTGUV2, 8);
        f.ShowAllColumns(true);
        SelectRows(f.List(), {5});
        f.prompts.onModal = [way](QDialog& dialog) {
            auto& dlg = static_cast<CRowEditorDlg&>(dialog);
            dlg.show();
            auto* power = dlg.findChild<QComboBox*>("powerList");
            power->setCurrentIndex(2);
            dlg.OnNext();
            QCoreApplication::sendPostedEvents();
            power->setCurrentIndex(1);
            if (way == 0)
                dlg.accept();
            else if (way == 1)
                dlg.findChild<QPushButton*>("cancelButton")->click();
            else if (way == 2)
                QTest::keyClick(&dlg, Qt::Key_Escape);
            else
                dlg.close();
            EXPECT_FALSE(dlg.isVisible()) << way;
            return dlg.result();
        };
        f.window->OnEdit();
        const bool ok = way == 0;
        EXPECT_EQ(f.Record(5).GetPowerText() + f.Record(6).GetPowerText(),
                  ok ? "LowMid" : "HighHigh")
            << way;
        EXPECT_EQ(f.window->IsModified(), ok);
        EXPECT_EQ(RowTexts(f.List(), 6).contains("Mid"), ok) << "redrawn";
    }
}

// A user's double click: press and release, then the second press that the
// platform reports as a double click.
void DoubleClick(QWidget* widget, QPoint pos) {
    QTest::mousePress(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

TEST(RowEditorFromMainWindow, ADoubleClickOpensOnTheRowUnderTheCursorOnly) {
    MainWindowFixture main(kTG6A, 0);
    CChannelListView& list = main.List();
    const auto at = [&](QPoint pos) {
        return EditorOpenedBy(main, [&] { DoubleClick(list.viewport(), pos); });
    };
    EXPECT_EQ(at(list.visualRect(list.model()->index(7, 1)).center()), "Selected row: 7");
    // Room below the last row: a window taller than all rows, scrolled to the end.
    main.window->resize(main.window->width(), list.rowHeight(0) * 120);
    list.scrollToBottom();
    const QRect last = list.visualRect(list.model()->index(99, 1));
    ASSERT_LT(last.bottom() + 5, list.viewport()->height());
    EXPECT_EQ(at(QPoint(last.center().x(), last.bottom() + 5)), QString());
    EXPECT_EQ(main.prompts.modalDialogs, 1);
}

} // namespace
