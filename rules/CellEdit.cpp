#include "CellEdit.h"

#include "FrequencyRules.h"
#include "NameRules.h"
#include "ToneItems.h"
#include "ToneTables.h"

#include <algorithm>

namespace {

// The Row Editor rounds a typed frequency when the box is left; an empty box
// stays empty and is missing.
std::string Rounded(std::string_view text, int step) {
    return text.empty() ? std::string() : NormalizeFrequencyText(text, step);
}

// The field of a list setting that the text names, if it is one of the
// texts the column shows.
std::optional<FormField> ListField(Setting setting, std::string_view text) {
    int position = -1;
    if (setting == kRxTone || setting == kTxTone) {
        position = ToneSelectionOf(text);
    } else {
        const std::vector<std::string> items = ListItems(setting);
        position = static_cast<int>(std::ranges::find(items, text) - items.begin());
        if (position == static_cast<int>(items.size()))
            position = -1;
    }
    if (position < 0)
        return std::nullopt;
    return FormField{std::string(text), position, false};
}

} // namespace

std::optional<Setting> SettingOfColumn(Column column) {
    switch (column) {
    case Column::Name:
        return kName;
    case Column::RxFreq:
        return kRx;
    case Column::TxFreq:
        return kTx;
    case Column::RxTone:
        return kRxTone;
    case Column::TxTone:
        return kTxTone;
    case Column::Step:
        return kStep;
    case Column::Reverse:
        return kReverse;
    case Column::Power:
        return kPower;
    case Column::Scramble:
        return kScramble;
    case Column::Width:
        return kWidth;
    case Column::Scan:
        return kScanAdd;
    case Column::BusySet:
        return kBusySet;
    case Column::Id:
    case Column::Range:
        break;
    }
    return std::nullopt;
}

Message EditCell(CChannel& record, Column column, std::string_view text, RadioModel model,
                 int unitBand) {
    const std::optional<Setting> setting = SettingOfColumn(column);
    if (!setting || !HasSetting(model, *setting))
        return VM_TR("Messages", "This column cannot be edited.");
    FormValues form = DefaultForm(model);
    if (record.IsEmpty()) {
        // A channel starts with its frequency, and is otherwise a new one.
        form[kRx].text = form[kTx].text = Rounded(text, form[kStep].position);
    } else {
        for (FormField& field : form)
            field.keep = true;
        FormField& field = form[*setting];
        if (*setting == kRx || *setting == kTx) {
            field = {Rounded(text, record.GetStepIndex()), -1, false};
            // A simplex channel stays simplex.
            if (*setting == kRx && record.GetFrequency(true) == record.GetFrequency(false))
                form[kTx] = field;
        } else if (*setting == kName) {
            std::string name(text);
            if (name.size() > static_cast<std::size_t>(CChannel::kNameLength) ||
                !NormalizeNameText(name))
                return VM_TR("Messages", "A name holds up to six of the letters A to Z, the "
                                         "digits and the characters space * + - / _.");
            field = {name, -1, false};
        } else if (const std::optional<FormField> item = ListField(*setting, text)) {
            field = *item;
        } else {
            return Message(VM_TR("Messages", "\"%1\" is not one of this column's values."))
                .Arg(text);
        }
    }
    Message error =
        FrequencyValueError(FrequencyFor(record, form, true), FrequencyFor(record, form, false),
                            StepFor(record, form), unitBand);
    if (!error.empty())
        return error;
    CChannel edited = record;
    ApplyForm(edited, form, model);
    record = edited;
    return {};
}
