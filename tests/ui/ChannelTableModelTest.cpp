#include "ChannelTableModel.h"
#include "ChannelListView.h"
#include "DatBuilder.h"
#include "UiHelpers.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

std::vector<CChannel*> Pointers(std::vector<CChannel>& records) {
    std::vector<CChannel*> rows;
    for (CChannel& record : records)
        rows.push_back(&record);
    return rows;
}

} // namespace

TEST(ChannelTableModel, PassesModelTesterThroughItsWholeLife) {
    CChannelTableModel model;
    QAbstractItemModelTester tester(&model,
                                    QAbstractItemModelTester::FailureReportingMode::Warning);
    std::vector<CChannel> records(200, UsedChannel(kTGUV2, 14500000, 14560000));
    model.SetColumns(kTGUV2, true);
    model.Fill(Pointers(records));
    model.SwapRecords(0, 199);
    records[5].Clear(kTGUV2);
    model.RefreshRow(5);
    model.RefreshAll();
    model.SetColumns(kTG6A, false);
    model.RemoveRows();
    EXPECT_EQ(model.rowCount(), 0);
}

TEST(ChannelTableModel, UndecodableRecordLeavesRowsAsTheyWere) {
    CChannelTableModel model;
    model.SetColumns(kTGUV2, false);
    std::vector<CChannel> good(3, UsedChannel(kTGUV2, 14500000, 14500000));
    model.Fill(Pointers(good));
    std::vector<CChannel> bad = good;
    bad[2].bytes[22] = 10; // step beyond its table, in a column not shown
    EXPECT_THROW(model.Fill(Pointers(bad)), int);
    EXPECT_EQ(model.RowCount(), 3);
    EXPECT_EQ(model.RecordAt(2), &good[2]);
}

TEST(ChannelTableModel, IdColumnFollowsRowNotRecord) {
    CChannelTableModel model;
    model.SetColumns(kTG6A, true);
    std::vector<CChannel> records{UsedChannel(kTG6A, 14500000, 14500000), EmptyChannel(kTG6A)};
    model.Fill(Pointers(records));
    model.SwapRecords(0, 1);
    EXPECT_EQ(model.data(model.index(0, 0)).toString(), QStringLiteral("0"));
    EXPECT_EQ(model.data(model.index(0, 1)).toString(), QString());
    EXPECT_EQ(model.data(model.index(1, 1)).toString(), QStringLiteral("145.00000"));
    EXPECT_EQ(model.data(model.index(1, 10)).toString(), QStringLiteral("OFF"));
    EXPECT_EQ(model.data(model.index(1, 1), Qt::TextAlignmentRole).value<Qt::Alignment>() &
                  Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
}

TEST(ChannelListView, ColumnsAreNeverNarrowerThanTheirTexts) {
    CChannelListView view(true);
    for (RadioModel model : {kTGUV2, kTG6A}) {
        view.Channels().SetColumns(model, true);
        for (int section = 0; section < view.Channels().columnCount(); ++section) {
            const ColumnInfo& column = view.Channels().ColumnAt(section);
            EXPECT_GT(view.columnWidth(section),
                      view.fontMetrics().horizontalAdvance(QString::fromLatin1(column.widest)))
                << column.header;
            EXPECT_GT(view.columnWidth(section),
                      view.fontMetrics().horizontalAdvance(QString::fromLatin1(column.header)))
                << column.header;
        }
    }
}
