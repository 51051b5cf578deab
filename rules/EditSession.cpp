#include "EditSession.h"

#include "FrequencyRules.h"
#include "Text.h"
#include "ToneTables.h"

#include <span>

namespace {

// A name that no record can hold, so the first record's name replaces it.
constexpr const char* kNoName = "?";

// The settings chosen from lists of the texts that the record's accessors
// give and take, in the order they are stored.
struct SwitchField {
    Setting setting;
    std::span<const std::string_view> items;
    std::string (CChannel::*get)() const;
    void (CChannel::*set)(std::string_view);
    std::string_view newChannel; // a new channel's value
};

const SwitchField kSwitchFields[] = {
    {kReverse, ToneTables::kOnOff, &CChannel::GetReverseText, &CChannel::SetReverseText, "OFF"},
    {kPower, ToneTables::kPowerLevels, &CChannel::GetPowerText, &CChannel::SetPowerText, "High"},
    {kScramble, ToneTables::kOnOff, &CChannel::GetScrambleText, &CChannel::SetScrambleText, "OFF"},
    {kWidth, ToneTables::kBandwidths, &CChannel::GetWidthText, &CChannel::SetWidthText, "Wide"},
    {kScanAdd, ToneTables::kOnOff, &CChannel::GetScanText, &CChannel::SetScanText, "On"},
    {kBusySet, ToneTables::kOnOff, &CChannel::GetBusySetText, &CChannel::SetBusySetText, "OFF"},
};

const SwitchField* SwitchFieldOf(Setting setting) {
    for (const SwitchField& field : kSwitchFields)
        if (field.setting == setting)
            return &field;
    return nullptr;
}

std::vector<std::string> Texts(std::span<const std::string_view> items) {
    return {items.begin(), items.end()};
}

// The list's own find-by-prefix: every shorter item comes before the longer
// ones that begin like it ("10" before "100"), so the first match is exact.
int FirstItemStartingWith(const std::vector<std::string>& items, const std::string& text) {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i].starts_with(text))
            return static_cast<int>(i);
    return -1;
}

} // namespace

bool HasSetting(RadioModel model, Setting setting) {
    switch (setting) {
    case kName:
    case kScanAdd:
        return model == kTGUV2;
    case kBusySet:
        return model == kTG6A;
    default:
        return true;
    }
}

bool IsTypedSetting(Setting setting) {
    return setting == kRx || setting == kTx || setting == kName;
}

std::vector<std::string> ListItems(Setting setting) {
    if (setting == kStep)
        return Texts(ToneTables::kSteps);
    if (const SwitchField* field = SwitchFieldOf(setting))
        return Texts(field->items);
    return {};
}

FormValues DefaultForm(RadioModel model) {
    FormValues form;
    form[kStep] = {"5", 0};
    form[kRxTone] = {"OFF", 0};
    form[kTxTone] = {"OFF", 0};
    for (const SwitchField& field : kSwitchFields) {
        if (!HasSetting(model, field.setting))
            continue;
        const std::vector<std::string> items = Texts(field.items);
        const std::string text(field.newChannel);
        form[field.setting] = {text, FirstItemStartingWith(items, text)};
    }
    return form;
}

int FrequencyFor(const CChannel& record, const FormValues& form, bool rx) {
    const FormField& field = form[rx ? kRx : kTx];
    return field.keep ? record.GetFrequency(rx) : ParseFrequency(field.text);
}

int StepFor(const CChannel& record, const FormValues& form) {
    return form[kStep].keep ? record.GetStepIndex() : form[kStep].position;
}

void ApplyForm(CChannel& record, const FormValues& form, RadioModel model) {
    if (record.IsEmpty() && form[kRx].text.empty())
        return;
    // Read before MarkUsed: an empty record has no frequencies of its own,
    // whatever its bytes hold.
    const int rx = FrequencyFor(record, form, true);
    const int tx = FrequencyFor(record, form, false);
    const int step = StepFor(record, form);
    record.MarkUsed(model);
    // Offset, direction and band are worked out anew even when both
    // frequencies are the row's own.
    if (!(form[kRx].keep && form[kTx].keep && form[kStep].keep))
        record.SetFrequencies(rx, tx, step, BandOf(rx), model);
    if (HasSetting(model, kName) && !form[kName].keep) {
        std::string name = form[kName].text;
        if (name.size() < static_cast<std::size_t>(CChannel::kNameLength))
            name.resize(CChannel::kNameLength, ' ');
        record.SetNameText(name);
    }
    if (!form[kRxTone].keep)
        record.SetToneSelection(form[kRxTone].position, true);
    if (!form[kTxTone].keep)
        record.SetToneSelection(form[kTxTone].position, false);
    for (const SwitchField& field : kSwitchFields)
        if (HasSetting(model, field.setting) && !form[field.setting].keep)
            (record.*field.set)(form[field.setting].text);
}

CEditSession::CEditSession(RadioModel model, int firstRow, int lastRow, bool newMode,
                           std::vector<CChannel> records, std::vector<bool> selected,
                           const CMemoryImage& image)
    : m_nModel(model), m_nFirstRow(firstRow), m_nLastRow(lastRow),
      m_nCurRow(firstRow == lastRow ? firstRow : -1), m_bSingleRow(firstRow == lastRow),
      m_bNewMode(newMode), m_buffer(std::move(records)), m_selected(std::move(selected)),
      m_image(image) {}

bool CEditSession::IsSelectedRow(int row) const {
    return IsInBuffer(row) && static_cast<std::size_t>(row) < m_selected.size() &&
           m_selected[static_cast<std::size_t>(row)];
}

CEditSession::Form CEditSession::Load() {
    m_common = {};
    m_common[kName].text = kNoName;
    bool anyInUse = false;
    if (m_bSingleRow) {
        anyInUse = IsInBuffer(m_nCurRow) && CollectRowValues(Entry(m_nCurRow));
    } else {
        for (int row = m_nFirstRow; row <= m_nLastRow; ++row)
            if (IsSelectedRow(row))
                anyInUse = CollectRowValues(Entry(row)) || anyInUse;
    }
    if (anyInUse)
        return Form::kValues;
    return m_bNewMode ? Form::kDefaults : Form::kBlank;
}

bool CEditSession::CollectRowValues(const CChannel& record) {
    if (record.IsEmpty())
        return false;
    if (HasSetting(m_nModel, kName))
        MergeName(record.GetNameText());
    MergeText(kRx, record.GetFreqText(true));
    MergeText(kTx, record.GetFreqText(false));
    MergeText(kStep, record.GetStepText());
    for (const SwitchField& field : kSwitchFields)
        if (HasSetting(m_nModel, field.setting))
            MergeText(field.setting, (record.*field.get)());
    MergeIndex(kRxTone, record.GetToneSelection(true));
    MergeIndex(kTxTone, record.GetToneSelection(false));
    return true;
}

// A record without a text (no TX frequency) gives way to the next record's
// text, but once a text is set every other text differs from it.
void CEditSession::MergeText(Setting setting, const std::string& text) {
    Common& common = m_common[setting];
    if (common.differing)
        return;
    if (common.text.empty())
        common.text = text;
    else if (text != common.text)
        common.differing = true;
}

void CEditSession::MergeIndex(Setting setting, int index) {
    Common& common = m_common[setting];
    if (common.differing)
        return;
    if (common.index == -1)
        common.index = index;
    else if (index != common.index)
        common.differing = true;
}

void CEditSession::MergeName(const std::string& name) {
    Common& common = m_common[kName];
    if (common.differing)
        return;
    if (common.text == kNoName)
        common.text = name;
    else if (name != common.text)
        common.differing = true;
}

CEditSession::Shown CEditSession::ShownValue(Setting setting) const {
    const Common& common = m_common[setting];
    Shown shown;
    shown.differing = common.differing;
    if (common.differing)
        return shown;
    if (setting == kRxTone || setting == kTxTone)
        shown.position = common.index;
    else if (IsTypedSetting(setting))
        shown.text = Trim(common.text, TrimEnds::kEnd, " ");
    else
        shown.position = FirstItemStartingWith(ListItems(setting), common.text);
    return shown;
}

void CEditSession::Apply(int row, const FormValues& form) {
    if (IsInBuffer(row))
        ApplyForm(Entry(row), form, m_nModel);
}

Message CEditSession::FormError(const FormValues& form) const {
    return FrequencyError(form[kRx].text, form[kTx].text, form[kStep].position, m_nModel, m_image);
}

Message CEditSession::Accept(const FormValues& form) {
    if (m_bSingleRow) {
        Apply(m_nCurRow, form);
        if (IsInBuffer(m_nCurRow) && !Entry(m_nCurRow).IsEmpty())
            return FormError(form);
        return {};
    }
    // Every row is checked with the values it would receive before any row
    // is written, so a refused OK leaves the records untouched.
    for (int row = m_nFirstRow; row <= m_nLastRow; ++row) {
        if (!IsSelectedRow(row))
            continue;
        const CChannel& entry = Entry(row);
        if (entry.IsEmpty() && form[kRx].text.empty())
            continue;
        Message error =
            FrequencyValueError(FrequencyFor(entry, form, true), FrequencyFor(entry, form, false),
                                StepFor(entry, form), UnitBand(m_nModel, m_image));
        if (!error.empty())
            return error;
    }
    for (int row = m_nFirstRow; row <= m_nLastRow; ++row)
        if (IsSelectedRow(row))
            Apply(row, form);
    return {};
}

// The form goes into the row before anything else, so a row left at either
// end of the list keeps what was typed; only a valid row may be left.
CEditSession::Move CEditSession::Navigate(int step, const FormValues& form) {
    if (!CanNavigate())
        return {};
    Apply(m_nCurRow, form);
    const int next = m_nCurRow + step;
    if (!IsInBuffer(next))
        return {};
    if (!Entry(m_nCurRow).IsEmpty())
        if (Message error = FormError(form); !error.empty())
            return {false, error};
    m_nCurRow = next;
    return {true, {}};
}
