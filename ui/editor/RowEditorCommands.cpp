// The commands of the Row Editor: OK, "< Prev", "Next >", "New", and leaving
// the frequency boxes.
#include "RowEditorDlg.h"

#include "ChannelListView.h"
#include "DatFile.h"
#include "FreqEdit.h"
#include "FrequencyRules.h"
#include "Prompts.h"
#include "UserEvents.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>

void CRowEditorDlg::accept() {
    Guarded([this] {
        if (m_bSingleRow)
            AcceptSingleRow();
        else
            AcceptSeveralRows();
    });
}

void CRowEditorDlg::AcceptSingleRow() {
    ApplyForm(m_nCurRow);
    if (IsInBuffer(m_nCurRow) && !Entry(m_nCurRow).IsEmpty() && !ValidateForm())
        return;
    WriteBack();
    QDialog::accept();
}

// Every row is checked with the values it would receive before any row is
// written, so a refused OK leaves the edit buffer untouched.
void CRowEditorDlg::AcceptSeveralRows() {
    for (int row = m_nFirstRow; row <= m_nLastRow; ++row) {
        if (!IsSelectedRow(row))
            continue;
        const CChannel& entry = Entry(row);
        if (entry.IsEmpty() && m_editRx->text().isEmpty())
            continue;
        if (!ValidateFrequencies(FrequencyTextFor(entry, true), FrequencyTextFor(entry, false),
                                 StepFor(entry)))
            return;
    }
    for (int row = m_nFirstRow; row <= m_nLastRow; ++row)
        if (IsSelectedRow(row))
            ApplyForm(row);
    WriteBack();
    QDialog::accept();
}

void CRowEditorDlg::WriteBack() {
    for (int row = 0; row < m_nRows; ++row)
        if (CChannel* record = m_list.Channels().RecordAt(row))
            *record = Entry(row);
}

void CRowEditorDlg::OnNext() {
    Guarded([this] { Navigate(1); });
}

void CRowEditorDlg::OnPrev() {
    Guarded([this] { Navigate(-1); });
}

// The form is written into the edit buffer before anything else, so a row
// left at either end of the list keeps what was typed; only a valid row may
// be left for its neighbour.
void CRowEditorDlg::Navigate(int step) {
    if (!m_bSingleRow || !IsInBuffer(m_nCurRow))
        return;
    m_btnNew->setEnabled(false);
    ApplyForm(m_nCurRow);
    const int next = m_nCurRow + step;
    if (!IsInBuffer(next))
        return;
    if (!Entry(m_nCurRow).IsEmpty() && !ValidateForm())
        return;
    m_nCurRow = next;
    LoadForm();
    ShowRowsText();
    if (m_pOwner)
        QCoreApplication::postEvent(m_pOwner,
                                    new QEvent(step > 0 ? UM_SELECT_NEXT_ROW : UM_SELECT_PREV_ROW));
}

void CRowEditorDlg::OnNew() {
    Guarded([this] { ShowDefaults(); });
}

void CRowEditorDlg::OnRxKillFocus() {
    Guarded([this] {
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
    Guarded([this] {
        const QString text = m_editTx->text();
        if (!text.isEmpty())
            m_editTx->setText(QString::fromStdString(
                NormalizeFrequencyText(text.toStdString(), m_comboStep->currentIndex())));
    });
}

bool CRowEditorDlg::ValidateFrequencies(const std::string& rxText, const std::string& txText,
                                        int step) {
    const std::string_view error =
        FrequencyError(rxText, txText, step, m_nModel, m_file.GetImage());
    if (error.empty())
        return true;
    m_prompts.ShowMessage(this,
                          QString::fromLatin1(error.data(), static_cast<qsizetype>(error.size())));
    return false;
}

bool CRowEditorDlg::ValidateForm() {
    return ValidateFrequencies(m_editRx->text().toStdString(), m_editTx->text().toStdString(),
                               m_comboStep->currentIndex());
}

bool CRowEditorDlg::IsSelectedRow(int row) const {
    return IsInBuffer(row) && m_list.IsRowSelected(row);
}

void CRowEditorDlg::ShowRowsText() {
    if (m_bSingleRow)
        m_textRows->setText(QStringLiteral("Selected row: %1").arg(m_nCurRow));
    else
        m_textRows->setText(
            QStringLiteral("Selected rows: %1 - %2").arg(m_nFirstRow).arg(m_nLastRow));
}
