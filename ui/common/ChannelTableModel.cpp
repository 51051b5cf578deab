#include "ChannelTableModel.h"

#include "ChannelDocument.h"
#include "Failure.h"

namespace {

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
        for (std::size_t i = 0; i < texts.size(); ++i)
            texts[i] = QString::fromStdString(decoded[i]);
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
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(AlignmentOf(column));
    // A screen reader names the cell by its channel and its column.
    if (role == Qt::AccessibleDescriptionRole)
        return QStringLiteral("ID %1, %2").arg(index.row()).arg(QString::fromLatin1(column.header));
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    if (column.id == Column::Id)
        return QString::number(index.row());
    return m_rows[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(column.id)];
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
        return QString::fromLatin1(ColumnAt(section).header);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(AlignmentOf(ColumnAt(section)));
    return {};
}
