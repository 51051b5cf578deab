#pragma once

#include "ToneTables.h"

#include <string>
#include <string_view>

// The items of the QT/DQT lists. A position in the list is the tone selection
// index that CChannel::GetToneSelection and SetToneSelection take: 0 off,
// 1..50 CTCSS, 51..154 DCS normal, 155..258 DCS inverted.
inline constexpr int kToneItemCount = ToneTables::kToneSelections;

// The text of the item at a position: the table text, and for the tones and
// normal codes that carry a number the number as well ("67.0  (CTCSS 01)",
// "D023N  (DCS 01)").
std::string ToneItemText(int position);

// The text a record shows for a tone selection ("OFF", "88.5", "D023N");
// empty for a position past the list.
std::string ToneValueText(int selection);
// The tone selection whose record text ("OFF", "88.5", "D023N", "D023I") is
// the text given; -1 for none.
int ToneSelectionOf(std::string_view text);
