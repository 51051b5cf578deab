// Disks that fill up, folders that vanish, files that are not files or not
// this model's: the user is told, the old file keeps every byte, and the
// window keeps its state.
#include "ChannelListView.h"
#include "UiHelpers.h"

#include <QComboBox>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <chrono>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

// What Save or Open is pointed at, made in dir.
fs::path Make(const std::string& kind, const fs::path& dir) {
    fs::path path = dir / (kind + ".DAT");
    Bytes dat = MakeDat(kTGUV2, UsedChannels(kTGUV2, 5));
    if (kind == "folder") {
        fs::create_directory(path);
    } else if (kind == "fifo") {
        EXPECT_EQ(mkfifo(path.c_str(), 0600), 0);
    } else if (kind == "danglingLink") {
        fs::create_symlink(dir / "nowhere", path);
    } else if (kind == "missingFolder") {
        path = dir / "gone" / "x.DAT";
    } else if (kind != "missing") {
        if (kind == "otherModel")
            dat = MakeDat(kTG6A);
        if (kind == "oneByteShort")
            dat.pop_back();
        dat[kHeaderSize + 4 * CChannel::kSize + 16] = kind == "undecodable" ? 7 : 0; // TX tone kind
        if (kind == "readOnlyFolder") {
            fs::create_directory(dir / "locked");
            path = dir / "locked" / "old.DAT";
        }
        WriteBytes(path, dat);
        if (kind == "readOnlyFolder")
            fs::permissions(dir / "locked", fs::perms::owner_read | fs::perms::owner_exec);
        if (kind == "unreadable")
            fs::permissions(path, fs::perms::none);
    }
    return path;
}

// Root may read and write anything: these cases cannot fail for it.
bool ForbiddenOnlyToUsers(const std::string& kind) {
    return (kind == "unreadable" || kind == "readOnlyFolder") && geteuid() == 0;
}

class MainDlgSaveFault : public testing::TestWithParam<const char*> {};

// Under a file-size limit, so that a Save that gets to write fails part way.
TEST_P(MainDlgSaveFault, IsReportedAndKeepsTheOldFileAndTheFlag) {
    if (ForbiddenOnlyToUsers(GetParam()))
        GTEST_SKIP() << "running as root";
    MainWindowFixture f(kTGUV2, 5);
    f.Do(&CMainDlg::OnDelete, {1});
    const fs::path target = Make(GetParam(), f.dir.Path());
    const bool hadFile = fs::is_regular_file(target);
    const Bytes old = hadFile ? ReadBytes(target) : Bytes{};
    const fs::path folder = fs::exists(target.parent_path()) ? target.parent_path() : f.dir.Path();
    const auto listing = Listing(folder);
    f.prompts.saveNames.push_back(QPath(target));
    {
        FileSizeLimit limit(4096);
        ASSERT_TRUE(limit.IsActive());
        f.window->OnSave();
    }
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
    EXPECT_EQ(f.prompts.messages, std::vector<QString>{"Save operation failed."});
    EXPECT_TRUE(f.window->IsModified());
    if (hadFile) {
        EXPECT_EQ(ReadBytes(target), old);
    }
    EXPECT_EQ(Listing(folder), listing);
}

INSTANTIATE_TEST_SUITE_P(Targets, MainDlgSaveFault,
                         testing::Values("fullDisk", "missingFolder", "folder", "readOnlyFolder"),
                         [](const auto& test) { return std::string(test.param); });

class MainDlgOpenFault : public testing::TestWithParam<const char*> {};

// A failed first Open leaves the window without a file; a failed later one
// leaves it exactly as it was, edits, selection and flag included. Either
// fails at once.
TEST_P(MainDlgOpenFault, FailsAtOnceLeavingTheWindowAsItWas) {
    if (ForbiddenOnlyToUsers(GetParam()))
        GTEST_SKIP() << "running as root";
    MainWindowFixture f;
    const fs::path bad = Make(GetParam(), f.dir.Path());
    const auto start = std::chrono::steady_clock::now();
    f.OpenPath(bad);
    const std::vector<QString> failed{"Open operation failed."};
    EXPECT_EQ(f.prompts.messages, failed);
    EXPECT_EQ(f.List().Channels().RowCount(), 0);
    EXPECT_FALSE(f.window->IsLoaded());
    EXPECT_TRUE(f.window->findChild<QComboBox*>("modeBox")->isEnabled());
    EXPECT_EQ(f.window->windowTitle(), "Velmora");

    f.prompts.messages.clear();
    f.Open(MakeDat(kTGUV2, UsedChannels(kTGUV2, 20)), "good.DAT");
    f.Do(&CMainDlg::OnUp, {4, 6});
    const Bytes before = f.Save("before.DAT");
    f.window->OnDown();
    const CDatFile* file = f.window->DatFile();
    f.OpenPath(bad);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(3));
    EXPECT_EQ(f.prompts.messages, failed);
    EXPECT_EQ(f.window->DatFile(), file);
    EXPECT_EQ(f.window->windowTitle(), "Velmora - good.DAT");
    EXPECT_TRUE(f.window->IsModified());
    EXPECT_EQ(f.List().SelectedRows(), (std::vector<int>{4, 6}));
    EXPECT_EQ(f.List().Channels().RowCount(), 200);
    f.window->OnUp();
    EXPECT_EQ(f.Save("after.DAT"), before);
}

// "undecodable": a TX tone kind of 7, in a column shown only with all columns.
INSTANTIATE_TEST_SUITE_P(Files, MainDlgOpenFault,
                         testing::Values("missing", "folder", "fifo", "danglingLink", "unreadable",
                                         "otherModel", "oneByteShort", "undecodable"),
                         [](const auto& test) { return std::string(test.param); });

} // namespace
