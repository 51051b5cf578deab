// Disks that fill up, folders that vanish, files that are not files: the
// user is told, the old file keeps every byte, and the window keeps its state.
#include "ChannelListView.h"
#include "ParamName.h"
#include "UiHelpers.h"

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

const QString kSaveFailed = QStringLiteral("Save operation failed.");
const QString kOpenFailed = QStringLiteral("Open operation failed.");

bool RunningAsRoot() { return geteuid() == 0; }

// An edited file open in the window, and an older file at the save target.
struct SaveFaultFixture : MainWindowFixture {
    Bytes old = RandomDat(kTGUV2, 7);
    SaveFaultFixture() {
        Open(MakeDat(kTGUV2, std::vector<CChannel>(5, UsedChannel(kTGUV2, 14500000, 14500000))));
        SelectRows(List(), {1});
        window->OnDelete();
    }
    void SaveTo(const fs::path& path) {
        prompts.saveNames.push_back(QString::fromStdString(path.string()));
        window->OnSave();
    }
    void ExpectFailureReported() {
        EXPECT_EQ(prompts.messages, std::vector<QString>{kSaveFailed});
        EXPECT_TRUE(window->IsModified());
    }
};

} // namespace

TEST(MainDlgSaveFault, FullDiskKeepsOldFileByteForByte) {
    SaveFaultFixture f;
    const fs::path target = f.dir / "radio-backup.DAT";
    WriteBytes(target, f.old);
    const auto before = Listing(f.dir.Path());
    {
        FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.IsActive());
        f.SaveTo(target);
    }
    f.ExpectFailureReported();
    EXPECT_EQ(ReadBytes(target), f.old);
    EXPECT_EQ(Listing(f.dir.Path()), before);
}

TEST(MainDlgSaveFault, MissingFolderAndFolderTargetAreReported) {
    SaveFaultFixture f;
    f.SaveTo(f.dir / "gone" / "x.DAT");
    fs::create_directory(f.dir / "folder.DAT");
    f.SaveTo(f.dir / "folder.DAT");
    EXPECT_EQ(f.prompts.messages, (std::vector<QString>{kSaveFailed, kSaveFailed}));
    EXPECT_TRUE(f.window->IsModified());
    EXPECT_TRUE(fs::is_directory(f.dir / "folder.DAT"));
}

TEST(MainDlgSaveFault, ReadOnlyFolderKeepsOldFile) {
    if (RunningAsRoot())
        GTEST_SKIP() << "root may write into any folder";
    SaveFaultFixture f;
    const fs::path folder = f.dir / "locked";
    fs::create_directory(folder);
    WriteBytes(folder / "radio.DAT", f.old);
    fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    f.SaveTo(folder / "radio.DAT");
    fs::permissions(folder, fs::perms::owner_all);
    f.ExpectFailureReported();
    EXPECT_EQ(ReadBytes(folder / "radio.DAT"), f.old);
}

struct OpenFaultCase {
    const char* name;
    bool needsNonRoot;
    std::function<void(const fs::path&)> make;
};

class MainDlgOpenFault : public testing::TestWithParam<OpenFaultCase> {};

TEST_P(MainDlgOpenFault, FailsAtOnceLeavingWindowAsItWas) {
    if (GetParam().needsNonRoot && RunningAsRoot())
        GTEST_SKIP() << "root reads every file";
    MainWindowFixture f;
    f.Open(MakeDat(kTGUV2, std::vector<CChannel>{UsedChannel(kTGUV2, 14500000, 14500000)}),
           "good.DAT");
    SelectRows(f.List(), {0});
    const fs::path path = f.dir / "strange.DAT";
    GetParam().make(path);
    f.prompts.openNames.push_back(QString::fromStdString(path.string()));

    const auto start = std::chrono::steady_clock::now();
    f.window->OnOpen();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));

    EXPECT_EQ(f.prompts.messages, std::vector<QString>{kOpenFailed});
    EXPECT_EQ(f.window->windowTitle(), QStringLiteral("Velmora - good.DAT"));
    EXPECT_EQ(f.List().SelectedRows(), std::vector<int>{0});
    EXPECT_EQ(f.Record(0).GetFreqText(true), "145.00000");
}

INSTANTIATE_TEST_SUITE_P(
    Paths, MainDlgOpenFault,
    testing::Values(OpenFaultCase{"fifo", false,
                                  [](const fs::path& p) { ASSERT_EQ(mkfifo(p.c_str(), 0600), 0); }},
                    OpenFaultCase{"folder", false,
                                  [](const fs::path& p) { fs::create_directory(p); }},
                    OpenFaultCase{"unreadable", true,
                                  [](const fs::path& p) {
                                      WriteBytes(p, MakeDat(kTGUV2));
                                      fs::permissions(p, fs::perms::none);
                                  }},
                    OpenFaultCase{"danglingLink", false,
                                  [](const fs::path& p) {
                                      fs::create_symlink(p.parent_path() / "nowhere", p);
                                  }}),
    ParamName());
