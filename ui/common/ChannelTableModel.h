#pragma once

#include "ChannelColumns.h"

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <vector>

class CChannelDocument;

// The rows of a channel list: the rows of a document, which the list only
// shows. Each row caches the texts of every column of its model, shown or
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

    // One row per row of the document, which the model shows from then on.
    // Every record is decoded before anything changes: on a failure the rows
    // stay as they were.
    void Fill(const CChannelDocument& document);
    void RemoveRows();
    // Recomputes the texts of rows first to last from the document's
    // records, after it changed them.
    void RefreshRows(int first, int last);

    int RowCount() const { return static_cast<int>(m_rows.size()); }
    const CChannel* RecordAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    RowTexts ComputeTexts(const CChannel& record) const;

    RadioModel m_nModel = kTGUV2;
    std::vector<const ColumnInfo*> m_columns;
    const CChannelDocument* m_pDocument = nullptr;
    std::vector<RowTexts> m_rows;
};
