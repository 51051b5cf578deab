#pragma once

#include "DocumentObserver.h"

#include <QDialog>

class CChannelDocument;
class QTreeWidget;
class QTreeWidgetItem;

// "Check Channels": what the channel check finds in the document, one row a
// finding. While the window is shown it checks again whenever the rows
// change, so no finding it shows is ever stale; hidden, it checks when it is
// shown again. Choosing a finding (a double click, or Enter) asks the owner
// to show that channel; the window stays open.
class CCheckChannelsDlg : public QDialog, private CDocumentObserver {
    Q_OBJECT

public:
    CCheckChannelsDlg(const CChannelDocument& document, QWidget* owner);

    // Checks the list as it is now ("Check Again").
    void CheckAgain();
    QTreeWidget& Findings() const { return *m_listFindings; }

Q_SIGNALS:
    void channelChosen(int row);

private:
    void OnItemActivated(QTreeWidgetItem* item);
    void OnRowsChanged(int first, int last) override;
    void OnRowsReloaded() override;
    void CheckAgainIfShown();

    QTreeWidget* m_listFindings = nullptr;
};
