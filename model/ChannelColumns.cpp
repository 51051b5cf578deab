#include "ChannelColumns.h"

#include "Message.h"

#include <array>

namespace {

constexpr bool kRight = false;
constexpr bool kLeft = true;
using enum CellEditor;

template <std::string (CChannel::*Getter)() const> std::string Text(const CChannel& channel) {
    return (channel.*Getter)();
}

template <bool Rx> std::string FreqText(const CChannel& channel) { return channel.GetFreqText(Rx); }

template <bool Rx> std::string ToneText(const CChannel& channel) { return channel.GetToneText(Rx); }

// In display order, which is also the order of Column; each model shows the
// entries marked for it.
constexpr std::array<ColumnInfo, kColumnKinds> kColumns = {{
    {Column::Id, VM_TR("Columns", "ID"), 30, kRight, true, true, true, nullptr, "199", kNone},
    {Column::Name, VM_TR("Columns", "Name"), 58, kLeft, true, true, false,
     &Text<&CChannel::GetNameText>, "WWWWWW", kName},
    {Column::RxFreq, VM_TR("Columns", "RX Freq"), 65, kRight, true, true, true, &FreqText<true>,
     "888.88888", kFrequency},
    {Column::TxFreq, VM_TR("Columns", "TX Freq"), 65, kRight, true, true, true, &FreqText<false>,
     "888.88888", kFrequency},
    {Column::RxTone, VM_TR("Columns", "QT/DQT Dec"), 80, kRight, false, true, true, &ToneText<true>,
     "D888N", kList},
    {Column::TxTone, VM_TR("Columns", "QT/DQT Enc"), 80, kRight, false, true, true,
     &ToneText<false>, "D888N", kList},
    {Column::Step, VM_TR("Columns", "Step"), 37, kRight, false, true, true,
     &Text<&CChannel::GetStepText>, "6.25", kList},
    {Column::Reverse, VM_TR("Columns", "Reverse"), 54, kRight, false, true, true,
     &Text<&CChannel::GetReverseText>, "OFF", kOnOff},
    {Column::Power, VM_TR("Columns", "TX Power"), 60, kRight, false, true, true,
     &Text<&CChannel::GetPowerText>, "High", kList},
    {Column::Scramble, VM_TR("Columns", "Scramble"), 60, kRight, false, true, true,
     &Text<&CChannel::GetScrambleText>, "OFF", kOnOff},
    {Column::Width, VM_TR("Columns", "W/N"), 60, kRight, false, true, true,
     &Text<&CChannel::GetWidthText>, "Narrow", kList},
    {Column::Range, VM_TR("Columns", "Range"), 48, kRight, false, true, false,
     &Text<&CChannel::GetRangeText>, "VHF1", kNone},
    {Column::Scan, VM_TR("Columns", "Scan"), 40, kRight, false, true, false,
     &Text<&CChannel::GetScanText>, "OFF", kOnOff},
    {Column::BusySet, VM_TR("Columns", "Busy Set"), 60, kRight, false, false, true,
     &Text<&CChannel::GetBusySetText>, "OFF", kOnOff},
}};

static_assert([] {
    for (std::size_t i = 0; i < kColumns.size(); ++i)
        if (static_cast<std::size_t>(kColumns[i].id) != i)
            return false;
    return true;
}());

} // namespace

const ColumnInfo& ColumnOf(Column id) { return kColumns.at(static_cast<std::size_t>(id)); }

std::vector<const ColumnInfo*> ColumnSet(RadioModel model, bool showAll) {
    std::vector<const ColumnInfo*> set;
    for (const ColumnInfo& column : kColumns) {
        const bool forModel = model == kTGUV2 ? column.forTGUV2 : column.forTG6A;
        if (forModel && (showAll || column.inShortSet))
            set.push_back(&column);
    }
    return set;
}

ColumnTexts TextsOf(const CChannel& record, RadioModel model) {
    ColumnTexts texts;
    for (const ColumnInfo* column : ColumnSet(model, true))
        if (column->text)
            texts[static_cast<std::size_t>(column->id)] = column->text(record);
    return texts;
}

const ColumnInfo* UndecodableColumn(const CChannel& record, RadioModel model) {
    for (const ColumnInfo* column : ColumnSet(model, true)) {
        try {
            if (column->text)
                column->text(record);
        } catch (...) {
            return column;
        }
    }
    return nullptr;
}
