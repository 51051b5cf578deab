// The commands that change the main window's channel list: moving, deleting,
// cutting, copying and pasting rows, the list's popup menu, and the hooks
// into the Row Editor and the Import window.
#include "MainDlg.h"

#include "ChannelListView.h"
#include "ImportDlg.h"
#include "Prompts.h"
#include "RowEditorDlg.h"

#include <QAction>
#include <QMenu>

#include <algorithm>

namespace {

constexpr int kBlockMoveSteps = 15;

const QString kInvalidFrequency = QStringLiteral("Invalid frequency!");
const QString kDialogFailed = QStringLiteral("Error creating Dialog");
const QString kRowEditorStep = QStringLiteral("Row Editor");

// The list's popup, by command; null is a separator.
const char* const kListMenu[] = {"cut",  "copy",   nullptr, "paste", nullptr, "new",
                                 "edit", "delete", nullptr, "undo",  "redo"};

} // namespace

bool CMainDlg::MoveSelectionUp() {
    CChannelListView& list = *m_listChannels;
    std::vector<bool> selected = list.SelectionFlags();
    if (std::find(selected.begin(), selected.end(), true) == selected.end())
        return false;
    // Row 0 is examined first, so nothing has moved yet.
    if (selected.empty() || selected.front())
        return false;
    int first = -1;
    for (int i = 1; i < m_nChannels; ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (!selected[at])
            continue;
        list.Channels().SwapRecords(i, i - 1);
        selected[at] = selected[at - 1];
        selected[at - 1] = true;
        if (first == -1)
            first = i - 1;
    }
    list.SetSelectionFlags(selected);
    list.SetSelectionMark(first);
    list.scrollTo(list.Channels().index(first, 0));
    m_bModified = true;
    return true;
}

bool CMainDlg::MoveSelectionDown() {
    CChannelListView& list = *m_listChannels;
    std::vector<bool> selected = list.SelectionFlags();
    if (std::find(selected.begin(), selected.end(), true) == selected.end())
        return false;
    if (selected.empty() || selected.back())
        return false;
    int top = -1;
    int bottom = -1;
    for (int i = m_nChannels - 2; i >= 0; --i) {
        const auto at = static_cast<std::size_t>(i);
        if (!selected[at])
            continue;
        list.Channels().SwapRecords(i, i + 1);
        selected[at] = selected[at + 1];
        selected[at + 1] = true;
        top = i + 1;
        if (bottom == -1)
            bottom = i + 1;
    }
    list.SetSelectionFlags(selected);
    list.SetSelectionMark(top);
    list.scrollTo(list.Channels().index(bottom, 0));
    m_bModified = true;
    return true;
}

void CMainDlg::OnUp() {
    Change(Command(QStringLiteral("up"))->text(), [this] {
        m_listChannels->setFocus();
        MoveSelectionUp();
        m_listChannels->setFocus();
    });
}

void CMainDlg::OnDown() {
    Change(Command(QStringLiteral("down"))->text(), [this] {
        m_listChannels->setFocus();
        MoveSelectionDown();
        m_listChannels->setFocus();
    });
}

void CMainDlg::OnUp15() {
    Change(Command(QStringLiteral("up15"))->text(), [this] {
        m_listChannels->setFocus();
        for (int step = 0; step < kBlockMoveSteps && MoveSelectionUp(); ++step) {
        }
        m_listChannels->setFocus();
    });
}

void CMainDlg::OnDown15() {
    Change(Command(QStringLiteral("down15"))->text(), [this] {
        m_listChannels->setFocus();
        for (int step = 0; step < kBlockMoveSteps && MoveSelectionDown(); ++step) {
        }
        m_listChannels->setFocus();
    });
}

void CMainDlg::OnDelete() {
    Change(Command(QStringLiteral("delete"))->text(), [this] {
        m_listChannels->setFocus();
        if (!m_listChannels->HasSelection())
            return;
        for (int row : m_listChannels->SelectedRows()) {
            m_listChannels->Channels().RecordAt(row)->Clear(m_nModel);
            RefreshRow(row);
        }
        m_listChannels->ClearRowSelection();
        m_bModified = true;
        m_listChannels->setFocus();
    });
}

void CMainDlg::ClearClipboard() { m_clipboard.clear(); }

void CMainDlg::OnCopy() {
    Run({}, [this] {
        if (!m_listChannels->HasSelection())
            return;
        ClearClipboard();
        for (int row : m_listChannels->SelectedRows())
            m_clipboard.push_back(*m_listChannels->Channels().RecordAt(row));
    });
}

void CMainDlg::OnCut() {
    Change(Command(QStringLiteral("cut"))->text(), [this] {
        if (!m_listChannels->HasSelection())
            return;
        ClearClipboard();
        for (int row : m_listChannels->SelectedRows()) {
            CChannel* record = m_listChannels->Channels().RecordAt(row);
            m_clipboard.push_back(*record);
            record->Clear(m_nModel);
            RefreshRow(row);
        }
        m_listChannels->ClearRowSelection();
        m_bModified = true;
    });
}

QString CMainDlg::PasteProblem(int index, int start, bool rx, const std::string& text) const {
    const QString frequency = text.empty()
                                  ? QStringLiteral("no %1 frequency").arg(rx ? "RX" : "TX")
                                  : QStringLiteral("the %1 frequency %2 MHz")
                                        .arg(rx ? "RX" : "TX", QString::fromStdString(text));
    const bool uhf = m_pDatFile->GetImage().SameBandSide("400.00000");
    return QStringLiteral(
               "Pasted channel %1 of %2, for row %3, has %4, but this radio works only %5.")
        .arg(index + 1)
        .arg(m_clipboard.size())
        .arg(start + index)
        .arg(frequency,
             uhf ? QStringLiteral("at 400 MHz and above") : QStringLiteral("below 400 MHz"));
}

void CMainDlg::OnPaste() {
    Change(Command(QStringLiteral("paste"))->text(), [this] {
        CChannelListView& list = *m_listChannels;
        const int start = list.SelectionMark();
        if (!list.HasSelection() || start < 0 || !m_pDatFile)
            return;
        const int count = static_cast<int>(m_clipboard.size());
        if (count > m_nChannels - start)
            return;
        // Records from another file are checked against this file's radio.
        const CMemoryImage& image = m_pDatFile->GetImage();
        for (std::size_t j = 0; j < m_clipboard.size(); ++j)
            for (const bool rx : {true, false})
                if (const std::string text = m_clipboard[j].GetFreqText(rx);
                    !image.SameBandSide(text)) {
                    ShowMessage(kInvalidFrequency, PasteProblem(int(j), start, rx, text));
                    return;
                }
        // Decode every record before writing any, so a paste lands whole or not at all.
        for (const CChannel& record : m_clipboard)
            CheckDecodesInEveryColumn(record, m_nModel);
        std::vector<int> pasted;
        for (int j = 0; j < count; ++j) {
            *list.Channels().RecordAt(start + j) = m_clipboard[static_cast<std::size_t>(j)];
            RefreshRow(start + j);
            pasted.push_back(start + j);
        }
        list.SelectRows(pasted, start);
        m_bModified = true;
    });
}

void CMainDlg::OnListContextMenu(const QPoint& pos) {
    if (!m_bLoaded)
        return;
    Run({}, [this, pos] {
        UpdateCommands();
        QMenu menu(this);
        menu.setObjectName(QStringLiteral("listMenu"));
        for (const char* name : kListMenu) {
            if (name)
                menu.addAction(Command(QString::fromLatin1(name)));
            else
                menu.addSeparator();
        }
        m_prompts.RunMenu(menu, m_listChannels->viewport()->mapToGlobal(pos));
    });
}

void CMainDlg::OnEdit() {
    const std::vector<int> rows = m_listChannels->SelectedRows();
    if (!rows.empty())
        OpenRowEditor(rows.front(), rows.back(), false);
}

void CMainDlg::OnNew() {
    const std::vector<int> rows = m_listChannels->SelectedRows();
    if (!rows.empty())
        OpenRowEditor(rows.front(), rows.back(), true);
}

void CMainDlg::OnListDoubleClick(const QModelIndex& index) {
    if (index.isValid())
        OpenRowEditor(index.row(), index.row(), false);
}

void CMainDlg::OpenRowEditor(int first, int last, bool newMode) {
    if (!m_bLoaded || !m_pDatFile || first < 0 || last >= m_nChannels)
        return;
    Change(kRowEditorStep, [&] {
        CRowEditorDlg editor(m_nModel, first, last, *m_listChannels, *m_pDatFile, newMode,
                             m_prompts, this);
        if (m_prompts.RunModal(editor) != QDialog::Accepted)
            return;
        m_bModified = true;
        m_listChannels->Channels().RefreshAll();
    });
}

void CMainDlg::SelectNeighbourRow(int step) {
    CChannelListView& list = *m_listChannels;
    const int mark = list.SelectionMark();
    const int next = mark + step;
    if (mark < 0 || next < 0 || next >= list.Channels().RowCount())
        return;
    list.SetRowSelected(mark, false);
    list.SetRowSelected(next, true);
    list.SetSelectionMark(next);
    list.scrollTo(list.Channels().index(next, 0));
    list.setFocus();
}

void CMainDlg::OnImport() {
    if (!m_bLoaded)
        return;
    Run(kDialogFailed, [this] {
        if (!m_pImportDlg) {
            const QString path =
                m_prompts.GetOpenFileName(this, {Prompts::kDatFiles, Prompts::kCsvFiles});
            if (path.isEmpty())
                return;
            m_pImportDlg = new CImportDlg(path, m_bShowAllColumns != 0, m_nModel, m_prompts, this);
        }
        PlaceImportDlg();
    });
}

void CMainDlg::PlaceImportDlg() {
    CImportDlg& import = *m_pImportDlg;
    import.PlaceBeside(frameGeometry());
    import.show();
    import.PlaceBeside(frameGeometry());
    // The Import window sits behind the main window, which keeps the focus.
    raise();
    activateWindow();
}

void CMainDlg::OnRowsCopied() {
    if (!m_pImportDlg)
        return;
    // Copies of our own: the Import window may replace or free its list later.
    m_clipboard = m_pImportDlg->CopiedRows();
}
