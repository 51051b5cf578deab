// The memory image and the DAT file it is loaded from and saved to.
#include "DatFile.h"
#include "DatBuilder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>

namespace {

namespace fs = std::filesystem;
namespace ts = testing_support;
using ts::Bytes;
using Names = std::set<std::string>;

// The names of the entries of a folder.
Names Listing(const fs::path& folder) {
    Names names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.insert(entry.path().filename().string());
    return names;
}

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

// A TG-6A takes only texts on its radio's side of 400 MHz, the radio's own
// frequency being trailer bytes 1 and 2 as signed pairs (40, 200 is 395 MHz);
// a text's MHz is the integer before its point, no point is 0 MHz. A TG-UV2
// takes every text.
TEST(MemoryImage, SameBandSideFollowsTheRadiosSideOf400MHz) {
    const std::tuple<std::uint8_t, std::uint8_t, bool> radios[] = {
        {43, 80, true}, {40, 0, true}, {39, 99, false}, {40, 200, false}, {200, 0, false}};
    for (const auto& [pair1, pair2, uhf] : radios) {
        CImageTG6A g6a(100);
        g6a.GetTrailer()[1] = pair1;
        g6a.GetTrailer()[2] = pair2;
        std::string answers;
        for (const char* text : {"400.00000", "399.9", " 438.5", "-438.5", "438", ""})
            answers += g6a.SameBandSide(text) ? '+' : '-';
        EXPECT_EQ(answers, uhf ? "+-+---" : "-+-+++") << int{pair1} << "," << int{pair2};
    }
    EXPECT_TRUE(CImageTGUV2(200).SameBandSide(""));
}

class DatFileTest : public testing::TestWithParam<RadioModel> {
protected:
    RadioModel Model() const { return GetParam(); }
    ts::TempDir m_dir;
};

INSTANTIATE_TEST_SUITE_P(Models, DatFileTest, testing::Values(kTGUV2, kTG6A),
                         [](const auto& test) { return test.param == kTGUV2 ? "TGUV2" : "TG6A"; });

// Random files come back byte for byte, also saved over themselves, and with
// rows 0 and 1 swapped they are saved swapped while the image keeps its order.
// Only a file of the model's own size loads; any other raises the failure and
// leaves the image as it was.
TEST_P(DatFileTest, LoadsOnlyItsOwnSizeAndSavesTheRowsInTheirOrder) {
    const Bytes original = ts::RandomDat(Model(), 7);
    ts::WriteBytes(m_dir / "in.dat", original);
    CDatFile dat(Model());
    ASSERT_TRUE(dat.Load(m_dir / "in.dat"));
    ASSERT_TRUE(dat.Save(m_dir / "in.dat", RowsOf(dat)));
    EXPECT_EQ(ts::ReadBytes(m_dir / "in.dat"), original);
    std::vector<const CChannel*> swapped = RowsOf(dat);
    std::swap(swapped[0], swapped[1]);
    Bytes expected = original;
    std::swap_ranges(expected.begin() + 90, expected.begin() + 134, expected.begin() + 134);
    ASSERT_TRUE(dat.Save(m_dir / "swapped.dat", swapped));
    EXPECT_EQ(ts::ReadBytes(m_dir / "swapped.dat"), expected);
    EXPECT_EQ(ImageBytes(dat.GetImage()), original);
    for (const std::size_t size : {0u, 5000u, 5001u, 5002u, 10000u, 10001u, 10002u}) {
        ts::WriteBytes(m_dir / "other.dat", Bytes(size, 0x33));
        if (size != std::size_t(FileSize(Model()))) {
            EXPECT_TRUE(ts::RaisesFailure([&] { dat.Load(m_dir / "other.dat"); })) << size;
            EXPECT_EQ(ImageBytes(dat.GetImage()), original) << size;
        }
    }
    EXPECT_EQ(Listing(m_dir.Path()), (Names{"in.dat", "other.dat", "swapped.dat"}));
}

// A target that cannot be created returns false; a write that fails part way
// (the limit cuts the header, the records, or only the final flush) raises.
// Either way every existing file keeps every byte and no temporary remains.
// A save through a symbolic link keeps the link and the file's permissions.
TEST_P(DatFileTest, FailedSaveLeavesEveryExistingFileAsItWas) {
    CDatFile dat(Model());
    const Bytes old = ts::MakeDat(Model());
    ts::WriteBytes(m_dir / "target.dat", old);
    fs::create_directory(m_dir / "folder.dat");
    EXPECT_FALSE(dat.Save(m_dir / "missing" / "out.dat", RowsOf(dat)));
    EXPECT_FALSE(dat.Save(m_dir / "folder.dat", RowsOf(dat)));
    for (const std::uint64_t limit : {0u, 50u, 4096u, unsigned(FileSize(Model()) - 1)}) {
        bool raised = false;
        ts::UnderFileSizeLimit(limit, [&] {
            raised = ts::RaisesFailure([&] { dat.Save(m_dir / "target.dat", RowsOf(dat)); });
        });
        EXPECT_TRUE(raised) << "limit " << limit;
        EXPECT_EQ(ts::ReadBytes(m_dir / "target.dat"), old) << "limit " << limit;
    }
    EXPECT_EQ(Listing(m_dir.Path()), (Names{"folder.dat", "target.dat"}));
    fs::create_symlink("target.dat", m_dir / "link.dat");
    const fs::perms unusual =
        fs::perms::owner_read | fs::perms::owner_write | fs::perms::others_read;
    fs::permissions(m_dir / "target.dat", unusual);
    ASSERT_TRUE(dat.Save(m_dir / "link.dat", RowsOf(dat)));
    EXPECT_EQ(fs::read_symlink(m_dir / "link.dat"), "target.dat");
    EXPECT_EQ(fs::status(m_dir / "target.dat").permissions(), unusual);
    EXPECT_EQ(ts::ReadBytes(m_dir / "target.dat"), Bytes(FileSize(Model()), 0));
}

} // namespace
