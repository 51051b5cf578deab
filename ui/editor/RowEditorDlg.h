#pragma once

#include "EditSession.h"
#include "RadioModel.h"

#include <QDialog>
#include <QRect>

#include <array>
#include <functional>
#include <string_view>
#include <vector>

class CChannelDocument;
class CDialogUnits;
class CFreqEdit;
class CNameEdit;
class Prompts;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// Edits one row, or several rows at once, of the main window's channel list.
// The edit session holds a private copy of every row's record and decides
// what the form shows and what it stores; this dialog maps its widgets to the
// session. OK closes the dialog once the session holds records that may be
// stored, which the owner then writes back; Cancel drops every change.
class CRowEditorDlg : public QDialog {
    Q_OBJECT

public:
    // Edits rows of the document with the selected state given for each
    // row: first = last for one row (single-row mode); otherwise the lowest
    // and highest selected row.
    CRowEditorDlg(const CChannelDocument& document, int firstRow, int lastRow,
                  const std::vector<bool>& selected, bool newMode, Prompts& prompts,
                  QWidget* owner);
    ~CRowEditorDlg() override;

    // OK, by its button, Enter or a direct call: validates, writes every row
    // back and closes, or stays open after showing why not.
    void accept() override;
    void OnNext();
    void OnPrev();
    void OnNew();
    void OnRxKillFocus();
    void OnTxKillFocus();

    // The row being edited; -1 while several rows are.
    int CurrentRow() const { return m_session.CurrentRow(); }
    // What OK leaves for the owner to write back.
    const CEditSession& Session() const { return m_session; }

Q_SIGNALS:
    // "Next >" (1) or "< Prev" (-1) went to the neighbouring row, which the
    // owner's list then selects.
    void rowStepped(int step);

private:
    void CreateControls(const CDialogUnits& units);
    void CreateFrequencyControls(const CDialogUnits& units);
    void CreateSettingControls(const CDialogUnits& units);
    QCheckBox* AddKeepBox(Setting setting, const QString& field, const CDialogUnits& units, int x,
                          int y);
    QComboBox* AddList(const char* name, const char* label, const CDialogUnits& units,
                       QPoint labelAt, QRect rect);
    std::vector<QWidget*> TabOrder() const;
    void SetTabOrder();
    void FocusFirstControl();
    void FitToControls(const CDialogUnits& units);
    void FillLists();
    void DisableMissingSettings();
    void ShowRowsText();

    bool Has(Setting setting) const { return HasSetting(m_session.Model(), setting); }
    QComboBox* List(Setting setting) const;
    QLineEdit* Box(Setting setting) const;
    QWidget* Field(Setting setting) const;

    // What the widgets hold, as the session reads a form.
    FormValues ReadForm() const;
    void LoadForm();
    void ShowSetting(Setting setting);
    void ShowBlank();
    void ShowDefaults();
    void OnKeepClicked(Setting setting, bool checked);
    void OnRxToneChosen(int position);
    void Navigate(int step);
    void ShowMessage(const Message& text);
    void Run(const std::function<void()>& work);

    QPushButton* m_btnNew = nullptr;
    std::array<QCheckBox*, kSettingCount> m_checkKeep{};
    CFreqEdit* m_editTx = nullptr;
    CFreqEdit* m_editRx = nullptr;
    QComboBox* m_comboBusySet = nullptr;
    QComboBox* m_comboScanAdd = nullptr;
    QComboBox* m_comboWidth = nullptr;
    QComboBox* m_comboScramble = nullptr;
    QComboBox* m_comboPower = nullptr;
    QComboBox* m_comboReverse = nullptr;
    QComboBox* m_comboStep = nullptr;
    CNameEdit* m_editName = nullptr;
    QComboBox* m_comboTxTone = nullptr;
    QComboBox* m_comboRxTone = nullptr;
    CEditSession m_session;

    Prompts& m_prompts;
    QLabel* m_textRows = nullptr;
    QPushButton* m_btnPrev = nullptr;
    QPushButton* m_btnNext = nullptr;
    QPushButton* m_btnOk = nullptr;
    QPushButton* m_btnCancel = nullptr;
};
