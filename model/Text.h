#pragma once

#include <string>
#include <string_view>

// Small text helpers that the model, the rules and the command line share,
// so that each exists once. All of them work on ASCII only: the texts they
// judge (file names, CSV fields, channel names) carry their meaning in ASCII,
// and a byte of another script is left as it is.

// The leading decimal integer of a text the way the C library's strtol reads
// it: leading white space and one sign are skipped, reading stops at the first
// non-digit, and a text without a leading digit gives 0. Values beyond the
// range of int saturate instead of overflowing.
int LeadingInt(std::string_view text);

// The text with A-Z made a-z.
std::string AsciiLower(std::string_view text);
// Whether two texts are equal but for the letter case of A-Z.
bool SameIgnoringCase(std::string_view a, std::string_view b);

// The text without the given characters at its start and end (kBoth), or at
// its end only (kEnd).
enum class TrimEnds { kBoth, kEnd };
std::string_view Trim(std::string_view text, TrimEnds ends = TrimEnds::kBoth,
                      std::string_view characters = " \t");
