#pragma once

#include "Channel.h"
#include "RadioModel.h"

#include <QDialog>
#include <QPointer>
#include <QRect>

#include <array>
#include <functional>
#include <string>

class CChannelListView;
class CDatFile;
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
// Works on a private copy of every row's record; OK writes them all back
// through the rows' pointers, Cancel drops every change.
class CRowEditorDlg : public QDialog {
    Q_OBJECT

public:
    // The settings, in the order of their "Keep multiple values" boxes.
    enum Setting {
        kScanAdd,
        kBusySet,
        kWidth,
        kScramble,
        kPower,
        kReverse,
        kTxTone,
        kRxTone,
        kStep,
        kTx,
        kRx,
        kName,
        kSettingCount
    };

    // first = last for one row (single-row mode); otherwise the lowest and
    // highest selected row. The owner receives UM_SELECT_NEXT_ROW and
    // UM_SELECT_PREV_ROW after "Next >" and "< Prev".
    CRowEditorDlg(RadioModel model, int firstRow, int lastRow, CChannelListView& list,
                  CDatFile& file, bool newMode, Prompts& prompts, QWidget* owner);
    ~CRowEditorDlg() override;

    // Puts the 259 tone items into an empty list, position = tone selection.
    static void FillToneList(QComboBox& list);

    // OK, by its button, Enter or a direct call: validates, writes every row
    // back and closes, or stays open after showing why not.
    void accept() override;
    void OnNext();
    void OnPrev();
    void OnNew();
    void OnRxKillFocus();
    void OnTxKillFocus();

    // The row being edited; -1 while several rows are.
    int CurrentRow() const { return m_nCurRow; }

private:
    // What the rows being shown have in common for one setting.
    struct CommonValue {
        std::string text;
        int index = -1;
        bool differing = false;
    };

    void CreateControls(const CDialogUnits& units);
    void CreateFrequencyControls(const CDialogUnits& units);
    void CreateSettingControls(const CDialogUnits& units);
    QCheckBox* AddKeepBox(Setting setting, const QString& field, const CDialogUnits& units, int x,
                          int y);
    QComboBox* AddList(const char* name, const char* label, const CDialogUnits& units,
                       QPoint labelAt, QRect rect);
    void SetTabOrder();
    void FitToControls(const CDialogUnits& units);
    void FillLists();
    void DisableMissingSettings();
    void ShowRowsText();

    bool Has(Setting setting) const;
    QComboBox* List(Setting setting) const;
    QLineEdit* Box(Setting setting) const;
    QWidget* Field(Setting setting) const;
    bool IsKept(Setting setting) const;
    bool IsInBuffer(int row) const { return row >= 0 && row < m_nRows; }
    bool IsSelectedRow(int row) const;
    CChannel& Entry(int row) { return m_buffer[static_cast<std::size_t>(row)]; }

    void LoadForm();
    bool CollectRowValues(const CChannel& record);
    void MergeText(Setting setting, const std::string& text);
    void MergeIndex(Setting setting, int index);
    void MergeName(const std::string& name);
    void ShowSetting(Setting setting);
    void ApplyForm(int row);
    std::string FrequencyTextFor(const CChannel& entry, bool rx) const;
    int StepFor(const CChannel& entry) const;
    void ShowBlank();
    void ShowDefaults();
    void OnKeepClicked(Setting setting, bool checked);
    void OnRxToneChosen(int position);
    void Navigate(int step);
    void AcceptSingleRow();
    void AcceptSeveralRows();
    void WriteBack();

    bool ValidateFrequencies(const std::string& rxText, const std::string& txText, int step);
    bool ValidateForm();

    // Runs a handler so that no exception reaches the event loop.
    static void Guarded(const std::function<void()>& handler);

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
    int m_nFirstRow;
    int m_nLastRow;
    int m_nCurRow;
    RadioModel m_nModel;
    bool m_bNewMode;
    CChannelListView& m_list;
    std::array<CChannel, kMaxChannels> m_buffer{};
    CDatFile& m_file;

    Prompts& m_prompts;
    QPointer<QWidget> m_pOwner;
    bool m_bSingleRow;
    int m_nRows = 0;
    std::array<CommonValue, kSettingCount> m_common{};
    QLabel* m_textRows = nullptr;
    QPushButton* m_btnPrev = nullptr;
    QPushButton* m_btnNext = nullptr;
    QPushButton* m_btnOk = nullptr;
    QPushButton* m_btnCancel = nullptr;
};
