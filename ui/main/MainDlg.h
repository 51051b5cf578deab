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
class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QKeyEvent;
class QPushButton;

// The main window: the Mode box, the channel list of the open file, its
// buttons and menus. It owns the open file, the working copy of its records
// that the rows point into, the row clipboard and the Import window.
class CMainDlg : public CTemplateDlg {
    Q_OBJECT

public:
    explicit CMainDlg(Prompts& prompts, QWidget* parent = nullptr);
    ~CMainDlg() override;

    // File commands.
    void OnOpen();
    void OnSave();
    void OnExit();
    void OnAbout();
    void OnShowAllColumns(bool checked);
    void OnModeChanged(int index);

    // List commands.
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
    RadioModel Model() const { return m_nModel; }
    const std::vector<CChannel>& Clipboard() const { return m_clipboard; }
    CImportDlg* ImportDlg() const { return m_pImportDlg; }
    CDatFile* DatFile() const { return m_pDatFile.get(); }

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void OnClientResized(int dx, int dy) override;
    // Ctrl+X, Ctrl+C and Ctrl+V with or without Shift, and Enter and Esc,
    // which here do nothing rather than end the program unasked.
    bool IsWindowKey(const QKeyEvent* key) const override;
    void HandleWindowKey(const QKeyEvent* key) override;

private:
    void CreateMenus();
    void CreateControls();
    QPushButton* AddButton(QWidget* client, const char* name, const QString& text, QRect rect,
                           void (CMainDlg::*command)());
    void BuildColumns();
    void FillList(std::array<CChannel, kMaxChannels>& records);
    void RefreshRow(int row);
    void EnableFileCommands(bool enable);
    void OnRowsCopied();
    void SelectNeighbourRow(int step);
    void PlaceImportDlg();
    void ShowMessage(const QString& text);
    std::unique_ptr<QMenu> CreateListMenu();
    // Runs a command, catching every exception so none reaches the event loop;
    // a failure shows the command's own message, if it has one.
    void Guarded(const QString& failureMessage, const std::function<void()>& command);

    Prompts& m_prompts;

    QComboBox* m_comboMode = nullptr;
    CChannelListView* m_listChannels = nullptr;
    int m_bShowAllColumns = 0;
    QIcon m_hIcon;
    std::unique_ptr<CDatFile> m_pDatFile;
    bool m_bLoaded = false;
    bool m_bModified = false;
    QPointer<CImportDlg> m_pImportDlg;
    std::array<CChannel, kMaxChannels> m_records{};
    RadioModel m_nModel = kTGUV2;
    int m_nChannels = 0;
    std::vector<CChannel> m_clipboard;

    QCheckBox* m_checkShowAll = nullptr;
    QAction* m_pSaveAction = nullptr;
    // Buttons that follow the right edge when the window is resized, and the
    // one that also follows the bottom edge.
    std::vector<QPushButton*> m_rightButtons;
    QPushButton* m_pExitButton = nullptr;
    std::vector<QPushButton*> m_fileButtons;
};
