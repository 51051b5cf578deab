// The commands that change the main list: moves, Delete, Cut, Copy, Paste,
// their keys and the list's popup menu.
#include "UiHelpers.h"

#include <QAction>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <numeric>

using namespace testing_support;

namespace {

using Rows = std::vector<int>;

// The slots in slot order but for the given rows.
Rows Changed(std::initializer_list<std::pair<int, int>> rowSlots) {
    Rows order(200);
    std::iota(order.begin(), order.end(), 0);
    for (const auto& [row, slot] : rowSlots)
        order[std::size_t(row)] = slot;
    return order;
}

// What the random commands of the soak seldom meet: a block moved by 15
// stops at the top; a selection touching the end moves nothing, the mark
// staying; the clipboard survives opening another file; a paste with a
// selection but no mark, or that does not fit below the mark, writes nothing.
TEST(MainDlgCommands, MovesAndPastesAtTheEdges) {
    MainWindowFixture f(kTGUV2, 200);
    f.Do(&CMainDlg::OnUp15, {10, 11, 12}, 11);
    const Rows order = f.Order();
    EXPECT_EQ(Rows(order.begin(), order.begin() + 4), (Rows{10, 11, 12, 0}));
    EXPECT_EQ(f.List().SelectionMark(), 0);
    f.Do(&CMainDlg::OnDown15, {150, 199}, 150);
    f.Do(&CMainDlg::OnUp, {0, 5}, 5);
    EXPECT_EQ(f.List().SelectionMark(), 5);
    f.Do(&CMainDlg::OnCut, {150, 151, 152});
    f.Open(MakeDat(kTGUV2, UsedChannels(kTGUV2, 200)), "second.DAT");
    f.Do(&CMainDlg::OnPaste, {198});
    f.List().SelectRows({100});
    f.List().selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    f.window->OnPaste();
    f.Do(&CMainDlg::OnPaste, {197});
    EXPECT_EQ(f.Order(), Changed({{197, 150}, {198, 151}, {199, 152}}));
}

// A TG-6A takes only records whose RX and TX are both on its radio's side of
// 400 MHz, an empty one never; a refused paste changes nothing.
TEST(MainDlgCommands, PasteOnATg6aChecksRecordsAgainstThisFilesRadio) {
    const std::tuple<bool, int, int, bool> cases[] = {
        {true, 14550000, 14550000, false}, {true, 0, 0, false},
        {true, 43850000, 43850000, true},  {true, 43850000, 14550000, false},
        {false, 14550000, 14550000, true}, {false, 14550000, 43850000, false}};
    for (const auto& [uhf, rx, tx, accepted] : cases) {
        SCOPED_TRACE(std::to_string(rx) + ">" + std::to_string(tx) + " uhf " + std::to_string(uhf));
        MainWindowFixture f;
        f.ChooseModel(kTG6A);
        const std::vector<CChannel> records{rx ? UsedChannel(kTG6A, rx, tx) : EmptyChannel(kTG6A),
                                            UsedChannel(kTG6A, 43850000, 43850000)};
        f.Open(MakeDat(kTG6A, records, uhf));
        f.Do(&CMainDlg::OnCopy, {0});
        f.Do(&CMainDlg::OnPaste, {1});
        EXPECT_EQ(f.Record(1), records[accepted ? 0 : 1]);
        EXPECT_EQ(f.window->IsModified(), accepted);
        EXPECT_EQ(f.prompts.messages.size(), accepted ? 0u : 1u);
    }
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
        EXPECT_EQ(f.Order(), Changed({{3, -1}, {10, 3}}));
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
    EXPECT_EQ(items.join(","),
              "Cut Ctrl+X,Copy Ctrl+C,-,Paste Ctrl+V,-,New (grayed),Edit ,Delete ");
    EXPECT_TRUE(f.Record(3).IsEmpty()) << "Delete ran";
    f.List().SelectRows({3, 50});
    f.window->OnListContextMenu(QPoint(5, 5));
    EXPECT_TRUE(items.contains("New "));
}

} // namespace
