// What a screen reader and a keyboard-only user get: every control named,
// the channel list readable cell by cell, and every command reachable
// without a mouse.
#include "ChannelListView.h"
#include "RowEditorFixture.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

using namespace testing_support;

namespace {

// The controls that take the focus have names of their own. On Linux a
// drop-down list announces its value as its name and its label through a
// relation; the name we give it is what it is called.
void ExpectNamedAndDistinct(QWidget& window) {
    std::set<QString> names;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!(control->focusPolicy() & Qt::TabFocus) || control->isWindow() ||
            !control->isVisibleTo(&window) || control->inherits("QScrollBar"))
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        const QString name = !control->accessibleName().isEmpty() || !accessible
                                 ? control->accessibleName()
                                 : accessible->text(QAccessible::Name);
        EXPECT_FALSE(name.isEmpty()) << control->objectName().toStdString();
        EXPECT_TRUE(names.insert(name).second) << name.toStdString();
    }
}

TEST(Accessibility, EveryControlOfEveryWindowHasItsOwnName) {
    for (RadioModel model : {kTGUV2, kTG6A}) {
        RowEditorFixture f;
        f.Open(model, UsedChannels(model, 2));
        ExpectNamedAndDistinct(*f.main.window);
        ExpectNamedAndDistinct(f.Edit({0, 1}));
        ExpectNamedAndDistinct(f.main.Import(f.main.dir / "radio.DAT"));
    }
}

TEST(Accessibility, TheChannelListReadsAsATableWithHeaders) {
    MainWindowFixture f;
    f.Open(MakeDat(kTGUV2, UsedChannels(kTGUV2, 2, 43850000, 10000)));
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&f.List());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->text(QAccessible::Name), "Channels");
    QAccessibleTableInterface* table = list->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 200);
    EXPECT_EQ(table->columnCount(), 4);
    EXPECT_EQ(table->columnDescription(2), "RX Freq");
    EXPECT_EQ(table->cellAt(1, 2)->text(QAccessible::Name), "438.60000");
    EXPECT_EQ(table->cellAt(1, 0)->text(QAccessible::Name), "1");
}

// The focus chain from a control, as the object names of those Tab reaches.
QStringList TabChain(QWidget* start, QWidget* window) {
    QStringList order;
    QWidget* at = start;
    do {
        if (at->focusPolicy() & Qt::TabFocus && at->isVisibleTo(window))
            order << at->objectName();
        at = at->nextInFocusChain();
    } while (at != start);
    return order;
}

TEST(Accessibility, TabReachesEveryControlOfTheMainWindowAndTheRowEditorInOrder) {
    RowEditorFixture f;
    f.Open(kTGUV2, UsedChannels(kTGUV2, 2));
    const QStringList main = TabChain(&f.main.List(), f.main.window.get());
    for (QPushButton* button : f.main.window->findChildren<QPushButton*>())
        EXPECT_TRUE(main.contains(button->objectName())) << button->text().toStdString();
    f.Edit({0});
    EXPECT_EQ(
        TabChain(f.Button("prevButton"), f.dlg.get()),
        (QStringList{"prevButton",  "nextButton",   "rxEdit",      "rxKeep",       "txEdit",
                     "txKeep",      "stepList",     "stepKeep",    "nameEdit",     "nameKeep",
                     "rxToneList",  "rxToneKeep",   "txToneList",  "txToneKeep",   "reverseList",
                     "reverseKeep", "powerList",    "powerKeep",   "scrambleList", "scrambleKeep",
                     "widthList",   "widthKeep",    "scanAddList", "scanAddKeep",  "busySetList",
                     "busySetKeep", "cancelButton", "okButton",    "newButton"}));
}

// The Menu key and Shift+F10 open the main list's menu and the Import list's.
TEST(Accessibility, TheListMenusOpenWithoutAMouse) {
    for (const auto& [key, modifiers] :
         {std::pair{Qt::Key_Menu, Qt::KeyboardModifiers()},
          std::pair{Qt::Key_F10, Qt::KeyboardModifiers(Qt::ShiftModifier)}}) {
        MainWindowFixture f;
        const auto path = f.Open(MakeDat(kTGUV2, UsedChannels(kTGUV2, 2)));
        f.prompts.onMenu = [](QMenu& menu) { return FakePrompts::FindAction(menu, "Copy"); };
        SelectRows(f.List(), {1});
        QTest::keyClick(&f.List(), key, modifiers);
        EXPECT_EQ(f.prompts.menus, 1);
        EXPECT_EQ(f.window->Clipboard().size(), 1u);
        CImportDlg& import = f.Import(path);
        SelectRows(import.List(), {0});
        QTest::keyClick(&import.List(), key, modifiers);
        EXPECT_EQ(f.prompts.menus, 2);
        EXPECT_EQ(import.CopiedRows().size(), 1u);
    }
}

} // namespace
