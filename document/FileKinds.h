#pragma once

#include "Message.h"
#include "RadioModel.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What a file is, as both the windows and the command line decide it.

// A file whose name ends in .csv, in any letter case, is a CSV list; any
// other is taken for a DAT file.
bool IsCsvName(std::string_view name);

// The radio of a DAT file of size bytes: the one whose files have that size,
// or, when the user named one, that one if the size is its files'. Nothing,
// with the reason in the user's terms, when the size does not fit.
std::optional<RadioModel> RadioOfDat(std::uintmax_t size, std::optional<RadioModel> named,
                                     Message& reason);
