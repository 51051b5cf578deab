#include "ChannelTableModel.h"
#include "DatBuilder.h"

#include <QAbstractItemModelTester>

#include <gtest/gtest.h>

TEST(ChannelTableModel, PassesTheModelTesterThroughItsWholeLife) {
    CChannelTableModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    std::vector<CChannel> records(200, testing_support::UsedChannel(kTGUV2, 14500000, 14560000));
    std::vector<CChannel*> rows;
    for (CChannel& record : records)
        rows.push_back(&record);
    model.SetColumns(kTGUV2, true);
    model.Fill(rows);
    model.SwapRecords(0, 199);
    records[5].Clear(kTGUV2);
    model.RefreshRow(5);
    model.RefreshAll();
    model.SetColumns(kTG6A, false);
    model.RemoveRows();
    EXPECT_EQ(model.rowCount(), 0);
}
