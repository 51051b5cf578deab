#include "ChannelListView.h"
#include "UiHelpers.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// The enabled buttons, the Mode box's state and Save's in the File menu.
QStringList EnabledControls(CMainDlg& window) {
    QStringList names;
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->isEnabled())
            names << button->text();
    names.sort();
    const auto* mode = window.findChild<QComboBox*>("modeBox");
    if (mode->isEnabled())
        names << "mode " + mode->currentText();
    if (MenuAction(window, "Save DAT File")->isEnabled())
        names << "menu save";
    return names;
}

// Without a file, and after a cancelled and a failed Open, only Open and Exit
// work; a file opened locks the model and enables every command.
TEST(MainDlg, OpenLoadsTheFileAndLocksTheModel) {
    MainWindowFixture f;
    f.window->OnOpen();
    EXPECT_EQ(f.prompts.openDialogs, 1);
    EXPECT_EQ(f.window->windowTitle(), "Velmora");
    EXPECT_EQ(f.List().Channels().RowCount(), 0);
    EXPECT_EQ(EnabledControls(*f.window), (QStringList{"Exit", "Open DAT", "mode TG-UV2"}));
    EXPECT_FALSE(f.window->IsLoaded() || f.window->IsModified());
    EXPECT_TRUE(f.prompts.messages.empty());

    f.Open(MakeDat(kTGUV2, UsedChannels(kTGUV2, 3)), "mine.DAT");
    EXPECT_TRUE(f.prompts.messages.empty());
    EXPECT_EQ(f.window->windowTitle(), "Velmora - mine.DAT");
    EXPECT_EQ(RowTexts(f.List(), 2), (QStringList{"2", "      ", "145.05000", "145.05000"}));
    EXPECT_EQ(RowTexts(f.List(), 3), (QStringList{"3", "", "", ""}));
    EXPECT_EQ(EnabledControls(*f.window),
              (QStringList{"Delete", "Down", "Down 15", "Exit", "Import", "Open DAT", "Save DAT",
                           "Up", "Up 15", "menu save"}));
    EXPECT_FALSE(f.window->IsModified());
}

struct ColumnCase {
    RadioModel model;
    bool showAll;
    QStringList headers;
};

class Columns : public testing::TestWithParam<ColumnCase> {};

// The main and the Import list show the same columns and texts for a file,
// every column wide enough for its header and its widest text.
TEST_P(Columns, FollowTheModelAndShowAllInBothLists) {
    const ColumnCase& c = GetParam();
    MainWindowFixture f;
    f.ChooseModel(c.model);
    f.ShowAllColumns(c.showAll);
    EXPECT_EQ(HeaderTexts(f.List()), c.headers);
    CImportDlg& import = f.Import(f.Open(MakeDat(c.model, UsedChannels(c.model, 2))));
    const int rows = ChannelCount(c.model);
    for (CChannelListView* list : {&f.List(), &import.List()}) {
        EXPECT_EQ(HeaderTexts(*list), c.headers);
        // The short set fits side by side in a window of the size it opens at.
        EXPECT_TRUE(c.showAll || list->MissingWidth() == 0);
        ASSERT_EQ(list->Channels().RowCount(), rows);
        EXPECT_EQ(RowTexts(*list, rows - 1).front(), QString::number(rows - 1));
        for (int column = 0; column < c.headers.size(); ++column) {
            const ColumnInfo& info = list->Channels().ColumnAt(column);
            for (const char* text : {info.header, info.widest})
                EXPECT_GT(list->columnWidth(column),
                          list->fontMetrics().horizontalAdvance(QString::fromLatin1(text)))
                    << text;
        }
    }
    for (int row = 0; row < rows; ++row)
        ASSERT_EQ(RowTexts(import.List(), row), RowTexts(f.List(), row)) << "row " << row;
    // Home and End go to the first and last row and select it.
    f.List().setFocus();
    QTest::keyClick(&f.List(), Qt::Key_End);
    EXPECT_EQ(f.List().SelectedRows(), std::vector<int>{rows - 1});
    QTest::keyClick(&f.List(), Qt::Key_Home);
    EXPECT_EQ(f.List().SelectedRows(), std::vector<int>{0});
}

INSTANTIATE_TEST_SUITE_P(
    Sets, Columns,
    testing::Values(ColumnCase{kTGUV2, false, {"ID", "Name", "RX Freq", "TX Freq"}},
                    ColumnCase{kTG6A, false, {"ID", "RX Freq", "TX Freq"}},
                    ColumnCase{kTGUV2,
                               true,
                               {"ID", "Name", "RX Freq", "TX Freq", "QT/DQT Dec", "QT/DQT Enc",
                                "Step", "Reverse", "TX Power", "Scramble", "W/N", "Range", "Scan"}},
                    ColumnCase{kTG6A,
                               true,
                               {"ID", "RX Freq", "TX Freq", "QT/DQT Dec", "QT/DQT Enc", "Step",
                                "Reverse", "TX Power", "Scramble", "W/N", "Busy Set"}}));

// Save writes the records in row order and clears the flag, the title
// unchanged; "Show all columns" keeps the order and clears the selection.
TEST(MainDlg, SaveWritesTheRowOrderAndShowAllColumnsKeepsIt) {
    MainWindowFixture f;
    const Bytes original = MakeDat(kTGUV2, UsedChannels(kTGUV2, 3));
    f.Open(original, "mine.DAT");
    f.Do(&CMainDlg::OnUp, {1});
    ASSERT_TRUE(f.window->IsModified());
    Bytes expected = original;
    std::copy_n(&original[90 + 44], 44, &expected[90]);
    std::copy_n(&original[90], 44, &expected[90 + 44]);
    EXPECT_EQ(f.Save("other.DAT"), expected);
    EXPECT_FALSE(f.window->IsModified());
    EXPECT_EQ(f.window->windowTitle(), "Velmora - mine.DAT");
    SelectRows(f.List(), {1, 2});
    f.ShowAllColumns(true);
    EXPECT_FALSE(f.List().HasSelection());
    EXPECT_EQ(f.Save("after.DAT"), expected);
}

// Through the close box, "Exit" and File › "Exit": unmodified, the window
// closes unasked; modified (also after opening another file, which keeps the
// flag), No keeps it open and Yes closes it. Enter and Esc do nothing at all.
TEST(MainDlg, ClosingAsksOnlyWhileModified) {
    const std::function<void(CMainDlg&)> ways[] = {
        [](CMainDlg& w) { w.close(); },
        [](CMainDlg& w) { w.findChild<QPushButton*>("exitButton")->click(); },
        [](CMainDlg& w) { MenuAction(w, "Exit")->trigger(); }};
    for (const auto& way : ways) {
        MainWindowFixture f(kTGUV2, 3);
        const auto close = [&](std::deque<bool> answers) {
            f.prompts.answers = answers;
            way(*f.window);
            QCoreApplication::sendPostedEvents();
        };
        close({});
        EXPECT_FALSE(f.window->isVisible());
        f.window->show();
        f.Do(&CMainDlg::OnDelete, {0});
        f.Open(MakeDat(kTGUV2), "second.DAT");
        for (auto key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
            QTest::keyClick(&f.List(), key);
            QTest::keyClick(f.window.get(), key);
        }
        QCoreApplication::sendPostedEvents();
        EXPECT_TRUE(f.prompts.questions.empty());
        close({false});
        EXPECT_EQ(f.prompts.questions, std::vector<QString>{"Changes are not saved. Exit anyway?"});
        EXPECT_TRUE(f.window->isVisible() && f.window->IsModified());
        close({true});
        EXPECT_EQ(f.prompts.questions.size(), 2u);
        EXPECT_FALSE(f.window->isVisible());
    }
}

// The list grows with the window, the buttons follow the right edge (Exit
// also the bottom), and the window never gets smaller than it was made.
TEST(MainDlg, ResizeMovesTheControlsAndStopsAtTheCreationSize) {
    MainWindowFixture f;
    const QSize start = f.window->size();
    EXPECT_EQ(f.window->MinimumOuterSize(), start);
    const QRect listBefore = f.List().geometry();
    std::vector<std::pair<QWidget*, QPoint>> controls;
    for (QWidget* control :
         f.List().parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        controls.emplace_back(control, control->pos());
    f.window->resize(start + QSize(40, 30));
    QCoreApplication::processEvents();
    EXPECT_EQ(f.List().geometry(), listBefore.adjusted(0, 0, 40, 30));
    for (const auto& [control, pos] : controls) {
        const std::string name = control->objectName().toStdString();
        const QPoint shift = name == "exitButton"                  ? QPoint(40, 30)
                             : qobject_cast<QPushButton*>(control) ? QPoint(40, 0)
                                                                   : QPoint();
        EXPECT_EQ(control->pos(), control == &f.List() ? pos : pos + shift) << name;
    }
    f.window->resize(start - QSize(100, 100));
    QCoreApplication::processEvents();
    EXPECT_EQ(f.window->size(), start);
    EXPECT_EQ(f.List().geometry(), listBefore);
}

TEST(MainDlg, AboutShowsTheVersionTheBuildYearAndTheFreewareLine) {
    MainWindowFixture f;
    QStringList texts;
    f.prompts.onModal = [&](QDialog& dialog) {
        texts << dialog.windowTitle();
        for (QLabel* label : dialog.findChildren<QLabel*>())
            if (!label->text().isEmpty())
                texts << label->text();
        return QDialog::Accepted;
    };
    MenuAction(*f.window, "&About Velmora...")->trigger();
    ASSERT_EQ(texts.size(), 4);
    EXPECT_EQ(texts.mid(0, 2), (QStringList{"About Velmora", "Velmora Version 1.3"}));
    EXPECT_TRUE(texts[2].contains(QString::fromLatin1(__DATE__ + 7)));
    EXPECT_TRUE(texts[3].contains("freeware"));
}

} // namespace
