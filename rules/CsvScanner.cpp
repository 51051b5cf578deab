#include "CsvScanner.h"

#include "Text.h"

#include <algorithm>
#include <array>

namespace {

// A file's text in UTF-8 from UTF-16 in the given byte order. A surrogate
// without its other half becomes U+FFFD; an odd last byte is left out.
std::string Utf8FromUtf16(std::string_view bytes, bool bigEndian) {
    constexpr char32_t kHighSurrogate = 0xD800, kLowSurrogate = 0xDC00, kSurrogatesEnd = 0xE000;
    constexpr char32_t kReplacement = 0xFFFD, kPlane1 = 0x10000;
    const auto unit = [&](std::size_t at) {
        const auto byte = [&](std::size_t i) {
            return static_cast<char32_t>(static_cast<unsigned char>(bytes[i]));
        };
        return bigEndian ? byte(at) << 8 | byte(at + 1) : byte(at + 1) << 8 | byte(at);
    };
    std::string text;
    // No unit takes more than three bytes, nor a pair of them more than four.
    text.reserve(bytes.size() / 2 * 3);
    for (std::size_t at = 0; at + 1 < bytes.size(); at += 2) {
        char32_t c = unit(at);
        if (c >= kHighSurrogate && c < kLowSurrogate && at + 3 < bytes.size())
            if (const char32_t low = unit(at + 2); low >= kLowSurrogate && low < kSurrogatesEnd) {
                c = kPlane1 + ((c - kHighSurrogate) << 10) + (low - kLowSurrogate);
                at += 2;
            }
        if (c >= kHighSurrogate && c < kSurrogatesEnd)
            c = kReplacement;
        // UTF-8: a lead byte, then six bits in each byte that follows.
        const int more = c < 0x80 ? 0 : c < 0x800 ? 1 : c < kPlane1 ? 2 : 3;
        constexpr std::array<unsigned, 4> kLead = {0x00, 0xC0, 0xE0, 0xF0};
        text += static_cast<char>(kLead[static_cast<std::size_t>(more)] | c >> (6 * more));
        for (int n = more - 1; n >= 0; --n)
            text += static_cast<char>(0x80 | (c >> (6 * n) & 0x3F));
    }
    return text;
}

// The number of line ends in a text: LF, CR LF and a lone CR.
int LineEnds(std::string_view text) {
    int ends = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++ends;
    return ends;
}

} // namespace

std::string_view CsvTextOf(std::string_view bytes, std::string& storage) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        storage = Utf8FromUtf16(bytes.substr(2), bytes[0] == '\xFE');
        return storage;
    }
    if (bytes.starts_with("\xEF\xBB\xBF"))
        bytes.remove_prefix(3);
    return bytes;
}

std::optional<char> NamedSeparator(std::string_view line) {
    if (line.size() < 5 || !SameIgnoringCase(line.substr(0, 4), "sep=") || line[4] == '"' ||
        line.find_first_not_of(line[4], 4) != std::string_view::npos)
        return std::nullopt;
    return line[4];
}

char HeaderSeparator(std::string_view header) {
    const auto semicolons = std::ranges::count(header, ';'),
               tabs = std::ranges::count(header, '\t');
    if (header.find(',') != std::string_view::npos || semicolons + tabs == 0)
        return ',';
    return semicolons >= tabs ? ';' : '\t';
}

void CCsvScanner::SkipLine() {
    m_at += PeekLine().size();
    m_at += LineEnd(m_at);
    ++m_line;
}

std::size_t CCsvScanner::LineEnd(std::size_t at) const {
    if (at >= m_text.size() || (m_text[at] != '\r' && m_text[at] != '\n'))
        return 0;
    return m_text.substr(at).starts_with("\r\n") ? 2 : 1;
}

bool CCsvScanner::Next(CsvRecord& record, char separator, std::size_t kept) {
    if (AtEnd())
        return false;
    record.fields.assign(1, std::string());
    record.line = m_line;
    record.lines = 1;
    record.unclosed = false;
    record.moreText = false;
    bool started = false;
    // The field being read, or null past the fields kept.
    std::string* field = &record.fields.back();
    while (!AtEnd()) {
        const char c = m_text[m_at];
        if (const std::size_t end = LineEnd(m_at); end > 0) {
            m_at += end;
            break;
        }
        if (c == separator) {
            field = record.fields.size() < std::max<std::size_t>(kept, 1)
                        ? &record.fields.emplace_back()
                        : nullptr;
            started = false;
        } else if (c == '"' && !started) {
            started = true;
            ReadQuoted(record, field);
            continue;
        } else {
            if (field)
                *field += c;
            else if (c != ' ' && c != '\t')
                record.moreText = true;
            started = true;
        }
        ++m_at;
    }
    ++m_line;
    return true;
}

// From the opening quote at m_at to past the closing one.
void CCsvScanner::ReadQuoted(CsvRecord& record, std::string* field) {
    // The closing quote is the first that is not doubled. Found before
    // anything is copied, so that an unclosed one costs no copy of the rest.
    std::size_t close = m_at + 1;
    while ((close = m_text.find('"', close)) != std::string_view::npos &&
           m_text.substr(close).starts_with("\"\""))
        close += 2;
    if (close == std::string_view::npos) {
        const std::string_view rest = RestOfLine(m_at + 1);
        if (field)
            *field = rest;
        m_at += 1 + rest.size();
        record.line = m_line;
        record.unclosed = true;
        return;
    }
    const std::string_view inside = m_text.substr(m_at + 1, close - m_at - 1);
    if (field) {
        field->reserve(inside.size());
        for (std::size_t i = 0; i < inside.size(); ++i) {
            *field += inside[i];
            if (inside[i] == '"')
                ++i; // the second of a doubled quote
        }
    } else if (!Trim(inside).empty()) {
        record.moreText = true;
    }
    const int ends = LineEnds(inside);
    m_line += ends;
    record.lines += ends;
    m_at = close + 1;
}
