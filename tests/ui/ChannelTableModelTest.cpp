// The channel list's model on its own, under Qt's model tester: it shows the
// document it is given and keeps itself current from the document's
// announcements, whoever changes the document.
#include "ChannelTableModel.h"
#include "ChannelDocument.h"
#include "UiHelpers.h"

#include <QAbstractItemModelTester>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

using namespace testing_support;

// No rows until the document has a file, the columns of the radio chosen;
// then one row per channel; a change names the rows it touched, and only
// they are read again; Undo, a column set, a load and letting go of the file
// each show at once.
TEST(ChannelTableModel, FollowsTheDocument) {
    TempDir dir;
    CChannelDocument document(kTGUV2);
    CChannelTableModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.Show(document);
    EXPECT_EQ(model.rowCount(), 0);
    document.SetModel(kTG6A);
    EXPECT_EQ(model.headerData(1, Qt::Horizontal).toString(), "RX Freq") << "no Name";
    document.SetModel(kTGUV2);
    WriteBytes(dir / "a.DAT", MakeDat(kTGUV2, UsedChannels(kTGUV2, 3)));
    ASSERT_TRUE(document.Load(dir / "a.DAT"));
    EXPECT_EQ(model.rowCount(), 200);
    EXPECT_EQ(RowTexts(model, 1).join("|"), "1|      |145.02500|145.02500");

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    document.Move(RowSelection::Of(200, {2}, 2), -1, 1);
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed[0][0].toModelIndex().row(), 1);
    EXPECT_EQ(changed[0][1].toModelIndex().row(), 2);
    EXPECT_EQ(RowTexts(model, 1)[2], "145.05000");
    document.Undo();
    EXPECT_EQ(RowTexts(model, 1)[2], "145.02500");

    model.SetShowAll(true);
    EXPECT_EQ(model.columnCount(), 13);
    EXPECT_EQ(RowTexts(model, 0).mid(4).join("|"), "OFF|OFF|5|OFF|High|OFF|Wide|VHF1|On");
    document.Unload();
    EXPECT_EQ(model.rowCount(), 0);
}

} // namespace
