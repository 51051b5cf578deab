#include "ChannelListView.h"
#include "UiHelpers.h"

#include <gtest/gtest.h>

using namespace testing_support;

TEST(MainDlgLook, RendersWithAllColumns) {
    MainWindowFixture f;
    std::vector<CChannel> records;
    for (int i = 0; i < 40; ++i)
        records.push_back(UsedChannel(kTGUV2, 14500000 + i * 2500, 14560000 + i * 2500));
    records[3].SetNameText("REPT 1");
    records[4].SetToneSelection(60, true);
    f.Open(MakeDat(kTGUV2, records));
    f.window->OnShowAllColumns(true);
    SaveScreenshot(*f.window, QStringLiteral("main-window"));
    EXPECT_EQ(f.List().Channels().RowCount(), 200);
}
