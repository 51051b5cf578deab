#include "ChannelListView.h"

#include "CellEdit.h"
#include "DialogUnits.h"
#include "Translation.h"

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
    : QTableView(parent), m_model(this), m_pDelegate(new CCellDelegate(this)) {
    setHorizontalHeader(new CHeaderView(Qt::Horizontal, this));
    setModel(&m_model);
    setItemDelegate(m_pDelegate);
    connect(m_pDelegate, &CCellDelegate::stored, this, &CChannelListView::MoveAfterEdit);
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
    // The current cell keeps its column.
    const int column = std::max(0, currentIndex().column());
    selectionModel()->setCurrentIndex(row < 0 ? QModelIndex() : m_model.index(row, column),
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
    // The widest text, and the words of a column of settings as the user's
    // language writes them.
    int cell = fontMetrics().horizontalAdvance(QString::fromLatin1(column.widest)) + margin;
    const std::optional<Setting> setting = SettingOfColumn(column.id);
    if (setting && (column.editor == CellEditor::kList || column.editor == CellEditor::kOnOff)) {
        const std::vector<std::string> items = *setting == kRxTone || *setting == kTxTone
                                                   ? std::vector<std::string>{"OFF"}
                                                   : ListItems(*setting);
        for (const std::string& item : items)
            cell = std::max(cell, fontMetrics().horizontalAdvance(TrValue(item)) + margin);
    }
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

namespace {

// Keys that type a character (no Ctrl, Alt or Meta), Space aside.
bool TypesCharacter(const QKeyEvent* event) {
    return !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
           event->text().size() == 1 && event->text().at(0).isPrint() &&
           event->key() != Qt::Key_Space;
}

// The keys as Qt names them (in the user's language, as every window's
// keys), "F2, or typing" in words.
constexpr CChannelListView::KeyHelp kMoveKeys[] = {
    {"Up; Down; PgUp; PgDown; Home; End",
     QT_TRANSLATE_NOOP("CChannelListView", "Select another row")},
    {"Shift+Up; Shift+Down", QT_TRANSLATE_NOOP("CChannelListView", "Select more rows")},
    {"Left; Right", QT_TRANSLATE_NOOP("CChannelListView", "Move to another cell of the row")},
    {"Ctrl+Up; Ctrl+Down",
     QT_TRANSLATE_NOOP("CChannelListView", "Move to another row without changing the selection")},
    {"Ctrl+Space", QT_TRANSLATE_NOOP("CChannelListView", "Select or unselect the row")},
    {"Menu; Shift+F10", QT_TRANSLATE_NOOP("CChannelListView", "Open the list's menu")},
};
constexpr CChannelListView::KeyHelp kEditKeys[] = {
    {QT_TRANSLATE_NOOP("CChannelListView", "F2, or typing"),
     QT_TRANSLATE_NOOP("CChannelListView", "Edit the cell"), true},
    {"Space", QT_TRANSLATE_NOOP("CChannelListView", "Switch an On/OFF cell")},
    {"Enter", QT_TRANSLATE_NOOP("CChannelListView", "Store the edit and go down a row")},
    {"Ctrl+Enter",
     QT_TRANSLATE_NOOP("CChannelListView", "Store the edit in every selected channel")},
    {"Tab; Shift+Tab",
     QT_TRANSLATE_NOOP("CChannelListView", "Store the edit and go to the next or previous cell")},
    {"Esc", QT_TRANSLATE_NOOP("CChannelListView", "Leave the cell as it was")},
};

} // namespace

std::span<const CChannelListView::KeyHelp> CChannelListView::Keys(bool editable) {
    return editable ? std::span<const KeyHelp>(kEditKeys) : std::span<const KeyHelp>(kMoveKeys);
}

void CChannelListView::SetCellStore(CCellDelegate::Store store) {
    m_store = store;
    m_pDelegate->SetStore(std::move(store));
    m_model.SetEditable(static_cast<bool>(m_store));
}

int CChannelListView::SectionOf(Column column) const {
    for (int section = 0; section < m_model.columnCount(); ++section)
        if (m_model.ColumnAt(section).id == column)
            return section;
    return -1;
}

Column CChannelListView::CurrentColumn() const {
    const QModelIndex current = currentIndex();
    return current.isValid() ? m_model.ColumnAt(current.column()).id : Column::Id;
}

std::vector<Column> CChannelListView::VisibleColumns() const {
    std::vector<Column> columns;
    for (int visual = 0; visual < m_model.columnCount(); ++visual)
        if (const int section = horizontalHeader()->logicalIndex(visual); !isColumnHidden(section))
            columns.push_back(m_model.ColumnAt(section).id);
    return columns;
}

bool CChannelListView::EditCurrentCell(const QString& typed) {
    QModelIndex current = currentIndex();
    if (!m_store || !current.isValid())
        return false;
    // A channel starts with its frequency.
    if (m_model.RecordAt(current.row())->IsEmpty())
        current = m_model.index(current.row(), SectionOf(Column::RxFreq));
    if (!(m_model.flags(current) & Qt::ItemIsEditable))
        return false;
    selectionModel()->setCurrentIndex(current, QItemSelectionModel::NoUpdate);
    if (!edit(current, AllEditTriggers, nullptr))
        return false;
    if (QWidget* editor = indexWidget(current)) {
        editor->setFocus();
        if (!typed.isEmpty())
            CCellDelegate::StartWith(editor, typed);
    }
    return true;
}

bool CChannelListView::CommitEdit() {
    QWidget* editor = IsEditingCell() ? indexWidget(currentIndex()) : nullptr;
    return !editor || m_pDelegate->Commit(editor);
}

bool CChannelListView::ToggleCurrentCell() {
    const QModelIndex current = currentIndex();
    if (!m_store || !current.isValid() ||
        m_model.ColumnAt(current.column()).editor != CellEditor::kOnOff ||
        m_model.RecordAt(current.row())->IsEmpty())
        return false;
    const bool on = current.data(Qt::EditRole).toString() == QLatin1String("On");
    m_store(on ? QStringLiteral("OFF") : QStringLiteral("On"), CCellDelegate::Ending::kStay);
    return true;
}

void CChannelListView::MoveAfterEdit(CCellDelegate::Ending ending) {
    const QModelIndex current = currentIndex();
    if (!current.isValid())
        return;
    using Ending = CCellDelegate::Ending;
    if (ending == Ending::kDown && current.row() + 1 < m_model.RowCount()) {
        const QModelIndex below = m_model.index(current.row() + 1, current.column());
        selectionModel()->setCurrentIndex(below, QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
        scrollTo(below);
    } else if (ending == Ending::kRight || ending == Ending::kLeft) {
        const int column = current.column() + (ending == Ending::kRight ? 1 : -1);
        if (column >= 0 && column < m_model.columnCount())
            selectionModel()->setCurrentIndex(m_model.index(current.row(), column),
                                              QItemSelectionModel::NoUpdate);
    }
}

void CChannelListView::keyPressEvent(QKeyEvent* event) {
    const bool plain = event->modifiers() == Qt::NoModifier;
    if (m_store && ((event->key() == Qt::Key_F2 && plain && EditCurrentCell()) ||
                    (TypesCharacter(event) && EditCurrentCell(event->text())) ||
                    (event->key() == Qt::Key_Space && plain && ToggleCurrentCell()))) {
        event->accept();
        return;
    }
    // Ctrl+Up and Ctrl+Down move the current cell to another row, Left and
    // Right to another cell of its row, and none of them touches the
    // selection, whatever the style would do with them.
    const bool upDown = (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) &&
                        event->modifiers() == Qt::ControlModifier;
    const bool leftRight = (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right) && plain;
    if ((upDown || leftRight) && currentIndex().isValid()) {
        const QModelIndex current = currentIndex();
        const int step = event->key() == Qt::Key_Up || event->key() == Qt::Key_Left ? -1 : 1;
        const int row = current.row() + (upDown ? step : 0);
        const int column = current.column() + (leftRight ? step : 0);
        if (row >= 0 && row < m_model.RowCount() && column >= 0 && column < m_model.columnCount()) {
            const QModelIndex next = m_model.index(row, column);
            selectionModel()->setCurrentIndex(next, QItemSelectionModel::NoUpdate);
            scrollTo(next);
        }
        event->accept();
        return;
    }
    const bool menuKey = event->key() == Qt::Key_Menu && plain;
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
