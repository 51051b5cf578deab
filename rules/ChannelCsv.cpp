#include "ChannelCsv.h"

#include "EditSession.h"
#include "FrequencyRules.h"
#include "NameRules.h"
#include "ToneTables.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace {

using ToneTables::kFirstCtcss;
using ToneTables::kFirstDcsI;
using ToneTables::kFirstDcsN;
// Texts of a file are quoted back to the user only this long.
constexpr std::size_t kLongestEcho = 24;

enum ToneKind { kOff, kCtcss, kDcsN, kDcsI };

// ----------------------------------------------------------------- numbers

// A decimal text as a whole number of 1/10^scale units: "12.5" at scale 2 is
// 1250. Nothing unless it is digits with at most one point, at least one
// digit, not too long, and without non-zero digits past the scale. A comma
// is a point too, as spreadsheets in much of Europe write it.
struct Decimal {
    long long value = 0;
    bool exact = true; // false: non-zero digits past the scale
};
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

// 10 Hz units as MHz, with six decimals as files have them (14550000 is
// "145.500000") or five as the Row Editor shows them.
std::string MHz(int value, std::size_t decimals = 6) {
    std::string fraction = std::to_string(std::abs(value) % kTenHzPerMHz);
    fraction.insert(0, 5 - fraction.size(), '0');
    fraction.resize(decimals, '0');
    return (value < 0 ? "-" : "") + std::to_string(std::abs(value) / kTenHzPerMHz) + "." + fraction;
}

// A band limit in MHz without the zeros at its end: 17399500 is "173.995".
std::string MHzLimit(int value) {
    std::string text = MHz(value, 5);
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.')
        text.pop_back();
    return text;
}

// The record's frequency in 10 Hz units, from its five-decimal text; 0 for none.
int FrequencyOf(const CChannel& record, bool rx) {
    const std::optional<Decimal> value = ParseDecimal(record.GetFreqText(rx), 5);
    return value ? static_cast<int>(value->value) : 0;
}

// ------------------------------------------------------------------- texts

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

bool SameText(std::string_view a, std::string_view b) { return Lower(a) == Lower(b); }

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

// A text of the file as a reason quotes it.
std::string Echo(std::string_view text) {
    return text.size() <= kLongestEcho ? std::string(text)
                                       : std::string(text.substr(0, kLongestEcho)) + "...";
}

std::string Quoted(std::string_view column, std::string_view text) {
    return std::string(column) + " \"" + Echo(text) + "\"";
}

// A field as RFC 4180 writes it.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"')
            quoted += '"';
    }
    return quoted + "\"";
}

// -------------------------------------------------------------------- tones

// The number a CTCSS text stands for in tenths of a hertz, or a DCS code's
// digits as a number; -1 for anything else.
int ToneNumber(std::string_view text, bool dcs) {
    if (dcs) {
        const std::optional<Decimal> code = ParseDecimal(text, 0);
        return code && text.find_first_of(".,") == std::string_view::npos
                   ? static_cast<int>(code->value)
                   : -1;
    }
    const std::optional<Decimal> tone = ParseDecimal(text, 1);
    return tone && tone->exact ? static_cast<int>(tone->value) : -1;
}

// The index in the CTCSS table, or in the DCS tables, of a text; -1 if none.
int ToneIndex(std::string_view text, bool dcs) {
    const int number = ToneNumber(Trimmed(text), dcs);
    if (number < 0)
        return -1;
    const std::span<const std::string_view> table =
        dcs ? std::span<const std::string_view>(ToneTables::kDcsN) : ToneTables::kCtcss;
    for (std::size_t i = 0; i < table.size(); ++i)
        if (ToneNumber(dcs ? table[i].substr(1, 3) : table[i], dcs) == number)
            return static_cast<int>(i);
    return -1;
}

struct Tone {
    ToneKind kind = kOff;
    int index = 0;
};

const char* KindName(ToneKind kind) { return kind == kOff ? "" : kind == kCtcss ? "Tone" : "DTCS"; }

// ------------------------------------------------------------------- export

// The columns that carry a channel's tones.
struct ToneColumns {
    std::string mode, rTone = "88.5", cTone = "88.5", dtcs = "023", rxDtcs = "023", polarity = "NN",
                      cross = "Tone->Tone";
};

ToneColumns ToneColumnsOf(const CChannel& record) {
    const auto read = [&](bool rx) {
        const ToneCode code = record.GetTone(rx);
        record.GetToneText(rx); // raises for a slot that names no tone
        return Tone{static_cast<ToneKind>(code.kind), code.index};
    };
    const Tone tx = read(false), rx = read(true);
    const auto ctcss = [](const Tone& t) {
        return std::string(ToneTables::kCtcss[static_cast<std::size_t>(t.index)]);
    };
    const auto dcs = [](const Tone& t) {
        return std::string(ToneTables::kDcsN[static_cast<std::size_t>(t.index)].substr(1, 3));
    };
    const auto isDcs = [](const Tone& t) { return t.kind == kDcsN || t.kind == kDcsI; };
    ToneColumns columns;
    columns.polarity = std::string(tx.kind == kDcsI ? "R" : "N") + (rx.kind == kDcsI ? "R" : "N");
    if (tx.kind == kOff && rx.kind == kOff)
        return columns;
    if (tx.kind == kCtcss && rx.kind == kOff) {
        columns.mode = "Tone";
        columns.rTone = ctcss(tx);
    } else if (tx.kind == kCtcss && rx.kind == kCtcss && tx.index == rx.index) {
        columns.mode = "TSQL";
        columns.rTone = columns.cTone = ctcss(tx);
    } else if (isDcs(tx) && isDcs(rx) && tx.index == rx.index) {
        columns.mode = "DTCS";
        columns.dtcs = columns.rxDtcs = dcs(tx);
    } else {
        const auto kind = [&](const Tone& t) { return isDcs(t) ? kDcsN : t.kind; };
        columns.mode = "Cross";
        columns.cross = std::string(KindName(kind(tx))) + "->" + KindName(kind(rx));
        if (tx.kind == kCtcss)
            columns.rTone = ctcss(tx);
        if (rx.kind == kCtcss)
            columns.cTone = ctcss(rx);
        if (isDcs(tx))
            columns.dtcs = dcs(tx);
        if (isDcs(rx))
            columns.rxDtcs = dcs(rx);
    }
    return columns;
}

std::vector<std::string> CsvLine(int location, const CChannel& record, RadioModel model) {
    const int rx = FrequencyOf(record, true), tx = FrequencyOf(record, false);
    std::string duplex, offset = MHz(0);
    if (tx == 0) {
        duplex = "off";
    } else if (BandOf(rx) != BandOf(tx)) {
        duplex = "split";
        offset = MHz(tx);
    } else if (tx != rx) {
        duplex = tx > rx ? "+" : "-";
        offset = MHz(tx > rx ? tx - rx : rx - tx);
    }
    std::string name = model == kTGUV2 ? record.GetNameText() : std::string();
    name.erase(name.find_last_not_of(' ') + 1);
    record.GetStepText(); // raises for a step that is not in the table
    const int step = ToneTables::kStepUnits[static_cast<std::size_t>(record.GetStepIndex())];
    const std::string stepText = std::to_string(step / 100) + "." + (step % 100 < 10 ? "0" : "") +
                                 std::to_string(step % 100);
    const ToneColumns tones = ToneColumnsOf(record);
    return {std::to_string(location),
            name,
            MHz(rx),
            duplex,
            offset,
            tones.mode,
            tones.rTone,
            tones.cTone,
            tones.dtcs,
            tones.polarity,
            tones.rxDtcs,
            tones.cross,
            record.GetWidthText() == "Wide" ? "FM" : "NFM",
            stepText,
            model == kTGUV2 && record.GetScanText() == "OFF" ? "S" : "",
            record.GetPowerText(),
            "",
            "",
            "",
            "",
            "",
            record.GetReverseText(),
            record.GetScrambleText(),
            model == kTG6A ? record.GetBusySetText() : ""};
}

// ------------------------------------------------------------------- import

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

// The separator that a first line such as "sep=;" names, as spreadsheets
// write it (and, saved again, with empty fields after it).
std::optional<char> NamedSeparator(std::string_view line) {
    if (line.size() < 5 || !SameText(line.substr(0, 4), "sep=") || line[4] == '"' ||
        line.find_first_not_of(line[4], 4) != std::string_view::npos)
        return std::nullopt;
    return line[4];
}

// The separator of a file that names none: a comma, unless the header holds
// none and holds semicolons or tabs, as European spreadsheets write it.
char HeaderSeparator(std::string_view header) {
    const auto semicolons = std::ranges::count(header, ';'),
               tabs = std::ranges::count(header, '\t');
    if (header.find(',') != std::string_view::npos || semicolons + tabs == 0)
        return ',';
    return semicolons >= tabs ? ';' : '\t';
}

// The number of line ends in a text: LF, CR LF and a lone CR.
int LineEnds(std::string_view text) {
    int ends = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')))
            ++ends;
    return ends;
}

// The fields of one record of the file, the line it is counted at, how many
// lines it spans, and whether a quote opened in it is never closed.
struct CsvRecord {
    std::vector<std::string> fields;
    int line = 1;
    int lines = 1;
    bool unclosed = false;
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
    void SkipLine() {
        m_at += PeekLine().size();
        m_at += LineEnd(m_at);
        ++m_line;
    }
    // The next record, or false at the end of the text.
    bool Next(CsvRecord& record, char separator);

private:
    std::string_view RestOfLine(std::size_t at) const {
        return m_text.substr(at, m_text.find_first_of("\r\n", at) - at);
    }
    std::size_t LineEnd(std::size_t at) const {
        if (at >= m_text.size() || (m_text[at] != '\r' && m_text[at] != '\n'))
            return 0;
        return m_text.substr(at).starts_with("\r\n") ? 2 : 1;
    }
    void ReadQuoted(CsvRecord& record);

    std::string_view m_text;
    std::size_t m_at = 0;
    int m_line = 1;
};

bool CCsvScanner::Next(CsvRecord& record, char separator) {
    if (AtEnd())
        return false;
    record.fields.assign(1, std::string());
    record.line = m_line;
    record.lines = 1;
    record.unclosed = false;
    bool started = false;
    while (!AtEnd()) {
        const char c = m_text[m_at];
        if (const std::size_t end = LineEnd(m_at); end > 0) {
            m_at += end;
            break;
        }
        if (c == separator) {
            record.fields.emplace_back();
            started = false;
        } else if (c == '"' && !started) {
            started = true;
            ReadQuoted(record);
            continue;
        } else {
            record.fields.back() += c;
            started = true;
        }
        ++m_at;
    }
    ++m_line;
    return true;
}

// From the opening quote at m_at to past the closing one.
void CCsvScanner::ReadQuoted(CsvRecord& record) {
    std::string& field = record.fields.back();
    // The closing quote is the first that is not doubled. Found before
    // anything is copied, so that an unclosed one costs no copy of the rest.
    std::size_t close = m_at + 1;
    while ((close = m_text.find('"', close)) != std::string_view::npos &&
           m_text.substr(close).starts_with("\"\""))
        close += 2;
    if (close == std::string_view::npos) {
        field = RestOfLine(m_at + 1);
        m_at += 1 + field.size();
        record.line = m_line;
        record.unclosed = true;
        return;
    }
    const std::string_view inside = m_text.substr(m_at + 1, close - m_at - 1);
    field.reserve(inside.size());
    for (std::size_t i = 0; i < inside.size(); ++i) {
        field += inside[i];
        if (inside[i] == '"')
            ++i; // the second of a doubled quote
    }
    const int ends = LineEnds(inside);
    m_line += ends;
    record.lines += ends;
    m_at = close + 1;
}

// Reads one line of the file into a record, or says why it cannot be one.
class CLineReader {
public:
    CLineReader(const std::map<std::string, std::size_t>& columns, const CsvRecord& record,
                RadioModel model, int unitBand)
        : m_columns(columns), m_record(record), m_model(model), m_unitBand(unitBand) {}

    // The record, or the reason in error.
    CChannel Read(std::string& error);

private:
    // A field by its column's name in lower case; empty when the column or
    // the field is missing.
    std::string_view Field(const char* column, bool trim = true) const {
        const auto found = m_columns.find(column);
        if (found == m_columns.end() || found->second >= m_record.fields.size())
            return {};
        const std::string& text = m_record.fields[found->second];
        return trim ? Trimmed(text) : std::string_view(text);
    }
    std::optional<int> Frequency(const char* column, std::string& error) const;
    bool Takes(int band) const;
    std::string Bands() const;
    std::optional<int> TxFrequency(int rx, std::string& error) const;
    int Step(int rx, int tx) const;
    bool Tones(FormValues& form, std::string& error) const;
    std::optional<int> ToneSelection(ToneKind kind, const char* column, char polarity,
                                     std::string& error) const;
    bool Switch(FormValues& form, Setting setting, const char* column, std::string& error) const;
    bool Power(FormValues& form, std::string& error) const;

    const std::map<std::string, std::size_t>& m_columns;
    const CsvRecord& m_record;
    RadioModel m_model;
    int m_unitBand;
};

std::optional<int> CLineReader::Frequency(const char* column, std::string& error) const {
    const std::string_view text = Field(column);
    if (text.empty())
        return 0;
    const std::optional<Decimal> value = ParseDecimal(text, 5);
    const char* name = column == std::string_view("frequency") ? "Frequency" : "Offset";
    if (!value || value->value > 999999999)
        error = Quoted(name, text) + " is not a number of MHz.";
    else if (!value->exact)
        error = std::string(name) + " " + Echo(text) + " MHz is not a whole multiple of 10 Hz.";
    else
        return static_cast<int>(value->value);
    return std::nullopt;
}

// Whether a channel may lie in the band: any of the TG-UV2's; a TG-6A's
// unit band, or either band a TG-6A is built for while the unit is unknown.
bool CLineReader::Takes(int band) const {
    if (band == 0)
        return false;
    if (m_model == kTGUV2)
        return true;
    return m_unitBand != 0 ? band == m_unitBand : band == kBandVhf1 || band == kBandUhf2;
}

// The bands the radio takes, as a reason names them.
std::string CLineReader::Bands() const {
    std::string limits;
    for (int band = 1; band <= static_cast<int>(ToneTables::kBands.size()); ++band)
        if (Takes(band))
            limits += (limits.empty() ? "" : ", ") + MHzLimit(LimitsOfBand(band).lowest) +
                      "\u2013" + MHzLimit(LimitsOfBand(band).highest);
    std::string whose = "the " + std::string(ModelName(m_model)) + "'s bands";
    if (m_model == kTG6A && m_unitBand != 0)
        whose = "this TG-6A's band";
    return whose + " (" + limits + " MHz)";
}

std::optional<int> CLineReader::TxFrequency(int rx, std::string& error) const {
    const std::string duplex = Lower(Field("duplex"));
    if (duplex.empty())
        return rx;
    if (duplex == "off") {
        error = "receive-only channels (Duplex \"off\") cannot be stored in this radio.";
        return std::nullopt;
    }
    if (duplex != "+" && duplex != "-" && duplex != "split") {
        error = Quoted("Duplex", Field("duplex")) + " is not +, -, split, off or empty.";
        return std::nullopt;
    }
    const std::optional<int> offset = Frequency("offset", error);
    if (!offset)
        return std::nullopt;
    const int tx = duplex == "+" ? rx + *offset : duplex == "-" ? rx - *offset : *offset;
    if (!Takes(BandOf(tx)))
        error = "the transmit frequency " + MHz(tx, 5) + " MHz is outside " + Bands() + ".";
    else if (BandOf(tx) != BandOf(rx))
        error = MHz(rx, 5) + " MHz and the transmit frequency " + MHz(tx, 5) +
                " MHz are in different bands; the radio needs both in one.";
    else
        return tx;
    return std::nullopt;
}

// The step of the TStep column if it fits both frequencies. Otherwise, as
// programs write 5 kHz for channels on every raster, the first step of the
// radio's that does; -1 when none does.
int CLineReader::Step(int rx, int tx) const {
    const auto fits = [&](int size) { return rx % size == 0 && tx % size == 0; };
    const std::span<const int> sizes = ToneTables::kStepUnits;
    auto step = sizes.end();
    if (const std::optional<Decimal> kHz = ParseDecimal(Field("tstep"), 2); kHz && kHz->exact)
        step = std::ranges::find(sizes, kHz->value);
    if (step == sizes.end() || !fits(*step))
        step = std::ranges::find_if(sizes, fits);
    return step == sizes.end() ? -1 : static_cast<int>(step - sizes.begin());
}

std::optional<int> CLineReader::ToneSelection(ToneKind kind, const char* column, char polarity,
                                              std::string& error) const {
    const std::string_view text = Field(column);
    const bool dcs = kind != kCtcss;
    const std::string_view given = text.empty() ? (dcs ? "023" : "88.5") : text;
    const int index = ToneIndex(given, dcs);
    if (index < 0) {
        error = std::string(dcs ? "DCS code " : "CTCSS tone ") + Echo(given) +
                " is not in the radio's table.";
        return std::nullopt;
    }
    if (!dcs)
        return kFirstCtcss + index;
    return (polarity == 'R' || polarity == 'r' ? kFirstDcsI : kFirstDcsN) + index;
}

bool CLineReader::Tones(FormValues& form, std::string& error) const {
    const std::string mode = Lower(Field("tone"));
    std::string_view polarity = Field("dtcspolarity");
    if (polarity.empty())
        polarity = "NN";
    if (polarity.size() != 2 || !std::all_of(polarity.begin(), polarity.end(), [](char c) {
            return c == 'N' || c == 'R' || c == 'n' || c == 'r';
        })) {
        error = Quoted("DtcsPolarity", polarity) + " is not two of the letters N and R.";
        return false;
    }
    // What each side gets: its kind, and the column its tone or code is in.
    struct Side {
        ToneKind kind = kOff;
        const char* column = "";
    } tx, rx;
    if (mode == "tone") {
        tx = {kCtcss, "rtonefreq"};
    } else if (mode == "tsql") {
        tx = rx = {kCtcss, "ctonefreq"};
    } else if (mode == "dtcs") {
        tx = rx = {kDcsN, "dtcscode"};
    } else if (mode == "tsql-r") {
        rx = {kCtcss, "rtonefreq"};
    } else if (mode == "dtcs-r") {
        rx = {kDcsN, "dtcscode"};
    } else if (mode == "cross") {
        const auto side = [](std::string_view kind, bool isTx, Side& out) {
            if (kind == "tone")
                out = {kCtcss, isTx ? "rtonefreq" : "ctonefreq"};
            else if (kind == "dtcs")
                out = {kDcsN, isTx ? "dtcscode" : "rxdtcscode"};
            return kind.empty() || kind == "tone" || kind == "dtcs";
        };
        std::string cross = Lower(Field("crossmode"));
        if (cross.empty())
            cross = "tone->tone";
        const std::size_t arrow = cross.find("->");
        if (arrow == std::string::npos ||
            !side(std::string_view(cross).substr(0, arrow), true, tx) ||
            !side(std::string_view(cross).substr(arrow + 2), false, rx)) {
            error = Quoted("CrossMode", Field("crossmode")) + " is not a pair such as Tone->DTCS.";
            return false;
        }
    } else if (!mode.empty()) {
        error = Quoted("Tone", Field("tone")) +
                " is not one of Tone, TSQL, DTCS, Cross, TSQL-R and DTCS-R.";
        return false;
    }
    const auto selection = [&](const Side& side, char sign) -> std::optional<int> {
        return side.kind == kOff ? std::optional<int>(0)
                                 : ToneSelection(side.kind, side.column, sign, error);
    };
    const std::optional<int> txSelection = selection(tx, polarity[0]);
    const std::optional<int> rxSelection = txSelection ? selection(rx, polarity[1]) : std::nullopt;
    if (!txSelection || !rxSelection)
        return false;
    form[kTxTone].position = *txSelection;
    form[kRxTone].position = *rxSelection;
    return true;
}

bool CLineReader::Switch(FormValues& form, Setting setting, const char* column,
                         std::string& error) const {
    const std::string_view text = Field(column);
    if (text.empty())
        return true; // a new channel's value, already in the form
    for (const std::string_view item : ToneTables::kOnOff)
        if (SameText(text, item)) {
            form[setting].text = std::string(item);
            return true;
        }
    const char* names[] = {"Reverse", "Scramble", "BusySet"};
    const char* name = setting == kReverse ? names[0] : setting == kScramble ? names[1] : names[2];
    error = Quoted(name, text) + " is not On or OFF.";
    return false;
}

bool CLineReader::Power(FormValues& form, std::string& error) const {
    const std::string text = Lower(Field("power"));
    const auto set = [&](std::string_view level) {
        form[kPower].text = std::string(level);
        return true;
    };
    if (text.empty() || text == "high")
        return set("High");
    if (text == "mid" || text == "med" || text == "medium")
        return set("Mid");
    if (text == "low")
        return set("Low");
    if (!text.empty() && text.back() == 'w') {
        // Watts: 4 W and more is high power, 1.5 W and more the middle one.
        if (const std::optional<Decimal> watts =
                ParseDecimal(Trimmed(std::string_view(text).substr(0, text.size() - 1)), 2))
            return set(watts->value >= 400 ? "High" : watts->value >= 150 ? "Mid" : "Low");
    }
    error = Quoted("Power", Field("power")) + " is not High, Mid, Low or a number of watts.";
    return false;
}

// The reasons come in the order that matters to the user: a channel the
// radio cannot receive at all is out of its bands, whatever else is wrong.
CChannel CLineReader::Read(std::string& error) {
    CChannel record;
    record.Clear(m_model);
    if (Field("frequency").empty()) {
        error = "Frequency is empty.";
        return record;
    }
    const std::optional<int> rx = Frequency("frequency", error);
    if (!rx)
        return record;
    if (!Takes(BandOf(*rx))) {
        error = MHz(*rx, 5) + " MHz is outside " + Bands() + ".";
        return record;
    }
    const std::optional<int> tx = TxFrequency(*rx, error);
    if (!tx)
        return record;
    const int step = Step(*rx, *tx);
    if (step < 0) {
        const bool rxFits =
            std::ranges::any_of(ToneTables::kStepUnits, [&](int size) { return *rx % size == 0; });
        error = "no step of the radio fits " +
                (rxFits ? "both " + MHz(*rx, 5) + " MHz and the transmit frequency " + MHz(*tx, 5)
                        : MHz(*rx, 5)) +
                " MHz.";
        return record;
    }
    FormValues form = DefaultForm(m_model);
    form[kRx].text = FormatFrequency(*rx);
    form[kTx].text = FormatFrequency(*tx);
    form[kStep] = {std::string(ToneTables::kSteps[static_cast<std::size_t>(step)]), step};
    if (m_model == kTGUV2) {
        // Letters in capitals, other characters the radio cannot show left out.
        std::string name;
        for (const char c : Field("name", false)) {
            std::string one(1, c);
            if (name.size() < static_cast<std::size_t>(CChannel::kNameLength) &&
                NormalizeNameText(one))
                name += one;
        }
        form[kName].text = name;
        const std::string skip = Lower(Field("skip"));
        form[kScanAdd].text = skip == "s" || skip == "p" ? "OFF" : "On";
    }
    const std::string mode = Lower(Field("mode"));
    if (mode != "" && mode != "fm" && mode != "nfm") {
        error = Quoted("Mode", Field("mode")) + " is not FM or NFM.";
        return record;
    }
    form[kWidth].text = mode == "nfm" ? "Narrow" : "Wide";
    if (!Tones(form, error) || !Power(form, error) || !Switch(form, kReverse, "reverse", error) ||
        !Switch(form, kScramble, "scramble", error) ||
        (m_model == kTG6A && !Switch(form, kBusySet, "busyset", error)))
        return record;
    ApplyForm(record, form, m_model);
    return record;
}

// Reads the lines before the first record and the header into record, and
// gives the separator: the one a sep= line names, or the one the header holds.
char ReadHeader(CCsvScanner& scanner, CsvRecord& record, int& passedLines) {
    std::optional<char> separator = NamedSeparator(scanner.PeekLine());
    if (separator) {
        scanner.SkipLine();
        ++passedLines;
    }
    // Blank lines, and lines of empty fields, whatever their separator.
    while (!scanner.AtEnd() &&
           scanner.PeekLine().find_first_not_of(" \t,;") == std::string_view::npos) {
        scanner.SkipLine();
        ++passedLines;
    }
    if (!separator)
        separator = HeaderSeparator(scanner.PeekLine());
    record.fields.clear();
    if (scanner.Next(record, *separator))
        passedLines += record.lines;
    return *separator;
}

// Puts the channel of each line into the row its Location names, once.
class CRowFiller {
public:
    CRowFiller(const std::map<std::string, std::size_t>& columns, RadioModel model, int unitBand)
        : m_columns(columns), m_location(columns.at("location")), m_model(model),
          m_unitBand(unitBand), m_lineOfRow(static_cast<std::size_t>(ChannelCount(model)), 0),
          m_lineOfChannel(m_lineOfRow) {
        CChannel empty;
        empty.Clear(model);
        m_records.assign(m_lineOfRow.size(), empty);
    }

    // Why the line gives no channel; empty when it gave one.
    std::string Take(const CsvRecord& record);
    std::vector<CChannel>& Records() { return m_records; }
    std::vector<int>& Lines() { return m_lineOfChannel; }

private:
    const std::map<std::string, std::size_t>& m_columns;
    std::size_t m_location;
    RadioModel m_model;
    int m_unitBand;
    std::vector<int> m_lineOfRow;
    // Unlike m_lineOfRow, only lines that gave a channel.
    std::vector<int> m_lineOfChannel;
    std::vector<CChannel> m_records;
};

std::string CRowFiller::Take(const CsvRecord& record) {
    const std::string_view given =
        m_location < record.fields.size() ? Trimmed(record.fields[m_location]) : std::string_view();
    const std::optional<Decimal> number = ParseDecimal(given, 0);
    const int rows = static_cast<int>(m_records.size());
    if (!number || given.find_first_of(".,") != std::string_view::npos || number->value >= rows)
        return Quoted("Location", given) + " is not a row number from 0 to " +
               std::to_string(rows - 1) + ".";
    const auto row = static_cast<std::size_t>(number->value);
    if (m_lineOfRow[row] != 0)
        return "Location " + std::to_string(row) + " was given before, in line " +
               std::to_string(m_lineOfRow[row]) + ".";
    m_lineOfRow[row] = record.line;
    std::string error;
    try {
        const CChannel channel = CLineReader(m_columns, record, m_model, m_unitBand).Read(error);
        if (error.empty()) {
            m_records[row] = channel;
            m_lineOfChannel[row] = record.line;
        }
    } catch (int) {
        error = "the channel holds a value the radio cannot store.";
    }
    return error;
}

} // namespace

const std::vector<std::string_view> kCsvColumns = {
    "Location",  "Name",      "Frequency", "Duplex",       "Offset",     "Tone",
    "rToneFreq", "cToneFreq", "DtcsCode",  "DtcsPolarity", "RxDtcsCode", "CrossMode",
    "Mode",      "TStep",     "Skip",      "Power",        "Comment",    "URCALL",
    "RPT1CALL",  "RPT2CALL",  "DVCODE",    "Reverse",      "Scramble",   "BusySet"};

std::string ChannelsToCsv(std::span<const CChannel* const> rows, RadioModel model) {
    const auto line = [](const std::vector<std::string>& fields) {
        std::string text;
        for (std::size_t i = 0; i < fields.size(); ++i)
            text += (i ? "," : "") + CsvField(fields[i]);
        return text + "\r\n";
    };
    std::string csv = line({kCsvColumns.begin(), kCsvColumns.end()});
    for (std::size_t row = 0; row < rows.size(); ++row)
        if (!rows[row]->IsEmpty())
            csv += line(CsvLine(static_cast<int>(row), *rows[row], model));
    return csv;
}

CsvChannels ChannelsFromCsv(std::string_view text, RadioModel model, int unitBand,
                            std::size_t keptSkipped) {
    CsvChannels result;
    std::string decoded;
    if (text.starts_with("\xFF\xFE") || text.starts_with("\xFE\xFF")) {
        decoded = Utf8FromUtf16(text.substr(2), text[0] == '\xFE');
        text = decoded;
    } else if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    CCsvScanner scanner(text);
    CsvRecord record;
    const char separator = ReadHeader(scanner, record, result.passedLines);
    std::map<std::string, std::size_t> columns;
    for (std::size_t i = 0; i < record.fields.size(); ++i)
        columns.emplace(Lower(Trimmed(record.fields[i])), i);
    const bool location = columns.contains("location"), frequency = columns.contains("frequency");
    if (!location && !frequency) {
        result.error = "The file has no header line naming its columns, such as Location and "
                       "Frequency.";
        return result;
    }
    if (!location || !frequency) {
        result.error = std::string("The file has no \"") + (location ? "Frequency" : "Location") +
                       "\" column.";
        return result;
    }
    CRowFiller filler(columns, model, unitBand);
    while (scanner.Next(record, separator)) {
        result.passedLines += record.lines - 1;
        const auto blank = [](const std::string& field) { return Trimmed(field).empty(); };
        if (!record.unclosed && std::ranges::all_of(record.fields, blank)) {
            ++result.passedLines;
            continue;
        }
        std::string error =
            record.unclosed ? std::string("a quoted field is not closed.") : filler.Take(record);
        if (error.empty())
            ++result.channelLines;
        else if (static_cast<std::size_t>(++result.skippedCount) <= keptSkipped)
            result.skipped.push_back({record.line, std::move(error)});
    }
    result.records = std::move(filler.Records());
    result.lines = std::move(filler.Lines());
    result.lineCount = scanner.Line() - 1;
    return result;
}
