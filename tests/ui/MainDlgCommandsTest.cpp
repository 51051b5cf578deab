#include "ChannelListView.h"
#include "ParamName.h"
#include "UiHelpers.h"

#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// A TG-UV2 or TG-6A file whose record in slot i has RX frequency 145 MHz + i * 25 kHz
// (the TG-6A file's radio is a VHF one), so a record's slot can be read off its text.
struct ListFixture : MainWindowFixture {
    explicit ListFixture(RadioModel model = kTGUV2, int used = 200) {
        ChooseModel(model);
        std::vector<CChannel> records;
        for (int i = 0; i < used; ++i)
            records.push_back(UsedChannel(model, 14500000 + i * 2500, 14500000 + i * 2500));
        Open(MakeDat(model, records, false));
    }
    // The slot number that each row's record came from, -1 for an empty record.
    std::vector<int> Order() const {
        std::vector<int> order;
        for (int row = 0; row < List().Channels().RowCount(); ++row) {
            std::string text = Record(row).GetFreqText(true);
            std::erase(text, '.');
            order.push_back(text.empty() ? -1 : (std::stoi(text) - 14500000) / 2500);
        }
        return order;
    }
    std::vector<int> Identity() const {
        std::vector<int> order(static_cast<std::size_t>(List().Channels().RowCount()));
        for (std::size_t i = 0; i < order.size(); ++i)
            order[i] = static_cast<int>(i);
        return order;
    }
};

} // namespace

TEST(MainDlgMove, UpMovesScatteredRowsAndTheirSelection) {
    ListFixture f;
    SelectRows(f.List(), {3, 4, 7}, 7);
    f.window->OnUp();
    std::vector<int> expected = f.Identity();
    expected[2] = 3, expected[3] = 4, expected[4] = 2, expected[6] = 7, expected[7] = 6;
    EXPECT_EQ(f.Order(), expected);
    EXPECT_EQ(f.List().SelectedRows(), (std::vector<int>{2, 3, 6}));
    EXPECT_EQ(f.List().SelectionMark(), 2);
    EXPECT_EQ(RowTexts(f.List(), 4).front(), QStringLiteral("4"));
    EXPECT_TRUE(f.window->IsModified());
}

TEST(MainDlgMove, DownMovesScatteredRowsAndTheirSelection) {
    ListFixture f;
    SelectRows(f.List(), {3, 4, 7});
    f.window->OnDown();
    std::vector<int> expected = f.Identity();
    expected[3] = 5, expected[4] = 3, expected[5] = 4, expected[7] = 8, expected[8] = 7;
    EXPECT_EQ(f.Order(), expected);
    EXPECT_EQ(f.List().SelectedRows(), (std::vector<int>{4, 5, 8}));
    EXPECT_EQ(f.List().SelectionMark(), 4);
}

struct EdgeCase {
    const char* name;
    std::vector<int> rows;
    void (CMainDlg::*command)();
};

class MainDlgMoveEdge : public testing::TestWithParam<EdgeCase> {};

TEST_P(MainDlgMoveEdge, ChangesNothingAndKeepsFlagClear) {
    ListFixture f;
    SelectRows(f.List(), GetParam().rows);
    (f.window.get()->*GetParam().command)();
    EXPECT_EQ(f.Order(), f.Identity());
    EXPECT_EQ(f.List().SelectedRows(), GetParam().rows);
    EXPECT_FALSE(f.window->IsModified());
}

INSTANTIATE_TEST_SUITE_P(Edges, MainDlgMoveEdge,
                         testing::Values(EdgeCase{"upWithRow0", {0, 5}, &CMainDlg::OnUp},
                                         EdgeCase{"up15WithRow0", {0}, &CMainDlg::OnUp15},
                                         EdgeCase{"downWithLastRow", {5, 199}, &CMainDlg::OnDown},
                                         EdgeCase{
                                             "down15Bottom10",
                                             {190, 191, 192, 193, 194, 195, 196, 197, 198, 199},
                                             &CMainDlg::OnDown15},
                                         EdgeCase{"upNoSelection", {}, &CMainDlg::OnUp},
                                         EdgeCase{"deleteNoSelection", {}, &CMainDlg::OnDelete},
                                         EdgeCase{"cutNoSelection", {}, &CMainDlg::OnCut},
                                         EdgeCase{"copyKeepsFlag", {4}, &CMainDlg::OnCopy}),
                         ParamName());

TEST(MainDlgMove, Up15StopsAtTopAndDown15MovesFifteen) {
    ListFixture f;
    SelectRows(f.List(), {10, 11, 12});
    f.window->OnUp15();
    EXPECT_EQ(f.List().SelectedRows(), (std::vector<int>{0, 1, 2}));
    const std::vector<int> order = f.Order();
    EXPECT_EQ((std::vector<int>(order.begin(), order.begin() + 4)),
              (std::vector<int>{10, 11, 12, 0}));
    f.window->OnDown15();
    EXPECT_EQ(f.List().SelectedRows(), (std::vector<int>{15, 16, 17}));
    EXPECT_EQ(f.List().SelectionMark(), 15);
}

TEST(MainDlgDelete, EmptiesSelectedRowsInPlace) {
    ListFixture f;
    SelectRows(f.List(), {5, 9});
    f.window->OnDelete();
    std::vector<int> expected = f.Identity();
    expected[5] = expected[9] = -1;
    EXPECT_EQ(f.Order(), expected);
    EXPECT_EQ(RowTexts(f.List(), 5), (QStringList{"5", "", "", ""}));
    EXPECT_FALSE(f.List().HasSelection());
    EXPECT_EQ(f.List().Channels().RowCount(), 200);
    EXPECT_TRUE(f.window->IsModified());
    // The TG-UV2's empty form: bytes 0-37 zero, a name of spaces.
    EXPECT_EQ(f.Record(5).bytes[38], 39);
}

TEST(MainDlgClipboard, CopyScatteredRowsPastesAsBlockAtMark) {
    ListFixture f;
    SelectRows(f.List(), {2, 5, 8});
    f.window->OnCopy();
    EXPECT_FALSE(f.window->IsModified());
    ASSERT_EQ(f.window->Clipboard().size(), 3u);
    SelectRows(f.List(), {20});
    f.window->OnPaste();
    std::vector<int> expected = f.Identity();
    expected[20] = 2, expected[21] = 5, expected[22] = 8;
    EXPECT_EQ(f.Order(), expected);
    EXPECT_EQ(f.List().SelectedRows(), (std::vector<int>{20, 21, 22}));
    EXPECT_EQ(f.List().SelectionMark(), 20);
    EXPECT_TRUE(f.window->IsModified());
    // The clipboard stays for another paste.
    EXPECT_EQ(f.window->Clipboard().size(), 3u);
}

TEST(MainDlgClipboard, CutEmptiesRowsAndPastesAtTop) {
    ListFixture f;
    SelectRows(f.List(), {2, 5, 8});
    f.window->OnCut();
    EXPECT_FALSE(f.List().HasSelection());
    EXPECT_TRUE(f.Record(2).IsEmpty() && f.Record(5).IsEmpty() && f.Record(8).IsEmpty());
    SelectRows(f.List(), {0});
    f.window->OnPaste();
    const std::vector<int> order = f.Order();
    EXPECT_EQ((std::vector<int>(order.begin(), order.begin() + 4)), (std::vector<int>{2, 5, 8, 3}));
}

TEST(MainDlgClipboard, PasteStartsAtMarkWhateverElseIsSelected) {
    ListFixture f;
    SelectRows(f.List(), {1});
    f.window->OnCopy();
    SelectRows(f.List(), {10, 30, 50}, 30);
    f.window->OnPaste();
    EXPECT_EQ(f.Order()[30], 1);
    EXPECT_EQ(f.Order()[10], 10);
    EXPECT_EQ(f.List().SelectedRows(), std::vector<int>{30});
}

TEST(MainDlgClipboard, BlockThatDoesNotFitIsRefusedSilently) {
    ListFixture f;
    SelectRows(f.List(), {0, 1, 2});
    f.window->OnCopy();
    SelectRows(f.List(), {198});
    f.window->OnPaste();
    EXPECT_EQ(f.Order(), f.Identity());
    EXPECT_TRUE(f.prompts.messages.empty());
    EXPECT_FALSE(f.window->IsModified());
    SelectRows(f.List(), {197});
    f.window->OnPaste();
    EXPECT_EQ(f.Order()[199], 2);
}

TEST(MainDlgClipboard, EmptyClipboardUnselectsAndMarksModified) {
    ListFixture f;
    SelectRows(f.List(), {4, 6}, 6);
    f.window->OnPaste();
    EXPECT_FALSE(f.List().HasSelection());
    EXPECT_EQ(f.List().SelectionMark(), 6);
    EXPECT_TRUE(f.window->IsModified());
    EXPECT_EQ(f.Order(), f.Identity());
}

TEST(MainDlgClipboard, PasteWithoutMarkDoesNothing) {
    ListFixture f;
    SelectRows(f.List(), {1});
    f.window->OnCopy();
    f.List().selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    ASSERT_TRUE(f.List().HasSelection());
    f.window->OnPaste();
    EXPECT_FALSE(f.window->IsModified());
    EXPECT_EQ(f.Order(), f.Identity());
}

TEST(MainDlgClipboard, ClipboardSurvivesOpeningAnotherFile) {
    ListFixture f;
    SelectRows(f.List(), {7});
    f.window->OnCopy();
    f.Open(MakeDat(kTGUV2), "second.DAT");
    SelectRows(f.List(), {0});
    f.window->OnPaste();
    EXPECT_EQ(f.Order()[0], 7);
}

struct BandCase {
    const char* name;
    bool uhfRadio;
    int rx;
    bool emptyRecord;
    bool accepted;
};

class MainDlgPasteBand : public testing::TestWithParam<BandCase> {};

TEST_P(MainDlgPasteBand, ChecksRecordsAgainstThisFilesRadio) {
    const BandCase& c = GetParam();
    MainWindowFixture f;
    f.ChooseModel(kTG6A);
    std::vector<CChannel> records{UsedChannel(kTG6A, c.rx, c.rx),
                                  UsedChannel(kTG6A, 43850000, 43850000)};
    if (c.emptyRecord)
        records[0] = EmptyChannel(kTG6A);
    f.Open(MakeDat(kTG6A, records, c.uhfRadio));
    SelectRows(f.List(), {0});
    f.window->OnCopy();
    SelectRows(f.List(), {1});
    const CChannel before = f.Record(1);
    f.window->OnPaste();
    if (c.accepted) {
        EXPECT_TRUE(f.prompts.messages.empty());
        EXPECT_EQ(std::memcmp(f.Record(1).bytes, f.Record(0).bytes, 44), 0);
    } else {
        EXPECT_EQ(f.prompts.messages, std::vector<QString>{QStringLiteral("Invalid frequency!")});
        EXPECT_EQ(std::memcmp(f.Record(1).bytes, before.bytes, 44), 0);
        EXPECT_EQ(f.List().SelectedRows(), std::vector<int>{1});
        EXPECT_FALSE(f.window->IsModified());
    }
}

INSTANTIATE_TEST_SUITE_P(TG6A, MainDlgPasteBand,
                         testing::Values(BandCase{"vhfOnUhfRadio", true, 14550000, false, false},
                                         BandCase{"emptyOnUhfRadio", true, 0, true, false},
                                         BandCase{"uhfOnUhfRadio", true, 43850000, false, true},
                                         BandCase{"vhfOnVhfRadio", false, 14550000, false, true},
                                         BandCase{"uhfOnVhfRadio", false, 43850000, false, false}),
                         ParamName());

TEST(MainDlgClipboard, TGUV2AcceptsEveryPasteThatFits) {
    ListFixture f(kTGUV2, 3);
    SelectRows(f.List(), {150});
    f.window->OnCopy();
    SelectRows(f.List(), {0});
    f.window->OnPaste();
    EXPECT_TRUE(f.prompts.messages.empty());
    EXPECT_TRUE(f.Record(0).IsEmpty());
}

struct KeyCase {
    const char* name;
    Qt::KeyboardModifiers modifiers;
};

class MainDlgEditKeys : public testing::TestWithParam<KeyCase> {};

TEST_P(MainDlgEditKeys, CtrlXCVRunCutCopyPaste) {
    ListFixture f;
    f.List().setFocus();
    SelectRows(f.List(), {1, 2});
    QTest::keyClick(&f.List(), Qt::Key_C, GetParam().modifiers);
    EXPECT_EQ(f.window->Clipboard().size(), 2u);
    SelectRows(f.List(), {3});
    QTest::keyClick(&f.List(), Qt::Key_X, GetParam().modifiers);
    EXPECT_TRUE(f.Record(3).IsEmpty());
    EXPECT_EQ(f.window->Clipboard().size(), 1u);
    SelectRows(f.List(), {10});
    QTest::keyClick(&f.List(), Qt::Key_V, GetParam().modifiers);
    EXPECT_EQ(f.Order()[10], 3);
}

INSTANTIATE_TEST_SUITE_P(Modifiers, MainDlgEditKeys,
                         testing::Values(KeyCase{"ctrl", Qt::ControlModifier},
                                         KeyCase{"ctrlShift",
                                                 Qt::ControlModifier | Qt::ShiftModifier}),
                         ParamName());

TEST(MainDlgEditKeys, CtrlCIsConsumedEvenWithNothingToDo) {
    ListFixture f;
    QKeyEvent press(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier, QStringLiteral("c"));
    f.List().setFocus();
    QCoreApplication::sendEvent(&f.List(), &press);
    EXPECT_TRUE(press.isAccepted());
    EXPECT_TRUE(f.window->Clipboard().empty());
}

namespace {

struct MenuState {
    QStringList items;
    bool newEnabled = false;
};

MenuState ShowMenu(ListFixture& f, const QString& choose = {}) {
    MenuState state;
    f.prompts.onMenu = [&state, choose](QMenu& menu) -> QAction* {
        for (QAction* action : menu.actions()) {
            state.items << (action->isSeparator() ? QStringLiteral("-") : action->text());
            if (action->text() == QStringLiteral("New"))
                state.newEnabled = action->isEnabled();
        }
        return choose.isEmpty() ? nullptr : FakePrompts::FindAction(menu, choose);
    };
    f.window->OnListContextMenu(QPoint(5, 5));
    return state;
}

} // namespace

TEST(MainDlgPopup, OffersItemsAndGraysNewOverUsedRows) {
    ListFixture f(kTGUV2, 10);
    SelectRows(f.List(), {3, 50});
    MenuState state = ShowMenu(f);
    EXPECT_EQ(state.items, (QStringList{"Cut\tCtrl+X", "Copy\tCtrl+C", "-", "Paste\tCtrl+V", "-",
                                        "New", "Edit", "Delete"}));
    EXPECT_FALSE(state.newEnabled);
    SelectRows(f.List(), {50, 60});
    EXPECT_TRUE(ShowMenu(f).newEnabled);
    f.List().ClearRowSelection();
    EXPECT_TRUE(ShowMenu(f).newEnabled);
}

TEST(MainDlgPopup, NoMenuBeforeAFileIsOpen) {
    MainWindowFixture f;
    f.window->OnListContextMenu(QPoint(5, 5));
    EXPECT_EQ(f.prompts.menus, 0);
}

TEST(MainDlgPopup, ChosenItemRunsItsCommand) {
    ListFixture f;
    SelectRows(f.List(), {4});
    ShowMenu(f, QStringLiteral("Delete"));
    EXPECT_TRUE(f.Record(4).IsEmpty());
    SelectRows(f.List(), {5});
    ShowMenu(f, QStringLiteral("Copy"));
    EXPECT_EQ(f.window->Clipboard().size(), 1u);
}
