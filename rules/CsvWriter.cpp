#include "ChannelCsv.h"

#include "CsvHeader.h"
#include "CsvText.h"
#include "FrequencyRules.h"
#include "Text.h"
#include "ToneTables.h"

namespace {

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

using Tone = ToneCode;

const char* KindName(ToneKind kind) {
    return kind == ToneKind::kOff ? "" : kind == ToneKind::kCtcss ? "Tone" : "DTCS";
}

// The columns that carry a channel's tones.
struct ToneColumns {
    std::string mode, rTone = "88.5", cTone = "88.5", dtcs = "023", rxDtcs = "023", polarity = "NN",
                      cross = "Tone->Tone";
};

ToneColumns ToneColumnsOf(Tone tx, Tone rx) {
    const auto ctcss = [](const Tone& t) {
        return std::string(ToneTables::kCtcss[static_cast<std::size_t>(t.index)]);
    };
    const auto dcs = [](const Tone& t) {
        return std::string(ToneTables::kDcsN[static_cast<std::size_t>(t.index)].substr(1, 3));
    };
    const auto isDcs = [](const Tone& t) {
        return t.kind == ToneKind::kDcsN || t.kind == ToneKind::kDcsI;
    };
    ToneColumns columns;
    columns.polarity = std::string(tx.kind == ToneKind::kDcsI ? "R" : "N") +
                       (rx.kind == ToneKind::kDcsI ? "R" : "N");
    if (tx.kind == ToneKind::kOff && rx.kind == ToneKind::kOff)
        return columns;
    if (tx.kind == ToneKind::kCtcss && rx.kind == ToneKind::kOff) {
        columns.mode = "Tone";
        columns.rTone = ctcss(tx);
    } else if (tx.kind == ToneKind::kCtcss && rx.kind == ToneKind::kCtcss && tx.index == rx.index) {
        columns.mode = "TSQL";
        columns.rTone = columns.cTone = ctcss(tx);
    } else if (isDcs(tx) && isDcs(rx) && tx.index == rx.index) {
        columns.mode = "DTCS";
        columns.dtcs = columns.rxDtcs = dcs(tx);
    } else {
        const auto kind = [&](const Tone& t) { return isDcs(t) ? ToneKind::kDcsN : t.kind; };
        columns.mode = "Cross";
        columns.cross = std::string(KindName(kind(tx))) + "->" + KindName(kind(rx));
        if (tx.kind == ToneKind::kCtcss)
            columns.rTone = ctcss(tx);
        if (rx.kind == ToneKind::kCtcss)
            columns.cTone = ctcss(rx);
        if (isDcs(tx))
            columns.dtcs = dcs(tx);
        if (isDcs(rx))
            columns.rxDtcs = dcs(rx);
    }
    return columns;
}

std::vector<std::string> CsvLine(int location, const CChannel& record, RadioModel model) {
    const int rx = record.GetFrequency(true), tx = record.GetFrequency(false);
    std::string duplex, offset = FileMHz(0);
    if (tx == 0) {
        duplex = "off";
    } else if (BandOf(rx) != BandOf(tx)) {
        duplex = "split";
        offset = FileMHz(tx);
    } else if (tx != rx) {
        duplex = tx > rx ? "+" : "-";
        offset = FileMHz(tx > rx ? tx - rx : rx - tx);
    }
    std::string name = model == kTGUV2 ? record.GetNameText() : std::string();
    name = std::string(Trim(name, TrimEnds::kEnd, " "));
    record.GetStepText(); // raises for a step that is not in the table
    const int step = ToneTables::kStepUnits[static_cast<std::size_t>(record.GetStepIndex())];
    const std::string stepText = std::to_string(step / 100) + "." + (step % 100 < 10 ? "0" : "") +
                                 std::to_string(step % 100);
    record.GetToneText(true); // raises for a slot that names no tone
    record.GetToneText(false);
    const ToneColumns tones = ToneColumnsOf(record.GetTone(false), record.GetTone(true));
    return {std::to_string(location),
            name,
            FileMHz(rx),
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

std::string CsvText(const std::vector<std::string>& fields) {
    std::string text;
    for (std::size_t i = 0; i < fields.size(); ++i)
        text += (i ? "," : "") + CsvField(fields[i]);
    return text + "\r\n";
}

} // namespace

std::vector<std::string> CsvToneFields(ToneCode tx, ToneCode rx) {
    const ToneColumns tones = ToneColumnsOf(tx, rx);
    return {tones.mode,     tones.rTone,  tones.cTone, tones.dtcs,
            tones.polarity, tones.rxDtcs, tones.cross};
}

std::string ChannelRowsToCsv(std::span<const ChannelRow> rows, RadioModel model) {
    std::string csv = CsvText({kCsvColumns.begin(), kCsvColumns.end()});
    for (const ChannelRow& row : rows)
        if (!row.record.IsEmpty())
            csv += CsvText(CsvLine(row.id, row.record, model));
    return csv;
}

std::string ChannelsToCsv(std::span<const CChannel* const> rows, RadioModel model) {
    std::string csv = CsvText({kCsvColumns.begin(), kCsvColumns.end()});
    for (std::size_t row = 0; row < rows.size(); ++row)
        if (!rows[row]->IsEmpty())
            csv += CsvText(CsvLine(static_cast<int>(row), *rows[row], model));
    return csv;
}
