#pragma once

#include "ChannelColumns.h"
#include "DocumentObserver.h"

#include <QAbstractTableModel>
#include <QColor>
#include <QPalette>
#include <QString>

#include <array>
#include <vector>

class CChannelDocument;

// The rows of a channel list: the rows of a document, which the list only
// shows, one per row of the document while it has a file, none otherwise.
// The model keeps itself current from the document's announcements: the rows
// a change names are read again, a load resets the model. Each row caches the
// texts of every column of its radio, shown or not, so that painting and
// showing more columns never decode a record.
class CChannelTableModel : public QAbstractTableModel, private CDocumentObserver {
    Q_OBJECT

public:
    using RowTexts = std::array<QString, kColumnKinds>;
    // How a row compares with its counterpart in another list: the sign in
    // the narrow first column ("≠", "+", "−"), the words a screen reader
    // says for it, and the columns whose cells differ (every one of a row
    // that only this list has in use).
    struct RowMark {
        QString sign;
        QString spoken;
        std::vector<Column> differing;
        bool wholeRow = false;
    };

    explicit CChannelTableModel(QObject* parent = nullptr);

    // Shows this document from now on, with the columns of its radio.
    void Show(const CChannelDocument& document);
    // The short set of columns, or every column of the radio.
    void SetShowAll(bool showAll);
    bool ShowsAll() const { return m_bShowAll; }
    // Whether the cells of editable columns may be edited where they stand.
    void SetEditable(bool editable) { m_bEditable = editable; }
    // Shows the marks of a comparison, by row, in a first column of their own
    // and as the background of the cells that differ.
    void ShowMarks(std::vector<RowMark> marks);
    // The background of a cell that differs, readable in the palette.
    static QColor DifferenceColor(const QPalette& palette);
    const ColumnInfo& ColumnAt(int section) const;

    int RowCount() const { return static_cast<int>(m_rows.size()); }
    const CChannel* RecordAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    void OnRowsChanged(int first, int last) override;
    void OnRowsReloaded() override;
    // Takes the columns and every row anew from the document.
    void Rebuild();
    RowTexts ComputeTexts(const CChannel& record) const;

    RadioModel m_nModel = kTGUV2;
    bool m_bShowAll = false;
    bool m_bEditable = false;
    bool m_bMarked = false;
    std::vector<RowMark> m_marks;
    std::vector<const ColumnInfo*> m_columns;
    std::vector<RowTexts> m_rows;
};
