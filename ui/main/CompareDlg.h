#pragma once

#include "ChannelCsv.h"
#include "ChannelDocument.h"
#include "DocumentObserver.h"
#include "PlanComparison.h"
#include "TemplateDlg.h"

#include <QString>

#include <utility>
#include <vector>

class CBesidePlacer;
class CChannelListView;
class Prompts;
class QCheckBox;
class QLabel;

// The commands of the Compare window.
enum class CompareCommand {
    kNextDifference,
    kPreviousDifference,
    kShowDifferencesOnly,
    kCopy,
    kCompareAnother,
};

// "Compare": the open file as it is now, with its unsaved changes, on the
// left, and another file (a DAT file of either radio, or a CSV list) read as
// this radio's channels on the right, row beside row and scrolled together.
// Each row that differs is marked, and its cells that differ are drawn on a
// colour of their own; the window follows every change of the open file.
// Rows chosen on the right can be copied into the open file at the same
// channel IDs, which the owner does; the right-hand file is never written.
class CCompareDlg : public CTemplateDlg, private CDocumentObserver {
    Q_OBJECT

public:
    // Reads the file at path for the radio of the open document; the window
    // starts hidden. False from IsLoaded when the file could not be read,
    // the message already shown.
    CCompareDlg(const QString& path, bool showAllColumns, const CChannelDocument& open,
                Prompts& prompts, QWidget* owner);
    ~CCompareDlg() override;

    bool IsLoaded() const { return m_other.IsLoaded(); }
    const QString& FileName() const { return m_strName; }
    void SetShowAllColumns(bool showAll);
    // What places the window beside its owner.
    CBesidePlacer& Placer() const { return *m_pPlacer; }
    // Tells, over the window now shown, which channels of the other file
    // could not be read as this radio's (once).
    void ReportUnread();

    void OnNextDifference();
    void OnPreviousDifference();
    void OnShowDifferencesOnly();
    void OnCopyToOpenFile();

    QAction* Command(CompareCommand command) const { return CommandAt(static_cast<int>(command)); }
    CChannelListView& Left() const { return *m_listLeft; }
    CChannelListView& Right() const { return *m_listRight; }
    QString Status() const;
    // The keys of the window's commands: each command's keys and menu text.
    static std::vector<std::pair<const char*, QString>> CommandKeys();

Q_SIGNALS:
    // "Copy to Open File" with these rows of the right-hand file.
    void copyRequested(const std::vector<ChannelRow>& rows);
    // "Compare With Another File...": the owner asks for the file.
    void compareAnotherRequested();

protected:
    void OnClientResized(int dx, int dy) override;
    // Esc hides the window; Enter does nothing.
    void HandleWindowKey(const QKeyEvent* key) override;

private:
    void CreateCommands();
    void CreateControls();
    void Load(const QString& path);
    void OnRowsChanged(int first, int last) override;
    void OnRowsReloaded() override;
    // Compares the two lists anew and shows it: marks, status, hidden rows.
    void Compare();
    void StepToDifference(int direction);
    bool IsDifference(int row) const;
    // "Copy to Open File" only while a selected row on the right holds a
    // channel: rows empty there are not taken.
    void UpdateCopy();

    Prompts& m_prompts;
    const CChannelDocument& m_open;
    CChannelDocument m_other;
    QString m_strName;
    // Channels of the other file that have no row on this radio.
    int m_nBeyond = 0;
    // Channels of the other file that could not be read as this radio's
    // for other reasons, and what to tell of them once the window shows.
    int m_nUnread = 0;
    QString m_strUnread, m_strUnreadDetails;
    // Columns the other file cannot hold (the other radio's file): neither
    // compared nor taken across.
    std::vector<Column> m_notHeld;
    PlanComparison m_comparison;
    CChannelListView* m_listLeft = nullptr;
    CChannelListView* m_listRight = nullptr;
    QLabel* m_textLeft = nullptr;
    QLabel* m_textRight = nullptr;
    QLabel* m_textStatus = nullptr;
    QCheckBox* m_checkOnlyDifferences = nullptr;
    std::vector<QWidget*> m_bottom;
    QWidget* m_btnCopy = nullptr;
    CBesidePlacer* m_pPlacer = nullptr;
};
