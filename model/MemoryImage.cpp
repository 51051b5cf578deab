#include "MemoryImage.h"

#include "TextNumber.h"

#include <cstdint>

CMemoryImage::CMemoryImage(int channelCount)
    : m_nChannels(channelCount), m_channels(new CChannel[channelCount]()) {}

bool CImageTG6A::SameBandSide(std::string_view text) const {
    constexpr int kSplitMHz = 400;
    const int radioMHz =
        static_cast<std::int8_t>(m_trailer[1]) * 10 + static_cast<std::int8_t>(m_trailer[2]) / 10;
    const std::size_t point = text.find('.');
    const int textMHz = point == std::string_view::npos ? 0 : LeadingInt(text.substr(0, point));
    return (radioMHz >= kSplitMHz) == (textMHz >= kSplitMHz);
}
