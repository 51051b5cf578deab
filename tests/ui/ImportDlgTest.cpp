#include "ImportDlg.h"
#include "ChannelListView.h"
#include "DialogUnits.h"
#include "UiHelpers.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QTest>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

using Records = std::vector<Bytes>;
const std::vector<QString> kOpenFailed = {"Open operation failed."};

// A main window with a file open, and an Import file whose records are at
// other frequencies; Import() shows it beside the main window.
struct ImportFixture : MainWindowFixture {
    std::vector<CChannel> mainRecords = UsedChannels(kTGUV2, 30, 14500000, 12500);
    std::vector<CChannel> clubRecords = UsedChannels(kTGUV2, 30, 15500000, 12500);
    Bytes mainDat = MakeDat(kTGUV2, mainRecords);
    Bytes importDat = MakeDat(kTGUV2, clubRecords);

    ImportFixture() { Open(mainDat); }
    std::filesystem::path Write(const Bytes& dat, const std::string& name) {
        WriteBytes(dir / name, dat);
        return dir / name;
    }
    CImportDlg& Import(const std::string& name = "club.DAT") {
        return MainWindowFixture::Import(Write(importDat, name));
    }
    CImportDlg& Dlg() const { return *window->ImportDlg(); }
    // File › "Open DAT File For Import" in the Import window.
    void OpenForImport(const QString& path) {
        prompts.openNames.push_back(path);
        MenuAction(Dlg(), "Open DAT File For Import")->trigger();
    }
    void OpenForImport(const Bytes& dat) { OpenForImport(QPath(Write(dat, "other.DAT"))); }
    // A right click in the Import list; the texts of the menu offered, if any.
    QStringList RightClick(const QString& choose = {}) {
        QStringList texts;
        prompts.onMenu = [&](QMenu& menu) {
            for (QAction* action : menu.actions())
                texts << action->text() + "\t" + action->shortcut().toString();
            return choose.isEmpty() ? nullptr : FakePrompts::FindAction(menu, choose);
        };
        QWidget* viewport = Dlg().List().viewport();
        QContextMenuEvent click(QContextMenuEvent::Mouse, {10, 10},
                                viewport->mapToGlobal(QPoint(10, 10)));
        QCoreApplication::sendEvent(viewport, &click);
        prompts.onMenu = nullptr;
        return texts;
    }
    // What the main window holds once the posted hand-over arrived.
    Records MainClipboard() const {
        QCoreApplication::sendPostedEvents();
        return Contents(window->Clipboard());
    }
    static Records Contents(const std::vector<CChannel>& records, std::vector<int> rows = {}) {
        Records bytes;
        for (std::size_t i = 0; i < (rows.empty() ? records.size() : rows.size()); ++i)
            bytes.push_back(BytesOf(records[rows.empty() ? i : rows[i]]));
        return bytes;
    }
    // The records of the main or the Import file at the given slots.
    Records Main(const std::vector<int>& rows) const { return Contents(mainRecords, rows); }
    Records Club(const std::vector<int>& rows) const { return Contents(clubRecords, rows); }
};

// A file of the other model, a missing one, or one that does not decode in a
// column not shown: the message, no rows, the caption and no menu, until a
// later load succeeds; then the menu offers Copy even with nothing selected.
TEST(ImportLoad, AFailedFirstLoadShowsAnEmptyUntitledWindowUntilALoadSucceeds) {
    for (const std::string kind : {"otherModel", "missing", "undecodableHiddenColumn"}) {
        SCOPED_TRACE(kind);
        ImportFixture f;
        std::vector<CChannel> records = UsedChannels(kTGUV2, 10);
        records[7].bytes[22] = 0x7F; // the step
        if (kind != "missing")
            f.Write(kind == "otherModel" ? MakeDat(kTG6A) : MakeDat(kTGUV2, records), "bad.DAT");
        CImportDlg& import = f.MainWindowFixture::Import(f.dir / "bad.DAT");
        EXPECT_EQ(f.prompts.messages, kOpenFailed);
        EXPECT_TRUE(import.isVisible());
        EXPECT_EQ(import.List().Channels().RowCount(), 0);
        EXPECT_EQ(import.windowTitle(), "IMPORT");
        EXPECT_FALSE(import.IsLoaded());
        EXPECT_TRUE(f.RightClick().isEmpty());
        f.OpenForImport(f.importDat);
        ASSERT_FALSE(import.List().HasSelection());
        EXPECT_EQ(f.RightClick(), QStringList{"Copy\tCtrl+C"});
    }
}

// The title names the file and follows later loads; a cancelled load changes
// nothing; a failed one empties the list but keeps the title, the menu (whose
// Copy then finds nothing selected) and the rows copied before, and the rows
// come back only with the next successful load.
TEST(ImportLoad, TheTitleFollowsTheLoadsAndAFailedOneKeepsTheCopiedRows) {
    ImportFixture f;
    CImportDlg& import = f.Import("club.dat");
    EXPECT_EQ(import.windowTitle(), "club.dat");
    f.OpenForImport(QString());
    EXPECT_EQ(import.windowTitle(), "club.dat");
    f.OpenForImport(f.mainDat);
    EXPECT_EQ(import.windowTitle(), "other.DAT");
    EXPECT_EQ(RowTexts(import.List(), 4), RowTexts(f.List(), 4));
    EXPECT_TRUE(f.prompts.messages.empty());
    f.OpenForImport(QPath(f.dir / "club.dat"));
    SelectRows(import.List(), {2});
    import.OnCopy();

    f.OpenForImport(MakeDat(kTG6A));
    EXPECT_EQ(f.prompts.messages, kOpenFailed);
    EXPECT_EQ(import.List().Channels().RowCount(), 0);
    EXPECT_EQ(import.windowTitle(), "club.dat");
    EXPECT_TRUE(import.IsLoaded());
    EXPECT_EQ(f.RightClick("Copy"), QStringList{"Copy\tCtrl+C"});
    EXPECT_EQ(f.Contents(import.CopiedRows()), f.Club({2}));
    EXPECT_EQ(f.MainClipboard(), f.Club({2}));
    f.ShowAllColumns(true);
    EXPECT_EQ(HeaderTexts(import.List()).size(), 13);
    EXPECT_EQ(import.List().Channels().RowCount(), 0);
    f.OpenForImport(QPath(f.dir / "club.dat"));
    EXPECT_EQ(import.List().Channels().RowCount(), 200);
}

// Ctrl+C, Ctrl+Shift+C and the menu's Copy hand the selected records in row
// order to the main window, through a posted message, never to the desktop's
// clipboard; a Paste there writes them to consecutive rows.
TEST(ImportCopy, RowsReachTheMainClipboardAndPasteThere) {
    ImportFixture f;
    CImportDlg& import = f.Import();
    const Records copied = f.Club({3, 7, 12});
    const std::function<void()> ways[] = {
        [&] { QTest::keyClick(&import.List(), Qt::Key_C, Qt::ControlModifier); },
        [&] {
            QTest::keyClick(&import.List(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        },
        [&] { f.RightClick("Copy"); }};
    for (const auto& copy : ways) {
        f.window->ClearClipboard();
        SelectRows(import.List(), {12, 3, 7});
        QGuiApplication::clipboard()->setText("desktop");
        copy();
        EXPECT_EQ(QGuiApplication::clipboard()->text(), "desktop");
        EXPECT_EQ(f.Contents(import.CopiedRows()), copied);
        EXPECT_TRUE(f.window->Clipboard().empty()) << "posted, not sent";
        EXPECT_EQ(f.MainClipboard(), copied);
    }
    f.Do(&CMainDlg::OnPaste, {20});
    Records expected = f.Main({19});
    expected.insert(expected.end(), copied.begin(), copied.end());
    expected.push_back(f.Main({23}).front());
    Records rows;
    for (int row = 19; row <= 23; ++row)
        rows.push_back(BytesOf(f.Record(row)));
    EXPECT_EQ(rows, expected);
}

// Each Copy replaces what the main window holds; one with nothing selected
// changes nothing; what the main window holds outlives later loads and the
// Import window itself.
TEST(ImportHandOver, EachCopyReplacesTheRowsThatTheMainWindowKeeps) {
    ImportFixture f;
    CImportDlg& import = f.Import();
    SelectRows(import.List(), {2, 3});
    import.OnCopy();
    SelectRows(import.List(), {5});
    import.OnCopy();
    EXPECT_EQ(f.MainClipboard(), f.Club({5}));
    f.Do(&CMainDlg::OnCopy, {0});
    import.List().ClearRowSelection();
    QTest::keyClick(&import.List(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(f.Contents(import.CopiedRows()), f.Club({5}));
    EXPECT_EQ(f.MainClipboard(), f.Main({0}));
    SelectRows(import.List(), {1, 4});
    import.OnCopy();
    EXPECT_EQ(f.MainClipboard(), f.Club({1, 4}));
    f.OpenForImport(f.mainDat);
    delete &import;
    EXPECT_EQ(f.window->ImportDlg(), nullptr);
    EXPECT_EQ(f.MainClipboard(), f.Club({1, 4}));
}

// Import places the window beside the main one at its height, a second time
// without asking for a file, keeping the width the user gave it. Dragged
// bigger and back, the list follows the frame down to the creation size, its
// template place and height at the width it was made.
TEST(ImportPlacement, ImportPlacesTheWindowAgainAndTheListFollowsItsSize) {
    ImportFixture f;
    CImportDlg& import = f.Import();
    const auto expectBesideMainWindow = [&] {
        EXPECT_TRUE(import.isVisible());
        EXPECT_EQ(import.frameGeometry().topLeft(),
                  f.window->frameGeometry().topRight() + QPoint(1, 0));
        EXPECT_EQ(import.frameGeometry().height(), f.window->frameGeometry().height());
    };
    expectBesideMainWindow();
    const QRect list = import.List().geometry();
    import.move(0, 0);
    import.resize(import.size() + QSize(40, 30));
    EXPECT_EQ(import.List().geometry(), list.adjusted(0, 0, 40, 30));
    f.MainWindowFixture::Import({});
    EXPECT_EQ(f.window->ImportDlg(), &import);
    EXPECT_EQ(f.prompts.openDialogs, 2);
    expectBesideMainWindow();
    EXPECT_EQ(import.List().width(), list.width() + 40);
    import.resize(10, 10);
    EXPECT_EQ(import.size(), import.MinimumOuterSize());
    const QRect place = CDialogUnits(import.font()).Rect(7, 7, 160, 185);
    EXPECT_EQ(import.List().geometry(),
              QRect(place.topLeft(), QSize(list.width(), place.height())));
}

// Closing, with the close box, Esc or Enter, only hides the window; Import
// shows it again, without asking for a file, with its file, rows and selection.
TEST(ImportClose, HidesAndImportShowsTheSameFileRowsAndSelection) {
    ImportFixture f;
    CImportDlg& import = f.Import();
    SelectRows(import.List(), {4, 9}, 9);
    const QStringList row9 = RowTexts(import.List(), 9);
    const std::function<void()> ways[] = {[&] { import.close(); },
                                          [&] { QTest::keyClick(&import.List(), Qt::Key_Escape); },
                                          [&] { QTest::keyClick(&import.List(), Qt::Key_Return); }};
    for (const auto& close : ways) {
        close();
        EXPECT_FALSE(import.isVisible());
        f.MainWindowFixture::Import({});
        EXPECT_EQ(f.window->ImportDlg(), &import);
        EXPECT_EQ(f.prompts.openDialogs, 2) << "the main file's and the first Import's";
        EXPECT_TRUE(import.isVisible());
        EXPECT_EQ(import.windowTitle(), "club.DAT");
        EXPECT_EQ(RowTexts(import.List(), 9), row9);
        EXPECT_EQ(import.List().SelectedRows(), (std::vector<int>{4, 9}));
        EXPECT_EQ(import.List().SelectionMark(), 9);
    }
}

// "Show all columns" in the main window changes the hidden window's columns
// and clears its selection, the rows staying.
TEST(ImportColumns, ShowAllColumnsWhileHiddenChangesThemAndClearsTheSelection) {
    ImportFixture f;
    CImportDlg& import = f.Import();
    SelectRows(import.List(), {2, 5});
    const QStringList row5 = RowTexts(import.List(), 5);
    import.close();
    f.ShowAllColumns(true);
    EXPECT_FALSE(import.isVisible());
    EXPECT_EQ(HeaderTexts(import.List()), HeaderTexts(f.List()));
    EXPECT_EQ(HeaderTexts(f.List()).size(), 13);
    EXPECT_EQ(RowTexts(import.List(), 5).mid(0, 4), row5);
    EXPECT_FALSE(import.List().HasSelection());
    f.ShowAllColumns(false);
    EXPECT_EQ(HeaderTexts(import.List()).size(), 4);
    EXPECT_EQ(import.List().Channels().RowCount(), 200);
}

} // namespace
