#include "ChannelListView.h"
#include "ParamName.h"
#include "UiHelpers.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

const QString kOpenFailed = QStringLiteral("Open operation failed.");
const QString kExitQuestion = QStringLiteral("Changes are not saved. Exit anyway?");

QAction* MenuAction(CMainDlg& window, const QString& text) {
    for (QAction* menu : window.findChild<QMenuBar*>()->actions())
        for (QAction* action : menu->menu()->actions())
            if (action->text() == text)
                return action;
    return nullptr;
}

std::vector<CChannel> Channels(RadioModel model, int count) {
    std::vector<CChannel> records;
    for (int i = 0; i < count; ++i)
        records.push_back(UsedChannel(model, 14500000 + i * 2500, 14500000 + i * 2500));
    return records;
}

QStringList EnabledButtons(CMainDlg& window) {
    QStringList names;
    for (QPushButton* button : window.findChildren<QPushButton*>())
        if (button->isEnabled())
            names << button->text();
    names.sort();
    return names;
}

} // namespace

TEST(MainDlgStart, ShowsNoFileState) {
    MainWindowFixture f;
    EXPECT_EQ(f.window->windowTitle(), QStringLiteral("Velmora"));
    EXPECT_EQ(f.window->findChild<QComboBox*>(QStringLiteral("modeBox"))->currentText(),
              QStringLiteral("TG-UV2"));
    EXPECT_EQ(HeaderTexts(f.List()), (QStringList{"ID", "Name", "RX Freq", "TX Freq"}));
    EXPECT_EQ(f.List().Channels().RowCount(), 0);
    EXPECT_EQ(EnabledButtons(*f.window), (QStringList{"Exit", "Open DAT"}));
    EXPECT_FALSE(MenuAction(*f.window, QStringLiteral("Save DAT File"))->isEnabled());
    EXPECT_FALSE(f.window->IsModified());
}

struct ColumnCase {
    RadioModel model;
    bool showAll;
    QStringList headers;
};

class MainDlgColumns : public testing::TestWithParam<ColumnCase> {};

TEST_P(MainDlgColumns, FollowModelAndShowAll) {
    const ColumnCase& c = GetParam();
    MainWindowFixture f;
    f.ChooseModel(c.model);
    f.window->findChild<QCheckBox*>(QStringLiteral("showAllColumns"))->setChecked(c.showAll);
    EXPECT_EQ(HeaderTexts(f.List()), c.headers);
    // Loading afterwards keeps the set and fills every column.
    f.Open(MakeDat(c.model, Channels(c.model, 1)));
    ASSERT_EQ(f.List().Channels().RowCount(), ChannelCount(c.model));
    EXPECT_EQ(RowTexts(f.List(), 0).size(), c.headers.size());
    EXPECT_EQ(RowTexts(f.List(), ChannelCount(c.model) - 1).front(),
              QString::number(ChannelCount(c.model) - 1));
    for (int column = 0; column < c.headers.size(); ++column)
        EXPECT_GE(f.List().columnWidth(column),
                  f.List().fontMetrics().horizontalAdvance(c.headers[column]))
            << c.headers[column].toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Sets, MainDlgColumns,
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

TEST(MainDlgOpen, LoadsFileAndLocksModel) {
    MainWindowFixture f;
    f.Open(MakeDat(kTGUV2, Channels(kTGUV2, 3)), "mine.DAT");
    EXPECT_TRUE(f.prompts.messages.empty());
    EXPECT_EQ(f.window->windowTitle(), QStringLiteral("Velmora - mine.DAT"));
    EXPECT_EQ(RowTexts(f.List(), 2), (QStringList{"2", "      ", "145.05000", "145.05000"}));
    EXPECT_EQ(RowTexts(f.List(), 3), (QStringList{"3", "", "", ""}));
    EXPECT_FALSE(f.window->findChild<QComboBox*>(QStringLiteral("modeBox"))->isEnabled());
    EXPECT_EQ(EnabledButtons(*f.window).size(), 9);
    EXPECT_TRUE(MenuAction(*f.window, QStringLiteral("Save DAT File"))->isEnabled());
    EXPECT_FALSE(f.window->IsModified());
}

TEST(MainDlgOpen, CancelledDialogChangesNothing) {
    MainWindowFixture f;
    f.window->OnOpen();
    EXPECT_EQ(f.prompts.openDialogs, 1);
    EXPECT_FALSE(f.window->IsLoaded());
    EXPECT_TRUE(f.prompts.messages.empty());
}

struct BadFileCase {
    const char* name;
    std::function<void(const std::filesystem::path&)> make;
};

class MainDlgOpenFailure : public testing::TestWithParam<BadFileCase> {};

TEST_P(MainDlgOpenFailure, FirstOpenFailsBackToNoFileState) {
    MainWindowFixture f;
    const auto path = f.dir / "bad.DAT";
    GetParam().make(path);
    f.prompts.openNames.push_back(QString::fromStdString(path.string()));
    f.window->OnOpen();
    EXPECT_EQ(f.prompts.messages, std::vector<QString>{kOpenFailed});
    EXPECT_EQ(f.List().Channels().RowCount(), 0);
    EXPECT_FALSE(f.window->IsLoaded());
    EXPECT_TRUE(f.window->findChild<QComboBox*>(QStringLiteral("modeBox"))->isEnabled());
    EXPECT_EQ(f.window->windowTitle(), QStringLiteral("Velmora"));
}

TEST_P(MainDlgOpenFailure, LaterOpenFailsLeavingWindowAsItWas) {
    MainWindowFixture f;
    f.Open(MakeDat(kTGUV2, Channels(kTGUV2, 20)), "good.DAT");
    SelectRows(f.List(), {4, 6});
    f.window->OnUp();
    const Bytes before = f.Save("before.DAT");
    f.window->OnDown();
    ASSERT_TRUE(f.window->IsModified());
    const CDatFile* file = f.window->DatFile();

    const auto path = f.dir / "bad.DAT";
    GetParam().make(path);
    f.prompts.openNames.push_back(QString::fromStdString(path.string()));
    f.window->OnOpen();

    EXPECT_EQ(f.prompts.messages, std::vector<QString>{kOpenFailed});
    EXPECT_EQ(f.window->DatFile(), file);
    EXPECT_EQ(f.window->windowTitle(), QStringLiteral("Velmora - good.DAT"));
    EXPECT_TRUE(f.window->IsModified());
    EXPECT_EQ(f.List().SelectedRows(), (std::vector<int>{4, 6}));
    EXPECT_EQ(f.List().Channels().RowCount(), 200);
    f.window->OnUp();
    EXPECT_EQ(f.Save("after.DAT"), before);
}

INSTANTIATE_TEST_SUITE_P(
    Files, MainDlgOpenFailure,
    testing::Values(
        BadFileCase{"missing", [](const std::filesystem::path&) {}},
        BadFileCase{"folder",
                    [](const std::filesystem::path& p) { std::filesystem::create_directory(p); }},
        BadFileCase{"otherModel",
                    [](const std::filesystem::path& p) { WriteBytes(p, MakeDat(kTG6A)); }},
        BadFileCase{"oneByteShort",
                    [](const std::filesystem::path& p) {
                        Bytes dat = MakeDat(kTGUV2);
                        dat.pop_back();
                        WriteBytes(p, dat);
                    }},
        BadFileCase{"undecodableHiddenColumn",
                    [](const std::filesystem::path& p) {
                        std::vector<CChannel> records = Channels(kTGUV2, 5);
                        records[4].bytes[16] = 7; // TX tone kind, shown only with all columns
                        WriteBytes(p, MakeDat(kTGUV2, records));
                    }}),
    ParamName());

TEST(MainDlgSave, WritesRowOrderAndClearsFlagButKeepsTitle) {
    MainWindowFixture f;
    const Bytes original = MakeDat(kTGUV2, Channels(kTGUV2, 3));
    f.Open(original, "mine.DAT");
    SelectRows(f.List(), {1});
    f.window->OnUp();
    ASSERT_TRUE(f.window->IsModified());
    const Bytes saved = f.Save("other.DAT");
    EXPECT_FALSE(f.window->IsModified());
    EXPECT_EQ(f.window->windowTitle(), QStringLiteral("Velmora - mine.DAT"));
    Bytes expected = original;
    std::copy_n(&original[90 + 44], 44, &expected[90]);
    std::copy_n(&original[90], 44, &expected[90 + 44]);
    EXPECT_EQ(saved, expected);
}

TEST(MainDlgSave, FailureKeepsFlagAndReports) {
    MainWindowFixture f;
    f.Open(MakeDat(kTGUV2, Channels(kTGUV2, 3)));
    f.window->OnDelete();
    SelectRows(f.List(), {0});
    f.window->OnDelete();
    f.prompts.saveNames.push_back(QString::fromStdString((f.dir / "no/such/folder.DAT").string()));
    f.window->OnSave();
    EXPECT_EQ(f.prompts.messages, std::vector<QString>{QStringLiteral("Save operation failed.")});
    EXPECT_TRUE(f.window->IsModified());
}

TEST(MainDlgSave, ShowAllColumnsKeepsOrderAndClearsSelection) {
    MainWindowFixture f;
    f.Open(MakeDat(kTGUV2, Channels(kTGUV2, 10)));
    SelectRows(f.List(), {3, 7});
    f.window->OnDown15();
    const Bytes before = f.Save("before.DAT");
    SelectRows(f.List(), {1, 2});
    f.window->findChild<QCheckBox*>(QStringLiteral("showAllColumns"))->setChecked(true);
    EXPECT_FALSE(f.List().HasSelection());
    EXPECT_EQ(f.Save("after.DAT"), before);
    for (int row = 0; row < 200; ++row)
        EXPECT_EQ(f.List().Channels().RecordAt(row), &f.Record(0) + row);
}

struct CloseCase {
    const char* name;
    std::function<void(CMainDlg&)> close;
};

class MainDlgClose : public testing::TestWithParam<CloseCase> {
protected:
    void Run(MainWindowFixture& f) {
        GetParam().close(*f.window);
        QCoreApplication::sendPostedEvents();
    }
};

TEST_P(MainDlgClose, AsksOnlyWhileModified) {
    MainWindowFixture f;
    f.Open(MakeDat(kTGUV2, Channels(kTGUV2, 3)));
    Run(f);
    EXPECT_TRUE(f.prompts.questions.empty());
    EXPECT_FALSE(f.window->isVisible());
}

TEST_P(MainDlgClose, NoKeepsWindowYesCloses) {
    MainWindowFixture f;
    f.Open(MakeDat(kTGUV2, Channels(kTGUV2, 3)));
    SelectRows(f.List(), {0});
    f.window->OnDelete();
    f.prompts.answers = {false};
    Run(f);
    EXPECT_EQ(f.prompts.questions, std::vector<QString>{kExitQuestion});
    EXPECT_TRUE(f.window->isVisible());
    EXPECT_TRUE(f.window->IsModified());
    f.prompts.answers = {true};
    Run(f);
    EXPECT_FALSE(f.window->isVisible());
}

TEST_P(MainDlgClose, SecondOpenKeepsFlag) {
    MainWindowFixture f;
    f.Open(MakeDat(kTGUV2, Channels(kTGUV2, 3)));
    SelectRows(f.List(), {0});
    f.window->OnDelete();
    f.Open(MakeDat(kTGUV2), "second.DAT");
    EXPECT_TRUE(f.prompts.questions.empty());
    Run(f);
    EXPECT_EQ(f.prompts.questions.size(), 1u);
    EXPECT_TRUE(f.window->isVisible());
}

INSTANTIATE_TEST_SUITE_P(
    Ways, MainDlgClose,
    testing::Values(CloseCase{"closeBox", [](CMainDlg& w) { w.close(); }},
                    CloseCase{"exitButton",
                              [](CMainDlg& w) {
                                  w.findChild<QPushButton*>(QStringLiteral("exitButton"))->click();
                              }},
                    CloseCase{
                        "fileExit",
                        [](CMainDlg& w) { MenuAction(w, QStringLiteral("Exit"))->trigger(); }}),
    ParamName());

TEST(MainDlgKeys, EnterAndEscDoNothing) {
    MainWindowFixture f;
    f.Open(MakeDat(kTGUV2, Channels(kTGUV2, 3)));
    SelectRows(f.List(), {0});
    f.window->OnDelete();
    for (auto key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(&f.List(), key);
        QTest::keyClick(f.window.get(), key);
    }
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(f.window->isVisible());
    EXPECT_TRUE(f.prompts.questions.empty());
}

TEST(MainDlgGeometry, ResizeMovesControlsAndStopsAtCreationSize) {
    MainWindowFixture f;
    const QSize start = f.window->size();
    EXPECT_EQ(f.window->MinimumOuterSize(), start);
    auto* list = &f.List();
    const QRect listBefore = list->geometry();
    std::vector<std::pair<QPushButton*, QPoint>> buttons;
    for (QPushButton* button : f.window->findChildren<QPushButton*>())
        buttons.emplace_back(button, button->pos());
    auto* check = f.window->findChild<QCheckBox*>();
    const QPoint checkBefore = check->pos();

    f.window->resize(start + QSize(40, 30));
    QCoreApplication::processEvents();
    EXPECT_EQ(list->geometry(), listBefore.adjusted(0, 0, 40, 30));
    for (const auto& [button, pos] : buttons) {
        const QPoint shift =
            button->objectName() == QStringLiteral("exitButton") ? QPoint(40, 30) : QPoint(40, 0);
        EXPECT_EQ(button->pos(), pos + shift) << button->text().toStdString();
    }
    EXPECT_EQ(check->pos(), checkBefore);

    f.window->resize(start - QSize(100, 100));
    QCoreApplication::processEvents();
    EXPECT_EQ(f.window->size(), start);
    EXPECT_EQ(list->geometry(), listBefore);
}

TEST(MainDlgGeometry, NoControlOverlapsAnother) {
    MainWindowFixture f;
    const auto controls =
        f.window->findChild<QPushButton*>()->parentWidget()->findChildren<QWidget*>(
            QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* a : controls) {
        EXPECT_GE(a->width(), a->minimumSizeHint().width()) << a->objectName().toStdString();
        for (QWidget* b : controls) {
            if (a != b && a->isVisible() && b->isVisible()) {
                EXPECT_FALSE(a->geometry().intersects(b->geometry()))
                    << a->objectName().toStdString() << " / " << b->objectName().toStdString();
            }
        }
    }
}

TEST(MainDlgLook, RendersWithAllColumns) {
    MainWindowFixture f;
    std::vector<CChannel> records = Channels(kTGUV2, 40);
    records[3].SetNameText("REPT 1");
    records[4].SetToneSelection(60, true);
    records[5].SetFrequencies(43850000, 43110000, 6, 4, kTGUV2);
    f.Open(MakeDat(kTGUV2, records));
    f.window->findChild<QCheckBox*>(QStringLiteral("showAllColumns"))->setChecked(true);
    SelectRows(f.List(), {3, 5});
    // Widened as a user would, until every column shows.
    const int missing = f.List().horizontalHeader()->length() - f.List().viewport()->width() +
                        f.List().verticalScrollBar()->width();
    f.window->resize(f.window->size() + QSize(missing, 0));
    QCoreApplication::processEvents();
    SaveScreenshot(*f.window, QStringLiteral("main-window"));
    EXPECT_EQ(f.List().Channels().RowCount(), 200);
}

TEST(MainDlgAbout, ShowsVersionYearAndFreewareLine) {
    MainWindowFixture f;
    QStringList texts;
    QString title;
    f.prompts.onModal = [&](QDialog& dialog) {
        title = dialog.windowTitle();
        for (QLabel* label : dialog.findChildren<QLabel*>())
            if (!label->text().isEmpty())
                texts << label->text();
        SaveScreenshot(dialog, QStringLiteral("about"));
        return QDialog::Accepted;
    };
    MenuAction(*f.window, QStringLiteral("&About Velmora..."))->trigger();
    EXPECT_EQ(f.prompts.modalDialogs, 1);
    EXPECT_EQ(title, QStringLiteral("About Velmora"));
    ASSERT_EQ(texts.size(), 3);
    EXPECT_EQ(texts[0], QStringLiteral("Velmora Version 1.3"));
    EXPECT_TRUE(texts[1].contains(QString::fromLatin1(__DATE__ + 7)));
    EXPECT_TRUE(texts[2].contains(QStringLiteral("freeware")));
}
