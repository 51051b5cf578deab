#pragma once

#include <string_view>

// The two radios whose memory files Velmora edits. The values are the ones the
// Mode box uses as item positions.
enum RadioModel : int {
    kTGUV2 = 0,
    kTG6A = 1,
};

// The radio's name as its maker writes it.
constexpr std::string_view ModelName(RadioModel model) {
    return model == kTGUV2 ? "TG-UV2" : "TG-6A";
}

inline constexpr int kHeaderSize = 90;
inline constexpr int kMaxChannels = 200;

constexpr int ChannelCount(RadioModel model) { return model == kTGUV2 ? 200 : 100; }
constexpr int TrailerSize(RadioModel model) { return model == kTGUV2 ? 1111 : 511; }
constexpr int FileSize(RadioModel model) {
    return kHeaderSize + ChannelCount(model) * 44 + TrailerSize(model);
}

static_assert(FileSize(kTGUV2) == 10001);
static_assert(FileSize(kTG6A) == 5001);
