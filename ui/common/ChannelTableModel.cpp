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

void CChannelTableModel::SetColumns(RadioModel model, bool showAll) {
    beginResetModel();
    m_rows.clear();
    m_nModel = model;
    m_columns = ColumnSet(model, showAll);
    endResetModel();
}

const ColumnInfo& CChannelTableModel::ColumnAt(int section) const {
    return *m_columns.at(static_cast<std::size_t>(section));
}

CChannelTableModel::RowTexts CChannelTableModel::ComputeTexts(const CChannel& record) const {
    const ColumnTexts decoded = TextsOf(record, m_nModel);
    RowTexts texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = QString::fromStdString(decoded[i]);
    return texts;
}

void CChannelTableModel::Fill(const CChannelDocument& document) {
    std::vector<RowTexts> rows;
    rows.reserve(static_cast<std::size_t>(document.RowCount()));
    for (const CChannel& record : document.Records())
        rows.push_back(ComputeTexts(record));
    beginResetModel();
    m_pDocument = &document;
    m_rows = std::move(rows);
    endResetModel();
}

void CChannelTableModel::RemoveRows() {
    if (m_rows.empty())
        return;
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void CChannelTableModel::RefreshRows(int first, int last) {
    if (first < 0 || last < first || last >= RowCount())
        return;
    std::vector<RowTexts> texts;
    for (int row = first; row <= last; ++row)
        texts.push_back(ComputeTexts(*RecordAt(row)));
    std::move(texts.begin(), texts.end(), m_rows.begin() + first);
    Q_EMIT dataChanged(index(first, 0), index(last, columnCount() - 1));
}

const CChannel* CChannelTableModel::RecordAt(int row) const {
    // Past the rows shown is a caller's fault, and fails as a command does.
    if (!m_pDocument || row < 0 || row >= RowCount())
        RaiseFailure();
    return &m_pDocument->Record(row);
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
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)
        return {};
    if (column.id == Column::Id)
        return QString::number(index.row());
    return m_rows[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(column.id)];
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
