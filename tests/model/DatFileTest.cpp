// The memory image and the DAT file it is loaded from and saved to.
#include "DatFile.h"
#include "DatBuilder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
namespace ts = testing_support;
using ts::Bytes;
using ts::Listing;
using Names = std::set<std::string>;

// Every record in slot order, as the rows for Save.
std::vector<const CChannel*> RowsOf(const CDatFile& dat) {
    std::vector<const CChannel*> rows;
    for (int i = 0; i < dat.GetImage().GetChannelCount(); ++i)
        rows.push_back(dat.GetImage().GetChannels() + i);
    return rows;
}

// The image as the bytes of the file it stands for.
Bytes ImageBytes(const CMemoryImage& image) {
    Bytes bytes(image.GetHeader(), image.GetHeader() + kHeaderSize);
    const std::uint8_t* records = image.GetChannels()->bytes;
    bytes.insert(bytes.end(), records, records + image.GetChannelCount() * CChannel::kSize);
    bytes.insert(bytes.end(), image.GetTrailer(), image.GetTrailer() + image.GetTrailerSize());
    return bytes;
}
Bytes ImageBytes(const CDatFile& dat) { return ImageBytes(dat.GetImage()); }

template <class Image> void ExpectZeroFilled(RadioModel model) {
    // Built over memory full of junk, after a junk block of the records' size
    // went back to the heap, so that a part left unset cannot pass for zero.
    {
        std::vector<std::uint8_t> junk(ChannelCount(model) * CChannel::kSize);
        volatile std::uint8_t* dirty = junk.data();
        for (std::size_t i = 0; i < junk.size(); ++i)
            dirty[i] = 0xA5;
    }
    alignas(Image) std::uint8_t storage[sizeof(Image)];
    std::memset(storage, 0xA5, sizeof storage);
    CMemoryImage* image = new (storage) Image(ChannelCount(model));
    EXPECT_EQ(image->GetChannelCount(), ChannelCount(model));
    EXPECT_EQ(image->GetTrailerSize(), model == kTGUV2 ? 1111 : 511);
    EXPECT_EQ(ImageBytes(*image), Bytes(FileSize(model), 0));
    image->~CMemoryImage();
}

TEST(MemoryImage, StartsZeroFilledWithTheModelsLayout) {
    ExpectZeroFilled<CImageTGUV2>(kTGUV2);
    ExpectZeroFilled<CImageTG6A>(kTG6A);
}

// A TG-UV2 takes every frequency whatever its trailer; a TG-6A only those on
// its radio's side of 400 MHz, the radio's own frequency being trailer bytes 1
// and 2 as signed pairs. A text's MHz is the integer before its point; a text
// without a point counts as 0 MHz.
TEST(MemoryImage, SameBandSideFollowsTheRadiosSideOf400MHz) {
    const std::pair<const char*, bool> texts[] = {
        {"400.00000", true}, {"145.50000", false}, {"399.99999", false},
        {"438", false},      {"", false},          {"abc.5", false},
        {" 438.5", true},    {"-438.5", false},    {"123456789012345678901234567890.0", true}};
    const struct {
        RadioModel model;
        std::uint8_t pair1, pair2;
        bool uhf;
    } radios[] = {{kTGUV2, 14, 55, false}, {kTGUV2, 43, 80, true}, {kTG6A, 43, 80, true},
                  {kTG6A, 14, 55, false},  {kTG6A, 40, 0, true},   {kTG6A, 39, 99, false},
                  {kTG6A, 40, 200, false}, // signed: 400 - 5 MHz
                  {kTG6A, 200, 0, false},  {kTG6A, 127, 99, true}};
    for (const auto& radio : radios) {
        CImageTGUV2 uv2(ChannelCount(kTGUV2));
        CImageTG6A g6a(ChannelCount(kTG6A));
        CMemoryImage& image = radio.model == kTGUV2 ? static_cast<CMemoryImage&>(uv2) : g6a;
        std::memset(image.GetTrailer(), 0x7F, image.GetTrailerSize());
        image.GetTrailer()[1] = radio.pair1;
        image.GetTrailer()[2] = radio.pair2;
        for (const auto& [text, uhf] : texts)
            EXPECT_EQ(image.SameBandSide(text), radio.model == kTGUV2 || radio.uhf == uhf)
                << radio.model << " radio " << int{radio.pair1} << "," << int{radio.pair2}
                << " text '" << text << "'";
    }
}

class DatFileTest : public testing::TestWithParam<RadioModel> {
protected:
    RadioModel Model() const { return GetParam(); }
    std::size_t Size() const { return FileSize(Model()); }
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

// Random files, and random files whose records decode, come back byte for
// byte, also when saved over themselves.
TEST_P(DatFileTest, LoadThenSaveReproducesRandomFilesByteForByte) {
    for (const std::uint32_t seed : {1u, 2u, 3u, 4u, 5u, 6u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const Bytes original = ts::RandomDat(Model(), seed, seed % 2 == 0);
        ts::WriteBytes(m_dir / "in.dat", original);
        CDatFile dat(Model());
        ASSERT_TRUE(dat.Load(m_dir / "in.dat"));
        EXPECT_EQ(ImageBytes(dat), original);
        ASSERT_TRUE(dat.Save(m_dir / "out.dat", RowsOf(dat)));
        ASSERT_TRUE(dat.Save(m_dir / "in.dat", RowsOf(dat)));
        EXPECT_EQ(ts::ReadBytes(m_dir / "out.dat"), original);
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

// Rows 0 and 1 swapped are saved swapped; the image keeps its order.
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
    EXPECT_EQ(ImageBytes(dat), loaded);
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
    fs::create_symlink("real.dat", m_dir / "link.dat");
    using P = fs::perms;
    for (const P bits : {P::owner_read | P::owner_write, P::owner_all | P::group_read,
                         P::owner_read | P::owner_write | P::group_all | P::others_exec}) {
        ts::WriteBytes(m_dir / "real.dat", ts::MakeDat(Model()));
        fs::permissions(m_dir / "real.dat", bits, fs::perm_options::replace);
        ASSERT_TRUE(dat.Save(m_dir / "link.dat", RowsOf(dat)));
        EXPECT_EQ(fs::read_symlink(m_dir / "link.dat"), "real.dat");
        EXPECT_EQ(fs::status(m_dir / "real.dat").permissions(), bits);
        EXPECT_EQ(ts::ReadBytes(m_dir / "real.dat"), loaded);
        EXPECT_EQ(Listing(m_dir.Path()), (Names{"link.dat", "real.dat"}));
    }
}

} // namespace
