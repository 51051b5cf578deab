// The memory image and the DAT file it is loaded from and saved to.
#include "DatFile.h"
#include "DatBuilder.h"

#include <gtest/gtest.h>

#include <grp.h>
#include <pwd.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <functional>
#include <map>
#include <optional>

namespace {

namespace fs = std::filesystem;
namespace ts = testing_support;
using ts::Bytes;

// Every record in slot order, as the rows for Save.
std::vector<const CChannel*> RowsOf(const CDatFile& dat) {
    std::vector<const CChannel*> rows;
    for (int i = 0; i < dat.GetImage().GetChannelCount(); ++i)
        rows.push_back(dat.GetImage().GetChannels() + i);
    return rows;
}

// A TG-6A takes only frequencies on its radio's side of 400 MHz, the radio's
// own frequency being trailer bytes 1 and 2 as signed pairs (40, 200 is 395
// MHz); what counts is the whole MHz, so 399.99999 is below. A TG-UV2 takes
// every frequency.
TEST(MemoryImage, SameBandSideFollowsTheRadiosSideOf400MHz) {
    const std::tuple<std::uint8_t, std::uint8_t, bool> radios[] = {
        {43, 80, true}, {40, 0, true}, {39, 99, false}, {40, 200, false}, {200, 0, false}};
    for (const auto& [pair1, pair2, uhf] : radios) {
        CImageTG6A g6a(100);
        g6a.GetTrailer()[1] = pair1;
        g6a.GetTrailer()[2] = pair2;
        std::string answers;
        for (const int frequency : {40000000, 39999999, 43850000, -43850000, 0})
            answers += g6a.SameBandSide(frequency) ? '+' : '-';
        EXPECT_EQ(answers, uhf ? "+-+--" : "-+-++") << int{pair1} << "," << int{pair2};
    }
    EXPECT_TRUE(CImageTGUV2(200).SameBandSide(0));
}

class DatFileTest : public testing::TestWithParam<RadioModel> {
protected:
    RadioModel Model() const { return GetParam(); }
    ts::TempDir m_dir;
};

INSTANTIATE_TEST_SUITE_P(Models, DatFileTest, testing::Values(kTGUV2, kTG6A),
                         [](const auto& test) { return test.param == kTGUV2 ? "TGUV2" : "TG6A"; });

// Only a file of the model's own size loads, whichever side of it the size
// is on; any other raises the failure and leaves the image as it was. (That
// every byte of a loaded file is saved back, in row order, the fuzz corpus
// and the soak check.)
TEST_P(DatFileTest, LoadsOnlyAFileOfItsOwnSize) {
    const Bytes original = ts::RandomDat(Model(), 7);
    ts::WriteBytes(m_dir / "in.dat", original);
    CDatFile dat(Model());
    ASSERT_TRUE(dat.Load(m_dir / "in.dat"));
    const CMemoryImage& image = dat.GetImage();
    for (const std::size_t size : {0u, 5000u, 5001u, 5002u, 10000u, 10001u, 10002u}) {
        ts::WriteBytes(m_dir / "other.dat", Bytes(size, 0x33));
        if (size != std::size_t(FileSize(Model()))) {
            EXPECT_TRUE(ts::RaisesFailure([&] { dat.Load(m_dir / "other.dat"); })) << size;
            EXPECT_EQ(Bytes(image.GetHeader(), image.GetHeader() + kHeaderSize),
                      Bytes(original.begin(), original.begin() + kHeaderSize));
        }
    }
}

// What a Load or Save did: returned true (1) or false (0), or raised the
// failure (-1); and why.
struct Outcome {
    int result = 0;
    FileProblem::Kind kind = FileProblem::kNone;
    char reason[512] = {};
};

// The unprivileged user the test script makes for tests run as root.
const passwd* TestUser() {
    const char* name = std::getenv("VELMORA_TEST_USER");
    return name ? ::getpwnam(name) : nullptr;
}

// Runs the action in a child process, as the given user if any, so that the
// file system's permissions apply as they do to a user. A child that blocks
// is ended after ten seconds, which the test reports as a failure.
Outcome InChild(const std::function<Outcome()>& action, const passwd* user) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        throw std::runtime_error("no pipe");
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::alarm(10);
        if (user && (::setgroups(0, nullptr) != 0 || ::setgid(user->pw_gid) != 0 ||
                     ::setuid(user->pw_uid) != 0))
            ::_exit(2);
        const Outcome outcome = action();
        ::_exit(::write(pipeEnds[1], &outcome, sizeof outcome) == sizeof outcome ? 0 : 3);
    }
    ::close(pipeEnds[1]);
    Outcome outcome;
    const bool reported = ::read(pipeEnds[0], &outcome, sizeof outcome) == sizeof outcome;
    ::close(pipeEnds[0]);
    ::waitpid(pid, nullptr, 0);
    if (!reported)
        throw std::runtime_error("the child reported nothing");
    return outcome;
}

// The entries of a folder as a user would compare them: what each link names,
// each file's bytes (when they can be read), mode and owner.
struct Entry {
    fs::path link;
    std::optional<Bytes> bytes;
    mode_t mode = 0;
    uid_t owner = 0;
    bool operator==(const Entry&) const = default;
};
std::map<std::string, Entry> Snapshot(const fs::path& folder) {
    std::map<std::string, Entry> entries;
    for (const auto& item : fs::directory_iterator(folder)) {
        struct stat status {};
        ::lstat(item.path().c_str(), &status);
        Entry& entry = entries[item.path().filename().string()];
        entry = {{}, {}, status.st_mode, status.st_uid};
        if (S_ISLNK(status.st_mode))
            entry.link = fs::read_symlink(item.path());
        else if (S_ISREG(status.st_mode) && ::access(item.path().c_str(), R_OK) == 0)
            entry.bytes = ts::ReadBytes(item.path());
    }
    return entries;
}

fs::path Old(const fs::path& path, int mode = 0644) {
    ts::WriteBytes(path, ts::MakeDat(kTGUV2));
    fs::permissions(path, static_cast<fs::perms>(mode));
    return path;
}
fs::path Link(const fs::path& folder, const char* name, const char* target) {
    fs::create_symlink(target, folder / name);
    return folder / name;
}
fs::path Locked(const fs::path& folder, const fs::path& path) {
    fs::permissions(folder, static_cast<fs::perms>(0555));
    return path;
}

// Who runs a case: anyone, or an unprivileged user who owns the folder and
// everything in it, or everything but the file to be saved.
enum Who { kAnyone, kUser, kUserBesideOthersFile };
using P = const fs::path&;
using K = FileProblem::Kind;
const struct FileCase {
    const char* name;
    Who who;
    bool load;
    fs::path (*setup)(P folder); // the path to load or save
    int result;
    K kind = K::kNone;
    const char* reason = ""; // a part of the reason's text
    std::uint64_t sizeLimit = ~0ull;
} kFileCases[] = {
    {"own 0444 file", kUser, false, [](P f) { return Old(f / "t", 0444); }, 0, K::kWriteProtected,
     "/t\" is write-protected."},
    {"own 0400 file", kUser, false, [](P f) { return Old(f / "t", 0400); }, 0, K::kWriteProtected},
    {"own 0000 file", kUser, false, [](P f) { return Old(f / "t", 0); }, 0, K::kWriteProtected},
    {"someone else's 0644 file", kUserBesideOthersFile, false, [](P f) { return Old(f / "t"); }, 0,
     K::kWriteProtected},
    {"writable file in a locked folder", kUser, false, [](P f) { return Locked(f, Old(f / "t")); },
     1},
    {"new file in a locked folder", kUser, false, [](P f) { return Locked(f, f / "new"); }, 0,
     K::kFolderLocked, "You may not write in the folder \"/"},
    {"load an unreadable file", kUser, true, [](P f) { return Old(f / "t", 0); }, 0, K::kUnreadable,
     "You may not read the file \"/"},
    {"250-byte name of an old file", kAnyone, false,
     [](P f) { return Old(f / std::string(250, 'o')); }, 1},
    {"link to a file not made yet", kAnyone, false, [](P f) { return Link(f, "l", "made"); }, 1},
    {"chain of links to a 0604 file", kAnyone, false,
     [](P f) { return Old(f / "t", 0604), Link(f, "b", "t"), Link(f, "a", "b"); }, 1},
    {"loop of links", kAnyone, false, [](P f) { return Link(f, "b", "a"), Link(f, "a", "b"); }, 0,
     K::kLinkLoop, "/a\" lead around in a circle."},
    {"folder", kAnyone, false, [](P f) { return fs::create_directory(f / "d"), f / "d"; }, 0,
     K::kNotAFile, "/d\" is a folder, not a file."},
    {"missing folder", kAnyone, false, [](P f) { return f / "none" / "t"; }, 0, K::kFolderMissing,
     "/none\" does not exist."},
    {"size limit part way", kAnyone, false, [](P f) { return Old(f / "t"); }, -1, K::kTooLarge,
     "The file would be larger than this system lets Velmora write.", 4096},
    {"load a missing file", kAnyone, true, [](P f) { return f / "none"; }, 0, K::kMissing,
     "/none\" does not exist."},
    {"load a FIFO without blocking", kAnyone, true,
     [](P f) { return ::mkfifo((f / "fifo").c_str(), 0644), f / "fifo"; }, 0, K::kNotAFile,
     "/fifo\" is not a file."},
    {"load a loop of links", kAnyone, true,
     [](P f) { return Link(f, "b", "a"), Link(f, "a", "b"); }, 0, K::kLinkLoop},
    {"load a TG-6A file", kAnyone, true,
     [](P f) { return ts::WriteBytes(f / "6a", ts::MakeDat(kTG6A)), f / "6a"; }, -1, K::kWrongSize,
     "The file has 5001 bytes where a TG-UV2 file has 10001. It is a TG-6A file."},
};

// Runs each case on a TG-UV2 file of zeros and checks what it returned and
// why, and what a user would find in the folder afterwards: the saved file
// holds the new bytes and keeps its links, mode and owner; after a refusal or
// a failure every entry is as it was; no temporary file is ever left.
void RunFileCases(bool asUser) {
    const passwd* user = ::geteuid() == 0 ? TestUser() : nullptr;
    for (const FileCase& c : kFileCases) {
        if ((c.who != kAnyone) != asUser || (c.who == kUserBesideOthersFile && !user))
            continue;
        SCOPED_TRACE(c.name);
        ts::TempDir dir;
        const fs::path folder = dir / "f";
        fs::create_directory(folder);
        const fs::path path = c.setup(folder);
        if (asUser && user) {
            ::lchown(folder.c_str(), user->pw_uid, user->pw_gid);
            for (const auto& item : fs::directory_iterator(folder))
                if (c.who == kUser)
                    ::lchown(item.path().c_str(), user->pw_uid, user->pw_gid);
        }
        const auto before = Snapshot(folder);
        const Outcome outcome = InChild(
            [&] {
                CDatFile dat(kTGUV2);
                std::optional<bool> done;
                ts::UnderFileSizeLimit(c.sizeLimit, [&] {
                    done = ts::ResultOrFailure(
                        [&] { return c.load ? dat.Load(path) : dat.Save(path, RowsOf(dat)); });
                });
                Outcome o{done ? int{*done} : -1, dat.Problem().kind};
                std::strncpy(o.reason, dat.ProblemText().English().c_str(), sizeof o.reason - 1);
                return o;
            },
            asUser ? user : nullptr);
        fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
        EXPECT_EQ(outcome.result, c.result);
        EXPECT_EQ(outcome.kind, c.kind);
        EXPECT_NE(std::string(outcome.reason).find(c.reason), std::string::npos) << outcome.reason;
        auto after = Snapshot(folder);
        if (outcome.result == 1 && !c.load) {
            const std::string saved = fs::canonical(path).filename().string();
            EXPECT_EQ(after[saved].bytes, Bytes(FileSize(kTGUV2), 0));
            if (before.contains(saved))
                after[saved].bytes = before.at(saved).bytes;
            else
                after.erase(saved);
        }
        EXPECT_EQ(after, before);
    }
}

TEST(FileCases, AsAnyUser) { RunFileCases(false); }

// Run as root, these need the unprivileged user that scripts/test makes.
TEST(FileCases, AsAnUnprivilegedUser) {
    if (::geteuid() == 0 && !TestUser())
        GTEST_SKIP() << "VELMORA_TEST_USER names no user to run as";
    RunFileCases(true);
}

// A save killed part way (here by the signal of the file size limit, as it
// could be by kill -9) leaves the old file whole, and the temporary file it
// leaves behind is readable by no more people than the old file.
TEST(FileCases, SaveKilledPartWay) {
    ts::TempDir dir;
    const fs::path target = Old(dir / "t", 0600);
    CDatFile dat(kTGUV2);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::umask(022);
        const rlimit limit{5000, 5000};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::signal(SIGXFSZ, SIG_DFL);
        dat.Save(target, RowsOf(dat));
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    const auto left = Snapshot(dir.Path());
    ASSERT_EQ(left.size(), 2u);
    EXPECT_EQ(left.at("t").bytes, ts::MakeDat(kTGUV2));
    for (const auto& [name, entry] : left)
        EXPECT_EQ(entry.mode & 07777, 0600u) << name;
}

} // namespace
