#pragma once

#include "Channel.h"
#include "RadioModel.h"

#include <QDialog>

#include <vector>

class CChannelListView;
class Prompts;

// A second DAT file of the same radio model, shown read-only beside the main
// window, from which rows are copied into the main window's row clipboard.
class CImportDlg : public QDialog {
    Q_OBJECT

public:
    // Builds the window and loads the file at path (a failed load shows its
    // message). The window starts hidden; the owner places and shows it.
    CImportDlg(const QString& path, bool showAllColumns, RadioModel model, Prompts& prompts,
               QWidget* owner);
    ~CImportDlg() override;

    void SetShowAllColumns(bool showAll);
    // The records taken by the last Copy that found a selection, in row order.
    const std::vector<CChannel>& CopiedRows() const { return m_copiedRows; }

    void OnOpenForImport();
    void OnCopy();

    CChannelListView& List() const { return *m_listChannels; }
    bool IsLoaded() const { return m_bLoaded; }

private:
    std::vector<CChannel> m_copiedRows;
    CChannelListView* m_listChannels = nullptr;
    bool m_bLoaded = false;
};
