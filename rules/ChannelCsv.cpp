#include "ChannelCsv.h"

#include "EditSession.h"
#include "FrequencyRules.h"
#include "NameRules.h"
#include "ToneTables.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <span>

namespace {

constexpr int kTenHzPerMHz = 100000;
// Tone selections: 0 off, then the CTCSS tones, the normal DCS codes and the
// inverted ones, as the QT/DQT lists number them.
constexpr int kFirstCtcss = 1;
constexpr int kFirstDcsN = kFirstCtcss + static_cast<int>(ToneTables::kCtcss.size());
constexpr int kFirstDcsI = kFirstDcsN + static_cast<int>(ToneTables::kDcsN.size());
// Texts of a file are quoted back to the user only this long.
constexpr std::size_t kLongestEcho = 24;

enum ToneKind { kOff, kCtcss, kDcsN, kDcsI };

// ----------------------------------------------------------------- numbers

// A decimal text as a whole number of 1/10^scale units: "12.5" at scale 2 is
// 1250. Nothing unless it is digits with at most one point, at least one
// digit, not too long, and without non-zero digits past the scale.
struct Decimal {
    long long value = 0;
    bool exact = true; // false: non-zero digits past the scale
};
std::optional<Decimal> ParseDecimal(std::string_view text, int scale) {
    Decimal number;
    int digits = 0, decimals = -1;
    for (const char c : text) {
        if (c == '.' && decimals < 0) {
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

// 10 Hz units as MHz with six decimals: 14550000 is "145.500000".
std::string MHz(int value) {
    std::string decimals = std::to_string(value % kTenHzPerMHz * 10);
    decimals.insert(0, 6 - decimals.size(), '0');
    return std::to_string(value / kTenHzPerMHz) + "." + decimals;
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
        return code && text.find('.') == std::string_view::npos ? static_cast<int>(code->value)
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

// The fields of one record of the file and the line it starts on.
struct CsvRecord {
    int line = 1;
    std::vector<std::string> fields;
};

// Splits the text into records as RFC 4180 reads them; LF, CR LF and a lone
// CR all end a line. A quote inside an unquoted field is kept as it is.
std::vector<CsvRecord> SplitRecords(std::string_view text) {
    std::vector<CsvRecord> records;
    int line = 1;
    std::size_t at = 0;
    const auto endOfLine = [&](std::size_t i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            return std::size_t{2};
        return text[i] == '\r' || text[i] == '\n' ? std::size_t{1} : std::size_t{0};
    };
    while (at < text.size()) {
        CsvRecord record{line, {std::string()}};
        bool quoted = false, started = false, ended = false;
        while (at < text.size() && !ended) {
            const char c = text[at];
            if (quoted) {
                if (c == '"' && at + 1 < text.size() && text[at + 1] == '"') {
                    record.fields.back() += '"';
                    at += 2;
                    continue;
                }
                if (c == '"') {
                    quoted = false;
                } else {
                    if (const std::size_t end = endOfLine(at); end > 0) {
                        record.fields.back().append(text.substr(at, end));
                        ++line;
                        at += end;
                        continue;
                    }
                    record.fields.back() += c;
                }
                ++at;
                continue;
            }
            if (const std::size_t end = endOfLine(at); end > 0) {
                ++line;
                at += end;
                ended = true;
            } else if (c == ',') {
                record.fields.emplace_back();
                started = false;
                ++at;
            } else if (c == '"' && !started) {
                quoted = started = true;
                ++at;
            } else {
                record.fields.back() += c;
                started = true;
                ++at;
            }
        }
        const bool blank = record.fields.size() == 1 && Trimmed(record.fields[0]).empty();
        if (!blank)
            records.push_back(std::move(record));
    }
    return records;
}

// Reads one line of the file into a record, or says why it cannot be one.
class CLineReader {
public:
    CLineReader(const std::map<std::string, std::size_t>& columns, const CsvRecord& record,
                RadioModel model)
        : m_columns(columns), m_record(record), m_model(model) {}

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
    int Step(int rx, int tx) const;
    bool Tones(FormValues& form, std::string& error) const;
    std::optional<int> ToneSelection(ToneKind kind, const char* column, char polarity,
                                     std::string& error) const;
    bool Switch(FormValues& form, Setting setting, const char* column, std::string& error) const;
    bool Power(FormValues& form, std::string& error) const;

    const std::map<std::string, std::size_t>& m_columns;
    const CsvRecord& m_record;
    RadioModel m_model;
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

int CLineReader::Step(int rx, int tx) const {
    const std::optional<Decimal> kHz = ParseDecimal(Field("tstep"), 2);
    for (std::size_t i = 0; kHz && kHz->exact && i < ToneTables::kStepUnits.size(); ++i)
        if (ToneTables::kStepUnits[i] == kHz->value)
            return static_cast<int>(i);
    // No step, or one the radio does not have: the first that fits both
    // frequencies; with none, the frequency check says which does not fit.
    for (std::size_t i = 0; i < ToneTables::kStepUnits.size(); ++i)
        if (rx % ToneTables::kStepUnits[i] == 0 && tx % ToneTables::kStepUnits[i] == 0)
            return static_cast<int>(i);
    return 0;
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

CChannel CLineReader::Read(std::string& error) {
    CChannel record;
    record.Clear(m_model);
    const std::optional<int> rx = Frequency("frequency", error);
    const std::optional<int> offset = rx ? Frequency("offset", error) : std::nullopt;
    if (!offset)
        return record;
    const std::string duplex = Lower(Field("duplex"));
    int tx = *rx;
    if (duplex == "+")
        tx = *rx + *offset;
    else if (duplex == "-")
        tx = *rx - *offset;
    else if (duplex == "split")
        tx = *offset;
    else if (duplex == "off")
        tx = 0;
    else if (!duplex.empty()) {
        error = Quoted("Duplex", Field("duplex")) + " is not +, -, split, off or empty.";
        return record;
    }
    if (tx < 0) {
        error = "Invalid Tx frequency range!";
        return record;
    }
    const int step = Step(*rx, tx);
    if (const std::string_view check = FrequencyValueError(*rx, tx, step); !check.empty()) {
        error = std::string(check);
        return record;
    }
    FormValues form = DefaultForm(m_model);
    form[kRx].text = FormatFrequency(*rx);
    form[kTx].text = FormatFrequency(tx);
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

CsvChannels ChannelsFromCsv(std::string_view text, RadioModel model) {
    CsvChannels result;
    if (text.starts_with("\xEF\xBB\xBF"))
        text.remove_prefix(3);
    const std::vector<CsvRecord> records = SplitRecords(text);
    std::map<std::string, std::size_t> columns;
    if (!records.empty())
        for (std::size_t i = 0; i < records.front().fields.size(); ++i)
            columns.emplace(Lower(Trimmed(records.front().fields[i])), i);
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
    CChannel empty;
    empty.Clear(model);
    const int rows = ChannelCount(model);
    result.records.assign(static_cast<std::size_t>(rows), empty);
    std::vector<int> lineOfRow(static_cast<std::size_t>(rows), 0);
    for (std::size_t i = 1; i < records.size(); ++i) {
        const CsvRecord& record = records[i];
        const std::size_t at = columns.at("location");
        const std::string_view given =
            at < record.fields.size() ? Trimmed(record.fields[at]) : std::string_view();
        const std::optional<Decimal> number = ParseDecimal(given, 0);
        std::string error;
        if (!number || given.find('.') != std::string_view::npos || number->value >= rows) {
            error = Quoted("Location", given) + " is not a row number from 0 to " +
                    std::to_string(rows - 1) + ".";
        } else if (int& earlier = lineOfRow[static_cast<std::size_t>(number->value)]; earlier) {
            error = "Location " + std::to_string(number->value) + " was given before, in line " +
                    std::to_string(earlier) + ".";
        } else {
            earlier = record.line;
            try {
                const CChannel channel = CLineReader(columns, record, model).Read(error);
                if (error.empty())
                    result.records[static_cast<std::size_t>(number->value)] = channel;
            } catch (int) {
                error = "The channel holds a value the radio cannot store.";
            }
        }
        if (!error.empty())
            result.skipped.push_back({record.line, error});
    }
    return result;
}
