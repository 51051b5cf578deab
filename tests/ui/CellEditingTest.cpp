// Editing in the list with the keyboard alone: the current cell, its
// editors, and the rows inserted and closed up, each change one undo step
// (what each change stores is the document's and the rules' tests').
#include "ShortcutsDlg.h"
#include "UiHelpers.h"

#include <QAccessible>
#include <QComboBox>
#include <QTest>
#include <QTreeWidget>
#include <QUndoStack>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

struct EditingFixture : MainWindowFixture {
    EditingFixture() : MainWindowFixture(kTGUV2, 50) { ShowAllColumns(true); }

    // Keys to the list, or to the cell's editor while one is open.
    void Keys(std::initializer_list<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys) {
        for (const auto& [key, modifiers] : keys)
            QTest::keyClick(Target(), key, modifiers);
    }
    void Type(const char* text) {
        for (; *text; ++text)
            QTest::keyClicks(Target(), QString(QLatin1Char(*text)));
    }
    QWidget* Target() { return Editor() ? Editor() : &List(); }
    QWidget* Editor() {
        return List().IsEditingCell() ? List().indexWidget(List().currentIndex()) : nullptr;
    }
    // Makes the row the only one selected, the current cell in the column.
    void Go(int row, Column column) {
        List().SelectRows({row});
        for (int section = 0; section < List().Channels().columnCount(); ++section)
            if (List().Channels().ColumnAt(section).id == column)
                List().setCurrentIndex(List().Channels().index(row, section));
    }
    QString Cell(int row, int section) const {
        return List().Channels().index(row, section).data().toString();
    }
    int Steps() const { return window->History().count(); }
};

constexpr auto kNone = Qt::NoModifier;

// The five tasks a user does with the keyboard alone, each one step.
TEST(CellEditing, TheKeyboardAloneEditsCellsAndRows) {
    EditingFixture f;
    f.List().setFocus();
    f.Go(12, Column::Id);
    f.Keys({{Qt::Key_Right, kNone}});
    f.Type("qrt");
    f.Keys({{Qt::Key_Return, kNone}});
    EXPECT_EQ(f.Cell(12, 1), "QRT   ");
    EXPECT_EQ(f.window->History().undoText(), "Edit Name");
    EXPECT_EQ(f.List().SelectedRows(), std::vector<int>{13}) << "Enter goes down a row";

    f.Go(3, Column::TxTone);
    for (const int downs : {4, 2}) {
        for (int down = 0; down < downs; ++down)
            f.Keys({{Qt::Key_Down, Qt::ControlModifier}});
        f.Keys({{Qt::Key_Space, Qt::ControlModifier}});
    }
    EXPECT_EQ(f.List().SelectedRows(), (std::vector<int>{3, 7, 9}));
    f.Keys({{Qt::Key_F2, kNone}});
    f.Type("88.5");
    f.Keys({{Qt::Key_Return, Qt::ControlModifier}});
    EXPECT_EQ(f.Cell(3, 5) + f.Cell(7, 5) + f.Cell(9, 5) + f.Cell(8, 5), "88.588.588.5OFF");
    EXPECT_EQ(f.Steps(), 2);

    f.Go(20, Column::RxFreq);
    f.Type("146.5");
    f.Keys({{Qt::Key_Return, kNone}});
    EXPECT_EQ(f.Cell(20, 2) + " " + f.Cell(20, 3), "146.50000 146.50000");

    f.Go(30, Column::Name);
    f.Keys({{Qt::Key_Insert, kNone}});
    EXPECT_EQ(f.Order(29, 3), (std::vector<int>{29, -1, 30}));
    f.List().SelectRows({40, 41, 42, 43, 44}, 40);
    f.Keys({{Qt::Key_Delete, Qt::ControlModifier}});
    EXPECT_EQ(f.Order(39, 2), (std::vector<int>{38, 44}));
    EXPECT_EQ(f.Steps(), 5);
    EXPECT_EQ(f.window->History().undoText(), "Delete and Close Up");
    f.window->History().undo();
    EXPECT_EQ(f.Order(39, 2), (std::vector<int>{38, 39}));
}

// A refused value keeps its editor open with the text as typed, Esc leaves
// the record as it was; Tab stores and moves right; Space switches an On/OFF
// cell; letters that begin no item of a list are refused; Left and Right
// keep the selection; closing the window stores the cell being edited first;
// a row without a channel is edited in its RX Freq cell and becomes the
// channel New would make; Enter and Esc outside an edit do nothing.
TEST(CellEditing, RefusalsEscTabSpaceAndEmptyRows) {
    EditingFixture f;
    f.Go(5, Column::RxFreq);
    f.Type("300");
    f.Keys({{Qt::Key_Return, kNone}});
    EXPECT_EQ(f.prompts.messages, std::vector<QString>{"Invalid Rx frequency range!"});
    ASSERT_TRUE(f.Editor());
    EXPECT_EQ(static_cast<QLineEdit*>(f.Editor())->text(), "300");
    f.Keys({{Qt::Key_Escape, kNone}});
    EXPECT_TRUE(!f.Editor() && f.Steps() == 0 && !f.window->IsModified());
    f.Keys({{Qt::Key_Return, kNone}, {Qt::Key_Escape, kNone}});
    EXPECT_TRUE(f.window->isVisible() && f.Steps() == 0);

    f.Go(5, Column::TxFreq);
    f.Type("145.2");
    f.Keys({{Qt::Key_Tab, kNone}});
    EXPECT_EQ(f.Cell(5, 3), "145.20000");
    EXPECT_EQ(f.List().CurrentColumn(), Column::RxTone) << "Tab goes right";
    f.Go(5, Column::Scan);
    f.Keys({{Qt::Key_Space, kNone}});
    EXPECT_EQ(f.Cell(5, 12), "OFF");
    EXPECT_EQ(f.window->History().undoText(), "Edit Scan");

    f.Go(5, Column::TxTone);
    f.Type("89");
    f.Keys({{Qt::Key_Return, kNone}, {Qt::Key_Escape, kNone}});
    EXPECT_EQ(f.prompts.messages.back(), "\"89\" is not one of this column's values.");
    f.List().SelectRows({3, 7}, 3);
    f.Keys({{Qt::Key_Right, kNone}});
    EXPECT_EQ(f.List().SelectedRows(), (std::vector<int>{3, 7})) << "Right keeps the selection";
    f.Go(6, Column::Name);
    f.Type("x");
    f.window->close();
    EXPECT_EQ(f.Cell(6, 1) + f.prompts.questions.back(),
              "X     Changes are not saved. Exit anyway?");

    f.Go(60, Column::Power);
    f.Type("438.5");
    f.Keys({{Qt::Key_Return, kNone}});
    EXPECT_EQ(RowTexts(f.List(), 60).join("|"),
              "60|      |438.50000|438.50000|OFF|OFF|5|OFF|High|OFF|Wide|UHF2|On");
    EXPECT_EQ(f.window->History().undoText(), "Edit RX Freq");
}

// The Import window's list moves its current cell but edits nothing; a
// screen reader hears the current cell's channel and column.
TEST(CellEditing, TheImportListIsReadOnlyAndCellsAreNamed) {
    EditingFixture f;
    CImportDlg& import = f.Import(f.dir / "radio.DAT");
    import.List().SelectRows({2});
    QTest::keyClick(&import.List(), Qt::Key_Right);
    QTest::keyClick(&import.List(), Qt::Key_F2);
    EXPECT_EQ(import.List().CurrentColumn(), Column::Name);
    EXPECT_FALSE(import.List().findChild<QWidget*>("cellEditor"));
    const QModelIndex cell = import.List().currentIndex();
    EXPECT_EQ(cell.data(Qt::AccessibleDescriptionRole).toString(), "ID 2, Name");
}

} // namespace

namespace {

// Help's Keyboard Shortcuts lists the keys of every window from their own
// tables: a command's keys as the command has them.
TEST(CellEditing, KeyboardShortcutsListEveryWindowsKeys) {
    MainWindowFixture f;
    MenuAction(*f.window, "Keyboard Shortcuts")->trigger();
    ASSERT_TRUE(f.window->ShortcutsDlg() && f.window->ShortcutsDlg()->isVisible());
    QTreeWidget& list = static_cast<CShortcutsDlg*>(f.window->ShortcutsDlg())->Keys();
    QStringList rows;
    for (QTreeWidgetItemIterator item(&list, QTreeWidgetItemIterator::NoChildren); *item; ++item)
        rows << (*item)->parent()->text(0) + "|" + (*item)->text(0) + "|" + (*item)->text(1);
    for (const char* row : {"Main window|Ins|Insert Row", "Main window|Ctrl+Shift+Z, Ctrl+Y|Redo",
                            "Channel list|F2, or typing|Edit the cell", "Import window|Ctrl+C|Copy",
                            "Row Editor|Esc|Cancel"})
        EXPECT_TRUE(rows.contains(row)) << row;
}

} // namespace
