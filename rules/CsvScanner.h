#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The text of a CSV file, apart from what its fields mean: its encoding, its
// separator, its quotes, its records and the lines they are counted at.

// A file's text as UTF-8: UTF-8 with or without a byte order mark as it is,
// UTF-16 with one (either byte order) converted into storage. A surrogate
// without its other half becomes U+FFFD; an odd last byte is left out.
std::string_view CsvTextOf(std::string_view bytes, std::string& storage);

// The separator that a first line such as "sep=;" names, as spreadsheets
// write it (and, saved again, with empty fields after it).
std::optional<char> NamedSeparator(std::string_view line);
// The separator of a file that names none: a comma, unless the header holds
// none and holds semicolons or tabs, as European spreadsheets write it.
char HeaderSeparator(std::string_view header);

// The fields of one record of the file, the line it is counted at, how many
// lines it spans, and whether a quote opened in it is never closed. Fields
// past those a reader keeps are not stored; whether any of them held more
// than spaces is.
struct CsvRecord {
    std::vector<std::string> fields;
    int line = 1;
    int lines = 1;
    bool unclosed = false;
    bool moreText = false;
};

// Reads a file's text one record at a time, as RFC 4180 splits it but with
// any separator; LF, CR LF and a lone CR all end a line. A quote inside an
// unquoted field is kept as it is. A quote that is never closed takes only
// the rest of its own line, so that the lines after it are still read.
class CCsvScanner {
public:
    explicit CCsvScanner(std::string_view text) : m_text(text) {}

    bool AtEnd() const { return m_at >= m_text.size(); }
    // The number the next line has; after the last, one more than the lines.
    int Line() const { return m_line; }
    // The next line's text, without its line end and without regard to quotes.
    std::string_view PeekLine() const { return RestOfLine(m_at); }
    void SkipLine();
    // The next record, or false at the end of the text; of its fields, the
    // first kept are stored, so that a line of a million separators costs no
    // million strings.
    bool Next(CsvRecord& record, char separator, std::size_t kept = kMostFields);
    // More columns than any list of channels has.
    static constexpr std::size_t kMostFields = 256;

private:
    std::string_view RestOfLine(std::size_t at) const {
        return m_text.substr(at, m_text.find_first_of("\r\n", at) - at);
    }
    std::size_t LineEnd(std::size_t at) const;
    // Reads a quoted field into field, or past it when field is null.
    void ReadQuoted(CsvRecord& record, std::string* field);

    std::string_view m_text;
    std::size_t m_at = 0;
    int m_line = 1;
};
