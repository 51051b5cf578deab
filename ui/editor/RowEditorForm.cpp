// The form of the Row Editor: the widgets that show the edit session's values
// and are read back as the form it stores.
#include "RowEditorDlg.h"

#include "CellDelegate.h"
#include "FreqEdit.h"
#include "NameEdit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>

FormValues CRowEditorDlg::ReadForm() const {
    FormValues form;
    for (int i = 0; i < kSettingCount; ++i) {
        const auto setting = static_cast<Setting>(i);
        FormField& field = form[static_cast<std::size_t>(i)];
        if (const QComboBox* list = List(setting)) {
            field.position = list->currentIndex();
            field.text = list->currentData(kItemTextRole).toString().toStdString();
        } else {
            field.text = Box(setting)->text().toStdString();
        }
        field.keep = m_checkKeep[static_cast<std::size_t>(i)]->isChecked();
    }
    return form;
}

void CRowEditorDlg::LoadForm() {
    switch (m_session.Load()) {
    case CEditSession::Form::kBlank:
        ShowBlank();
        return;
    case CEditSession::Form::kDefaults:
        ShowDefaults();
        return;
    case CEditSession::Form::kValues:
        for (int setting = 0; setting < kSettingCount; ++setting)
            if (Has(static_cast<Setting>(setting)))
                ShowSetting(static_cast<Setting>(setting));
        return;
    }
}

void CRowEditorDlg::ShowSetting(Setting setting) {
    const CEditSession::Shown shown = m_session.ShownValue(setting);
    QCheckBox* keep = m_checkKeep[setting];
    QWidget* field = Field(setting);
    // A differing field keeps its empty text or missing selection: the form is
    // loaded only once while several rows are edited.
    if (shown.differing) {
        keep->setChecked(true);
        field->setEnabled(false);
        keep->setEnabled(true);
        return;
    }
    if (QComboBox* list = List(setting))
        list->setCurrentIndex(shown.position);
    else
        Box(setting)->setText(QString::fromStdString(shown.text));
    keep->setChecked(false);
    field->setEnabled(true);
    keep->setEnabled(false);
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
    const FormValues defaults = DefaultForm(m_session.Model());
    for (int i = 0; i < kSettingCount; ++i) {
        const auto setting = static_cast<Setting>(i);
        if (!Has(setting))
            continue;
        Field(setting)->setEnabled(true);
        if (QComboBox* list = List(setting))
            list->setCurrentIndex(defaults[setting].position);
        else
            Box(setting)->setText(QString::fromStdString(defaults[setting].text));
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
