#include "ChannelTableModel.h"

#include "ChannelDocument.h"
#include "Failure.h"
#include "Translation.h"

#include <QGuiApplication>

#include <algorithm>

namespace {

// The narrow first column of a list that shows a comparison.
constexpr ColumnInfo kMarkColumn{Column::Id, "",   14,      false,    true,
                                 true,       true, nullptr, "\u2260", CellEditor::kNone};

Qt::Alignment AlignmentOf(const ColumnInfo& column) {
    return (column.leftAligned ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter;
}

} // namespace

CChannelTableModel::CChannelTableModel(QObject* parent)
    : QAbstractTableModel(parent), m_columns(ColumnSet(kTGUV2, false)) {}

void CChannelTableModel::Show(const CChannelDocument& document) {
    Observe(&document);
    Rebuild();
}

void CChannelTableModel::SetShowAll(bool showAll) {
    m_bShowAll = showAll;
    Rebuild();
}

const ColumnInfo& CChannelTableModel::ColumnAt(int section) const {
    return *m_columns.at(static_cast<std::size_t>(section));
}

// A document holds only records that decode (it checks every one that comes
// in); should one not, its cells stay empty rather than stop the list.
CChannelTableModel::RowTexts CChannelTableModel::ComputeTexts(const CChannel& record) const {
    RowTexts texts;
    try {
        const ColumnTexts decoded = TextsOf(record, m_nModel);
        for (const ColumnInfo* column : ColumnSet(m_nModel, true)) {
            const auto at = static_cast<std::size_t>(column->id);
            texts[at] = TrCell(*column, decoded[at]);
        }
    } catch (...) {
        texts = {};
    }
    return texts;
}

void CChannelTableModel::Rebuild() {
    const CChannelDocument* document = Observed();
    beginResetModel();
    m_nModel = document ? document->Model() : kTGUV2;
    m_columns = ColumnSet(m_nModel, m_bShowAll);
    if (m_bMarked)
        m_columns.insert(m_columns.begin(), &kMarkColumn);
    m_rows.clear();
    if (document && document->IsLoaded()) {
        m_rows.reserve(static_cast<std::size_t>(document->RowCount()));
        for (const CChannel& record : document->Records())
            m_rows.push_back(ComputeTexts(record));
    }
    endResetModel();
}

void CChannelTableModel::OnRowsReloaded() { Rebuild(); }

void CChannelTableModel::OnRowsChanged(int first, int last) {
    if (first < 0 || last < first || last >= RowCount())
        return;
    for (int row = first; row <= last; ++row)
        m_rows[static_cast<std::size_t>(row)] = ComputeTexts(*RecordAt(row));
    Q_EMIT dataChanged(index(first, 0), index(last, columnCount() - 1));
}

const CChannel* CChannelTableModel::RecordAt(int row) const {
    // Past the rows shown is a caller's fault, and fails as a command does.
    if (!Observed() || row < 0 || row >= RowCount())
        RaiseFailure();
    return &Observed()->Record(row);
}

int CChannelTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RowCount();
}

int CChannelTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant CChannelTableModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    const ColumnInfo& column = ColumnAt(index.column());
    const auto row = static_cast<std::size_t>(index.row());
    const RowMark* mark = row < m_marks.size() ? &m_marks[row] : nullptr;
    if (&column == &kMarkColumn) {
        if (role == Qt::DisplayRole)
            return mark ? mark->sign : QString();
        if (role == Qt::AccessibleTextRole)
            return mark ? mark->spoken : QString();
        if (role == Qt::TextAlignmentRole)
            return QVariant::fromValue(Qt::AlignCenter);
        return {};
    }
    if (role == Qt::BackgroundRole && mark &&
        ((mark->wholeRow && column.id != Column::Id) ||
         std::ranges::find(mark->differing, column.id) != mark->differing.end()))
        return DifferenceColor(QGuiApplication::palette());
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(AlignmentOf(column));
    // A screen reader names the cell by its channel and its column.
    if (role == Qt::AccessibleDescriptionRole)
        //: What a screen reader says of a cell: its channel and its column.
        return tr("ID %1, %2").arg(index.row()).arg(TrColumn(column.header));
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole && role != Qt::EditRole)
        return {};
    if (column.id == Column::Id)
        return QString::number(index.row());
    // An editor starts from the value as the document has it, whatever
    // language the list shows it in.
    if (role == Qt::EditRole)
        return QString::fromStdString(
            TextsOf(*RecordAt(index.row()), m_nModel)[static_cast<std::size_t>(column.id)]);
    return m_rows[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(column.id)];
}

void CChannelTableModel::ShowMarks(std::vector<RowMark> marks) {
    m_marks = std::move(marks);
    if (!m_bMarked) {
        m_bMarked = true;
        Rebuild();
    } else if (RowCount() > 0) {
        Q_EMIT dataChanged(index(0, 0), index(RowCount() - 1, columnCount() - 1));
    }
}

QColor CChannelTableModel::DifferenceColor(const QPalette& palette) {
    // Amber over the base colour: light on a light palette, dark on a dark
    // one, so that the text keeps its contrast.
    const QColor base = palette.color(QPalette::Base), amber(255, 176, 0);
    const float share = base.lightness() > 128 ? 0.35f : 0.3f;
    return QColor::fromRgbF(base.redF() + (amber.redF() - base.redF()) * share,
                            base.greenF() + (amber.greenF() - base.greenF()) * share,
                            base.blueF() + (amber.blueF() - base.blueF()) * share);
}

Qt::ItemFlags CChannelTableModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (m_bEditable && index.isValid() && ColumnAt(index.column()).editor != CellEditor::kNone)
        flags |= Qt::ItemIsEditable;
    return flags;
}

QVariant CChannelTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return TrColumn(ColumnAt(section).header);
    if (role == Qt::AccessibleTextRole && &ColumnAt(section) == &kMarkColumn)
        return tr("Difference");
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(AlignmentOf(ColumnAt(section)));
    return {};
}
