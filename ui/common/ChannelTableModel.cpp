#include "ChannelTableModel.h"

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

void CChannelTableModel::Fill(std::span<CChannel* const> records) {
    std::vector<Row> rows;
    rows.reserve(records.size());
    for (CChannel* record : records) {
        if (!record)
            RaiseFailure();
        rows.push_back({record, ComputeTexts(*record)});
    }
    beginResetModel();
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

void CChannelTableModel::RefreshRow(int row) {
    Row& target = m_rows.at(static_cast<std::size_t>(row));
    target.texts = ComputeTexts(*target.record);
    RowChanged(row);
}

void CChannelTableModel::RefreshAll() {
    std::vector<RowTexts> texts;
    texts.reserve(m_rows.size());
    for (const Row& row : m_rows)
        texts.push_back(ComputeTexts(*row.record));
    for (std::size_t i = 0; i < m_rows.size(); ++i)
        m_rows[i].texts = std::move(texts[i]);
    if (!m_rows.empty())
        Q_EMIT dataChanged(index(0, 0), index(RowCount() - 1, columnCount() - 1));
}

CChannel* CChannelTableModel::RecordAt(int row) const {
    return m_rows.at(static_cast<std::size_t>(row)).record;
}

std::vector<const CChannel*> CChannelTableModel::Records() const {
    std::vector<const CChannel*> records;
    records.reserve(m_rows.size());
    for (const Row& row : m_rows)
        records.push_back(row.record);
    return records;
}

void CChannelTableModel::SwapRecords(int a, int b) {
    std::swap(m_rows.at(static_cast<std::size_t>(a)), m_rows.at(static_cast<std::size_t>(b)));
    RowChanged(a);
    RowChanged(b);
}

void CChannelTableModel::ArrangeRows(int first, std::span<const int> sources) {
    if (sources.empty())
        return;
    std::vector<Row> arranged;
    arranged.reserve(sources.size());
    for (const int source : sources)
        arranged.push_back(m_rows.at(static_cast<std::size_t>(source)));
    std::move(arranged.begin(), arranged.end(), m_rows.begin() + first);
    Q_EMIT dataChanged(index(first, 0),
                       index(first + static_cast<int>(sources.size()) - 1, columnCount() - 1));
}

void CChannelTableModel::RowChanged(int row) {
    Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
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
    return m_rows[static_cast<std::size_t>(index.row())].texts[static_cast<std::size_t>(column.id)];
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
