// The commands that change the main window's channel list: moving, deleting,
// cutting, copying and pasting rows, the list's popup menu, and the hooks
// into the Row Editor and the Import window.
#include "MainDlg.h"

#include "BesidePlacer.h"
#include "ChannelListView.h"
#include "CommandRunner.h"
#include "ImportDlg.h"
#include "ListHistory.h"
#include "Prompts.h"
#include "RowEditorDlg.h"
#include "Settings.h"
#include "SystemClipboard.h"
#include "Translation.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include <optional>

namespace {

constexpr int kBlockMoveSteps = 15;

using C = MainCommand;

// The list's popup, by command; an empty item is a separator.
constexpr std::optional<MainCommand> kSeparator;
const std::optional<MainCommand> kListMenu[] = {
    C::kCut,  C::kCopy,   kSeparator, C::kPaste,     kSeparator,           C::kNew,
    C::kEdit, C::kDelete, kSeparator, C::kInsertRow, C::kDeleteAndCloseUp, kSeparator,
    C::kUndo, C::kRedo};

} // namespace

void CMainDlg::MoveSelection(MainCommand command, int direction, int times) {
    m_listChannels->setFocus();
    Change(command, [&](const RowSelection& selection) {
        return m_document.Move(selection, direction, times);
    });
    m_listChannels->setFocus();
}

void CMainDlg::OnUp() { MoveSelection(C::kUp, -1, 1); }

void CMainDlg::OnDown() { MoveSelection(C::kDown, 1, 1); }

void CMainDlg::OnUp15() { MoveSelection(C::kUp15, -1, kBlockMoveSteps); }

void CMainDlg::OnDown15() { MoveSelection(C::kDown15, 1, kBlockMoveSteps); }

void CMainDlg::OnDelete() {
    m_listChannels->setFocus();
    Change(C::kDelete,
           [this](const RowSelection& selection) { return m_document.Delete(selection); });
}

void CMainDlg::OnInsertRow() {
    m_listChannels->setFocus();
    Change(
        Command(C::kInsertRow)->text(),
        [this](const RowSelection& selection) { return m_document.InsertRow(selection); }, {},
        true);
}

void CMainDlg::OnDeleteAndCloseUp() {
    m_listChannels->setFocus();
    Change(C::kDeleteAndCloseUp, [this](const RowSelection& selection) {
        return m_document.DeleteAndCloseUp(selection);
    });
}

bool CMainDlg::StoreCell(const QString& text, CCellDelegate::Ending ending) {
    const Column column = m_listChannels->CurrentColumn();
    bool refused = true;
    Change(
        tr("Edit %1").arg(TrColumn(ColumnOf(column).header)),
        [&](const RowSelection& selection) {
            ListChange change =
                m_document.EditColumn(selection, column, text.toStdString(),
                                      ending == CCellDelegate::Ending::kAllSelected);
            refused = !change.refusal.empty();
            return change;
        },
        {}, true);
    return !refused;
}

void CMainDlg::PublishSelection() {
    const std::vector<ChannelRow> rows = m_document.RowsOf(m_listChannels->Selection());
    CSystemClipboard::Get().Publish(m_document.Model(), rows, m_listChannels->VisibleColumns());
}

void CMainDlg::OnCopy() {
    Run({}, [this] {
        m_document.Copy(m_listChannels->Selection());
        PublishSelection();
    });
}

void CMainDlg::OnCut() {
    Run({}, [this] { PublishSelection(); });
    Change(C::kCut, [this](const RowSelection& selection) { return m_document.Cut(selection); });
}

// Rows another program put on the desktop's clipboard are pasted first, and
// count as taken only once they were; a paste refused leaves the row
// clipboard as it was.
void CMainDlg::OnPaste() {
    std::optional<TakenChannels> taken;
    Run({}, [&] {
        taken = CSystemClipboard::Get().PeekNew(m_document.Model(), m_document.UnitBand());
    });
    const auto paste = [this](bool& pasted) {
        Change(C::kPaste, [&](const RowSelection& selection) {
            ListChange change = m_document.Paste(selection);
            pasted = change.refusal.empty() && m_document.PasteFits(selection);
            return change;
        });
    };
    bool pasted = false;
    if (!taken || (!taken->holdsChannels && !m_document.Clipboard().empty())) {
        paste(pasted);
        return;
    }
    if (!taken->holdsChannels) {
        ShowMessage(tr("The clipboard holds no channels Velmora can read."));
        return;
    }
    if (taken->skippedCount > 0) {
        const int n = taken->skippedCount;
        const QString what =
            taken->byChannel
                ? (n == 1 ? tr("1 channel of the clipboard could not be pasted.")
                          : tr("%n channels of the clipboard could not be pasted.", nullptr, n))
                : (n == 1 ? tr("1 line of the clipboard could not be pasted.")
                          : tr("%n lines of the clipboard could not be pasted.", nullptr, n));
        m_prompts.ShowMessage(this, what, {}, SkippedDetails(taken->skipped, n, taken->byChannel));
    }
    if (taken->records.empty()) {
        CSystemClipboard::Get().MarkTaken();
        return;
    }
    const RowClipboard previous = m_document.Clipboard();
    m_document.TakeRows(taken->records);
    paste(pasted);
    if (pasted)
        CSystemClipboard::Get().MarkTaken();
    else
        m_document.TakeRows(previous);
}

void CMainDlg::OnListContextMenu(const QPoint& pos) {
    if (!m_document.IsLoaded())
        return;
    Run({}, [this, pos] {
        UpdateCommands();
        QMenu menu(this);
        menu.setObjectName(QStringLiteral("listMenu"));
        for (const std::optional<MainCommand>& item : kListMenu) {
            if (item)
                menu.addAction(Command(*item));
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
    if (!m_document.IsLoaded() || first < 0 || last >= m_document.RowCount())
        return;
    Run({}, [&] {
        const RowSelection before = m_listChannels->Selection();
        CRowEditorDlg editor(m_document, first, last, before.rows, newMode, m_prompts, this);
        connect(&editor, &CRowEditorDlg::rowStepped, this, &CMainDlg::SelectNeighbourRow,
                Qt::QueuedConnection);
        if (m_prompts.RunModal(editor) != QDialog::Accepted)
            return;
        // "< Prev" and "Next >" have moved the selection by now.
        QCoreApplication::sendPostedEvents(this);
        Change(
            tr("Row Editor"),
            [&](const RowSelection& selection) {
                return m_document.WriteBack(editor.Session(), selection);
            },
            before);
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
    if (!m_document.IsLoaded())
        return;
    Run(DialogFailed(), [this] {
        if (!m_pImportDlg) {
            const QString path =
                m_prompts.GetOpenFileName(this, {Prompts::DatFiles(), Prompts::CsvFiles()}, {},
                                          CSettings::Get().OtherFolder());
            if (path.isEmpty())
                return;
            CSettings::Get().SetOtherFolderOf(path);
            m_pImportDlg = new CImportDlg(path, m_bShowAllColumns, m_document, m_prompts, this);
            connect(m_pImportDlg, &CImportDlg::rowsCopied, this, &CMainDlg::OnRowsCopied,
                    Qt::QueuedConnection);
        }
        PlaceImportDlg();
    });
}

void CMainDlg::PlaceImportDlg() {
    ShowBeside(*m_pImportDlg, m_pImportDlg->Placer());
    // The Import window sits behind the main window, which keeps the focus.
    raise();
    activateWindow();
}

// Placed before it shows, so that it does not flash elsewhere, and again
// once shown, when its frame is known. Should it have to cover this window,
// the buttons and the menu bar stay clear.
void CMainDlg::ShowBeside(QWidget& window, CBesidePlacer& placer) {
    const QRect buttons = ButtonsFrame();
    const int belowMenus = MenuBar()->mapToGlobal(QPoint(0, MenuBar()->height())).y();
    placer.Place(frameGeometry(), buttons, belowMenus);
    window.show();
    placer.Place(frameGeometry(), buttons, belowMenus);
}

void CMainDlg::OnCompare() {
    if (!m_document.IsLoaded())
        return;
    Run(DialogFailed(), [this] {
        const QString path =
            m_prompts.GetOpenFileName(this, {Prompts::DatFiles(), Prompts::CsvFiles()},
                                      tr("Compare With"), CSettings::Get().OtherFolder());
        if (path.isEmpty())
            return;
        CSettings::Get().SetOtherFolderOf(path);
        auto* compare = new CCompareDlg(path, m_bShowAllColumns, m_document, m_prompts, this);
        if (!compare->IsLoaded()) {
            delete compare;
            return;
        }
        // One comparison at a time: the newest.
        delete m_pCompareDlg;
        m_pCompareDlg = compare;
        connect(compare, &CCompareDlg::copyRequested, this, &CMainDlg::OnCopyFromCompare);
        connect(compare, &CCompareDlg::compareAnotherRequested, this, &CMainDlg::OnCompare,
                Qt::QueuedConnection);
        ShowBeside(*compare, compare->Placer());
        compare->ReportUnread();
        // The user came for the comparison: its keys work at once, also
        // after a message about it.
        compare->raise();
        compare->activateWindow();
        compare->Right().setFocus();
    });
}

void CMainDlg::OnCopyFromCompare(const std::vector<ChannelRow>& rows) {
    if (!m_pCompareDlg)
        return;
    Change(tr("Copy from %1").arg(m_pCompareDlg->FileName()),
           [&](const RowSelection& selection) { return m_document.PutRows(rows, selection); });
}

QRect CMainDlg::ButtonsFrame() const {
    QRect buttons = m_pExitButton->geometry();
    for (const QPushButton* button : m_rightButtons)
        buttons |= button->geometry();
    return QRect(m_pExitButton->parentWidget()->mapToGlobal(buttons.topLeft()), buttons.size());
}

void CMainDlg::OnRowsCopied() {
    Run({}, [this] {
        // Copies of our own: the Import window may replace its list later.
        if (m_pImportDlg)
            m_document.TakeRows(m_pImportDlg->CopiedRows());
    });
}
