#pragma once

#include "ChannelColumns.h"

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <span>
#include <vector>

// The rows of a channel list. Each row points at the record it shows (the
// row's item data) and caches the texts of every column of its model, shown or
// not, so that a record that cannot be decoded is found when the rows are
// filled, never later while painting or when more columns are shown.
class CChannelTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using RowTexts = std::array<QString, kColumnKinds>;

    explicit CChannelTableModel(QObject* parent = nullptr);

    // Drops every row and sets the columns for the model and column set.
    void SetColumns(RadioModel model, bool showAll);
    const ColumnInfo& ColumnAt(int section) const;

    // One row per record, row i pointing at records[i]. Every record is decoded
    // before anything changes: on a failure the rows stay as they were.
    void Fill(std::span<CChannel* const> records);
    void RemoveRows();
    // Recomputes the texts of one row, or of all, from their records.
    void RefreshRow(int row);
    void RefreshAll();

    int RowCount() const { return static_cast<int>(m_rows.size()); }
    CChannel* RecordAt(int row) const;
    std::vector<const CChannel*> Records() const;
    // Exchanges the records that two rows point at; the IDs stay.
    void SwapRecords(int a, int b);
    // Row first + i takes the record that row sources[i] pointed at, for
    // every i; sources holds each row of that range once. The IDs stay.
    void ArrangeRows(int first, std::span<const int> sources);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Row {
        CChannel* record;
        RowTexts texts;
    };

    void RowChanged(int row);
    RowTexts ComputeTexts(const CChannel& record) const;

    RadioModel m_nModel = kTGUV2;
    std::vector<const ColumnInfo*> m_columns;
    std::vector<Row> m_rows;
};
