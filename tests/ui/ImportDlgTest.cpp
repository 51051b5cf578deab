// The Import window: loading, the hand-over of copied rows to the main
// window, its placement, and closing.
#include "BesidePlacer.h"
#include "UiHelpers.h"

#include "ChannelColumns.h"
#include "ChannelCsv.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// A main window with a file open, and the club's file to import beside it.
struct ImportFixture : MainWindowFixture {
    std::vector<CChannel> club = UsedChannels(kTGUV2, 30, 15500000, 12500);

    ImportFixture() : MainWindowFixture(kTGUV2, 30) {
        WriteBytes(dir / "club.DAT", MakeDat(kTGUV2, club));
    }
    void OpenForImport(const std::string& name) {
        prompts.openNames = {name.empty() ? QString() : QPath(dir / name)};
        MenuAction(*window->ImportDlg(), "Open DAT File For Import")->trigger();
    }
    // A right click in the Import list: the menu's item, run if asked.
    QString RightClick(bool copy) {
        QString item;
        prompts.onMenu = [&](QMenu& menu, const QPoint&) {
            item = menu.actions().front()->text() + " " +
                   menu.actions().front()->shortcut().toString();
            return copy ? menu.actions().front() : nullptr;
        };
        QWidget* viewport = window->ImportDlg()->List().viewport();
        QContextMenuEvent click(QContextMenuEvent::Mouse, {10, 10},
                                viewport->mapToGlobal(QPoint(10, 10)));
        QCoreApplication::sendEvent(viewport, &click);
        return item;
    }
    // The RX texts of what the main window holds once the posted hand-over arrived.
    std::string MainClipboard() const {
        QCoreApplication::sendPostedEvents();
        std::string texts;
        for (const CChannel& record : window->Clipboard())
            texts += record.GetFreqText(true) + " ";
        return texts;
    }
};

// A failed load (a file of no radio, a missing one, one that does not decode
// in a column not shown) shows the message and no rows; before any good load
// the title stays "IMPORT" and no menu opens, after one the title and menu
// stay as the last good load left them, and so do the rows copied before.
// Ctrl+Shift+C, like the menu's Copy, hands the selected rows in row order to
// the main window through a posted message, and puts them on the desktop's
// clipboard too.
TEST(ImportDlg, AFailedLoadShowsNoRowsAndKeepsTheTitleMenuAndCopiedRows) {
    for (const std::string kind : {"noRadio", "missing", "undecodableHiddenColumn"}) {
        SCOPED_TRACE(kind);
        ImportFixture f;
        std::vector<CChannel> records = UsedChannels(kTGUV2, 10);
        records[7].bytes[22] = 0x7F; // the step
        if (kind != "missing")
            WriteBytes(f.dir / "bad.DAT",
                       kind == "noRadio" ? Bytes(1234, 0) : MakeDat(kTGUV2, records));
        CImportDlg& import = f.Import(f.dir / "bad.DAT");
        EXPECT_EQ(import.List().Channels().RowCount(), 0);
        EXPECT_EQ(import.windowTitle() + f.RightClick(false), "IMPORT");
        f.OpenForImport("club.DAT");
        f.OpenForImport("");
        import.List().SelectRows({12, 3, 7});
        QGuiApplication::clipboard()->setText("desktop");
        QTest::keyClick(&import.List(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
        EXPECT_TRUE(f.window->Clipboard().empty()) << "handed over once the message arrives";
        EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith(
            "ID\tName\tRX Freq\tTX Freq\n3\t\t155.37500\t"));
        EXPECT_EQ(import.windowTitle() + f.RightClick(false), "club.DATCopy Ctrl+C");
        f.OpenForImport("bad.DAT");
        EXPECT_EQ(f.prompts.messages, std::vector<QString>(2, "Open operation failed."));
        EXPECT_EQ(f.prompts.reasons.back().startsWith("Channel 7 holds a value the radio does not "
                                                      "know in the column \"Step\"."),
                  kind == "undecodableHiddenColumn");
        EXPECT_EQ(import.List().Channels().RowCount(), 0);
        EXPECT_EQ(import.windowTitle() + f.RightClick(true), "club.DATCopy Ctrl+C");
        EXPECT_EQ(f.MainClipboard(), "155.37500 155.87500 156.50000 ")
            << "a Copy of nothing changes nothing";
    }
}

// Import places the window at the main one's height, a second time without
// asking for a file, covering none of its buttons; the list follows the
// frame. Closing, with the
// close box, Esc or Enter, only hides it, with its file, rows and selection;
// "Show all columns" changes its columns while hidden and clears its
// selection.
TEST(ImportDlg, ImportPlacesTheWindowAgainAndClosingOnlyHidesIt) {
    ImportFixture f;
    CImportDlg& import = f.Import(f.dir / "club.DAT");
    const QRect list = import.List().geometry();
    import.resize(import.size() + QSize(40, 30));
    EXPECT_EQ(import.List().geometry(), list.adjusted(0, 0, 40, 30));
    const std::function<void()> ways[] = {[&] { import.close(); },
                                          [&] { QTest::keyClick(&import.List(), Qt::Key_Escape); },
                                          [&] { QTest::keyClick(&import.List(), Qt::Key_Return); }};
    for (const auto& close : ways) {
        import.List().SelectRows({4, 9}, 9);
        import.move(0, 0);
        close();
        EXPECT_FALSE(import.isVisible());
        f.MainWindowFixture::Import({});
        EXPECT_EQ(f.prompts.openDialogs, 2) << "the main file's and the first Import's";
        for (const QPushButton* button : f.window->findChildren<QPushButton*>())
            EXPECT_FALSE(import.frameGeometry().intersects(
                QRect(button->mapToGlobal(QPoint(0, 0)), button->size())))
                << "covers " << button->text().toStdString();
        EXPECT_EQ(import.frameGeometry().height(), f.window->frameGeometry().height());
        EXPECT_EQ(import.windowTitle() + RowTexts(import.List(), 9)[2], "club.DAT156.12500");
        EXPECT_EQ(import.List().SelectedRows(), (std::vector<int>{4, 9}));
        EXPECT_EQ(import.List().SelectionMark(), 9);
    }
    import.close();
    f.ShowAllColumns(true);
    EXPECT_EQ(RowTexts(import.List(), -1), RowTexts(f.List(), -1));
    EXPECT_FALSE(import.List().HasSelection());
}

// Beside the main window where its whole frame fits on the screen, else on
// the other side, else narrower, else over the main window's list but never
// its buttons nor its menu bar, and only on a screen too small for that over
// them; the keys
// of its menus open only its own, every time, never the main window's.
TEST(ImportDlg, PlacedWhereItFitsAndItsMenuKeysAreItsOwn) {
    const QRect screen(0, 0, 1600, 900), wide(300, 50, 1000, 700);
    const QRect buttons(wide.right() - 99, 50, 100, 700);
    const std::tuple<QRect, QSize, int, QRect> cases[] = {
        {{100, 50, 600, 700}, {400, 700}, 400, {700, 50, 400, 700}},
        {{1000, 50, 500, 700}, {918, 700}, 400, {82, 50, 918, 700}},
        {wide, {918, 700}, 250, {1300, 50, 300, 700}},
        {wide, {918, 700}, 400, {0, 80, 918, 700}},
        {{0, 0, 600, 1000}, {400, 1000}, 400, {600, 0, 400, 900}},
        {{0, 0, 1600, 900}, {1700, 900}, 1650, {0, 0, 1600, 900}},
    };
    for (const auto& [owner, frame, minWidth, place] : cases)
        EXPECT_EQ(FrameBeside(owner, frame, minWidth, buttons, screen, 80), place) << owner.x();
    ImportFixture f;
    CImportDlg& import = f.Import(f.dir / "club.DAT");
    import.activateWindow();
    QStringList opened;
    for (const Qt::Key key : {Qt::Key_F, Qt::Key_F, Qt::Key_E, Qt::Key_H, Qt::Key_F}) {
        QTest::keyClick(&import.List(), key, Qt::AltModifier);
        for (QMenu* menu : f.window->findChildren<QMenu*>() + import.findChildren<QMenu*>())
            if (menu->isVisible()) {
                opened << menu->parentWidget()->window()->objectName() + menu->title();
                menu->hide();
            }
    }
    EXPECT_EQ(opened.join(","), "importWindow&File,importWindow&File,importWindow&File");
}

// A CSV file, its ending in any letter case, fills the rows; the lines that
// gave no channel are listed afterwards, numbered as the file's lines. A file
// that is no list of channels keeps what the window showed. Both file
// dialogs offer DAT and CSV files.
TEST(ImportDlg, ACsvFileFillsTheRowsAndListsTheLinesItSkipped) {
    ImportFixture f;
    std::vector<const CChannel*> rows;
    for (const CChannel& record : f.club)
        rows.push_back(&record);
    const std::string csv = ChannelsToCsv(rows, kTGUV2) + "40,,145.5,off\r\n7,,1.5\r\n";
    WriteBytes(f.dir / "club.CSV", Bytes(csv.begin(), csv.end()));
    WriteBytes(f.dir / "notes.csv", Bytes(3, 'x'));
    CImportDlg& import = f.Import(f.dir / "club.CSV");
    EXPECT_EQ(import.windowTitle(), "club.CSV");
    for (int row = 0; row < 30; ++row)
        EXPECT_EQ(TextsOf(*import.List().Channels().RecordAt(row), kTGUV2),
                  TextsOf(f.club[std::size_t(row)], kTGUV2));
    EXPECT_EQ(f.prompts.messages,
              std::vector<QString>{"2 lines of club.CSV could not be imported."});
    EXPECT_EQ(f.prompts.details.back(),
              "Line 32: receive-only channels (Duplex \"off\") cannot be stored in this "
              "radio.\nLine 33: Location 7 was given before, in line 9.");
    f.OpenForImport("notes.csv");
    EXPECT_EQ(f.prompts.messages.back(), "Open operation failed.");
    EXPECT_EQ(import.windowTitle() + QString::number(import.List().Channels().RowCount()),
              "club.CSV200");
    const QStringList both = {"DAT Files (*.DAT)", "CSV Files (*.csv)"};
    EXPECT_EQ(f.prompts.fileKinds, (std::vector<QStringList>{{"DAT Files (*.DAT)"}, both, both}));
}

// A file of the other radio shows its channels as this radio's, each by its
// number through the CSV rules, and lists those that cannot be held.
TEST(ImportDlg, TheOtherRadiosFileIsConverted) {
    std::vector<CChannel> uv2(200, EmptyChannel(kTGUV2));
    uv2[3] = UsedChannel(kTGUV2, 43850000, 43850000);
    uv2[4] = UsedChannel(kTGUV2, 14550000, 14550000);
    uv2[150] = uv2[3];
    MainWindowFixture f(kTG6A, UsedChannels(kTG6A, 2, 43800000));
    WriteBytes(f.dir / "uv2.DAT", MakeDat(kTGUV2, uv2));
    CImportDlg& import = f.Import(f.dir / "uv2.DAT");
    EXPECT_EQ(RowTexts(import.List(), 3).join("|") + RowTexts(import.List(), 4).join("|"),
              "3|438.50000|438.50000"
              "4||");
    EXPECT_EQ(f.prompts.messages.back(), "2 channels of uv2.DAT could not be imported.");
    EXPECT_EQ(f.prompts.details.back(),
              "Channel 4: 145.50000 MHz is outside this TG-6A's band (400\u2013469.995 MHz).\n"
              "Channel 150 has no place on a TG-6A (channels 0\u201399).");
}

} // namespace
