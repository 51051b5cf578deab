#pragma once

#include <QDialog>

class CChannelDocument;
class QTreeWidget;
class QTreeWidgetItem;

// "Check Channels": what the channel check finds in the document, one row a
// finding, as it was when last checked. Choosing a finding (a double click,
// or Enter) asks the owner to show that channel; the window stays open.
class CCheckChannelsDlg : public QDialog {
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

    const CChannelDocument& m_document;
    QTreeWidget* m_listFindings = nullptr;
};
