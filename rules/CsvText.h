#pragma once

#include <optional>
#include <string>
#include <string_view>

// What the reading and the writing of CSV lists share: decimal numbers as
// files write them, frequencies as MHz, and a file's texts quoted back to the
// user in a reason.

// A decimal text as a whole number of 1/10^scale units: "12.5" at scale 2 is
// 1250. Nothing unless it is digits with at most one point, at least one
// digit, not too long, and without non-zero digits past the scale. A comma
// is a point too, as spreadsheets in much of Europe write it.
struct Decimal {
    long long value = 0;
    bool exact = true; // false: non-zero digits past the scale
};
std::optional<Decimal> ParseDecimal(std::string_view text, int scale);

// A frequency as a CSV file writes it, MHz with six decimals ("145.500000").
std::string FileMHz(long long value);
// A band limit in MHz without the zeros at its end: 17399500 is "173.995".
std::string MHzLimit(int value);

// Texts of a file are quoted back to the user only this long.
inline constexpr std::size_t kLongestEcho = 24;
// A text of the file as a reason quotes it.
std::string Echo(std::string_view text);
// A column's name and a text of the file quoted: Power "7 Watt".
std::string Quoted(std::string_view column, std::string_view text);
