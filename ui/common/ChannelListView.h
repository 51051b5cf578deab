#pragma once

#include "CellDelegate.h"
#include "ChannelTableModel.h"
#include "RowSelection.h"

#include <QTableView>

#include <span>
#include <vector>

// The channel list of both windows: whole-row, extended selection, grid
// lines, movable headers, column widths from the column table scaled to the
// window font. The "selection mark" is the current row; commands set it
// without touching the selection. The current index's column is the current
// cell, framed: Left and Right move it, Ctrl+Up and Ctrl+Down move it
// without changing the selection, and Ctrl+Space adds or removes its row.
// Where the owner gives a store, the cells can be edited where they stand
// (F2, or typing, opens the current cell's editor; Space toggles an On/OFF
// cell); the list never writes a record itself.
class CChannelListView : public QTableView {
    Q_OBJECT

public:
    explicit CChannelListView(bool keepSelectionVisible, QWidget* parent = nullptr);

    CChannelTableModel& Channels() { return m_model; }
    const CChannelTableModel& Channels() const { return m_model; }

    // Makes the cells editable, each edit ending in the store.
    void SetCellStore(CCellDelegate::Store store);
    // Opens the editor of the current cell, its text starting with typed
    // when given; a row without a channel is edited in its RX Freq cell.
    // False when the cell cannot be edited.
    bool EditCurrentCell(const QString& typed = {});
    // The column of the current cell; Column::Id when there is none.
    Column CurrentColumn() const;
    // The columns shown, in the order the header shows them.
    std::vector<Column> VisibleColumns() const;
    bool IsEditingCell() const { return state() == EditingState; }
    // Stores the cell being edited, if any; false when it was refused, the
    // editor staying open.
    bool CommitEdit();
    // The keys the list takes, with what each does, for the keyboard help.
    // The keys as a command table writes them ("Ctrl+Up; Ctrl+Down"), or,
    // where words, marked for translation like what they do (in the context
    // "CChannelListView").
    struct KeyHelp {
        const char* keys;
        const char* what;
        bool words = false;
    };
    static std::span<const KeyHelp> Keys(bool editable);
    bool HasSelection() const;
    std::vector<int> SelectedRows() const;
    void SetRowSelected(int row, bool selected);
    // The selected state of every row at once, and setting it in one step:
    // commands that touch many rows work on these instead of row by row.
    std::vector<bool> SelectionFlags() const;
    void SetSelectionFlags(const std::vector<bool>& selected);
    // Selects exactly these rows and sets the mark on mark, or on the first of
    // them when mark is -1.
    void SelectRows(const std::vector<int>& rows, int mark = -1);
    int SelectionMark() const;
    // Sets the mark, or takes it away for a row below 0.
    void SetSelectionMark(int row);
    // The selection and the mark as the document's changes take them, and
    // showing the ones a change gives back, scrolled to the row given.
    RowSelection Selection() const;
    void ShowSelection(const RowSelection& selection, int shownRow);

    // How much wider the list must be to show all its columns side by side,
    // with room for the vertical scroll bar; 0 when they fit.
    int MissingWidth() const;

protected:
    // Home and End go to the first and last row, as in any list of rows,
    // rather than to the first and last column.
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    // The Menu key and Shift+F10 open the list's menu at the current row, as
    // a right click would; and the editing keys.
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The width a column gets: its table width scaled to the font, widened
    // where the header or the widest possible cell text would not fit.
    int ColumnWidthFor(int section) const;
    void ApplyColumnWidths();
    // After a stored edit: down a row (selecting it, as the Down key does),
    // or to the next cell of the row.
    void MoveAfterEdit(CCellDelegate::Ending ending);
    // Space on an On/OFF cell: stores the other value. True when it did.
    bool ToggleCurrentCell();
    int SectionOf(Column column) const;

    CChannelTableModel m_model;
    CCellDelegate* m_pDelegate = nullptr;
    CCellDelegate::Store m_store;
};
