#include "ImportDlg.h"
#include "ChannelListView.h"
#include "DialogUnits.h"
#include "UiHelpers.h"

#include <QCheckBox>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>

using namespace testing_support;

namespace {

const QString kOpenFailed = QStringLiteral("Open operation failed.");
// The record's step byte: a value outside the step table cannot be shown.
constexpr int kStepByte = 22;

// Records in use in rows 0..count-1, each with frequencies of its own.
std::vector<CChannel> NumberedChannels(RadioModel model, int count, int firstRx) {
    std::vector<CChannel> records;
    for (int i = 0; i < count; ++i)
        records.push_back(UsedChannel(model, firstRx + i * 12500, firstRx + i * 12500 + 500000));
    return records;
}

std::vector<Bytes> Contents(const std::vector<CChannel>& records) {
    std::vector<Bytes> bytes;
    for (const CChannel& record : records)
        bytes.emplace_back(record.bytes, record.bytes + CChannel::kSize);
    return bytes;
}

std::vector<Bytes> RecordsOf(const Bytes& dat, std::initializer_list<int> rows) {
    std::vector<CChannel> records;
    for (int row : rows)
        records.push_back(RecordOf(dat, row));
    return Contents(records);
}

// A main window with a file open and, once Import ran, the Import window beside it.
struct ImportFixture : MainWindowFixture {
    Bytes mainDat;
    Bytes importDat;

    explicit ImportFixture(RadioModel model = kTGUV2) {
        const int firstRx = model == kTGUV2 ? 14500000 : 43000000;
        mainDat = MakeDat(model, NumberedChannels(model, 30, firstRx));
        importDat = MakeDat(model, NumberedChannels(model, 30, firstRx + 1000000));
        ChooseModel(model);
        Open(mainDat);
    }

    std::filesystem::path Write(const Bytes& dat, const std::string& name) {
        const std::filesystem::path path = dir / name;
        std::filesystem::create_directories(path.parent_path());
        WriteBytes(path, dat);
        return path;
    }
    // Presses "Import"; the file dialog answers with path.
    CImportDlg& ImportPath(const std::filesystem::path& path) {
        prompts.openNames.push_back(QString::fromStdString(path.string()));
        PressImport();
        return *window->ImportDlg();
    }
    CImportDlg& Import(const Bytes& dat, const std::string& name = "club.DAT") {
        return ImportPath(Write(dat, name));
    }
    CImportDlg& Import() { return Import(importDat); }
    void PressImport() { window->findChild<QPushButton*>(QStringLiteral("importButton"))->click(); }
    // File › "Open DAT File For Import" in the Import window.
    void OpenForImport(const QString& path) {
        prompts.openNames.push_back(path);
        for (QAction* menu : window->ImportDlg()->findChild<QMenuBar*>()->actions())
            for (QAction* item : menu->menu()->actions())
                if (item->text() == QStringLiteral("Open DAT File For Import"))
                    item->trigger();
    }
    void ShowAllColumns(bool on) {
        window->findChild<QCheckBox*>(QStringLiteral("showAllColumns"))->setChecked(on);
    }
    // A right click in the Import list; returns the texts of the menu offered, if any.
    QStringList RightClick(const QString& choose = {}) {
        QStringList texts;
        prompts.onMenu = [&](QMenu& menu) {
            for (QAction* action : menu.actions())
                texts << action->text();
            return choose.isEmpty() ? nullptr : FakePrompts::FindAction(menu, choose);
        };
        QWidget* viewport = window->ImportDlg()->List().viewport();
        QContextMenuEvent click(QContextMenuEvent::Mouse, {10, 10},
                                viewport->mapToGlobal(QPoint(10, 10)));
        QCoreApplication::sendEvent(viewport, &click);
        prompts.onMenu = nullptr;
        return texts;
    }
    std::vector<Bytes> MainClipboard() const { return Contents(window->Clipboard()); }
};

} // namespace

struct ColumnCase {
    RadioModel model;
    bool showAll;
    QStringList headers;
};

class ImportColumns : public testing::TestWithParam<ColumnCase> {};

TEST_P(ImportColumns, RowsAndColumnsMatchTheMainList) {
    const ColumnCase& c = GetParam();
    ImportFixture f(c.model);
    f.ShowAllColumns(c.showAll);
    CImportDlg& import = f.Import(f.mainDat);

    const int rows = ChannelCount(c.model);
    EXPECT_EQ(HeaderTexts(import.List()), c.headers);
    ASSERT_EQ(import.List().Channels().RowCount(), rows);
    EXPECT_EQ(RowTexts(import.List(), rows - 1).front(), QString::number(rows - 1));
    // The same file shows the same texts in both windows.
    for (int row = 0; row < rows; ++row)
        ASSERT_EQ(RowTexts(import.List(), row), RowTexts(f.List(), row)) << "row " << row;
}

INSTANTIATE_TEST_SUITE_P(
    BothModels, ImportColumns,
    testing::Values(ColumnCase{kTGUV2, false, {"ID", "Name", "RX Freq", "TX Freq"}},
                    ColumnCase{kTGUV2,
                               true,
                               {"ID", "Name", "RX Freq", "TX Freq", "QT/DQT Dec", "QT/DQT Enc",
                                "Step", "Reverse", "TX Power", "Scramble", "W/N", "Range", "Scan"}},
                    ColumnCase{kTG6A, false, {"ID", "RX Freq", "TX Freq"}},
                    ColumnCase{kTG6A,
                               true,
                               {"ID", "RX Freq", "TX Freq", "QT/DQT Dec", "QT/DQT Enc", "Step",
                                "Reverse", "TX Power", "Scramble", "W/N", "Busy Set"}}));

struct BadFile {
    const char* what;
    Bytes (*make)();
};

class ImportFailedFirstLoad : public testing::TestWithParam<BadFile> {};

TEST_P(ImportFailedFirstLoad, ShowsTheMessageAndAnEmptyUntitledWindow) {
    ImportFixture f;
    const Bytes dat = GetParam().make();
    CImportDlg& import =
        f.ImportPath(dat.empty() ? f.dir / "missing.DAT" : f.Write(dat, "bad.DAT"));

    EXPECT_EQ(f.prompts.messages, std::vector<QString>{kOpenFailed});
    EXPECT_TRUE(import.isVisible());
    EXPECT_EQ(import.List().Channels().RowCount(), 0);
    EXPECT_EQ(HeaderTexts(import.List()).size(), 4);
    EXPECT_EQ(import.windowTitle(), QStringLiteral("IMPORT"));
    EXPECT_FALSE(import.IsLoaded());
    EXPECT_TRUE(f.RightClick().isEmpty());
    EXPECT_EQ(f.prompts.menus, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ImportFailedFirstLoad,
    testing::Values(BadFile{"OtherModel", [] { return MakeDat(kTG6A); }},
                    BadFile{"Missing", [] { return Bytes{}; }}, // no file is written
                    // The step column is not shown, yet the file must decode in every column.
                    BadFile{"UndecodableHiddenColumn",
                            [] {
                                std::vector<CChannel> records =
                                    NumberedChannels(kTGUV2, 10, 14500000);
                                records[7].bytes[kStepByte] = 0x7F;
                                return MakeDat(kTGUV2, records);
                            }}),
    [](const testing::TestParamInfo<BadFile>& testCase) { return testCase.param.what; });

TEST(ImportLoad, TitleNamesTheFileAndFollowsLaterLoads) {
    ImportFixture f;
    CImportDlg& import = f.Import(f.importDat, "radio/club.dat");
    EXPECT_EQ(import.windowTitle(), QStringLiteral("club.dat"));
    EXPECT_TRUE(import.IsLoaded());

    f.OpenForImport({}); // cancelled
    EXPECT_EQ(import.windowTitle(), QStringLiteral("club.dat"));
    EXPECT_EQ(import.List().Channels().RowCount(), 200);

    f.OpenForImport(QString::fromStdString(f.Write(f.mainDat, "other.DAT").string()));
    EXPECT_EQ(import.windowTitle(), QStringLiteral("other.DAT"));
    EXPECT_EQ(RowTexts(import.List(), 4), RowTexts(f.List(), 4));
    EXPECT_TRUE(f.prompts.messages.empty());
}

TEST(ImportLoad, FailedLaterLoadKeepsTitleMenuAndCopiedRows) {
    ImportFixture f;
    CImportDlg& import = f.Import();
    SelectRows(import.List(), {2});
    import.OnCopy();
    QCoreApplication::sendPostedEvents();

    f.OpenForImport(QString::fromStdString(f.Write(MakeDat(kTG6A), "small.DAT").string()));
    EXPECT_EQ(f.prompts.messages, std::vector<QString>{kOpenFailed});
    EXPECT_EQ(import.List().Channels().RowCount(), 0);
    EXPECT_EQ(import.windowTitle(), QStringLiteral("club.DAT"));
    EXPECT_TRUE(import.IsLoaded());

    // The menu is still offered; its Copy finds nothing selected.
    EXPECT_EQ(f.RightClick(QStringLiteral("Copy")), QStringList{QStringLiteral("Copy\tCtrl+C")});
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(Contents(import.CopiedRows()), RecordsOf(f.importDat, {2}));
    EXPECT_EQ(f.MainClipboard(), RecordsOf(f.importDat, {2}));

    // Rows come back only with the next successful load.
    f.ShowAllColumns(true);
    EXPECT_EQ(HeaderTexts(import.List()).size(), 13);
    EXPECT_EQ(import.List().Channels().RowCount(), 0);
    f.OpenForImport(QString::fromStdString((f.dir / "club.DAT").string()));
    EXPECT_EQ(import.List().Channels().RowCount(), 200);
}

TEST(ImportContextMenu, OffersCopyOnlyAfterALoadEvenWithNothingSelected) {
    ImportFixture f;
    CImportDlg& import = f.Import(MakeDat(kTG6A));
    EXPECT_TRUE(f.RightClick().isEmpty());

    f.OpenForImport(QString::fromStdString(f.Write(f.importDat, "good.DAT").string()));
    ASSERT_FALSE(import.List().HasSelection());
    EXPECT_EQ(f.RightClick(), QStringList{QStringLiteral("Copy\tCtrl+C")});
    EXPECT_EQ(f.prompts.menus, 1);
}

struct CopyWay {
    const char* what;
    void (*copy)(ImportFixture& f);
};

class ImportCopy : public testing::TestWithParam<CopyWay> {};

TEST_P(ImportCopy, RowsReachTheMainClipboardAndPasteThere) {
    ImportFixture f;
    CImportDlg& import = f.Import();
    SelectRows(import.List(), {12, 3, 7});
    // The key is the window's: the list never gets to copy a cell to the desktop.
    QGuiApplication::clipboard()->setText(QStringLiteral("desktop"));
    GetParam().copy(f);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("desktop"));

    const std::vector<Bytes> copied = RecordsOf(f.importDat, {3, 7, 12});
    EXPECT_EQ(Contents(import.CopiedRows()), copied);
    EXPECT_EQ(import.List().SelectedRows(), (std::vector<int>{3, 7, 12}));
    EXPECT_TRUE(f.window->Clipboard().empty()) << "posted, not sent";
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(f.MainClipboard(), copied);

    SelectRows(f.List(), {20});
    f.window->OnPaste();
    std::vector<CChannel> rows19To23;
    for (int row = 19; row <= 23; ++row)
        rows19To23.push_back(f.Record(row));
    std::vector<Bytes> expected = RecordsOf(f.mainDat, {19});
    expected.insert(expected.end(), copied.begin(), copied.end());
    expected.push_back(RecordsOf(f.mainDat, {23}).front());
    EXPECT_EQ(Contents(rows19To23), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ImportCopy,
    testing::Values(CopyWay{"CtrlC",
                            [](ImportFixture& f) {
                                QTest::keyClick(&f.window->ImportDlg()->List(), Qt::Key_C,
                                                Qt::ControlModifier);
                            }},
                    CopyWay{"CtrlShiftC",
                            [](ImportFixture& f) {
                                QTest::keyClick(&f.window->ImportDlg()->List(), Qt::Key_C,
                                                Qt::ControlModifier | Qt::ShiftModifier);
                            }},
                    CopyWay{"ContextMenu",
                            [](ImportFixture& f) { f.RightClick(QStringLiteral("Copy")); }}),
    [](const testing::TestParamInfo<CopyWay>& testCase) { return testCase.param.what; });

TEST(ImportHandOver, EachCopyReplacesTheRowsAndNothingSelectedChangesNothing) {
    ImportFixture f;
    CImportDlg& import = f.Import();
    SelectRows(import.List(), {2, 3});
    import.OnCopy();
    SelectRows(import.List(), {5});
    import.OnCopy();
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(f.MainClipboard(), RecordsOf(f.importDat, {5}));
    SelectRows(f.List(), {0});
    f.window->OnCopy();

    import.List().ClearRowSelection();
    QTest::keyClick(&import.List(), Qt::Key_C, Qt::ControlModifier);
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(Contents(import.CopiedRows()), RecordsOf(f.importDat, {5}));
    EXPECT_EQ(f.MainClipboard(), RecordsOf(f.mainDat, {0}));
}

TEST(ImportHandOver, MainClipboardOutlivesLaterLoadsAndTheWindow) {
    ImportFixture f;
    CImportDlg& import = f.Import();
    SelectRows(import.List(), {1, 4});
    import.OnCopy();
    QCoreApplication::sendPostedEvents();

    f.OpenForImport(QString::fromStdString(f.Write(f.mainDat, "other.DAT").string()));
    delete &import;
    EXPECT_EQ(f.window->ImportDlg(), nullptr);
    EXPECT_EQ(f.MainClipboard(), RecordsOf(f.importDat, {1, 4}));
}

namespace {

void ExpectBesideMainWindow(const ImportFixture& f) {
    const QRect main = f.window->frameGeometry();
    const QRect import = f.window->ImportDlg()->frameGeometry();
    EXPECT_TRUE(f.window->ImportDlg()->isVisible());
    EXPECT_EQ(import.left(), main.right() + 1);
    EXPECT_EQ(import.top(), main.top());
    EXPECT_EQ(import.height(), main.height());
}

} // namespace

TEST(ImportPlacement, SecondImportAsksNothingAndPlacesTheWindowAgain) {
    ImportFixture f;
    CImportDlg& import = f.Import();
    ExpectBesideMainWindow(f);
    const int width = import.width();

    import.move(0, 0);
    import.resize(width + 50, import.MinimumOuterSize().height());
    const int dialogs = f.prompts.openDialogs;
    f.PressImport();
    EXPECT_EQ(f.window->ImportDlg(), &import);
    EXPECT_EQ(f.prompts.openDialogs, dialogs);
    ExpectBesideMainWindow(f);
    EXPECT_EQ(import.width(), width + 50);
}

struct CloseWay {
    const char* what;
    void (*close)(CImportDlg& import);
};

class ImportClose : public testing::TestWithParam<CloseWay> {};

TEST_P(ImportClose, HidesAndImportShowsTheSameFileRowsAndSelection) {
    ImportFixture f;
    CImportDlg& import = f.Import();
    SelectRows(import.List(), {4, 9}, 9);
    const QStringList row9 = RowTexts(import.List(), 9);

    GetParam().close(import);
    EXPECT_FALSE(import.isVisible());
    ASSERT_EQ(f.window->ImportDlg(), &import);

    f.PressImport();
    EXPECT_EQ(f.prompts.openDialogs, 2);
    EXPECT_TRUE(import.isVisible());
    EXPECT_EQ(import.windowTitle(), QStringLiteral("club.DAT"));
    EXPECT_EQ(RowTexts(import.List(), 9), row9);
    EXPECT_EQ(import.List().SelectedRows(), (std::vector<int>{4, 9}));
    EXPECT_EQ(import.List().SelectionMark(), 9);
}

INSTANTIATE_TEST_SUITE_P(
    Ways, ImportClose,
    testing::Values(
        CloseWay{"CloseBox", [](CImportDlg& import) { import.close(); }},
        CloseWay{"Escape",
                 [](CImportDlg& import) { QTest::keyClick(&import.List(), Qt::Key_Escape); }},
        CloseWay{"Enter",
                 [](CImportDlg& import) { QTest::keyClick(&import.List(), Qt::Key_Return); }}),
    [](const testing::TestParamInfo<CloseWay>& testCase) { return testCase.param.what; });

TEST(ImportResize, ListFollowsTheFrameDownToTheCreationSize) {
    ImportFixture f;
    CImportDlg& import = f.Import();
    const QRect list = import.List().geometry();

    import.resize(import.size() + QSize(40, 30));
    EXPECT_EQ(import.List().geometry(), list.adjusted(0, 0, 40, 30));

    // At its smallest the window is as created: the list at its template place.
    import.resize(10, 10);
    EXPECT_EQ(import.size(), import.MinimumOuterSize());
    EXPECT_EQ(import.List().geometry(), CDialogUnits(import.font()).Rect(7, 7, 160, 185));
}

TEST(ImportColumnsWhileHidden, ShowAllColumnsChangesThemAndClearsTheSelection) {
    ImportFixture f;
    CImportDlg& import = f.Import();
    SelectRows(import.List(), {2, 5});
    const QStringList row5 = RowTexts(import.List(), 5);
    import.close();

    f.ShowAllColumns(true);
    EXPECT_FALSE(import.isVisible());
    EXPECT_EQ(HeaderTexts(import.List()), HeaderTexts(f.List()));
    EXPECT_EQ(HeaderTexts(import.List()).size(), 13);
    EXPECT_EQ(RowTexts(import.List(), 5).mid(0, 4), row5);
    EXPECT_FALSE(import.List().HasSelection());

    f.ShowAllColumns(false);
    EXPECT_EQ(HeaderTexts(import.List()).size(), 4);
    EXPECT_EQ(import.List().Channels().RowCount(), 200);
}

TEST(ImportLook, RendersBesideTheMainWindow) {
    ImportFixture f;
    CImportDlg& import = f.Import();
    SelectRows(import.List(), {1, 3});
    // Unlike the main list, this one shows no selection while it lacks the focus.
    const QPalette colours = import.List().palette();
    EXPECT_EQ(colours.color(QPalette::Inactive, QPalette::Highlight),
              colours.color(QPalette::Inactive, QPalette::Base));
    import.List().setFocus();
    const QPixmap main = f.window->grab();
    const QPixmap side = import.grab();
    QImage both(main.width() + side.width() + 8, std::max(main.height(), side.height()),
                QImage::Format_RGB32);
    both.fill(Qt::darkGray);
    QPainter painter(&both);
    painter.drawPixmap(0, 0, main);
    painter.drawPixmap(main.width() + 8, 0, side);
    painter.end();
    const QString folder = qEnvironmentVariable("VELMORA_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    EXPECT_TRUE(both.save(folder + QStringLiteral("/import-window.png")));
}
