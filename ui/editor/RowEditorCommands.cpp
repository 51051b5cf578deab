// The commands of the Row Editor: OK, "< Prev", "Next >", "New", and leaving
// the frequency boxes.
#include "RowEditorDlg.h"

#include "Translation.h"

#include "FreqEdit.h"
#include "FrequencyRules.h"
#include "Prompts.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

void CRowEditorDlg::accept() {
    Run([this] {
        const Message error = m_session.Accept(ReadForm());
        if (!error.empty()) {
            ShowMessage(error);
            return;
        }
        QDialog::accept();
    });
}

void CRowEditorDlg::OnNext() {
    Run([this] { Navigate(1); });
}

void CRowEditorDlg::OnPrev() {
    Run([this] { Navigate(-1); });
}

void CRowEditorDlg::Navigate(int step) {
    if (!m_session.CanNavigate())
        return;
    m_btnNew->setEnabled(false);
    const CEditSession::Move move = m_session.Navigate(step, ReadForm());
    if (!move.error.empty())
        ShowMessage(move.error);
    if (!move.moved)
        return;
    LoadForm();
    ShowRowsText();
    Q_EMIT rowStepped(step);
}

void CRowEditorDlg::OnNew() {
    Run([this] { ShowDefaults(); });
}

void CRowEditorDlg::OnRxKillFocus() {
    Run([this] {
        const QString text = m_editRx->text();
        if (text.isEmpty())
            return;
        const bool txWasEmpty = m_editTx->text().isEmpty();
        const QString normal = QString::fromStdString(
            NormalizeFrequencyText(text.toStdString(), m_comboStep->currentIndex()));
        m_editRx->setText(normal);
        // Typing only RX makes a simplex channel.
        if (txWasEmpty && m_editTx->isEnabled())
            m_editTx->setText(normal);
    });
}

void CRowEditorDlg::OnTxKillFocus() {
    Run([this] {
        const QString text = m_editTx->text();
        if (!text.isEmpty())
            m_editTx->setText(QString::fromStdString(
                NormalizeFrequencyText(text.toStdString(), m_comboStep->currentIndex())));
    });
}

void CRowEditorDlg::ShowMessage(const Message& text) { m_prompts.ShowMessage(this, Tr(text)); }

void CRowEditorDlg::ShowRowsText() {
    if (m_session.IsSingleRow())
        m_textRows->setText(tr("Selected row: %1").arg(m_session.CurrentRow()));
    else
        m_textRows->setText(
            tr("Selected rows: %1 - %2").arg(m_session.FirstRow()).arg(m_session.LastRow()));
}
