#include "MemoryImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <string>
#include <vector>

namespace {

template <class Image> struct ModelOf;
template <> struct ModelOf<CImageTGUV2> : std::integral_constant<RadioModel, kTGUV2> {};
template <> struct ModelOf<CImageTG6A> : std::integral_constant<RadioModel, kTG6A> {};

template <class Image> class MemoryImageTest : public testing::Test {};
using Images = testing::Types<CImageTGUV2, CImageTG6A>;
TYPED_TEST_SUITE(MemoryImageTest, Images);

bool AllZero(const std::uint8_t* at, std::size_t size) {
    return std::all_of(at, at + size, [](std::uint8_t b) { return b == 0; });
}

// Built over memory full of junk, and after a junk block of the records' size
// went back to the heap, so that a part left unset cannot pass for zero.
TYPED_TEST(MemoryImageTest, StartsZeroFilledWithTheModelsLayout) {
    constexpr RadioModel model = ModelOf<TypeParam>::value;
    const std::size_t records = static_cast<std::size_t>(ChannelCount(model)) * CChannel::kSize;
    {
        std::vector<std::uint8_t> junk(records);
        volatile std::uint8_t* dirty = junk.data();
        for (std::size_t i = 0; i < records; ++i)
            dirty[i] = 0xA5;
    }
    alignas(TypeParam) std::uint8_t storage[sizeof(TypeParam)];
    std::memset(storage, 0xA5, sizeof storage);
    CMemoryImage* image = new (storage) TypeParam(ChannelCount(model));
    EXPECT_EQ(image->GetChannelCount(), ChannelCount(model));
    EXPECT_EQ(image->GetTrailerSize(), model == kTGUV2 ? 1111 : 511);
    EXPECT_TRUE(AllZero(image->GetHeader(), kHeaderSize));
    EXPECT_TRUE(AllZero(image->GetChannels()->bytes, records));
    EXPECT_TRUE(AllZero(image->GetTrailer(), static_cast<std::size_t>(image->GetTrailerSize())));
    image->~CMemoryImage();
}

// A TG-UV2 takes every frequency whatever its trailer; a TG-6A only those on
// its radio's side of 400 MHz, the radio's own frequency being trailer bytes 1
// and 2 as signed pairs. A text's MHz is the integer before its point; a text
// without a point counts as 0 MHz.
TEST(MemoryImage, SameBandSideFollowsTheRadiosSideOf400MHz) {
    const struct {
        const char* text;
        bool uhf;
    } texts[] = {
        {"400.00000", true},
        {"145.50000", false},
        {"399.99999", false},
        {"438", false},
        {"", false},
        {"abc.5", false},
        {" 438.5", true},
        {"-438.5", false},
        {"99999999999.0", true},
        {"123456789012345678901234567890.0", true},
    };
    const struct {
        RadioModel model;
        std::uint8_t pair1, pair2;
        bool uhf;
    } radios[] = {
        {kTGUV2, 14, 55, false}, {kTGUV2, 43, 80, true}, {kTG6A, 43, 80, true},
        {kTG6A, 14, 55, false},  {kTG6A, 40, 0, true},   {kTG6A, 39, 99, false},
        {kTG6A, 40, 200, false}, // signed: 400 - 5 MHz
        {kTG6A, 200, 0, false},  {kTG6A, 127, 99, true},
    };
    for (const auto& radio : radios) {
        CImageTGUV2 uv2(ChannelCount(kTGUV2));
        CImageTG6A g6a(ChannelCount(kTG6A));
        CMemoryImage& image = radio.model == kTGUV2 ? static_cast<CMemoryImage&>(uv2) : g6a;
        std::memset(image.GetTrailer(), 0x7F, static_cast<std::size_t>(image.GetTrailerSize()));
        image.GetTrailer()[1] = radio.pair1;
        image.GetTrailer()[2] = radio.pair2;
        for (const auto& t : texts)
            EXPECT_EQ(image.SameBandSide(t.text), radio.model == kTGUV2 || radio.uhf == t.uhf)
                << "model " << radio.model << " radio " << int{radio.pair1} << ","
                << int{radio.pair2} << " text '" << t.text << "'";
    }
}

} // namespace
