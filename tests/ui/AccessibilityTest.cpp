// What a screen reader and a keyboard-only user get: every control named,
// the channel list readable cell by cell, and every command reachable
// without a mouse.
#include "ChannelListView.h"
#include "ImportDlg.h"
#include "ParamName.h"
#include "RowEditorFixture.h"
#include "UiHelpers.h"

#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QComboBox>
#include <QMenu>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <set>

using namespace testing_support;

namespace {

// The names a screen reader would announce for the controls that take the focus.
std::vector<QString> ControlNames(QWidget& window) {
    std::vector<QString> names;
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!(control->focusPolicy() & Qt::TabFocus) || control->isWindow() ||
            !control->isVisibleTo(&window) || control->inherits("QScrollBar"))
            continue;
        // On Linux a drop-down list announces its value as its name and its
        // label through a relation; the name we give it is what it is called.
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
        names.push_back(!control->accessibleName().isEmpty() || !accessible
                            ? control->accessibleName()
                            : accessible->text(QAccessible::Name));
        EXPECT_FALSE(names.back().isEmpty()) << control->objectName().toStdString();
    }
    return names;
}

void ExpectNamedAndDistinct(QWidget& window) {
    const std::vector<QString> names = ControlNames(window);
    const std::set<QString> distinct(names.begin(), names.end());
    QStringList all;
    for (const QString& name : names)
        all << name;
    EXPECT_EQ(distinct.size(), names.size()) << all.join(QStringLiteral(" | ")).toStdString();
}

std::vector<CChannel> SomeChannels(RadioModel model) {
    std::vector<CChannel> records{UsedChannel(model, 43850000, 43850000),
                                  UsedChannel(model, 43860000, 43910000)};
    records[1].SetPowerText("Low");
    return records;
}

} // namespace

TEST(Accessibility, EveryControlOfEveryWindowHasItsOwnName) {
    for (RadioModel model : {kTGUV2, kTG6A}) {
        RowEditorFixture f;
        f.Open(model, SomeChannels(model));
        ExpectNamedAndDistinct(*f.main.window);
        ExpectNamedAndDistinct(f.Edit({0, 1}));
        f.main.prompts.openNames.push_back(
            QString::fromStdString((f.main.dir / "radio.DAT").string()));
        f.main.window->OnImport();
        ASSERT_NE(f.main.window->ImportDlg(), nullptr);
        ExpectNamedAndDistinct(*f.main.window->ImportDlg());
    }
}

TEST(Accessibility, KeepBoxesSayWhichSettingTheyKeep) {
    RowEditorFixture f;
    f.Open(kTGUV2, SomeChannels(kTGUV2));
    f.Edit({0, 1});
    EXPECT_EQ(f.Keep("power")->accessibleName(), QStringLiteral("Keep multiple values: TX Power"));
    EXPECT_EQ(f.Keep("rx")->accessibleName(), QStringLiteral("Keep multiple values: RX"));
    EXPECT_EQ(f.Box("rxEdit")->accessibleName(), QStringLiteral("RX"));
}

TEST(Accessibility, ChannelListReadsAsATableWithHeaders) {
    MainWindowFixture f;
    f.Open(MakeDat(kTGUV2, SomeChannels(kTGUV2)));
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(&f.List());
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->text(QAccessible::Name), QStringLiteral("Channels"));
    QAccessibleTableInterface* table = list->tableInterface();
    ASSERT_NE(table, nullptr);
    EXPECT_EQ(table->rowCount(), 200);
    EXPECT_EQ(table->columnCount(), 4);
    EXPECT_EQ(table->columnDescription(2), QStringLiteral("RX Freq"));
    EXPECT_EQ(table->cellAt(1, 2)->text(QAccessible::Name), QStringLiteral("438.60000"));
    EXPECT_EQ(table->cellAt(1, 0)->text(QAccessible::Name), QStringLiteral("1"));
}

TEST(Accessibility, RowEditorTabOrderFollowsTheForm) {
    RowEditorFixture f;
    f.Open(kTGUV2, SomeChannels(kTGUV2));
    f.Edit({0});
    QStringList order;
    QWidget* at = f.Button("prevButton");
    do {
        if (at->focusPolicy() & Qt::TabFocus && at->isVisibleTo(f.dlg.get()))
            order << at->objectName();
        at = at->nextInFocusChain();
    } while (at != f.Button("prevButton"));
    const QStringList expected = {
        "prevButton",   "nextButton",   "rxEdit",       "rxKeep",      "txEdit",      "txKeep",
        "stepList",     "stepKeep",     "nameEdit",     "nameKeep",    "rxToneList",  "rxToneKeep",
        "txToneList",   "txToneKeep",   "reverseList",  "reverseKeep", "powerList",   "powerKeep",
        "scrambleList", "scrambleKeep", "widthList",    "widthKeep",   "scanAddList", "scanAddKeep",
        "busySetList",  "busySetKeep",  "cancelButton", "okButton",    "newButton"};
    EXPECT_EQ(order, expected);
}

struct MenuKeyCase {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

class AccessibilityMenuKeys : public testing::TestWithParam<MenuKeyCase> {};

TEST_P(AccessibilityMenuKeys, OpenTheListMenusWithoutAMouse) {
    MainWindowFixture f;
    f.Open(MakeDat(kTGUV2, SomeChannels(kTGUV2)));
    SelectRows(f.List(), {1});
    f.prompts.onMenu = FakePrompts::Choose(QStringLiteral("Copy"));
    QTest::keyClick(&f.List(), GetParam().key, GetParam().modifiers);
    EXPECT_EQ(f.prompts.menus, 1);
    EXPECT_EQ(f.window->Clipboard().size(), 1u);

    f.prompts.openNames.push_back(QString::fromStdString((f.dir / "radio.DAT").string()));
    f.window->OnImport();
    CImportDlg& import = *f.window->ImportDlg();
    f.prompts.onMenu = [](QMenu& menu) { return menu.actions().value(0); };
    SelectRows(import.List(), {0});
    QTest::keyClick(&import.List(), GetParam().key, GetParam().modifiers);
    EXPECT_EQ(f.prompts.menus, 2);
    EXPECT_EQ(import.CopiedRows().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Keys, AccessibilityMenuKeys,
                         testing::Values(MenuKeyCase{"menuKey", Qt::Key_Menu, Qt::NoModifier},
                                         MenuKeyCase{"shiftF10", Qt::Key_F10, Qt::ShiftModifier}),
                         ParamName());

TEST(Accessibility, EveryMainWindowControlIsOnTheTabChain) {
    MainWindowFixture f;
    f.Open(MakeDat(kTGUV2, SomeChannels(kTGUV2)));
    std::set<QWidget*> reached;
    QWidget* start = f.window->findChild<QComboBox*>(QStringLiteral("modeBox"));
    for (QWidget* at = start->nextInFocusChain(); at != start; at = at->nextInFocusChain())
        if (at->focusPolicy() & Qt::TabFocus)
            reached.insert(at);
    for (QPushButton* button : f.window->findChildren<QPushButton*>())
        EXPECT_TRUE(reached.count(button)) << button->text().toStdString();
    EXPECT_TRUE(reached.count(&f.List()));
}
