#pragma once

#include "Channel.h"

#include <array>
#include <cstdint>
#include <memory>

// One radio's channel memory as held in a DAT file: header, records, trailer.
// Every part is zero-filled when the image is made, so that nothing written
// from an image that was never loaded can carry uninitialised memory.
class CMemoryImage {
public:
    explicit CMemoryImage(int channelCount);
    virtual ~CMemoryImage() = default;
    CMemoryImage(const CMemoryImage&) = delete;
    CMemoryImage& operator=(const CMemoryImage&) = delete;

    int GetChannelCount() const { return m_nChannels; }
    CChannel* GetChannels() { return m_channels.get(); }
    const CChannel* GetChannels() const { return m_channels.get(); }
    std::uint8_t* GetHeader() { return m_header.data(); }
    const std::uint8_t* GetHeader() const { return m_header.data(); }

    virtual std::uint8_t* GetTrailer() = 0;
    const std::uint8_t* GetTrailer() const { return const_cast<CMemoryImage*>(this)->GetTrailer(); }
    virtual int GetTrailerSize() const = 0;
    // Whether this radio accepts the frequency (a count of 10 Hz, Frequency.h).
    virtual bool SameBandSide(int frequency) const = 0;

private:
    int m_nChannels;
    std::unique_ptr<CChannel[]> m_channels;
    std::array<std::uint8_t, kHeaderSize> m_header{};
};

class CImageTGUV2 : public CMemoryImage {
public:
    explicit CImageTGUV2(int channelCount) : CMemoryImage(channelCount) {}
    std::uint8_t* GetTrailer() override { return m_trailer.data(); }
    int GetTrailerSize() const override { return TrailerSize(kTGUV2); }
    // The TG-UV2 covers every band it has.
    bool SameBandSide(int) const override { return true; }

private:
    std::array<std::uint8_t, TrailerSize(kTGUV2)> m_trailer{};
};

class CImageTG6A : public CMemoryImage {
public:
    explicit CImageTG6A(int channelCount) : CMemoryImage(channelCount) {}
    std::uint8_t* GetTrailer() override { return m_trailer.data(); }
    int GetTrailerSize() const override { return TrailerSize(kTG6A); }
    // A TG-6A is built either for 400 MHz and above or for below (kBandSplit);
    // trailer bytes 1 and 2 hold the leading digit pairs of its own
    // frequency. A frequency's side is that of its whole MHz.
    bool SameBandSide(int frequency) const override;

private:
    std::array<std::uint8_t, TrailerSize(kTG6A)> m_trailer{};
};
