#include "ImportDlg.h"

#include "BesidePlacer.h"
#include "ChannelCsv.h"
#include "ChannelListView.h"
#include "CommandRunner.h"
#include "DialogUnits.h"
#include "Failure.h"
#include "FileKinds.h"
#include "FilePaths.h"
#include "Prompts.h"
#include "Settings.h"
#include "SystemClipboard.h"
#include "Translation.h"

#include <QAction>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>

namespace {

// The window's client area and the list's place in it, in dialog units.
constexpr int kClientWidth = 174;
constexpr int kClientHeight = 199;
constexpr int kListX = 7;
constexpr int kListY = 7;
constexpr int kListWidth = 160;
constexpr int kListHeight = 185;

// The window's commands, in the order of ImportCommand.
struct CommandInfo {
    ImportCommand id;
    const char* name;
    const char* text;
    const char* key;
    void (CImportDlg::*handler)();
};
constexpr CommandInfo kCommands[] = {
    {ImportCommand::kOpen, "open", QT_TRANSLATE_NOOP("CImportDlg", "Open DAT File For Import"), "",
     &CImportDlg::OnOpenForImport},
    {ImportCommand::kCopy, "copy", QT_TRANSLATE_NOOP("CImportDlg", "Copy"), "Ctrl+C",
     &CImportDlg::OnCopy},
};

// The files the window takes when one is dropped on it.
const QStringList kDroppable = {QStringLiteral(".dat"), QStringLiteral(".csv")};

} // namespace

CImportDlg::CImportDlg(const QString& path, bool showAllColumns, const CChannelDocument& target,
                       Prompts& prompts, QWidget* owner)
    : CTemplateDlg(owner, kClientWidth, kClientHeight), m_prompts(prompts), m_target(target),
      m_document(target.Model()), m_strPath(path) {
    // A small caption and no task-bar button: the window belongs to its owner.
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(tr("IMPORT"));
    setObjectName(QStringLiteral("importWindow"));
    setAcceptDrops(true);
    m_pPlacer = new CBesidePlacer(*this);

    CreateCommands();
    CreateList();
    m_listChannels->Channels().Show(m_document);
    // The smallest window is the one for the short columns: with all of
    // them it starts wider, but may be narrowed, the list scrolling. (The
    // list takes its new size only once shown, so both widths are measured
    // against the size it has now.)
    const int shortColumns = m_listChannels->MissingWidth();
    FinishLayout([shortColumns] { return shortColumns; });
    m_listChannels->Channels().SetShowAll(showAllColumns);
    if (showAllColumns)
        resize(width() + m_listChannels->MissingWidth() - shortColumns, height());
    m_listChannels->setFocus();

    if (!m_strPath.isEmpty())
        LoadFile();
}

CImportDlg::~CImportDlg() = default;

void CImportDlg::CreateCommands() {
    for (const CommandInfo& info : kCommands)
        AddCommand(static_cast<int>(info.id), info.name, tr(info.text), {},
                   QKeySequence::listFromString(QString::fromLatin1(info.key)),
                   [this, handler = info.handler] { (this->*handler)(); });
    MenuBar()->addMenu(tr("&File"))->addAction(Command(ImportCommand::kOpen));
}

std::vector<std::pair<const char*, QString>> CImportDlg::CommandKeys() {
    std::vector<std::pair<const char*, QString>> keys;
    for (const CommandInfo& info : kCommands)
        if (*info.key)
            keys.emplace_back(info.key, tr(info.text));
    return keys;
}

void CImportDlg::CreateList() {
    m_listChannels = new CChannelListView(false, Client());
    m_listChannels->setObjectName(QStringLiteral("importList"));
    m_listChannels->setAccessibleName(tr("Channels to import"));
    m_listChannels->setGeometry(Units().Rect(kListX, kListY, kListWidth, kListHeight));
    connect(m_listChannels, &QWidget::customContextMenuRequested, this,
            &CImportDlg::OnListContextMenu);
}

void CImportDlg::Run(const QString& failureMessage, const std::function<void()>& work,
                     const std::function<QString()>& reason) {
    RunCommand(m_prompts, MessageOwner(), failureMessage, work, reason);
}

// The first file is read before the window shows: what is told of it stands
// over the main window, not at the corner of a window not yet placed.
QWidget* CImportDlg::MessageOwner() { return isVisible() ? this : parentWidget(); }

// A DAT file of either radio, or a CSV list. A failed load of a DAT file
// leaves the list without rows, that of a list leaves the window as it was;
// the title and m_bLoaded stay, still describing the last file that loaded.
// A file that loads fills the rows, and then lists its lines, or the other
// radio's channels, that gave no channel.
void CImportDlg::LoadFile() {
    const bool dat = !IsCsvName(m_strPath.toStdString());
    Run(
        OpenFailed(),
        [this, dat] {
            CsvChannels read;
            // A TG-6A's channels must be of the band of the unit they go to.
            if (!m_document.LoadAny(ToFsPath(m_strPath), m_target.UnitBand(), read)) {
                if (dat)
                    m_document.Unload();
                RaiseFailure();
            }
            m_bLoaded = true;
            setWindowTitle(FileNameOf(m_strPath));
            if (read.skippedCount > 0)
                ReportSkipped(read);
        },
        [this] { return Tr(m_document.ProblemText()); });
}

void CImportDlg::ReportSkipped(const CsvChannels& read) {
    const int total = read.skippedCount;
    const QString text =
        read.byChannel
            ? (total == 1 ? tr("1 channel of %1 could not be imported.")
                          : tr("%n channels of %1 could not be imported.", nullptr, total))
            : (total == 1 ? tr("1 line of %1 could not be imported.")
                          : tr("%n lines of %1 could not be imported.", nullptr, total));
    m_prompts.ShowMessage(MessageOwner(), FillPattern(text, {FileNameOf(m_strPath)}), {},
                          SkippedDetails(read.skipped, total, read.byChannel));
}

void CImportDlg::SetShowAllColumns(bool showAll) { m_listChannels->Channels().SetShowAll(showAll); }

void CImportDlg::OnOpenForImport() {
    Run({}, [this] {
        const QString path = m_prompts.GetOpenFileName(
            this, {Prompts::DatFiles(), Prompts::CsvFiles()}, {}, CSettings::Get().OtherFolder());
        if (path.isEmpty())
            return;
        CSettings::Get().SetOtherFolderOf(path);
        m_strPath = path;
        LoadFile();
    });
}

void CImportDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (!DraggedFile(*event->mimeData(), kDroppable, DragStage::kOffered).isEmpty())
        event->acceptProposedAction();
}

void CImportDlg::dropEvent(QDropEvent* event) {
    const QString path = DraggedFile(*event->mimeData(), kDroppable, DragStage::kDropped);
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Loaded once the drop is over, so that a message does not hold the drag.
    QMetaObject::invokeMethod(
        this,
        [this, path] {
            m_strPath = path;
            LoadFile();
        },
        Qt::QueuedConnection);
}

void CImportDlg::OnCopy() {
    Run({}, [this] {
        if (!m_listChannels->HasSelection())
            return;
        // The owner is told only about a complete list.
        m_document.Copy(m_listChannels->Selection());
        CSystemClipboard::Get().Publish(m_document.Model(),
                                        m_document.RowsOf(m_listChannels->Selection()),
                                        m_listChannels->VisibleColumns());
        Q_EMIT rowsCopied();
    });
}

void CImportDlg::OnListContextMenu(const QPoint& pos) {
    if (!m_bLoaded)
        return;
    Run({}, [this, pos] {
        QMenu menu(this);
        menu.setObjectName(QStringLiteral("importMenu"));
        menu.addAction(Command(ImportCommand::kCopy));
        m_prompts.RunMenu(menu, m_listChannels->viewport()->mapToGlobal(pos));
    });
}

void CImportDlg::OnClientResized(int dx, int dy) {
    m_listChannels->setGeometry(m_listChannels->geometry().adjusted(0, 0, dx, dy));
}

void CImportDlg::HandleWindowKey(const QKeyEvent* key) {
    if (key->key() == Qt::Key_Escape)
        reject();
    else
        accept();
}
