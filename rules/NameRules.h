#pragma once

#include <string>

// What the Name box makes of a text, typed or pasted: lower-case letters
// become capitals; false when any character is outside the name code, in
// which case the text must be refused whole. Knows nothing of windows.
bool NormalizeNameText(std::string& text);
