#include "ChannelListView.h"
#include "UiHelpers.h"

#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

using namespace testing_support;

namespace {

using Rows = std::vector<int>;

// A TG-UV2 file whose record in slot i has RX 145 MHz + i * 25 kHz, so a
// record's slot can be read off its text.
struct ListFixture : MainWindowFixture {
    ListFixture() : MainWindowFixture(kTGUV2, 200) {}
    // The slot that each row's record came from, -1 for an empty record.
    Rows Order() const {
        Rows order;
        for (int row = 0; row < 200; ++row) {
            std::string text = Record(row).GetFreqText(true);
            std::erase(text, '.');
            order.push_back(text.empty() ? -1 : (std::stoi(text) - 14500000) / 2500);
        }
        return order;
    }
};

// The slots in slot order but for the given rows.
Rows Changed(std::initializer_list<std::pair<int, int>> rowSlots) {
    Rows order(200);
    std::iota(order.begin(), order.end(), 0);
    for (const auto& [row, slot] : rowSlots)
        order[static_cast<std::size_t>(row)] = slot;
    return order;
}

struct MoveCase {
    const char* name;
    void (CMainDlg::*command)();
    Rows rows;
    int mark;
    Rows movedTo; // the selected rows afterwards; empty when nothing moves
};

class MainDlgMove : public testing::TestWithParam<MoveCase> {};

// The selected rows move, the selection with them and the mark to the first of
// them, and every other row keeps its order; nothing moved leaves the flag
// clear, the selection and the mark as they were.
TEST_P(MainDlgMove, MovesTheSelectedRowsAndTheirSelection) {
    const MoveCase& c = GetParam();
    ListFixture f;
    SelectRows(f.List(), c.rows, c.mark);
    (f.window.get()->*c.command)();
    const Rows& after = c.movedTo.empty() ? c.rows : c.movedTo;
    Rows expected;
    for (int slot = 0; slot < 200; ++slot)
        if (std::find(c.rows.begin(), c.rows.end(), slot) == c.rows.end())
            expected.push_back(slot);
    for (std::size_t i = 0; i < after.size(); ++i)
        expected.insert(expected.begin() + after[i], c.rows[i]);
    EXPECT_EQ(f.Order(), expected);
    EXPECT_EQ(f.List().SelectedRows(), after);
    if (!after.empty()) {
        EXPECT_EQ(f.List().SelectionMark(), c.movedTo.empty() ? c.mark : after.front());
    }
    EXPECT_EQ(f.window->IsModified(), !c.movedTo.empty());
    EXPECT_EQ(RowTexts(f.List(), 4).front(), "4") << "IDs stay";
}

INSTANTIATE_TEST_SUITE_P(
    Commands, MainDlgMove,
    testing::Values(MoveCase{"upScattered", &CMainDlg::OnUp, {3, 4, 7}, 7, {2, 3, 6}},
                    MoveCase{"downScattered", &CMainDlg::OnDown, {3, 4, 7}, 3, {4, 5, 8}},
                    MoveCase{"up15StopsAtTop", &CMainDlg::OnUp15, {10, 11, 12}, 10, {0, 1, 2}},
                    MoveCase{"down15", &CMainDlg::OnDown15, {10, 11, 40}, 10, {25, 26, 55}},
                    MoveCase{"upWithRow0", &CMainDlg::OnUp, {0, 5}, 0, {}},
                    MoveCase{"up15WithRow0", &CMainDlg::OnUp15, {0}, 0, {}},
                    MoveCase{"downWithLastRow", &CMainDlg::OnDown, {5, 199}, 5, {}},
                    MoveCase{"down15WithLastRow", &CMainDlg::OnDown15, {190, 199}, 190, {}},
                    MoveCase{"upNoSelection", &CMainDlg::OnUp, {}, -1, {}},
                    MoveCase{"down15NoSelection", &CMainDlg::OnDown15, {}, -1, {}}),
    [](const auto& test) { return std::string(test.param.name); });

// Delete and Cut empty the selected rows in place and unselect them; Cut and
// Copy fill the clipboard, which survives opening another file. Nothing
// selected changes nothing.
TEST(MainDlgClipboard, DeleteCutAndCopyEmptyOrTakeTheSelectedRows) {
    ListFixture f;
    for (auto command : {&CMainDlg::OnDelete, &CMainDlg::OnCut, &CMainDlg::OnCopy})
        f.Do(command, {});
    EXPECT_FALSE(f.window->IsModified());
    f.Do(&CMainDlg::OnDelete, {5, 9});
    EXPECT_EQ(f.Order(), Changed({{5, -1}, {9, -1}}));
    EXPECT_EQ(RowTexts(f.List(), 5), (QStringList{"5", "", "", ""}));
    EXPECT_EQ(BytesOf(f.Record(5)), BytesOf(EmptyChannel(kTGUV2)));
    EXPECT_FALSE(f.List().HasSelection());
    EXPECT_TRUE(f.window->IsModified());
    f.Do(&CMainDlg::OnCut, {2, 3});
    EXPECT_EQ(f.Order(), Changed({{2, -1}, {3, -1}, {5, -1}, {9, -1}}));
    EXPECT_FALSE(f.List().HasSelection());
    EXPECT_EQ(f.window->Clipboard().size(), 2u);

    f.Open(MakeDat(kTGUV2, UsedChannels(kTGUV2, 200)), "second.DAT");
    f.Do(&CMainDlg::OnPaste, {0});
    EXPECT_EQ(f.Order(), Changed({{0, 2}, {1, 3}}));
    f.Do(&CMainDlg::OnCopy, {8});
    EXPECT_EQ(f.Order(), Changed({{0, 2}, {1, 3}}));
    EXPECT_EQ(f.window->Clipboard().size(), 1u);
}

// A scattered copy pastes as a block from the mark, whatever else is selected,
// and stays for the next paste; the pasted rows are selected.
TEST(MainDlgClipboard, CopiedRowsPasteAsABlockAtTheMark) {
    ListFixture f;
    f.Do(&CMainDlg::OnCopy, {2, 5, 8});
    EXPECT_FALSE(f.window->IsModified());
    f.Do(&CMainDlg::OnPaste, {20});
    EXPECT_EQ(f.Order(), Changed({{20, 2}, {21, 5}, {22, 8}}));
    EXPECT_EQ(f.List().SelectedRows(), (Rows{20, 21, 22}));
    EXPECT_EQ(f.List().SelectionMark(), 20);
    EXPECT_TRUE(f.window->IsModified());
    f.Do(&CMainDlg::OnPaste, {10, 30, 50}, 30);
    EXPECT_EQ(f.Order(), Changed({{20, 2}, {21, 5}, {22, 8}, {30, 2}, {31, 5}, {32, 8}}));
    EXPECT_EQ(f.List().SelectedRows(), (Rows{30, 31, 32}));
}

// A block that does not fit below the mark, and a selection without a mark,
// paste nothing and leave the flag clear; an empty clipboard unselects and
// marks the file modified.
TEST(MainDlgClipboard, PasteThatCannotWriteChangesNoRow) {
    ListFixture f;
    f.Do(&CMainDlg::OnCopy, {0, 1, 2});
    f.Do(&CMainDlg::OnPaste, {198});
    SelectRows(f.List(), {1});
    f.List().selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    ASSERT_TRUE(f.List().HasSelection());
    f.window->OnPaste();
    EXPECT_EQ(f.Order(), Changed({}));
    EXPECT_TRUE(f.prompts.messages.empty());
    EXPECT_FALSE(f.window->IsModified());
    f.Do(&CMainDlg::OnPaste, {197});
    EXPECT_EQ(f.Order(), Changed({{197, 0}, {198, 1}, {199, 2}}));

    ListFixture empty;
    empty.Do(&CMainDlg::OnPaste, {4, 6}, 6);
    EXPECT_FALSE(empty.List().HasSelection());
    EXPECT_EQ(empty.List().SelectionMark(), 6);
    EXPECT_TRUE(empty.window->IsModified());
    EXPECT_EQ(empty.Order(), Changed({}));
}

// A TG-6A takes only records on its radio's side of 400 MHz, an empty one
// never; a refused paste changes nothing.
TEST(MainDlgClipboard, PasteOnATg6aChecksRecordsAgainstThisFilesRadio) {
    const struct {
        bool uhfRadio;
        int rx; // 0: an empty record
        bool accepted;
    } cases[] = {{true, 14550000, false},
                 {true, 0, false},
                 {true, 43850000, true},
                 {false, 14550000, true},
                 {false, 43850000, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.rx) + (c.uhfRadio ? " on a UHF radio" : " on a VHF radio"));
        MainWindowFixture f;
        f.ChooseModel(kTG6A);
        const std::vector<CChannel> records{c.rx ? UsedChannel(kTG6A, c.rx, c.rx)
                                                 : EmptyChannel(kTG6A),
                                            UsedChannel(kTG6A, 43850000, 43850000)};
        f.Open(MakeDat(kTG6A, records, c.uhfRadio));
        f.Do(&CMainDlg::OnCopy, {0});
        f.Do(&CMainDlg::OnPaste, {1});
        EXPECT_EQ(BytesOf(f.Record(1)), BytesOf(records[c.accepted ? 0 : 1]));
        EXPECT_EQ(f.window->IsModified(), c.accepted);
        EXPECT_EQ(f.prompts.messages,
                  c.accepted ? std::vector<QString>{} : std::vector<QString>{"Invalid frequency!"});
        EXPECT_EQ(f.List().SelectedRows(), Rows{1});
    }
}

// Ctrl+X, C and V with or without Shift run Cut, Copy and Paste, and are
// consumed even with nothing to do.
TEST(MainDlgClipboard, CtrlXCVRunCutCopyPasteWithOrWithoutShift) {
    for (Qt::KeyboardModifiers modifiers :
         {Qt::ControlModifier | Qt::NoModifier, Qt::ControlModifier | Qt::ShiftModifier}) {
        ListFixture f;
        f.List().setFocus();
        QKeyEvent press(QEvent::KeyPress, Qt::Key_C, modifiers, "c");
        QCoreApplication::sendEvent(&f.List(), &press);
        EXPECT_TRUE(press.isAccepted());
        EXPECT_TRUE(f.window->Clipboard().empty());
        const auto key = [&](Qt::Key k, const Rows& rows) {
            SelectRows(f.List(), rows);
            QTest::keyClick(&f.List(), k, modifiers);
        };
        key(Qt::Key_C, {1, 2});
        EXPECT_EQ(f.window->Clipboard().size(), 2u);
        key(Qt::Key_X, {3});
        EXPECT_EQ(f.window->Clipboard().size(), 1u);
        key(Qt::Key_V, {10});
        EXPECT_EQ(f.Order(), Changed({{3, -1}, {10, 3}}));
    }
}

// No menu without a file; with one, "New" is grayed while a used row is
// selected. (The Menu key test runs a chosen item.)
TEST(MainDlgPopup, OffersItsItemsAndGraysNewOverUsedRows) {
    MainWindowFixture empty;
    empty.window->OnListContextMenu(QPoint(5, 5));
    EXPECT_EQ(empty.prompts.menus, 0);
    MainWindowFixture f(kTGUV2, 10);
    QStringList items;
    f.prompts.onMenu = [&](QMenu& menu) {
        items.clear();
        for (QAction* action : menu.actions()) {
            const QString shortcut = action->shortcut().toString();
            const QString text = action->text() + (shortcut.isEmpty() ? "" : "\t" + shortcut);
            items << (action->isSeparator() ? "-"
                      : action->isEnabled() ? text
                                            : text + " (grayed)");
        }
        return nullptr;
    };
    const auto itemsFor = [&](const Rows& rows) {
        SelectRows(f.List(), rows);
        f.window->OnListContextMenu(QPoint(5, 5));
        return items.join(",");
    };
    EXPECT_EQ(itemsFor({3, 50}),
              "Cut\tCtrl+X,Copy\tCtrl+C,-,Paste\tCtrl+V,-,New (grayed),Edit,Delete");
    EXPECT_EQ(itemsFor({50, 60}), "Cut\tCtrl+X,Copy\tCtrl+C,-,Paste\tCtrl+V,-,New,Edit,Delete");
    EXPECT_TRUE(itemsFor({}).contains(",New,"));
}

} // namespace
