#include "NameRules.h"

#include "Channel.h"

bool NormalizeNameText(std::string& text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        try {
            CChannel::EncodeNameChar(c);
        } catch (...) {
            return false;
        }
    }
    return true;
}
