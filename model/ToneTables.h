#pragma once

#include <array>
#include <string_view>

// The fixed vocabulary through which records are shown and edited. Position i
// of a table is the text stored as code i.
namespace ToneTables {

extern const std::array<std::string_view, 50> kCtcss;
extern const std::array<std::string_view, 104> kDcsN;
extern const std::array<std::string_view, 104> kDcsI;
extern const std::array<std::string_view, 10> kSteps;
// Size of each step in 10 Hz units, by the same index as kSteps.
extern const std::array<int, 10> kStepUnits;
extern const std::array<std::string_view, 5> kBands;

// Switch field texts; the position is the stored code.
extern const std::array<std::string_view, 2> kOnOff;
extern const std::array<std::string_view, 3> kPowerLevels;
extern const std::array<std::string_view, 2> kBandwidths;

// Tone selections as the QT/DQT lists number them: 0 off, then the CTCSS
// tones, the normal DCS codes and the inverted ones, each block following the
// one before.
inline constexpr int kFirstCtcss = 1;
inline constexpr int kFirstDcsN = kFirstCtcss + static_cast<int>(kCtcss.size());
inline constexpr int kFirstDcsI = kFirstDcsN + static_cast<int>(kDcsN.size());
inline constexpr int kToneSelections = kFirstDcsI + static_cast<int>(kDcsI.size());

} // namespace ToneTables
