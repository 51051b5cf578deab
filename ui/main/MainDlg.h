#pragma once

#include "Channel.h"
#include "DatFile.h"
#include "ImportDlg.h"
#include "RadioModel.h"

#include "TemplateDlg.h"

#include <QIcon>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>
#include <vector>

class CChannelListView;
class Prompts;
class QCheckBox;
class QComboBox;
class QMenu;
class QKeyEvent;
class QPushButton;
class QUndoStack;

// The main window: the Mode box, the channel list of the open file, its
// buttons and menus. It owns the open file, the working copy of its records
// that the rows point into, the row clipboard and the Import window.
class CMainDlg : public CTemplateDlg {
    Q_OBJECT

public:
    explicit CMainDlg(Prompts& prompts, QWidget* parent = nullptr);
    ~CMainDlg() override;

    // The handlers of the window's commands.
    void OnOpen();
    // Opens a file given from outside the window (on the command line, or
    // dropped on it) as Open would; while no file has been opened, the Mode
    // box first takes the radio whose files have that file's size.
    void OpenFromOutside(const QString& path);
    void OnSave();
    void OnExportCsv();
    void OnExit();
    void OnAbout();
    void OnUp();
    void OnDown();
    void OnUp15();
    void OnDown15();
    void OnDelete();
    void OnCut();
    void OnCopy();
    void OnPaste();
    void OnEdit();
    void OnNew();
    void OnImport();

    void OnShowAllColumns(bool checked);
    void OnModeChanged(int index);
    void OnListContextMenu(const QPoint& pos);
    void OnListDoubleClick(const QModelIndex& index);

    bool MoveSelectionUp();
    bool MoveSelectionDown();
    void ClearClipboard();
    void OpenRowEditor(int first, int last, bool newMode);

    // What tests and the other windows may look at.
    CChannelListView& List() const { return *m_listChannels; }
    bool IsLoaded() const { return m_bLoaded; }
    bool IsModified() const { return m_bModified; }
    QUndoStack& History() const { return *m_pHistory; }
    RadioModel Model() const { return m_nModel; }
    const std::vector<CChannel>& Clipboard() const { return m_clipboard; }
    CImportDlg* ImportDlg() const { return m_pImportDlg; }
    CDatFile* DatFile() const { return m_pDatFile.get(); }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // A single DAT file dragged onto the window opens it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void OnClientResized(int dx, int dy) override;
    // Enter and Esc, which here do nothing rather than end the program unasked.
    bool IsWindowKey(const QKeyEvent* key) const override;
    void HandleWindowKey(const QKeyEvent* key) override;

private:
    void CreateCommands();
    void CreateMenus();
    void CreateControls();
    // Sets every command's enabled state from the window's state; the one
    // place that does.
    void UpdateCommands();
    // A new channel may only go where no channel is in use.
    bool IsNewAllowed() const;
    void BuildColumns();
    void FillList(std::array<CChannel, kMaxChannels>& records);
    void RefreshRow(int row);
    void OnRowsCopied();
    void SelectNeighbourRow(int step);
    void PlaceImportDlg();
    void ShowMessage(const QString& text, const QString& reason = {});
    void Run(const QString& failureMessage, const std::function<void()>& work,
             const std::function<QString()>& reason = {});
    // Runs a command that may change the list: what it changes becomes one
    // step of the history, named step.
    void Change(const QString& step, const std::function<void()>& work);
    // Opens the file at path for the model chosen.
    void Open(const QString& path);
    // Shows a file that has loaded and decodes: the window's new records,
    // title and state.
    void Show(std::unique_ptr<CDatFile> file, const QString& path);
    // Why a file did not open, with what to do about a file of the other radio.
    QString OpenProblem(const CDatFile& file) const;
    // Why a record of the clipboard was refused.
    QString PasteProblem(int index, int start, bool rx, const std::string& text) const;

    Prompts& m_prompts;

    QComboBox* m_comboMode = nullptr;
    CChannelListView* m_listChannels = nullptr;
    int m_bShowAllColumns = 0;
    QIcon m_hIcon;
    std::unique_ptr<CDatFile> m_pDatFile;
    bool m_bLoaded = false;
    bool m_bModified = false;
    // The flag as the last Open found it: changes made before it stay
    // unsaved, whatever the new file's history does.
    bool m_bModifiedBeforeOpen = false;
    QUndoStack* m_pHistory = nullptr;
    QPointer<CImportDlg> m_pImportDlg;
    std::array<CChannel, kMaxChannels> m_records{};
    RadioModel m_nModel = kTGUV2;
    int m_nChannels = 0;
    std::vector<CChannel> m_clipboard;

    QCheckBox* m_checkShowAll = nullptr;
    // Buttons that follow the right edge when the window is resized, and the
    // one that also follows the bottom edge.
    std::vector<QPushButton*> m_rightButtons;
    QPushButton* m_pExitButton = nullptr;
};
