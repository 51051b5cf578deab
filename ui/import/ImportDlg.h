#pragma once

#include "ChannelDocument.h"
#include "RadioModel.h"

#include "TemplateDlg.h"

#include <QMargins>
#include <QSize>
#include <QString>

#include <functional>
#include <optional>
#include <utility>
#include <vector>

class CChannelListView;
struct CsvChannels;
class Prompts;
class QKeyEvent;
class CBesidePlacer;

// The commands of the Import window.
enum class ImportCommand { kOpen, kCopy };

// A second file, a DAT file of either radio or a CSV list of channels, shown
// read-only beside the main window as channels of the main window's radio,
// from which rows are copied into the main window's row clipboard.
// It never changes or saves its file. Closing it only hides it; the owner
// shows it again and destroys it with itself.
class CImportDlg : public CTemplateDlg {
    Q_OBJECT

public:
    // Builds the window for the radio of target, the document its rows go
    // to, and loads the file at path (a failed load shows its message). The
    // window starts hidden; the owner places and shows it.
    CImportDlg(const QString& path, bool showAllColumns, const CChannelDocument& target,
               Prompts& prompts, QWidget* owner);
    ~CImportDlg() override;

    // Changes the column set; the rows of the last successful load come back
    // in the same order, none of them selected.
    void SetShowAllColumns(bool showAll);
    // The records taken by the last Copy that found a selection, in row order.
    const RowClipboard& CopiedRows() const { return m_document.Clipboard(); }

    // What places the window beside its owner.
    CBesidePlacer& Placer() const { return *m_pPlacer; }

    void OnOpenForImport();
    void OnCopy();
    void OnListContextMenu(const QPoint& pos);

    QAction* Command(ImportCommand command) const { return CommandAt(static_cast<int>(command)); }
    // The keys of the window's commands: each command's keys and menu text.
    static std::vector<std::pair<const char*, QString>> CommandKeys();
    CChannelListView& List() const { return *m_listChannels; }
    // Whether a file has loaded, now or before: a failed later load leaves
    // the list without rows, but the window still names the last file.
    bool IsLoaded() const { return m_bLoaded; }

Q_SIGNALS:
    // A Copy that found a selection has filled CopiedRows.
    void rowsCopied();

protected:
    void OnClientResized(int dx, int dy) override;
    // Enter and Esc hide the window.
    void HandleWindowKey(const QKeyEvent* key) override;
    // A single DAT or CSV file dragged onto the window is shown in it.
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateCommands();
    void CreateList();
    void LoadFile();
    QWidget* MessageOwner();
    void ReportSkipped(const CsvChannels& read);
    void Run(const QString& failureMessage, const std::function<void()>& work,
             const std::function<QString()>& reason = {});

    Prompts& m_prompts;

    CChannelListView* m_listChannels = nullptr;
    const CChannelDocument& m_target;
    CChannelDocument m_document;
    bool m_bLoaded = false;
    QString m_strPath;
    CBesidePlacer* m_pPlacer = nullptr;
};
