// The Row Editor's widgets, keys and commands, and how the main window runs
// it; what the form shows and stores is the edit session's (tests/rules).
#include "FreqEdit.h"
#include "NameEdit.h"
#include "UiHelpers.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QTest>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// A main window with a file of the model open, and the editor it would open.
struct Editor : MainWindowFixture {
    std::unique_ptr<CRowEditorDlg> dlg;

    Editor(RadioModel model, const std::vector<CChannel>& records)
        : MainWindowFixture(model, records, false) {}
    CRowEditorDlg& Open(const std::vector<int>& rows) { return *(dlg = Edit(rows)); }
    // What OK left for the main window to write back to a row.
    const CChannel& Stored(int row) const {
        EXPECT_EQ(dlg->result(), QDialog::Accepted);
        return dlg->Session().Records().at(std::size_t(row));
    }
    template <class T = QLineEdit> T* Get(const std::string& name) const {
        return Child<T>(*dlg, name);
    }
    QString Texts(std::initializer_list<const char*> names) const {
        QString texts;
        for (const char* name : names) {
            QWidget* field = Get<QWidget>(name);
            texts += field->property(qobject_cast<QComboBox*>(field) ? "currentText" : "text")
                         .toString() +
                     "|";
        }
        return texts;
    }
};

// The session's values reach the widgets: a row's values, or several rows'
// shared ones with those that differ kept (ticked, disabled, no selection)
// until the Keep box is cleared; an empty row's blank form is disabled until
// "New" shows the defaults, enabling only what the model has; OK stores what
// the widgets show.
TEST(RowEditor, ShowsTheSessionsValuesKeepBoxesAndDefaults) {
    std::vector<CChannel> records(3, UsedChannel(kTGUV2, 14500000, 14560000));
    records[1].SetPowerText("Low");
    records[2].SetFrequencies(43912500, 43412500, 9, 4, kTGUV2);
    records[2].SetNameText("AB    ");
    Editor f(kTGUV2, records);
    f.Open({2});
    EXPECT_EQ(f.Texts({"rowsText", "rxEdit", "txEdit", "nameEdit", "stepList"}),
              "Selected row: 2|439.12500|434.12500|AB|100|");
    EXPECT_FALSE(f.Get<QCheckBox>("rxKeep")->isEnabled() ||
                 f.Get<QCheckBox>("powerKeep")->isChecked());
    f.Open({0, 1});
    EXPECT_EQ(f.Texts({"rowsText", "txEdit", "powerList", "nameEdit"}),
              "Selected rows: 0 - 1|145.60000|||");
    EXPECT_TRUE(f.Get<QCheckBox>("powerKeep")->isChecked() &&
                !f.Get<QComboBox>("powerList")->isEnabled());
    EXPECT_FALSE(f.Get<QPushButton>("nextButton")->isEnabled());
    f.Get<QCheckBox>("powerKeep")->click();
    EXPECT_EQ(f.Texts({"powerList"}), "High|");
    f.Get<QComboBox>("powerList")->setCurrentIndex(1);
    f.dlg->accept();
    EXPECT_EQ(f.Stored(0).GetPowerText() + f.Stored(1).GetPowerText(), "MidMid");

    Editor g(kTG6A, UsedChannels(kTG6A, 1));
    g.Open({5});
    EXPECT_FALSE(g.Get("rxEdit")->isEnabled());
    g.Get<QPushButton>("newButton")->click();
    EXPECT_EQ(g.Texts({"stepList", "reverseList", "busySetList"}), "5|OFF|OFF|");
    EXPECT_FALSE(g.Get("nameEdit")->isEnabled() || g.Get<QComboBox>("scanAddList")->isEnabled());
    g.Get("rxEdit")->setText("145");
    g.dlg->OnRxKillFocus();
    g.dlg->accept();
    EXPECT_EQ(g.Stored(5), UsedChannel(kTG6A, 14500000, 14500000));
}

// Leaving RX (not for a moment to a menu or a message box) rewrites it to the
// step and copies it into an empty, enabled TX; leaving TX rewrites TX; Enter
// checks the texts as typed.
TEST(RowEditor, LeavingTheFrequencyBoxes) {
    Editor f(kTGUV2,
             {UsedChannel(kTGUV2, 14500000, 14560000), UsedChannel(kTGUV2, 14500000, 14440000)});
    f.Open({0}).show();
    QLineEdit* rx = f.Get("rxEdit");
    QLineEdit* tx = f.Get("txEdit");
    const auto leave = [](QLineEdit* box, Qt::FocusReason reason) {
        QFocusEvent event(QEvent::FocusOut, reason);
        QCoreApplication::sendEvent(box, &event);
    };
    rx->setText("146");
    leave(rx, Qt::PopupFocusReason);
    leave(rx, Qt::ActiveWindowFocusReason);
    EXPECT_EQ(rx->text(), "146");
    leave(rx, Qt::TabFocusReason);
    EXPECT_EQ(rx->text() + tx->text(), "146.00000145.60000");
    tx->clear();
    leave(rx, Qt::TabFocusReason);
    EXPECT_EQ(tx->text(), "146.00000");
    tx->setText("146.0012");
    leave(tx, Qt::TabFocusReason);
    rx->setText("145.001");
    QTest::keyClick(rx, Qt::Key_Return);
    EXPECT_EQ(f.prompts.messages, std::vector<QString>{"Rx frequency and step do not match!"});
    EXPECT_TRUE(f.dlg->isVisible() && tx->text() == "146.00500");
    f.Open({0, 1});
    f.Get("rxEdit")->setText("146");
    f.dlg->OnRxKillFocus();
    EXPECT_EQ(f.Texts({"rxEdit", "txEdit"}), "146.00000||") << "TX kept, so disabled";
}

// The boxes filter what is typed, not what is pasted into a frequency box;
// the Name box refuses a bad paste whole. The user's choice in the RX tone
// list leads the TX list, only while that is enabled.
TEST(RowEditor, KeysAndTheToneLists) {
    CFreqEdit freq;
    QTest::keyClicks(&freq, "439,1a25.");
    QApplication::clipboard()->setText("x.");
    QTest::keyClick(&freq, Qt::Key_V, Qt::ControlModifier);
    CNameEdit name;
    QTest::keyClicks(&name, "ab-1!");
    name.paste();
    EXPECT_EQ(freq.text() + "|" + name.text(), "439.125x.|AB-1");

    std::vector<CChannel> records = UsedChannels(kTGUV2, 2);
    records[1].SetToneSelection(258, false);
    Editor f(kTGUV2, records);
    const auto choose = [&](const char* list, int position) {
        f.Get<QComboBox>(list)->setCurrentIndex(position - 1);
        QTest::keyClick(f.Get<QComboBox>(list), Qt::Key_Down);
    };
    f.Open({0});
    choose("rxToneList", 56);
    choose("txToneList", 258);
    EXPECT_EQ(f.Get<QComboBox>("rxToneList")->currentIndex(), 56);
    f.dlg->accept();
    EXPECT_EQ(f.Stored(0).GetToneText(true) + f.Stored(0).GetToneText(false), "D036ND754I");
    f.Open({0, 1});
    choose("rxToneList", 155);
    EXPECT_EQ(f.Get<QComboBox>("txToneList")->currentIndex(), -1);
}

// A user's double click: press and release, then the second press that the
// platform reports as a double click.
void DoubleClick(QWidget* widget, QPoint pos) {
    QTest::mousePress(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

// Next moves the editor at once and the main list's selection when the
// posted message arrives. Rows visited with Next are written and redrawn on
// OK (that Cancel drops them, and what OK does to the modified flag and the
// history, the soak checks). Edit opens on the range of the selection; a
// double click on the row under the pointer, none below the last row. It
// opens with the focus on the first control of its tab order that takes it,
// not on OK.
TEST(RowEditor, NextOkAndTheWaysItOpens) {
    MainWindowFixture f(kTGUV2, 8);
    f.ShowAllColumns(true);
    f.List().SelectRows({5});
    f.prompts.onModal = [&](QDialog& dialog) {
        auto& dlg = static_cast<CRowEditorDlg&>(dialog);
        Child<QComboBox>(dlg, "powerList")->setCurrentIndex(2);
        dlg.OnNext();
        EXPECT_EQ(f.List().SelectedRows(), std::vector<int>{5}) << "posted, not sent";
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(f.List().SelectedRows(), std::vector<int>{6});
        Child<QComboBox>(dlg, "powerList")->setCurrentIndex(1);
        Child<QPushButton>(dlg, "okButton")->click();
        return dlg.result();
    };
    f.window->OnEdit();
    EXPECT_EQ(f.Record(5).GetPowerText() + f.Record(6).GetPowerText(), "LowMid");
    EXPECT_TRUE(RowTexts(f.List(), 6).contains("Mid")) << "redrawn";
    MainWindowFixture main(kTG6A, 0);
    QStringList opened;
    main.prompts.onModal = [&](QDialog& dialog) {
        opened << Child<QLabel>(dialog, "rowsText")->text() + " " +
                      dialog.focusWidget()->objectName();
        return int(QDialog::Rejected);
    };
    CChannelListView& list = main.List();
    list.SelectRows({4, 9});
    main.window->OnEdit();
    DoubleClick(list.viewport(), list.visualRect(list.model()->index(7, 1)).center());
    main.window->resize(main.window->width(), list.rowHeight(0) * 120);
    list.scrollToBottom();
    const QRect last = list.visualRect(list.model()->index(99, 1));
    ASSERT_LT(last.bottom() + 5, list.viewport()->height());
    DoubleClick(list.viewport(), QPoint(last.center().x(), last.bottom() + 5));
    EXPECT_EQ(opened,
              (QStringList{"Selected rows: 4 - 9 cancelButton", "Selected row: 7 prevButton"}));
}

} // namespace
