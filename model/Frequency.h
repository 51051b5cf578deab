#pragma once

#include <string>

// Every frequency and offset is a count of 10 Hz: 145.50000 MHz is 14550000.
inline constexpr int kTenHzPerMHz = 100000;
// A TG-6A is built to work either at this frequency (400 MHz) and above or
// below it.
inline constexpr int kBandSplit = 400 * kTenHzPerMHz;

// A frequency as every window, list and file shows it: MHz, a point, five
// decimals ("145.50000"); a negative value with a minus sign before it.
std::string FormatFrequency(long long value);
// The same text from the whole MHz and the five-digit decimals, as a record's
// digit pairs give them ("%d.%05d"); the one place such a text is made.
std::string FrequencyText(int mhz, int decimals);
