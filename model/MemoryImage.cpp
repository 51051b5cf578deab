#include "MemoryImage.h"

#include "Frequency.h"

#include <cstdint>

CMemoryImage::CMemoryImage(int channelCount)
    : m_nChannels(channelCount), m_channels(new CChannel[channelCount]()) {}

bool CImageTG6A::SameBandSide(int frequency) const {
    constexpr int kSplitMHz = kBandSplit / kTenHzPerMHz;
    const int radioMHz =
        static_cast<std::int8_t>(m_trailer[1]) * 10 + static_cast<std::int8_t>(m_trailer[2]) / 10;
    return (radioMHz >= kSplitMHz) == (frequency / kTenHzPerMHz >= kSplitMHz);
}
