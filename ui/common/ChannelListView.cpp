#include "ChannelListView.h"

#include "DialogUnits.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QPalette>
#include <QStyle>

#include <algorithm>

namespace {

// The header's own measure of a section, which knows the style's margins.
class CHeaderView : public QHeaderView {
public:
    using QHeaderView::QHeaderView;
    using QHeaderView::sectionSizeFromContents;
};

} // namespace

CChannelListView::CChannelListView(bool keepSelectionVisible, QWidget* parent)
    : QTableView(parent), m_model(this) {
    setHorizontalHeader(new CHeaderView(Qt::Horizontal, this));
    setModel(&m_model);
    verticalHeader()->hide();
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setTabKeyNavigation(false);
    setContextMenuPolicy(Qt::CustomContextMenu);
    horizontalHeader()->setSectionsMovable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(false);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);

    QPalette colours = palette();
    if (keepSelectionVisible) {
        colours.setColor(QPalette::Inactive, QPalette::Highlight,
                         colours.color(QPalette::Active, QPalette::Highlight));
        colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                         colours.color(QPalette::Active, QPalette::HighlightedText));
    } else {
        colours.setColor(QPalette::Inactive, QPalette::Highlight,
                         colours.color(QPalette::Inactive, QPalette::Base));
        colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                         colours.color(QPalette::Inactive, QPalette::Text));
    }
    setPalette(colours);

    connect(&m_model, &QAbstractItemModel::modelReset, this, &CChannelListView::ApplyColumnWidths);
}

bool CChannelListView::HasSelection() const { return selectionModel()->hasSelection(); }

std::vector<int> CChannelListView::SelectedRows() const {
    const std::vector<bool> selected = SelectionFlags();
    std::vector<int> rows;
    for (std::size_t row = 0; row < selected.size(); ++row)
        if (selected[row])
            rows.push_back(static_cast<int>(row));
    return rows;
}

void CChannelListView::SetRowSelected(int row, bool selected) {
    if (row < 0 || row >= m_model.RowCount() || m_model.columnCount() == 0)
        return;
    const auto flags = (selected ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
                       QItemSelectionModel::Rows;
    selectionModel()->select(m_model.index(row, 0), flags);
}

std::vector<bool> CChannelListView::SelectionFlags() const {
    std::vector<bool> selected(static_cast<std::size_t>(m_model.RowCount()), false);
    for (const QItemSelectionRange& range : selectionModel()->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            if (row >= 0 && row < m_model.RowCount())
                selected[static_cast<std::size_t>(row)] = true;
    return selected;
}

void CChannelListView::SetSelectionFlags(const std::vector<bool>& selected) {
    QItemSelection selection;
    const int rows = std::min(m_model.RowCount(), static_cast<int>(selected.size()));
    const int lastColumn = m_model.columnCount() - 1;
    for (int row = 0; row < rows;) {
        if (!selected[static_cast<std::size_t>(row)]) {
            ++row;
            continue;
        }
        const int top = row;
        while (row < rows && selected[static_cast<std::size_t>(row)])
            ++row;
        selection.select(m_model.index(top, 0), m_model.index(row - 1, lastColumn));
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

void CChannelListView::SelectRows(const std::vector<int>& rows, int mark) {
    std::vector<bool> selected(static_cast<std::size_t>(m_model.RowCount()), false);
    for (int row : rows)
        if (row >= 0 && row < m_model.RowCount())
            selected[static_cast<std::size_t>(row)] = true;
    SetSelectionFlags(selected);
    const int anchor = mark >= 0 ? mark : (rows.empty() ? -1 : rows.front());
    if (anchor >= 0)
        SetSelectionMark(anchor);
}

int CChannelListView::SelectionMark() const {
    const QModelIndex current = selectionModel()->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void CChannelListView::SetSelectionMark(int row) {
    if (row >= m_model.RowCount())
        return;
    selectionModel()->setCurrentIndex(row < 0 ? QModelIndex() : m_model.index(row, 0),
                                      QItemSelectionModel::NoUpdate);
}

RowSelection CChannelListView::Selection() const { return {SelectionFlags(), SelectionMark()}; }

void CChannelListView::ShowSelection(const RowSelection& selection, int shownRow) {
    SetSelectionFlags(selection.rows);
    SetSelectionMark(selection.mark);
    if (shownRow >= 0 && shownRow < m_model.RowCount())
        scrollTo(m_model.index(shownRow, 0));
}

int CChannelListView::ColumnWidthFor(int section) const {
    const ColumnInfo& column = m_model.ColumnAt(section);
    const CDialogUnits units(font());
    const int margin =
        2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 6;
    const int cell = fontMetrics().horizontalAdvance(QString::fromLatin1(column.widest)) + margin;
    const int header = static_cast<const CHeaderView*>(horizontalHeader())
                           ->sectionSizeFromContents(section)
                           .width();
    return std::max({units.ColumnWidth(column.width), cell, header});
}

int CChannelListView::MissingWidth() const {
    int needed = 2 * frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    for (int section = 0; section < m_model.columnCount(); ++section)
        needed += columnWidth(section);
    return std::max(0, needed - width());
}

QModelIndex CChannelListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    const int rows = m_model.RowCount();
    if ((action == MoveHome || action == MoveEnd) && rows > 0) {
        const int column = std::max(0, currentIndex().column());
        return m_model.index(action == MoveHome ? 0 : rows - 1, column);
    }
    return QTableView::moveCursor(action, modifiers);
}

void CChannelListView::keyPressEvent(QKeyEvent* event) {
    const bool menuKey = event->key() == Qt::Key_Menu && event->modifiers() == Qt::NoModifier;
    const bool shiftF10 = event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier;
    if (!menuKey && !shiftF10) {
        QTableView::keyPressEvent(event);
        return;
    }
    event->accept();
    const QModelIndex current = currentIndex();
    const QPoint at = current.isValid() ? visualRect(current).center() : QPoint(0, 0);
    Q_EMIT customContextMenuRequested(at);
}

void CChannelListView::ApplyColumnWidths() {
    for (int section = 0; section < m_model.columnCount(); ++section)
        setColumnWidth(section, ColumnWidthFor(section));
}
