// The form of the Row Editor: showing the rows it edits, and writing the form
// into the edit buffer.
#include "RowEditorDlg.h"

#include "FreqEdit.h"
#include "FrequencyRules.h"
#include "NameEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

namespace {

// A name that no record can hold, so the first record's name replaces it.
constexpr const char* kNoName = "?";
constexpr int kNameLength = 6;

// The settings a list shows by the texts that the record's accessors give and
// take, in the order they are written.
struct TextField {
    CRowEditorDlg::Setting setting;
    std::string (CChannel::*get)() const;
    void (CChannel::*set)(std::string_view);
};

const TextField kTextFields[] = {
    {CRowEditorDlg::kReverse, &CChannel::GetReverseText, &CChannel::SetReverseText},
    {CRowEditorDlg::kPower, &CChannel::GetPowerText, &CChannel::SetPowerText},
    {CRowEditorDlg::kScramble, &CChannel::GetScrambleText, &CChannel::SetScrambleText},
    {CRowEditorDlg::kWidth, &CChannel::GetWidthText, &CChannel::SetWidthText},
    {CRowEditorDlg::kScanAdd, &CChannel::GetScanText, &CChannel::SetScanText},
    {CRowEditorDlg::kBusySet, &CChannel::GetBusySetText, &CChannel::SetBusySetText},
};

QString WithoutTrailingSpaces(const std::string& text) {
    const std::size_t end = text.find_last_not_of(' ');
    return QString::fromStdString(end == std::string::npos ? std::string()
                                                           : text.substr(0, end + 1));
}

void SelectText(QComboBox& list, const char* text) {
    list.setCurrentIndex(list.findText(QString::fromLatin1(text)));
}

} // namespace

void CRowEditorDlg::LoadForm() {
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
    if (!anyInUse) {
        if (m_bNewMode)
            ShowDefaults();
        else
            ShowBlank();
        return;
    }
    for (int setting = 0; setting < kSettingCount; ++setting)
        if (Has(static_cast<Setting>(setting)))
            ShowSetting(static_cast<Setting>(setting));
}

bool CRowEditorDlg::CollectRowValues(const CChannel& record) {
    if (record.IsEmpty())
        return false;
    if (Has(kName))
        MergeName(record.GetNameText());
    MergeText(kRx, record.GetFreqText(true));
    MergeText(kTx, record.GetFreqText(false));
    MergeText(kStep, record.GetStepText());
    for (const TextField& field : kTextFields)
        if (Has(field.setting))
            MergeText(field.setting, (record.*field.get)());
    MergeIndex(kRxTone, record.GetToneSelection(true));
    MergeIndex(kTxTone, record.GetToneSelection(false));
    return true;
}

// A record without a text (no TX frequency) gives way to the next record's
// text, but once a text is set every other text differs from it.
void CRowEditorDlg::MergeText(Setting setting, const std::string& text) {
    CommonValue& common = m_common[setting];
    if (common.differing)
        return;
    if (common.text.empty())
        common.text = text;
    else if (text != common.text)
        common.differing = true;
}

void CRowEditorDlg::MergeIndex(Setting setting, int index) {
    CommonValue& common = m_common[setting];
    if (common.differing)
        return;
    if (common.index == -1)
        common.index = index;
    else if (index != common.index)
        common.differing = true;
}

void CRowEditorDlg::MergeName(const std::string& name) {
    CommonValue& common = m_common[kName];
    if (common.differing)
        return;
    if (common.text == kNoName)
        common.text = name;
    else if (name != common.text)
        common.differing = true;
}

void CRowEditorDlg::ShowSetting(Setting setting) {
    const CommonValue& common = m_common[setting];
    QCheckBox* keep = m_checkKeep[setting];
    QWidget* field = Field(setting);
    // A differing field keeps its empty text or missing selection: the form is
    // loaded only once while several rows are edited.
    if (common.differing) {
        keep->setChecked(true);
        field->setEnabled(false);
        keep->setEnabled(true);
        return;
    }
    if (setting == kRxTone || setting == kTxTone) {
        List(setting)->setCurrentIndex(common.index);
    } else if (QComboBox* list = List(setting)) {
        // Every shorter item comes before the longer ones that begin like it
        // ("10" before "100"), so the first match is the exact one.
        list->setCurrentIndex(
            list->findText(QString::fromStdString(common.text), Qt::MatchStartsWith));
    } else {
        Box(setting)->setText(WithoutTrailingSpaces(common.text));
    }
    keep->setChecked(false);
    field->setEnabled(true);
    keep->setEnabled(false);
}

void CRowEditorDlg::ApplyForm(int row) {
    if (!IsInBuffer(row))
        return;
    CChannel& entry = Entry(row);
    if (entry.IsEmpty() && m_editRx->text().isEmpty())
        return;
    // Read before MarkUsed: an empty record has no frequencies of its own,
    // whatever its bytes hold.
    const std::string rxText = FrequencyTextFor(entry, true);
    const std::string txText = FrequencyTextFor(entry, false);
    const int step = StepFor(entry);
    entry.MarkUsed(m_nModel);
    // Offset, direction and band are worked out anew even when both
    // frequencies are the row's own.
    if (!(IsKept(kRx) && IsKept(kTx) && IsKept(kStep))) {
        const int rx = ParseFrequency(rxText);
        entry.SetFrequencies(rx, ParseFrequency(txText), step, BandOf(rx), m_nModel);
    }
    if (Has(kName) && !IsKept(kName))
        entry.SetNameText(m_editName->text().leftJustified(kNameLength).toStdString());
    if (!IsKept(kRxTone))
        entry.SetToneSelection(m_comboRxTone->currentIndex(), true);
    if (!IsKept(kTxTone))
        entry.SetToneSelection(m_comboTxTone->currentIndex(), false);
    for (const TextField& field : kTextFields)
        if (Has(field.setting) && !IsKept(field.setting))
            (entry.*field.set)(List(field.setting)->currentText().toStdString());
}

std::string CRowEditorDlg::FrequencyTextFor(const CChannel& entry, bool rx) const {
    if (IsKept(rx ? kRx : kTx))
        return entry.GetFreqText(rx);
    return (rx ? m_editRx : m_editTx)->text().toStdString();
}

int CRowEditorDlg::StepFor(const CChannel& entry) const {
    return IsKept(kStep) ? entry.GetStepIndex() : m_comboStep->currentIndex();
}

void CRowEditorDlg::ShowBlank() {
    for (QCheckBox* keep : m_checkKeep) {
        keep->setChecked(false);
        keep->setEnabled(false);
    }
    for (int setting = 0; setting < kSettingCount; ++setting) {
        Field(static_cast<Setting>(setting))->setEnabled(false);
        if (QComboBox* list = List(static_cast<Setting>(setting)))
            list->setCurrentIndex(-1);
    }
    m_editRx->clear();
    m_editTx->clear();
    m_editName->clear();
    m_btnNew->setEnabled(true);
}

void CRowEditorDlg::ShowDefaults() {
    for (QCheckBox* keep : m_checkKeep) {
        keep->setChecked(false);
        keep->setEnabled(false);
    }
    for (Setting setting : {kRx, kTx, kStep, kRxTone, kTxTone, kReverse, kPower, kScramble, kWidth})
        Field(setting)->setEnabled(true);
    m_editRx->clear();
    m_editTx->clear();
    SelectText(*m_comboStep, "5");
    SelectText(*m_comboWidth, "Wide");
    SelectText(*m_comboScramble, "OFF");
    SelectText(*m_comboPower, "High");
    SelectText(*m_comboReverse, "OFF");
    m_comboRxTone->setCurrentIndex(0);
    m_comboTxTone->setCurrentIndex(0);
    if (Has(kName)) {
        m_editName->setEnabled(true);
        m_editName->clear();
    }
    if (Has(kScanAdd)) {
        m_comboScanAdd->setEnabled(true);
        SelectText(*m_comboScanAdd, "On");
    }
    if (Has(kBusySet)) {
        m_comboBusySet->setEnabled(true);
        SelectText(*m_comboBusySet, "OFF");
    }
    m_btnNew->setEnabled(false);
}

void CRowEditorDlg::OnKeepClicked(Setting setting, bool checked) {
    Field(setting)->setEnabled(!checked);
    // A list whose rows differed has no selection; whatever it stores once
    // unticked must be one of its items.
    QComboBox* list = List(setting);
    if (list && !checked && list->currentIndex() < 0)
        list->setCurrentIndex(0);
}

void CRowEditorDlg::OnRxToneChosen(int position) {
    // A TX list kept for rows with different tones stays as it is.
    if (m_comboTxTone->isEnabled())
        m_comboTxTone->setCurrentIndex(position);
}
