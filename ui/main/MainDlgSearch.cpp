// The main window's commands that look through the list and put it in
// order: Find, Find Next, Find Previous, Sort and Check Channels.
#include "MainDlg.h"

#include "ChannelListView.h"
#include "CheckChannelsDlg.h"
#include "FindDlg.h"
#include "Prompts.h"
#include "SortDlg.h"

void CMainDlg::OnFind() {
    Run({}, [this] {
        if (!m_pFindDlg) {
            m_pFindDlg = new CFindDlg(this);
            connect(m_pFindDlg, &CFindDlg::findRequested, this, &CMainDlg::FindChannel);
        }
        m_pFindDlg->ShowWith(m_strFind);
    });
}

void CMainDlg::OnFindNext() {
    if (m_strFind.isEmpty())
        OnFind();
    else
        FindChannel(m_strFind, 1);
}

void CMainDlg::OnFindPrevious() {
    if (m_strFind.isEmpty())
        OnFind();
    else
        FindChannel(m_strFind, -1);
}

void CMainDlg::FindChannel(const QString& text, int direction) {
    Run({}, [&] {
        m_strFind = text;
        if (text.isEmpty())
            return;
        const int row =
            m_document.FindRow(text.toStdString(), m_listChannels->SelectionMark(), direction);
        if (row < 0)
            ShowMessage(tr("No channel matches \"%1\".").arg(text));
        else
            SelectOnly(row);
    });
}

void CMainDlg::SelectOnly(int row) {
    m_listChannels->ShowSelection(RowSelection::Of(m_document.RowCount(), {row}, row), row);
}

void CMainDlg::OnSort() {
    Run({}, [this] {
        CSortDlg dialog(m_document.Model(), this);
        if (m_prompts.RunModal(dialog) != QDialog::Accepted)
            return;
        Change(tr("Sort"), [&](const RowSelection& selection) {
            return m_document.Sort(selection, dialog.Key(), dialog.IsDescending());
        });
    });
}

void CMainDlg::OnCheckChannels() {
    Run({}, [this] {
        if (!m_pCheckDlg) {
            m_pCheckDlg = new CCheckChannelsDlg(m_document, this);
            connect(m_pCheckDlg, &CCheckChannelsDlg::channelChosen, this, &CMainDlg::SelectOnly);
        }
        m_pCheckDlg->CheckAgain();
        m_pCheckDlg->show();
        m_pCheckDlg->raise();
        m_pCheckDlg->activateWindow();
    });
}
