// The main window: its states, buttons and menus, failures to open,
// accessible names, and how its handlers, keys and the list's popup menu
// reach the document (what each change does is the document's tests').
#include "SortDlg.h"
#include "UiHelpers.h"

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QTest>
#include <QTreeWidget>
#include <QUndoStack>
#include <QUrl>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <chrono>
#include <set>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

using Rows = std::vector<int>;

QString FindingTexts(const QTreeWidget& list, int row) {
    QStringList texts;
    for (int column = 0; column < list.columnCount(); ++column)
        texts << list.topLevelItem(row)->text(column);
    return texts.join("|");
}

// The title, the enabled buttons, then the Mode box's and File › Save's state.
QString State(CMainDlg& window) {
    QStringList names;
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->isEnabled())
            names << button->text();
    names.sort();
    return window.windowTitle() + ": " + names.join(",") +
           (Child(window, "modeBox")->isEnabled() ? " mode" : "") +
           (MenuAction(window, "Save DAT File")->isEnabled() ? " save" : "");
}

// Only Open and Exit work until a file opens, through the button or the menu;
// then every command does, the model is locked and the title names the file.
// Each button runs its command: on row 2 of four records, a move or Delete;
// Save writes the file, Import opens its window, Exit closes the window.
TEST(MainDlg, OpenEnablesTheCommandsAndEveryButtonRunsItsCommand) {
    MainWindowFixture f;
    MenuAction(*f.window, "Open DAT File")->trigger();
    EXPECT_EQ(State(*f.window), "Velmora: Exit,Open DAT mode");
    WriteBytes(f.dir / "mine.DAT", MakeDat(kTGUV2, UsedChannels(kTGUV2, 4)));
    f.prompts.openNames = {QPath(f.dir / "mine.DAT")};
    Child<QPushButton>(*f.window, "openButton")->click();
    EXPECT_EQ(
        State(*f.window),
        "Velmora - mine.DAT: Delete,Down,Down 15,Exit,Import,Open DAT,Save DAT,Up,Up 15 save");
    EXPECT_EQ(RowTexts(f.List(), 2).join("|") + RowTexts(f.List(), 4).join("|"),
              "2|      |145.05000|145.05000"
              "4|||");
    const std::pair<const char*, Rows> cases[] = {{"upButton", {0, 2, 1, 3}},
                                                  {"downButton", {0, 1, 3, 2}},
                                                  {"up15Button", {2, 0, 1, 3}},
                                                  {"down15Button", {0, 1, 3, -1}},
                                                  {"deleteButton", {0, 1, -1, 3}}};
    for (const auto& [button, order] : cases) {
        MainWindowFixture g(kTGUV2, 4);
        g.List().SelectRows({2});
        Child<QPushButton>(*g.window, button)->click();
        EXPECT_EQ(g.Order(0, 4), order) << button;
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

// A failed first Open leaves the window without a file, a FIFO included,
// which fails at once (the soak covers failed later Opens), and says why; the
// Mode box is suggested only while it can still be changed.
TEST(MainDlg, AFailedFirstOpenLeavesNoFile) {
    for (const std::string kind : {"fifo", "otherModel"}) {
        MainWindowFixture f;
        const fs::path bad = f.dir / (kind + ".DAT");
        if (kind == "fifo")
            ASSERT_EQ(mkfifo(bad.c_str(), 0600), 0);
        else
            WriteBytes(bad, MakeDat(kTG6A));
        const auto start = std::chrono::steady_clock::now();
        f.OpenPath(bad);
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3)) << kind;
        EXPECT_EQ(f.prompts.messages, std::vector<QString>{"Open operation failed."});
        EXPECT_EQ(State(*f.window) + QString::number(f.List().Channels().RowCount()),
                  "Velmora: Exit,Open DAT mode0");
        const QString otherModel =
            "The file has 5001 bytes where a TG-UV2 file has 10001. It is a TG-6A file.";
        EXPECT_EQ(f.prompts.reasons.back(), kind == "fifo"
                                                ? QPath(bad).prepend('"') + "\" is not a file."
                                                : otherModel + " Choose TG-6A in the "
                                                               "Mode box.");
        if (kind == "otherModel") {
            f.Open(MakeDat(kTGUV2));
            f.OpenPath(bad);
            EXPECT_EQ(f.prompts.reasons.back(), otherModel);
        }
    }
}

// The Menu key and Shift+F10 open the list's menu, Home and End go to the
// first and last row. (Every control's name for a screen reader is the
// language test's.)
TEST(MainDlg, TheListWorksWithoutAMouse) {
    for (RadioModel model : {kTGUV2, kTG6A}) {
        MainWindowFixture f(model, 2);
        for (const auto& [key, modifiers] : {std::pair(Qt::Key_Menu, Qt::NoModifier),
                                             {Qt::Key_F10, Qt::ShiftModifier},
                                             {Qt::Key_F10, Qt::NoModifier},
                                             {Qt::Key_End, Qt::NoModifier}})
            QTest::keyClick(&f.List(), key, modifiers);
        EXPECT_EQ(f.prompts.menus, 2);
        EXPECT_EQ(f.List().SelectedRows(), Rows{ChannelCount(model) - 1});
        QTest::keyClick(&f.List(), Qt::Key_Home);
        EXPECT_EQ(f.List().SelectedRows(), Rows{0});
    }
}

// A paste the radio refuses says why and changes nothing (which records a
// radio refuses is the document's business).
TEST(MainDlgCommands, ARefusedPasteSaysWhy) {
    MainWindowFixture f(kTG6A, {});
    f.Do(&CMainDlg::OnCopy, {0});
    f.Do(&CMainDlg::OnPaste, {1});
    EXPECT_EQ(f.prompts.messages, std::vector<QString>{"Invalid frequency!"});
    EXPECT_TRUE(f.prompts.reasons.back().startsWith("Pasted channel 1 of 1, for row 1, has no RX"));
    EXPECT_FALSE(f.window->IsModified() || f.window->History().canUndo());
}

// Ctrl+X, C and V with or without Shift run Cut, Copy and Paste, and are
// consumed even with nothing to do. The popup offers its items, grays "New"
// while a used row is selected, and runs the one chosen.
TEST(MainDlgCommands, KeysAndThePopupRunTheCommands) {
    for (Qt::KeyboardModifiers modifiers :
         {Qt::ControlModifier | Qt::NoModifier, Qt::ControlModifier | Qt::ShiftModifier}) {
        MainWindowFixture f(kTGUV2, 200);
        QKeyEvent press(QEvent::KeyPress, Qt::Key_C, modifiers, "c");
        QCoreApplication::sendEvent(&f.List(), &press);
        EXPECT_TRUE(press.isAccepted());
        for (const auto& [key, row] :
             {std::pair{Qt::Key_C, 1}, std::pair{Qt::Key_X, 3}, std::pair{Qt::Key_V, 10}}) {
            f.List().SelectRows({row});
            QTest::keyClick(&f.List(), key, modifiers);
        }
        EXPECT_EQ(f.Order(0, 11), (Rows{0, 1, 2, -1, 4, 5, 6, 7, 8, 9, 3}));
    }
    MainWindowFixture none;
    none.window->OnListContextMenu(QPoint(5, 5));
    EXPECT_EQ(none.prompts.menus, 0) << "no menu without a file";
    MainWindowFixture f(kTGUV2, 10);
    QStringList items;
    f.prompts.onMenu = [&](QMenu& menu, const QPoint&) {
        items.clear();
        for (QAction* action : menu.actions())
            items << (action->isSeparator() ? "-"
                                            : action->text() + " " + action->shortcut().toString() +
                                                  (action->isEnabled() ? "" : "(grayed)"));
        return CScriptedPrompts::FindAction(menu, "Delete");
    };
    f.List().SelectRows({3, 50});
    f.window->OnListContextMenu(QPoint(5, 5));
    EXPECT_EQ(items.join(","), "Cut Ctrl+X,Copy Ctrl+C,-,Paste Ctrl+V,-,New (grayed),Edit ,Delete "
                               ",-,Insert Row Ins,Delete and Close Up Ctrl+Del,-,Undo "
                               "Ctrl+Z(grayed),Redo Ctrl+Shift+Z(grayed)");
    EXPECT_TRUE(f.Record(3).IsEmpty()) << "Delete ran";
    f.List().SelectRows({3, 50});
    f.window->OnListContextMenu(QPoint(5, 5));
    EXPECT_TRUE(items.contains("New ") && items.contains("Undo Delete Ctrl+Z"));
}

// The Edit menu, between File and Help, names the step to undo or redo and
// grays what there is none of, and offers Find, Sort and Check Channels once
// a file is open; in the Row Editor's boxes Ctrl+Z is still the box's own
// undo of typing.
TEST(MainDlgCommands, TheEditMenuNamesTheStepAndTheRowEditorKeepsTextUndo) {
    MainWindowFixture f;
    QStringList menus;
    for (QAction* menu : f.window->findChild<QMenuBar*>()->actions())
        menus << menu->text();
    EXPECT_EQ(menus.join(","), "&File,&Edit,&Help");
    const auto items = [&] {
        QStringList texts;
        for (QAction* item : f.window->findChild<QMenuBar*>()->actions()[1]->menu()->actions())
            texts << item->text() + " " + item->shortcut().toString() +
                         (item->isEnabled() ? "" : "(grayed)");
        return texts.join(",");
    };
    const QString search = ", ,Cut Ctrl+X%1,Copy Ctrl+C%1,Paste Ctrl+V%1, ,Insert Row Ins%1,Delete "
                           "and Close Up Ctrl+Del%1, ,Find... "
                           "Ctrl+F%1,Find Next F3%1,Find Previous Shift+F3%1, ,Sort... "
                           "%1,Check Channels... %1";
    EXPECT_EQ(items(), "Undo Ctrl+Z(grayed),Redo Ctrl+Shift+Z(grayed)" + search.arg("(grayed)"));
    f.Open(MakeDat(kTGUV2, UsedChannels(kTGUV2, 10)));
    f.Do(&CMainDlg::OnUp15, {5});
    EXPECT_EQ(items(), "Undo Up 15 Ctrl+Z,Redo Ctrl+Shift+Z(grayed)" + search.arg(""));
    QTest::keyClick(&f.List(), Qt::Key_Z, Qt::ControlModifier);
    const auto editor = f.Edit({0});
    auto* rx = Child<QLineEdit>(*editor, "rxEdit");
    QTest::keyClicks(rx, "7");
    QTest::keyClick(rx, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(rx->text(), "145.00000");
    EXPECT_EQ(items(), "Undo Ctrl+Z(grayed),Redo Up 15 Ctrl+Shift+Z" + search.arg(""));
}

// F3 without a search opens "Find"; a row found from the mark around the
// list becomes the only one selected, none found says so. A Sort is one undo
// step, one that changes nothing none. Enter on a finding of Check Channels
// selects its channel, and the window stays, checking again whenever the
// rows change.
TEST(MainDlgSearch, FindSortAndCheckChannels) {
    MainWindowFixture f(kTGUV2, {UsedChannel(kTGUV2, 14500000, 14500000),
                                 UsedChannel(kTGUV2, 14600000, 14600000),
                                 UsedChannel(kTGUV2, 14500000, 14500000)});
    f.List().SelectRows({1});
    QTest::keyClick(&f.List(), Qt::Key_F3);
    ASSERT_TRUE(f.window->FindDlg() && f.window->FindDlg()->isVisible());
    Child<QLineEdit>(*f.window->FindDlg(), "findText")->setText("146");
    Child<QPushButton>(*f.window->FindDlg(), "findNextButton")->click();
    QTest::keyClick(&f.List(), Qt::Key_F3, Qt::ShiftModifier);
    EXPECT_TRUE(f.List().SelectedRows() == std::vector<int>{1} && f.List().SelectionMark() == 1);
    Child<QLineEdit>(*f.window->FindDlg(), "findText")->setText("147");
    Child<QPushButton>(*f.window->FindDlg(), "findNextButton")->click();
    EXPECT_EQ(f.prompts.messages, std::vector<QString>{"No channel matches \"147\"."});
    EXPECT_EQ(f.List().SelectedRows(), std::vector<int>{1});

    f.prompts.onModal = [](QDialog& dialog) {
        Child<QCheckBox>(dialog, "descendingBox")->setChecked(true);
        return int(QDialog::Accepted);
    };
    f.List().SelectRows({});
    for (int sort = 0; sort < 2; ++sort)
        MenuAction(*f.window, "Sort...")->trigger();
    EXPECT_EQ(f.Order(0, 3), (std::vector<int>{40, 0, 0}));
    EXPECT_EQ(f.window->History().count(), 1);
    EXPECT_EQ(f.window->History().undoText(), "Sort");

    MenuAction(*f.window, "Check Channels...")->trigger();
    QTreeWidget& findings = f.window->CheckDlg()->Findings();
    EXPECT_EQ(FindingTexts(findings, 0), "2|Warning|same frequencies and tones as channel 1");
    findings.setCurrentItem(findings.topLevelItem(0));
    QTest::keyClick(&findings, Qt::Key_Return);
    EXPECT_TRUE(f.List().SelectedRows() == std::vector<int>{2} && f.List().SelectionMark() == 2);
    EXPECT_TRUE(f.window->CheckDlg()->isVisible());
    f.Do(&CMainDlg::OnDelete, {2});
    EXPECT_EQ(FindingTexts(findings, 0), "||No problems found.") << "checked again at once";
    f.window->History().undo();
    EXPECT_EQ(FindingTexts(findings, 0), "2|Warning|same frequencies and tones as channel 1");
}

// Export CSV works only with a file open, asks for a CSV file, in a dialog
// of its own starting beside the opened file and named after it, and writes
// the rows in their order in the list; a failure says why.
TEST(MainDlgCommands, ExportCsvWritesTheRowsInTheirOrder) {
    MainWindowFixture f;
    EXPECT_FALSE(MenuAction(*f.window, "Export CSV...")->isEnabled());
    f.Open(MakeDat(kTGUV2, UsedChannels(kTGUV2, 3)));
    f.Do(&CMainDlg::OnDown, {0});
    f.prompts.saveNames = {QPath(f.dir / "list.csv"), QPath(f.dir / "gone" / "list.csv")};
    MenuAction(*f.window, "Export CSV...")->trigger();
    EXPECT_EQ(f.prompts.fileKinds.back(), QStringList{"CSV Files (*.csv)"});
    EXPECT_EQ(f.prompts.saveTitles.back() + " " + f.prompts.saveStarts.back(),
              "Export CSV " + QPath(f.dir / "radio.csv"));
    const Bytes csv = ReadBytes(f.dir / "list.csv");
    EXPECT_NE(std::string(csv.begin(), csv.end()).find("\r\n0,,145.025000,,0.000000,"),
              std::string::npos);
    MenuAction(*f.window, "Export CSV...")->trigger();
    EXPECT_EQ(f.prompts.messages, std::vector<QString>{"Export operation failed."});
    EXPECT_TRUE(f.prompts.reasons.back().startsWith("The folder"));
}

// A file given from outside (the command line, a drop) opens as Open would,
// the Mode box first following its size while no file is open (a file of
// neither size is no radio's), and the list then has the focus on its first
// row; a drag of anything but one DAT file (a CSV, two files, a folder,
// text) is refused. A drop opens its file once the drop is over, and a file
// gone by then says why. The Import window also takes a dropped CSV file.
TEST(MainDlg, FilesFromOutsideAndDrops) {
    MainWindowFixture f;
    WriteBytes(f.dir / "six.DAT", MakeDat(kTG6A));
    WriteBytes(f.dir / "odd.dat", Bytes(1234, 0));
    WriteBytes(f.dir / "two.DAT", MakeDat(kTGUV2));
    WriteBytes(f.dir / "list.csv", Bytes(3, 'x'));
    fs::create_directory(f.dir / "folder.DAT");
    f.window->OpenFromOutside(f.dir / "odd.dat");
    EXPECT_EQ(f.prompts.reasons, std::vector<QString>{"The file has 1234 bytes; a TG-UV2 file has "
                                                      "10001 bytes and a TG-6A file 5001."});
    const auto drag = [&](QWidget& target, std::vector<std::string> names, bool drop,
                          bool vanish = false) {
        QMimeData data;
        QList<QUrl> urls;
        for (const std::string& name : names)
            urls << QUrl::fromLocalFile(QPath(f.dir / name));
        data.setUrls(urls);
        if (names.empty())
            data.setText("text");
        QDragEnterEvent enter({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&target, &enter);
        if (vanish)
            fs::remove(f.dir / names.front());
        QDropEvent dropped({5, 5}, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        if (drop && enter.isAccepted())
            QCoreApplication::sendEvent(&target, &dropped);
        return enter.isAccepted();
    };
    for (const auto& refused : std::vector<std::vector<std::string>>{
             {"list.csv"}, {"six.DAT", "two.DAT"}, {"folder.DAT"}, {}})
        EXPECT_FALSE(drag(*f.window, refused, false));
    EXPECT_TRUE(drag(*f.window, {"six.DAT"}, true));
    EXPECT_FALSE(f.window->IsLoaded()) << "opened only once the drop is over";
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(State(*f.window).left(24) + QString::number(f.window->Model()),
              "Velmora - six.DAT: Delet1");
    EXPECT_TRUE(f.window->focusWidget() == &f.List() && f.List().SelectionMark() == 0);
    EXPECT_TRUE(drag(*f.window, {"two.DAT"}, true));
    EXPECT_TRUE(drag(*f.window, {"six.DAT"}, true, true));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(f.prompts.reasons.back(),
              "The file \"" + QPath(f.dir / "six.DAT") + "\" does not exist.");
    EXPECT_EQ(f.prompts.messages.size(), 3u) << "the TG-6A chosen decides now";
    CImportDlg& import = f.Import(f.dir / "two.DAT");
    EXPECT_TRUE(drag(import, {"list.csv"}, true));
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(f.prompts.reasons.back(),
              "The file has no header line naming its columns, such as Location and Frequency.");
}

// A command line names a path as the system's bytes, valid UTF-8 or not, or
// a file:// URL; options and "--" are passed over; a second file is not
// opened, and the user is told so.
TEST(MainDlg, TheCommandLineOpensOneFile) {
    using Files = std::vector<std::string>;
    const std::tuple<Files, std::string, Files> cases[] = {
        {{"a.DAT"}, "a.DAT", {}},
        {{"file:///tmp/x%20y.DAT"}, "/tmp/x y.DAT", {}},
        {{"file://localhost/tmp/%E9t%E9.DAT"}, "/tmp/\xE9t\xE9.DAT", {}},
        {{"--reverse", "--", "-a.DAT", "b.DAT", "c.DAT"}, "-a.DAT", {"b.DAT", "c.DAT"}},
    };
    for (const auto& [arguments, open, notOpened] : cases) {
        const CommandLineFiles files = CommandLineFiles::From(arguments);
        EXPECT_EQ(files.open.string(), open);
        EXPECT_EQ(files.notOpened, notOpened);
    }
    MainWindowFixture f;
    WriteBytes(f.dir / "\xE9t\xE9.DAT", MakeDat(kTG6A));
    f.window->OpenGiven(CommandLineFiles::From({(f.dir / "\xE9t\xE9.DAT").string(), "b.DAT"}));
    EXPECT_TRUE(f.window->IsLoaded());
    EXPECT_EQ(f.prompts.messages,
              std::vector<QString>{"Velmora opens one file per window; b.DAT was not opened."});
}

// Every Open asks before it replaces unsaved changes, and No leaves all as it
// was; after a Yes the flag and the history are the new file's, and a failed
// Open keeps the old ones. Save asks before it replaces the opened file that
// another program changed (what counts as changed is the document's), and
// No writes nothing.
TEST(MainDlg, AsksBeforeUnsavedChangesOrAChangedFileAreLost) {
    MainWindowFixture f(kTGUV2, 3);
    f.Do(&CMainDlg::OnDelete, {0});
    const auto state = [&] {
        return std::to_string(f.prompts.questions.size()) + " " +
               std::to_string(f.prompts.openDialogs) + " " +
               std::to_string(f.window->IsModified()) +
               std::to_string(f.window->History().count()) + std::to_string(f.Order(0, 1)[0]);
    };
    f.prompts.answers = {false};
    MenuAction(*f.window, "Open DAT File")->trigger();
    EXPECT_EQ(state(), "1 1 11-1");
    f.prompts.answers = {true};
    f.OpenPath(f.dir / "missing.DAT");
    EXPECT_EQ(state(), "2 2 11-1");
    f.prompts.answers = {true};
    f.OpenPath(f.dir / "radio.DAT");
    EXPECT_EQ(state(), "3 3 000");
    EXPECT_EQ(f.prompts.questions.back(), "Changes are not saved. Open another file anyway?");

    f.Do(&CMainDlg::OnDelete, {0});
    const Bytes changed = MakeDat(kTGUV2, UsedChannels(kTGUV2, 5));
    WriteBytes(f.dir / "radio.DAT", changed);
    for (const bool agreed : {false, true}) {
        f.prompts.answers = {agreed};
        f.Save("radio.DAT");
        EXPECT_EQ(f.prompts.questions.back(),
                  "radio.DAT was changed by another program since it was opened. Replace it "
                  "anyway?");
        EXPECT_EQ(ReadBytes(f.dir / "radio.DAT") == changed, !agreed);
        EXPECT_EQ(f.window->IsModified(), !agreed);
    }
    f.Save("radio.DAT");
    EXPECT_EQ(f.prompts.questions.size(), 5u) << "our own Save changed nothing behind our back";
}

} // namespace
