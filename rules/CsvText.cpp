#include "CsvText.h"

#include "Frequency.h"
#include "Text.h"

#include <algorithm>

std::optional<Decimal> ParseDecimal(std::string_view text, int scale) {
    Decimal number;
    int digits = 0, decimals = -1;
    for (const char c : text) {
        if ((c == '.' || c == ',') && decimals < 0) {
            decimals = 0;
            continue;
        }
        if (c < '0' || c > '9' || ++digits > 12)
            return std::nullopt;
        if (decimals >= 0 && ++decimals > scale) {
            number.exact = number.exact && c == '0';
            continue;
        }
        number.value = number.value * 10 + (c - '0');
    }
    if (digits == 0)
        return std::nullopt;
    for (int n = std::max(decimals, 0); n < scale; ++n)
        number.value *= 10;
    return number;
}

std::string FileMHz(long long value) { return FormatFrequency(value) + "0"; }

std::string MHzLimit(int value) {
    std::string text(Trim(FormatFrequency(value), TrimEnds::kEnd, "0"));
    if (text.back() == '.')
        text.pop_back();
    return text;
}

std::string Echo(std::string_view text) {
    return text.size() <= kLongestEcho ? std::string(text)
                                       : std::string(text.substr(0, kLongestEcho)) + "...";
}

std::string Quoted(std::string_view column, std::string_view text) {
    return std::string(column) + " \"" + Echo(text) + "\"";
}
