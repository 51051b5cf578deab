#include "CsvLineReader.h"

#include "CsvText.h"
#include "EditSession.h"
#include "FrequencyRules.h"
#include "NameRules.h"
#include "Text.h"
#include "ToneTables.h"

#include <algorithm>
#include <span>

namespace {

using ToneTables::kFirstCtcss;
using ToneTables::kFirstDcsI;
using ToneTables::kFirstDcsN;

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

// Reads one line of the file into a record, or says why it cannot be one.
class CLineReader {
public:
    CLineReader(const std::map<std::string, std::size_t>& columns, const CsvRecord& record,
                RadioModel model, int unitBand)
        : m_columns(columns), m_record(record), m_model(model), m_unitBand(unitBand) {}

    // The record, or the reason in error.
    CChannel Read(Message& error);

private:
    // A field by its column's name in lower case; empty when the column or
    // the field is missing.
    std::string_view Field(const char* column, bool trim = true) const {
        const auto found = m_columns.find(column);
        if (found == m_columns.end() || found->second >= m_record.fields.size())
            return {};
        const std::string& text = m_record.fields[found->second];
        return trim ? Trim(text) : std::string_view(text);
    }
    std::optional<int> Frequency(const char* column, Message& error) const;
    bool Takes(int band) const;
    std::string Limits() const;
    Message Outside(int frequency, bool transmit) const;
    std::optional<int> TxFrequency(int rx, Message& error) const;
    int Step(int rx, int tx) const;
    bool Tones(FormValues& form, Message& error) const;
    std::optional<int> ToneSelection(ToneKind kind, const char* column, char polarity,
                                     Message& error) const;
    bool Switch(FormValues& form, Setting setting, const char* column, Message& error) const;
    bool Power(FormValues& form, Message& error) const;

    const std::map<std::string, std::size_t>& m_columns;
    const CsvRecord& m_record;
    RadioModel m_model;
    int m_unitBand;
};

std::optional<int> CLineReader::Frequency(const char* column, Message& error) const {
    const std::string_view text = Field(column);
    if (text.empty())
        return 0;
    const std::optional<Decimal> value = ParseDecimal(text, 5);
    const char* name = column == std::string_view("frequency") ? "Frequency" : "Offset";
    if (!value || value->value > 999999999)
        //: Reasons a list's line gives no channel follow "Line 4: ", in lower
        //: case where a word begins them. %1 is always the name of a column of
        //: the CSV file (Frequency, Offset, Duplex, Power…), which stays
        //: English, and %2 the text the file has there.
        error = Message(VM_TR("Messages", "%1 \"%2\" is not a number of MHz."))
                    .Arg(name)
                    .Arg(Echo(text));
    else if (!value->exact)
        error = Message(VM_TR("Messages", "%1 %2 MHz is not a whole multiple of 10 Hz."))
                    .Arg(name)
                    .Arg(Echo(text));
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

// The limits of the bands the radio takes: "136–173.995, 400–469.995".
std::string CLineReader::Limits() const {
    std::string limits;
    for (int band = 1; band <= static_cast<int>(ToneTables::kBands.size()); ++band)
        if (Takes(band))
            limits += (limits.empty() ? "" : ", ") + MHzLimit(LimitsOfBand(band).lowest) +
                      "\u2013" + MHzLimit(LimitsOfBand(band).highest);
    return limits;
}

// A frequency outside the bands the radio takes: those of its radio, or
// the one band of a TG-6A unit.
Message CLineReader::Outside(int frequency, bool transmit) const {
    const bool unit = m_model == kTG6A && m_unitBand != 0;
    Message reason(
        transmit ? (unit ? VM_TR("Messages", "the transmit frequency %1 MHz is outside this "
                                             "TG-6A's band (%2 MHz).")
                         : VM_TR("Messages", "the transmit frequency %1 MHz is outside the %2's "
                                             "bands (%3 MHz)."))
                 : (unit ? VM_TR("Messages", "%1 MHz is outside this TG-6A's band (%2 MHz).")
                         : VM_TR("Messages", "%1 MHz is outside the %2's bands (%3 MHz).")));
    reason.Arg(FormatFrequency(frequency));
    if (!unit)
        reason.Arg(ModelName(m_model));
    return std::move(reason.Arg(Limits()));
}

std::optional<int> CLineReader::TxFrequency(int rx, Message& error) const {
    const std::string duplex = AsciiLower(Field("duplex"));
    if (duplex.empty())
        return rx;
    if (duplex == "off") {
        error = VM_TR("Messages",
                      "receive-only channels (Duplex \"off\") cannot be stored in this radio.");
        return std::nullopt;
    }
    if (duplex != "+" && duplex != "-" && duplex != "split") {
        error = Message(VM_TR("Messages", "%1 \"%2\" is not +, -, split, off or empty."))
                    .Arg("Duplex")
                    .Arg(Echo(Field("duplex")));
        return std::nullopt;
    }
    if (duplex == "split" && Field("offset").empty()) {
        error =
            VM_TR("Messages", "a split channel needs its transmit frequency in the Offset column.");
        return std::nullopt;
    }
    const std::optional<int> offset = Frequency("offset", error);
    if (!offset)
        return std::nullopt;
    const int tx = duplex == "+" ? rx + *offset : duplex == "-" ? rx - *offset : *offset;
    if (!Takes(BandOf(tx)))
        error = Outside(tx, true);
    else if (BandOf(tx) != BandOf(rx))
        error = Message(VM_TR("Messages", "%1 MHz and the transmit frequency %2 MHz are in "
                                          "different bands; the radio needs both in one."))
                    .Arg(FormatFrequency(rx))
                    .Arg(FormatFrequency(tx));
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
                                              Message& error) const {
    const std::string_view text = Field(column);
    const bool dcs = kind != ToneKind::kCtcss;
    const std::string_view given = text.empty() ? (dcs ? "023" : "88.5") : text;
    const int index = ToneIndex(given, dcs);
    if (index < 0) {
        error = Message(dcs ? VM_TR("Messages", "DCS code %1 is not in the radio's table.")
                            : VM_TR("Messages", "CTCSS tone %1 is not in the radio's table."))
                    .Arg(Echo(given));
        return std::nullopt;
    }
    if (!dcs)
        return kFirstCtcss + index;
    return (polarity == 'R' || polarity == 'r' ? kFirstDcsI : kFirstDcsN) + index;
}

bool CLineReader::Tones(FormValues& form, Message& error) const {
    const std::string mode = AsciiLower(Field("tone"));
    std::string_view polarity = Field("dtcspolarity");
    if (polarity.empty())
        polarity = "NN";
    if (polarity.size() != 2 || !std::all_of(polarity.begin(), polarity.end(), [](char c) {
            return c == 'N' || c == 'R' || c == 'n' || c == 'r';
        })) {
        error = Message(VM_TR("Messages", "%1 \"%2\" is not two of the letters N and R."))
                    .Arg("DtcsPolarity")
                    .Arg(Echo(polarity));
        return false;
    }
    // What each side gets: its kind, and the column its tone or code is in.
    struct Side {
        ToneKind kind = ToneKind::kOff;
        const char* column = "";
    } tx, rx;
    if (mode == "tone") {
        tx = {ToneKind::kCtcss, "rtonefreq"};
    } else if (mode == "tsql") {
        tx = rx = {ToneKind::kCtcss, "ctonefreq"};
    } else if (mode == "dtcs") {
        tx = rx = {ToneKind::kDcsN, "dtcscode"};
    } else if (mode == "tsql-r") {
        rx = {ToneKind::kCtcss, "rtonefreq"};
    } else if (mode == "dtcs-r") {
        rx = {ToneKind::kDcsN, "dtcscode"};
    } else if (mode == "cross") {
        const auto side = [](std::string_view kind, bool isTx, Side& out) {
            if (kind == "tone")
                out = {ToneKind::kCtcss, isTx ? "rtonefreq" : "ctonefreq"};
            else if (kind == "dtcs")
                out = {ToneKind::kDcsN, isTx ? "dtcscode" : "rxdtcscode"};
            return kind.empty() || kind == "tone" || kind == "dtcs";
        };
        std::string cross = AsciiLower(Field("crossmode"));
        if (cross.empty())
            cross = "tone->tone";
        const std::size_t arrow = cross.find("->");
        if (arrow == std::string::npos ||
            !side(std::string_view(cross).substr(0, arrow), true, tx) ||
            !side(std::string_view(cross).substr(arrow + 2), false, rx)) {
            error = Message(VM_TR("Messages", "%1 \"%2\" is not a pair such as Tone->DTCS."))
                        .Arg("CrossMode")
                        .Arg(Echo(Field("crossmode")));
            return false;
        }
    } else if (!mode.empty()) {
        error =
            Message(VM_TR("Messages",
                          "%1 \"%2\" is not one of Tone, TSQL, DTCS, Cross, TSQL-R and DTCS-R."))
                .Arg("Tone")
                .Arg(Echo(Field("tone")));
        return false;
    }
    const auto selection = [&](const Side& side, char sign) -> std::optional<int> {
        return side.kind == ToneKind::kOff ? std::optional<int>(0)
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
                         Message& error) const {
    const std::string_view text = Field(column);
    if (text.empty())
        return true; // a new channel's value, already in the form
    for (const std::string_view item : ToneTables::kOnOff)
        if (SameIgnoringCase(text, item)) {
            form[setting].text = std::string(item);
            return true;
        }
    const char* names[] = {"Reverse", "Scramble", "BusySet"};
    const char* name = setting == kReverse ? names[0] : setting == kScramble ? names[1] : names[2];
    error = Message(VM_TR("Messages", "%1 \"%2\" is not On or OFF.")).Arg(name).Arg(Echo(text));
    return false;
}

bool CLineReader::Power(FormValues& form, Message& error) const {
    const std::string text = AsciiLower(Field("power"));
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
                ParseDecimal(Trim(std::string_view(text).substr(0, text.size() - 1)), 2))
            return set(watts->value >= 400 ? "High" : watts->value >= 150 ? "Mid" : "Low");
    }
    error = Message(VM_TR("Messages", "%1 \"%2\" is not High, Mid, Low or a number of watts."))
                .Arg("Power")
                .Arg(Echo(Field("power")));
    return false;
}

// The reasons come in the order that matters to the user: a channel the
// radio cannot receive at all is out of its bands, whatever else is wrong.
CChannel CLineReader::Read(Message& error) {
    CChannel record;
    record.Clear(m_model);
    if (Field("frequency").empty()) {
        error = VM_TR("Messages", "Frequency is empty.");
        return record;
    }
    const std::optional<int> rx = Frequency("frequency", error);
    if (!rx)
        return record;
    if (!Takes(BandOf(*rx))) {
        error = Outside(*rx, false);
        return record;
    }
    const std::optional<int> tx = TxFrequency(*rx, error);
    if (!tx)
        return record;
    const int step = Step(*rx, *tx);
    if (step < 0) {
        const bool rxFits =
            std::ranges::any_of(ToneTables::kStepUnits, [&](int size) { return *rx % size == 0; });
        error = rxFits ? Message(VM_TR("Messages", "no step of the radio fits both %1 MHz and the "
                                                   "transmit frequency %2 MHz."))
                             .Arg(FormatFrequency(*rx))
                             .Arg(FormatFrequency(*tx))
                       : Message(VM_TR("Messages", "no step of the radio fits %1 MHz."))
                             .Arg(FormatFrequency(*rx));
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
        const std::string skip = AsciiLower(Field("skip"));
        form[kScanAdd].text = skip == "s" || skip == "p" ? "OFF" : "On";
    }
    const std::string mode = AsciiLower(Field("mode"));
    if (mode != "" && mode != "fm" && mode != "nfm") {
        error = Message(VM_TR("Messages", "%1 \"%2\" is not FM or NFM."))
                    .Arg("Mode")
                    .Arg(Echo(Field("mode")));
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

int ToneIndex(std::string_view text, bool dcs) {
    const int number = ToneNumber(Trim(text), dcs);
    if (number < 0)
        return -1;
    const std::span<const std::string_view> table =
        dcs ? std::span<const std::string_view>(ToneTables::kDcsN) : ToneTables::kCtcss;
    for (std::size_t i = 0; i < table.size(); ++i)
        if (ToneNumber(dcs ? table[i].substr(1, 3) : table[i], dcs) == number)
            return static_cast<int>(i);
    return -1;
}

Message UnstorableChannel() {
    return VM_TR("Messages", "the channel holds a value the radio cannot store.");
}

std::optional<CChannel> ReadCsvLine(const CsvHeader& header, const CsvRecord& line,
                                    RadioModel model, int unitBand, Message& reason) {
    try {
        const CChannel channel = CLineReader(header.columns, line, model, unitBand).Read(reason);
        if (reason.empty())
            return channel;
    } catch (int) {
        reason = UnstorableChannel();
    }
    return std::nullopt;
}
