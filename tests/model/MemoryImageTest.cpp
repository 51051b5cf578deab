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

struct ImageNames {
    template <class Image> static std::string GetName(int) {
        return ModelOf<Image>::value == kTGUV2 ? "TGUV2" : "TG6A";
    }
};

template <class Image> class MemoryImageTest : public testing::Test {};
using Images = testing::Types<CImageTGUV2, CImageTG6A>;
TYPED_TEST_SUITE(MemoryImageTest, Images, ImageNames);

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
    const CMemoryImage& view = *image;

    EXPECT_EQ(view.GetChannelCount(), ChannelCount(model));
    EXPECT_EQ(view.GetTrailerSize(), model == kTGUV2 ? 1111 : 511);
    EXPECT_EQ(view.GetTrailer(), image->GetTrailer());
    EXPECT_TRUE(AllZero(view.GetHeader(), kHeaderSize));
    EXPECT_TRUE(AllZero(view.GetChannels()->bytes, records));
    EXPECT_TRUE(AllZero(view.GetTrailer(), static_cast<std::size_t>(view.GetTrailerSize())));
    image->~CMemoryImage();
}

// Frequency texts, and whether each lies at or above 400 MHz for a TG-6A: the
// text's MHz is the integer before its point, and a text without a point
// counts as 0 MHz.
const struct {
    const char* text;
    bool uhf;
} kTexts[] = {
    {"400.00000", true},
    {"145.50000", false},
    {"438.50000", true},
    {"399.99999", false},
    {"438", false},
    {"", false},
    {"abc.5", false},
    {" 438.5", true},
    {"-438.5", false},
    {"99999999999.0", true},
    {"123456789012345678901234567890.0", true},
};

TEST(MemoryImage, TgUv2TakesEveryFrequencyWhateverItsTrailer) {
    CImageTGUV2 image(ChannelCount(kTGUV2));
    for (const int fill : {0x00, 0x0E, 0x2B, 0xFF}) {
        std::memset(image.GetTrailer(), fill, static_cast<std::size_t>(image.GetTrailerSize()));
        for (const auto& t : kTexts)
            EXPECT_TRUE(image.SameBandSide(t.text)) << "'" << t.text << "'";
    }
}

// A TG-6A takes a frequency only on its own side of 400 MHz.
TEST(MemoryImage, Tg6aTakesOnlyFrequenciesOnItsSideOf400MHz) {
    const struct {
        std::uint8_t pair1, pair2;
        bool uhf; // the radio's own frequency is 400 MHz or above
    } radios[] = {
        {43, 80, true},  {14, 55, false},  {40, 0, true},
        {39, 99, false}, {40, 200, false}, // signed: 400 - 5 MHz
        {200, 0, false}, {127, 99, true},
    };
    for (const auto& radio : radios) {
        CImageTG6A image(ChannelCount(kTG6A));
        std::memset(image.GetTrailer(), 0x7F, static_cast<std::size_t>(image.GetTrailerSize()));
        image.GetTrailer()[1] = radio.pair1;
        image.GetTrailer()[2] = radio.pair2;
        for (const auto& t : kTexts)
            EXPECT_EQ(image.SameBandSide(t.text), radio.uhf == t.uhf)
                << "radio " << int{radio.pair1} << "," << int{radio.pair2} << " text '" << t.text
                << "'";
    }
}

} // namespace
