#include "Frequency.h"

#include <cstdio>

std::string FrequencyText(int mhz, int decimals) {
    char text[32];
    std::snprintf(text, sizeof text, "%d.%05d", mhz, decimals);
    return text;
}

std::string FormatFrequency(long long value) {
    const long long size = value < 0 ? -value : value;
    return (value < 0 ? "-" : "") + FrequencyText(static_cast<int>(size / kTenHzPerMHz),
                                                  static_cast<int>(size % kTenHzPerMHz));
}
