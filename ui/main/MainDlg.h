#pragma once

#include "CellDelegate.h"
#include "ChannelDocument.h"
#include "CheckChannelsDlg.h"
#include "CommandLine.h"
#include "CompareDlg.h"
#include "FindDlg.h"
#include "ImportDlg.h"
#include "RadioModel.h"

#include "TemplateDlg.h"

#include <QIcon>
#include <QPointer>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

class CChannelListView;
class Prompts;
class QCheckBox;
class QComboBox;
class QMenu;
class QKeyEvent;
class QPushButton;
class QUndoStack;

// The commands of the main window, by which its menus, buttons and keys find
// them.
enum class MainCommand {
    kOpen,
    kSave,
    kExportCsv,
    kPrint,
    kPrintPreview,
    kExportPdf,
    kCompare,
    kExit,
    kUp,
    kDown,
    kUp15,
    kDown15,
    kDelete,
    kInsertRow,
    kDeleteAndCloseUp,
    kCut,
    kCopy,
    kPaste,
    kEdit,
    kNew,
    kImport,
    kAbout,
    kKeyboardShortcuts,
    kFind,
    kFindNext,
    kFindPrevious,
    kSort,
    kCheckChannels,
    kUndo,
    kRedo,
};

// The main window: the Mode box, the channel list of the open file, its
// buttons and menus. It owns the document of the open file, which holds the
// records, their order and the row clipboard, and shows it; it keeps the
// list's selection, the undo history and the Import window.
class CMainDlg : public CTemplateDlg {
    Q_OBJECT

public:
    explicit CMainDlg(Prompts& prompts, QWidget* parent = nullptr);
    ~CMainDlg() override;

    // The handlers of the window's commands.
    void OnOpen();
    // Opens a file given from outside the window (on the command line, or
    // dropped on it) as Open would; while no file has been opened, the Mode
    // box first takes the radio whose files have that file's size. The list
    // then has the focus, on its first row.
    void OpenFromOutside(const std::filesystem::path& path);
    // Opens the file a command line named, and says which others it did not.
    void OpenGiven(const CommandLineFiles& files);
    void OnSave();
    void OnExportCsv();
    // The list on paper: printed, previewed, or written as a PDF file.
    void OnPrint();
    void OnPrintPreview();
    void OnExportPdf();
    // Compares the open file with another, beside this window.
    void OnCompare();
    void OnExit();
    void OnAbout();
    void OnUp();
    void OnDown();
    void OnUp15();
    void OnDown15();
    void OnDelete();
    void OnInsertRow();
    void OnDeleteAndCloseUp();
    void OnKeyboardShortcuts();
    void OnCut();
    void OnCopy();
    void OnPaste();
    void OnEdit();
    void OnNew();
    void OnImport();
    void OnFind();
    void OnFindNext();
    void OnFindPrevious();
    void OnSort();
    void OnCheckChannels();

    void OnShowAllColumns(bool checked);
    void OnModeChanged(int index);
    // A file of File › Recent Files: opened as one given from outside; one
    // that is gone is taken off the list.
    void OnOpenRecent(const QString& path);
    void OnClearRecentFiles();
    // Help › Language: the language the windows speak from the next start
    // on; empty for the desktop's.
    void OnChooseLanguage(const QString& code);
    void OnListContextMenu(const QPoint& pos);
    void OnListDoubleClick(const QModelIndex& index);

    void OpenRowEditor(int first, int last, bool newMode);

    // What tests and the other windows may look at.
    QAction* Command(MainCommand command) const { return CommandAt(static_cast<int>(command)); }
    CChannelListView& List() const { return *m_listChannels; }
    bool IsLoaded() const { return m_document.IsLoaded(); }
    bool IsModified() const { return m_document.IsModified(); }
    QUndoStack& History() const { return *m_pHistory; }
    RadioModel Model() const { return m_document.Model(); }
    const RowClipboard& Clipboard() const { return m_document.Clipboard(); }
    CImportDlg* ImportDlg() const { return m_pImportDlg; }
    CFindDlg* FindDlg() const { return m_pFindDlg; }
    CCheckChannelsDlg* CheckDlg() const { return m_pCheckDlg; }
    CCompareDlg* CompareDlg() const { return m_pCompareDlg; }
    QDialog* ShortcutsDlg() const { return m_pShortcutsDlg; }
    QMenu* RecentFilesMenu() const { return m_pRecentMenu; }
    QMenu* LanguageMenu() const { return m_pLanguageMenu; }
    const CChannelDocument& Document() const { return m_document; }

protected:
    void closeEvent(QCloseEvent* event) override;
    // A single DAT file dragged onto the window opens it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void OnClientResized(int dx, int dy) override;
    // Enter and Esc, which here do nothing rather than end the program unasked.
    void HandleWindowKey(const QKeyEvent* key) override;
    // While a cell is edited, its editor has every key.
    bool IsEditingInPlace() const override;

private:
    void CreateCommands();
    void CreateMenus();
    void CreateRecentFilesMenu(QMenu& file);
    void CreateLanguageMenu(QMenu& help);
    // The Recent Files menu as the settings have it now.
    void UpdateRecentFiles();
    // What the window remembers: the radio, the columns, its frame.
    void RestoreSettings();
    // A DAT file opened or saved is remembered, and where it was.
    void RememberFile(const std::filesystem::path& path);
    QMenu* AddMenu(const QString& title, std::span<const std::optional<MainCommand>> items);
    void CreateControls();
    // Sets every command's enabled state from the window's state; the one
    // place that does.
    void UpdateCommands();
    // A new channel may only go where no channel is in use.
    bool IsNewAllowed() const;
    void OnRowsCopied();
    // "Copy to Open File" in the Compare window: the rows at their IDs.
    void OnCopyFromCompare(const std::vector<ChannelRow>& rows);
    // Puts the selected rows on the desktop's clipboard.
    void PublishSelection();
    void SelectNeighbourRow(int step);
    void PlaceImportDlg();
    // Where the buttons down the right edge stand, on the screen: a window
    // placed beside this one leaves them clear.
    QRect ButtonsFrame() const;
    // Shows a tool window beside this one.
    void ShowBeside(QWidget& window, CBesidePlacer& placer);
    void ShowMessage(const QString& text, const QString& reason = {});
    void Run(const QString& failureMessage, const std::function<void()>& work,
             const std::function<QString()>& reason = {});
    // Runs a list command on the selection: the document's change it makes
    // is shown in the list and, when it changed rows, becomes one step of the
    // history, named as the command is, that undoes to the selection before
    // (the list's now, unless given).
    void Change(MainCommand command, const std::function<ListChange(const RowSelection&)>& work);
    // A refusal is shown as "Invalid frequency!" with the reason below it,
    // or, for a command whose refusal is its own message, as that message.
    void Change(const QString& step, const std::function<ListChange(const RowSelection&)>& work,
                std::optional<RowSelection> before = std::nullopt, bool refusalIsMessage = false);
    // Stores a cell's text the list hands over (the current cell's column,
    // of the current row or of every selected channel); false when refused.
    bool StoreCell(const QString& text, CCellDelegate::Ending ending);
    // Finds the text from the mark on, forwards (1) or backwards (-1), and
    // makes the row found the only one selected; says so when none matches.
    void FindChannel(const QString& text, int direction);
    // Selects only this row, makes it the mark and shows it.
    void SelectOnly(int row);
    // Moves the selected rows by one, times times, up (-1) or down (1).
    void MoveSelection(MainCommand command, int direction, int times);
    // Print (through the print dialog) or Print Preview of the list as shown.
    void Print(bool preview);
    // Where an export's file dialog starts: the opened file's folder and
    // name, with the ending given.
    QString ExportStart(const char* ending) const;
    // Asks before unsaved changes are replaced by another file: true to go on.
    bool MayReplaceChanges();
    // Asks before a file that another program changed is written over: true
    // to go on.
    bool MayReplaceFile(const QString& path);
    // Opens the file at path for the model chosen; true when it opened.
    bool Open(const std::filesystem::path& path, bool sizeChoseModel = false);
    // Why a file did not open, with what to do about a file of the other
    // radio, or of no radio where its size would have chosen one.
    QString OpenProblem(bool sizeChoseModel) const;

    Prompts& m_prompts;

    QComboBox* m_comboMode = nullptr;
    CChannelListView* m_listChannels = nullptr;
    bool m_bShowAllColumns = false;
    QIcon m_hIcon;
    CChannelDocument m_document;
    QUndoStack* m_pHistory = nullptr;
    QPointer<CImportDlg> m_pImportDlg;
    QPointer<CFindDlg> m_pFindDlg;
    QPointer<CCheckChannelsDlg> m_pCheckDlg;
    QPointer<QDialog> m_pShortcutsDlg;
    QPointer<CCompareDlg> m_pCompareDlg;
    // The last text searched for.
    QString m_strFind;

    QCheckBox* m_checkShowAll = nullptr;
    QMenu* m_pRecentMenu = nullptr;
    QMenu* m_pLanguageMenu = nullptr;
    // Buttons that follow the right edge when the window is resized, and the
    // one that also follows the bottom edge.
    std::vector<QPushButton*> m_rightButtons;
    QPushButton* m_pExitButton = nullptr;
};
