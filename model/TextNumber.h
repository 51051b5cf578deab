#pragma once

#include <string_view>

// The leading decimal integer of a text the way the C library's strtol reads
// it: leading white space and one sign are skipped, reading stops at the first
// non-digit, and a text without a leading digit gives 0. Values beyond the
// range of int saturate instead of overflowing.
int LeadingInt(std::string_view text);
