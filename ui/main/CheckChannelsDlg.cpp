#include "CheckChannelsDlg.h"

#include "ChannelCheck.h"
#include "ChannelDocument.h"
#include "Translation.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The role under which a finding's row keeps its channel's ID.
constexpr int kChannelRole = Qt::UserRole;

} // namespace

CCheckChannelsDlg::CCheckChannelsDlg(const CChannelDocument& document, QWidget* owner)
    : QDialog(owner) {
    setWindowTitle(tr("Check Channels"));
    setObjectName(QStringLiteral("checkWindow"));
    m_listFindings = new QTreeWidget(this);
    m_listFindings->setObjectName(QStringLiteral("findingList"));
    m_listFindings->setAccessibleName(tr("Findings"));
    m_listFindings->setHeaderLabels({tr("ID"), tr("Severity"), tr("Problem")});
    m_listFindings->setRootIsDecorated(false);
    m_listFindings->setUniformRowHeights(true);
    m_listFindings->header()->setStretchLastSection(true);
    connect(m_listFindings, &QTreeWidget::itemActivated, this, &CCheckChannelsDlg::OnItemActivated);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* again = buttons->addButton(tr("Check Again"), QDialogButtonBox::ActionRole);
    QPushButton* close = buttons->addButton(tr("Close"), QDialogButtonBox::RejectRole);
    again->setObjectName(QStringLiteral("checkAgainButton"));
    close->setObjectName(QStringLiteral("closeButton"));
    again->setAutoDefault(false);
    close->setAutoDefault(false);
    connect(again, &QPushButton::clicked, this, &CCheckChannelsDlg::CheckAgain);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_listFindings);
    layout->addWidget(buttons);
    const int width = fontMetrics().averageCharWidth();
    resize(width * 80, fontMetrics().height() * 24);
    Observe(&document);
}

void CCheckChannelsDlg::OnRowsChanged(int, int) { CheckAgainIfShown(); }

void CCheckChannelsDlg::OnRowsReloaded() { CheckAgainIfShown(); }

void CCheckChannelsDlg::CheckAgainIfShown() {
    if (isVisible())
        CheckAgain();
}

// The finding in the same place stays current, so that stepping through
// them survives a fix of one.
void CCheckChannelsDlg::CheckAgain() {
    const int current = m_listFindings->indexOfTopLevelItem(m_listFindings->currentItem());
    m_listFindings->clear();
    const CChannelDocument* document = Observed();
    if (!document)
        return;
    const std::vector<ChannelFinding> findings =
        CheckChannels(document->Records(), document->Model(), document->Image());
    for (const ChannelFinding& finding : findings) {
        auto* item = new QTreeWidgetItem(
            m_listFindings, {QString::number(finding.n),
                             finding.warning ? tr("Warning") : tr("Error"), Tr(finding.text)});
        item->setData(0, kChannelRole, finding.n);
        item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    }
    if (findings.empty())
        new QTreeWidgetItem(m_listFindings, {QString(), QString(), tr("No problems found.")});
    for (int column = 0; column < 2; ++column)
        m_listFindings->resizeColumnToContents(column);
    const int count = m_listFindings->topLevelItemCount();
    m_listFindings->setCurrentItem(
        m_listFindings->topLevelItem(std::clamp(current, 0, std::max(count - 1, 0))));
}

void CCheckChannelsDlg::OnItemActivated(QTreeWidgetItem* item) {
    if (item && item->data(0, kChannelRole).isValid())
        Q_EMIT channelChosen(item->data(0, kChannelRole).toInt());
}
