// The main window: its states, buttons and menus, columns, failures to open,
// resizing, and accessible names.
#include "UiHelpers.h"

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QAction>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <set>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

// The enabled buttons, then the Mode box's and File › Save's state.
QString EnabledControls(CMainDlg& window) {
    QStringList names;
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->isEnabled())
            names << button->text();
    names.sort();
    return names.join(",") + (Child(window, "modeBox")->isEnabled() ? " mode" : "") +
           (MenuAction(window, "Save DAT File")->isEnabled() ? " save" : "");
}

// Only Open and Exit work until a file opens, through the button or the menu;
// then every command does, the model is locked and the title names the file.
// Each button runs its command: on row 2 of four records, a move or Delete;
// Save writes the file, Import opens its window, Exit closes the window.
TEST(MainDlg, OpenEnablesTheCommandsAndEveryButtonRunsItsCommand) {
    MainWindowFixture f;
    QAbstractItemModelTester tester(&f.List().Channels(),
                                    QAbstractItemModelTester::FailureReportingMode::Fatal);
    MenuAction(*f.window, "Open DAT File")->trigger();
    EXPECT_EQ(f.window->windowTitle() + " " + EnabledControls(*f.window),
              "Velmora Exit,Open DAT mode");
    WriteBytes(f.dir / "mine.DAT", MakeDat(kTGUV2, UsedChannels(kTGUV2, 4)));
    f.prompts.openNames = {QPath(f.dir / "mine.DAT")};
    Child<QPushButton>(*f.window, "openButton")->click();
    EXPECT_EQ(f.window->windowTitle(), "Velmora - mine.DAT");
    EXPECT_EQ(RowTexts(f.List(), 2).join("|") + RowTexts(f.List(), 4).join("|"),
              "2|      |145.05000|145.05000"
              "4|||");
    EXPECT_EQ(EnabledControls(*f.window),
              "Delete,Down,Down 15,Exit,Import,Open DAT,Save DAT,Up,Up 15 save");
    const std::pair<const char*, std::vector<int>> cases[] = {{"upButton", {0, 2, 1, 3}},
                                                              {"downButton", {0, 1, 3, 2}},
                                                              {"up15Button", {2, 0, 1, 3}},
                                                              {"down15Button", {0, 1, 3, -1}},
                                                              {"deleteButton", {0, 1, -1, 3}}};
    for (const auto& [button, order] : cases) {
        MainWindowFixture g(kTGUV2, 4);
        g.List().SelectRows({2});
        Child<QPushButton>(*g.window, button)->click();
        const std::vector<int> after = g.Order();
        EXPECT_EQ(std::vector<int>(after.begin(), after.begin() + 4), order) << button;
    }
    f.prompts.saveNames = {QPath(f.dir / "saved.DAT")};
    Child<QPushButton>(*f.window, "saveButton")->click();
    EXPECT_EQ(ReadBytes(f.dir / "saved.DAT"), ReadBytes(f.dir / "mine.DAT"));
    Child<QPushButton>(*f.window, "importButton")->click();
    EXPECT_EQ(f.prompts.openDialogs, 3);
    Child<QPushButton>(*f.window, "exitButton")->click();
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(f.window->isVisible());
}

// With every column shown each is wide enough for its header and its widest
// text, in the headers' order for each model; Home and End go to the first
// and the last row.
TEST(MainDlg, EveryColumnFitsItsTexts) {
    for (const RadioModel model : {kTGUV2, kTG6A}) {
        MainWindowFixture f;
        f.ChooseModel(model);
        EXPECT_EQ(f.List().MissingWidth(), 0) << "the short set fits at the start";
        f.ShowAllColumns(true);
        f.Open(MakeDat(model, UsedChannels(model, 2)));
        const CChannelListView& list = f.List();
        EXPECT_EQ(HeaderTexts(list).join(","),
                  model == kTGUV2 ? "ID,Name,RX Freq,TX Freq,QT/DQT Dec,QT/DQT Enc,Step,"
                                    "Reverse,TX Power,Scramble,W/N,Range,Scan"
                                  : "ID,RX Freq,TX Freq,QT/DQT Dec,QT/DQT Enc,Step,"
                                    "Reverse,TX Power,Scramble,W/N,Busy Set");
        for (int column = 0; column < list.Channels().columnCount(); ++column)
            for (const char* text :
                 {list.Channels().ColumnAt(column).header, list.Channels().ColumnAt(column).widest})
                EXPECT_GT(list.columnWidth(column),
                          list.fontMetrics().horizontalAdvance(QString::fromLatin1(text)));
        QTest::keyClick(&f.List(), Qt::Key_End);
        EXPECT_EQ(list.SelectedRows(), std::vector<int>{ChannelCount(model) - 1});
        QTest::keyClick(&f.List(), Qt::Key_Home);
        EXPECT_EQ(list.SelectedRows(), std::vector<int>{0});
    }
}

// A failed first Open leaves the window without a file, a FIFO included,
// which fails at once (the soak covers failed later Opens).
TEST(MainDlg, AFailedFirstOpenLeavesNoFile) {
    for (const std::string kind : {"folder", "fifo", "otherModel"}) {
        MainWindowFixture f;
        const fs::path bad = f.dir / (kind + ".DAT");
        if (kind == "folder")
            fs::create_directory(bad);
        else if (kind == "fifo")
            ASSERT_EQ(mkfifo(bad.c_str(), 0600), 0);
        else
            WriteBytes(bad, MakeDat(kTG6A));
        const auto start = std::chrono::steady_clock::now();
        f.OpenPath(bad);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3)) << kind;
        EXPECT_EQ(f.prompts.messages, std::vector<QString>{"Open operation failed."});
        EXPECT_EQ(f.List().Channels().RowCount(), 0);
        EXPECT_EQ(f.window->windowTitle() + " " + EnabledControls(*f.window),
                  "Velmora Exit,Open DAT mode");
    }
}

// The list grows with the window, the buttons follow the right edge (Exit
// also the bottom), and the window never gets smaller than it was made.
TEST(MainDlg, ResizeMovesTheControlsAndStopsAtTheCreationSize) {
    MainWindowFixture f;
    const QSize start = f.window->size();
    std::vector<std::pair<QWidget*, QRect>> controls;
    for (QWidget* control :
         f.List().parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        controls.emplace_back(control, control->geometry());
    f.window->resize(start + QSize(40, 30));
    QCoreApplication::processEvents();
    for (const auto& [control, rect] : controls) {
        const QPoint shift(qobject_cast<QPushButton*>(control) ? 40 : 0,
                           control->objectName() == "exitButton" ? 30 : 0);
        EXPECT_EQ(control->geometry(),
                  control == &f.List() ? rect.adjusted(0, 0, 40, 30) : rect.translated(shift))
            << control->objectName().toStdString();
    }
    f.window->resize(start - QSize(100, 100));
    EXPECT_EQ(f.window->size(), start);
}

// Every control that takes the focus has a name of its own for a screen
// reader (a drop-down list announces the name we give it); the Menu key and
// Shift+F10 open the list's menu without a mouse.
TEST(MainDlg, EveryControlHasItsOwnNameAndTheMenuOpensWithoutAMouse) {
    for (RadioModel model : {kTGUV2, kTG6A}) {
        MainWindowFixture f(model, 2);
        const auto editor = f.Edit({0, 1});
        for (QWidget* window :
             {static_cast<QWidget*>(f.window.get()), static_cast<QWidget*>(editor.get()),
              static_cast<QWidget*>(&f.Import(f.dir / "radio.DAT"))}) {
            std::set<QString> names;
            for (QWidget* control : window->findChildren<QWidget*>()) {
                if (!(control->focusPolicy() & Qt::TabFocus) || !control->isVisibleTo(window) ||
                    control->inherits("QScrollBar"))
                    continue;
                const QString name =
                    control->accessibleName().isEmpty()
                        ? QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name)
                        : control->accessibleName();
                EXPECT_TRUE(!name.isEmpty() && names.insert(name).second)
                    << control->objectName().toStdString();
            }
        }
        QTest::keyClick(&f.List(), Qt::Key_Menu);
        QTest::keyClick(&f.List(), Qt::Key_F10, Qt::ShiftModifier);
        QTest::keyClick(&f.List(), Qt::Key_F10);
        EXPECT_EQ(f.prompts.menus, 2);
    }
}

} // namespace
