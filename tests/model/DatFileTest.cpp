#include "DatFile.h"
#include "DatBuilder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <future>
#include <set>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;
namespace ts = testing_support;
using ts::Bytes;
using ts::Listing;
using Names = std::set<std::string>;

std::vector<const CChannel*> RowsOf(const CDatFile& dat) { return ts::RowsOf(dat.GetImage()); }
Bytes ImageBytes(const CDatFile& dat) { return ts::ImageBytes(dat.GetImage()); }

class DatFileTest : public testing::TestWithParam<RadioModel> {
protected:
    RadioModel Model() const { return GetParam(); }
    std::size_t Size() const { return static_cast<std::size_t>(FileSize(Model())); }
    // Loads a file of random bytes, which is gone again afterwards.
    Bytes LoadRandom(CDatFile& dat, std::uint32_t seed) {
        const Bytes bytes = ts::RandomDat(Model(), seed);
        ts::WriteBytes(m_dir / "loaded.dat", bytes);
        EXPECT_TRUE(dat.Load(m_dir / "loaded.dat"));
        fs::remove(m_dir / "loaded.dat");
        return bytes;
    }
    ts::TempDir m_dir;
};

INSTANTIATE_TEST_SUITE_P(Models, DatFileTest, testing::Values(kTGUV2, kTG6A),
                         [](const auto& test) { return test.param == kTGUV2 ? "TGUV2" : "TG6A"; });

TEST_P(DatFileTest, LoadThenSaveReproducesRandomFilesByteForByte) {
    for (const std::uint32_t seed : {1u, 2u, 3u, 4u})
        for (const bool decodable : {false, true}) {
            SCOPED_TRACE("seed " + std::to_string(seed) + (decodable ? " decodable" : " raw"));
            const Bytes original = ts::RandomDat(Model(), seed, decodable);
            ts::WriteBytes(m_dir / "in.dat", original);
            CDatFile dat(Model());
            ASSERT_TRUE(dat.Load(m_dir / "in.dat"));
            EXPECT_EQ(ImageBytes(dat), original);
            ASSERT_TRUE(dat.Save(m_dir / "out.dat", RowsOf(dat)));
            EXPECT_EQ(ts::ReadBytes(m_dir / "out.dat"), original);
            ASSERT_TRUE(dat.Save(m_dir / "in.dat", RowsOf(dat))); // over itself
            EXPECT_EQ(ts::ReadBytes(m_dir / "in.dat"), original);
            EXPECT_EQ(Listing(m_dir.Path()), (Names{"in.dat", "out.dat"}));
        }
}

// Only a file of the model's own size loads; any other raises the failure and
// leaves the image as the previous load made it.
TEST_P(DatFileTest, LoadAcceptsOnlyTheModelsOwnSize) {
    CDatFile dat(Model());
    const Bytes first = LoadRandom(dat, 11);
    for (const std::size_t size : {0u, 1u, 5000u, 5001u, 5002u, 10000u, 10001u, 10002u}) {
        Bytes other = ts::RandomDat(kTGUV2, 12);
        other.resize(size, 0x33);
        ts::WriteBytes(m_dir / "other.dat", other);
        if (size == Size()) {
            EXPECT_TRUE(dat.Load(m_dir / "other.dat"));
            EXPECT_EQ(ImageBytes(dat), other);
            LoadRandom(dat, 11); // back to the first image
        } else {
            EXPECT_TRUE(ts::RaisesFailure([&] { dat.Load(m_dir / "other.dat"); })) << size;
            EXPECT_EQ(ImageBytes(dat), first) << size;
        }
    }
}

TEST_P(DatFileTest, LoadRefusesWhatIsNotARegularFileAtOnce) {
    CDatFile dat(Model());
    const Bytes loaded = LoadRandom(dat, 21);
    fs::create_directory(m_dir / "folder");
    ASSERT_EQ(mkfifo((m_dir / "fifo").c_str(), 0600), 0);
    fs::create_symlink("folder", m_dir / "link-to-folder");
    for (const char* name : {"missing.dat", "folder", "fifo", "link-to-folder"}) {
        const fs::path path = m_dir / name;
        auto loading = std::async(std::launch::async, [&] { return dat.Load(path); });
        if (loading.wait_for(std::chrono::seconds(5)) != std::future_status::ready) {
            ADD_FAILURE() << "Load blocked on " << name;
            // A writer that opens and closes the FIFO ends a blocked open or read.
            const int fd = open(path.c_str(), O_WRONLY | O_NONBLOCK);
            if (fd >= 0)
                close(fd);
        }
        EXPECT_FALSE(loading.get()) << name;
        EXPECT_EQ(ImageBytes(dat), loaded) << name;
    }
}

TEST_P(DatFileTest, SaveWritesTheRowsInTheirGivenOrder) {
    CDatFile dat(Model());
    const Bytes loaded = LoadRandom(dat, 31);
    std::vector<const CChannel*> swapped = RowsOf(dat);
    std::swap(swapped[0], swapped[1]);
    Bytes expected = loaded;
    std::copy_n(loaded.begin() + 134, 44, expected.begin() + 90);
    std::copy_n(loaded.begin() + 90, 44, expected.begin() + 134);
    ASSERT_TRUE(dat.Save(m_dir / "swapped.dat", swapped));
    EXPECT_EQ(ts::ReadBytes(m_dir / "swapped.dat"), expected);
    EXPECT_EQ(ImageBytes(dat), loaded); // saving reorders the file, never the image
}

// A target that cannot be created returns false; a write that fails part way
// (the limit cuts the header, the records, or only the final flush) raises.
// Either way every existing file keeps every byte and no temporary remains.
TEST_P(DatFileTest, FailedSaveLeavesEveryExistingFileAsItWas) {
    CDatFile dat(Model());
    LoadRandom(dat, 41);
    const Bytes old = ts::MakeDat(Model());
    ts::WriteBytes(m_dir / "target.dat", old);
    fs::create_directory(m_dir / "folder.dat");
    ts::WriteBytes(m_dir / "folder.dat" / "inside", Bytes{1, 2, 3});
    EXPECT_FALSE(dat.Save(m_dir / "missing" / "out.dat", RowsOf(dat)));
    EXPECT_FALSE(dat.Save(m_dir / "folder.dat", RowsOf(dat)));
    EXPECT_EQ(Listing(m_dir / "folder.dat"), Names{"inside"});
    for (const std::uint64_t limit :
         {std::uint64_t{0}, std::uint64_t{50}, std::uint64_t{4096}, std::uint64_t{Size() - 1}}) {
        bool raised = false;
        {
            const ts::FileSizeLimit guard(limit);
            ASSERT_TRUE(guard.IsActive());
            raised = ts::RaisesFailure([&] { dat.Save(m_dir / "target.dat", RowsOf(dat)); });
        }
        EXPECT_TRUE(raised) << "limit " << limit;
        EXPECT_EQ(ts::ReadBytes(m_dir / "target.dat"), old) << "limit " << limit;
    }
    EXPECT_EQ(Listing(m_dir.Path()), (Names{"folder.dat", "target.dat"}));
}

// Saving over a file, here reached through a symbolic link, keeps the link and
// the file's permission bits.
TEST_P(DatFileTest, SaveKeepsTheTargetsLinkAndPermissionBits) {
    CDatFile dat(Model());
    const Bytes loaded = LoadRandom(dat, 61);
    fs::create_directory(m_dir / "links");
    fs::create_symlink("../real.dat", m_dir / "links" / "link.dat");
    using P = fs::perms;
    for (const P bits : {P::owner_read | P::owner_write, P::owner_all | P::group_read,
                         P::owner_read | P::owner_write | P::group_all | P::others_exec}) {
        ts::WriteBytes(m_dir / "real.dat", ts::MakeDat(Model()));
        fs::permissions(m_dir / "real.dat", bits, fs::perm_options::replace);
        ASSERT_TRUE(dat.Save(m_dir / "links" / "link.dat", RowsOf(dat)));
        EXPECT_EQ(fs::read_symlink(m_dir / "links" / "link.dat"), "../real.dat");
        EXPECT_EQ(fs::status(m_dir / "real.dat").permissions(), bits);
        EXPECT_EQ(ts::ReadBytes(m_dir / "real.dat"), loaded);
        EXPECT_EQ(Listing(m_dir.Path()), (Names{"links", "real.dat"}));
        EXPECT_EQ(Listing(m_dir / "links"), Names{"link.dat"});
    }
}

} // namespace
