#pragma once

#include <string>
#include <string_view>

// The text as a JSON string, quotes included. Bytes that are not UTF-8 are
// passed through as they are; control characters are escaped.
std::string JsonString(std::string_view text);
