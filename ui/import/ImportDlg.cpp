#include "ImportDlg.h"

#include "ChannelCsv.h"
#include "ChannelListView.h"
#include "CommandRunner.h"
#include "DialogUnits.h"
#include "Failure.h"
#include "FilePaths.h"
#include "Prompts.h"
#include "UserEvents.h"

#include <QAction>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QDropEvent>
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

const QString kCaption = QStringLiteral("IMPORT");
const QString kOpenFailed = QStringLiteral("Open operation failed.");
// Larger than any list of channels a radio holds, written out in full.
constexpr std::uintmax_t kLargestCsvFile = 4 << 20;
// The files the window takes when one is dropped on it.
const QStringList kDroppable = {QStringLiteral(".dat"), QStringLiteral(".csv")};

} // namespace

CImportDlg::CImportDlg(const QString& path, bool showAllColumns, RadioModel model, Prompts& prompts,
                       QWidget* owner)
    : CTemplateDlg(owner, kClientWidth, kClientHeight), m_prompts(prompts), m_strPath(path),
      m_bShowAllColumns(showAllColumns ? 1 : 0), m_nModel(model), m_nChannels(ChannelCount(model)) {
    // A small caption and no task-bar button: the window belongs to its owner.
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(kCaption);
    setObjectName(QStringLiteral("importWindow"));
    setAcceptDrops(true);

    CreateCommands();
    CreateList();
    BuildColumns();
    FinishLayout(m_listChannels->MissingWidth());
    m_listChannels->setFocus();

    if (!m_strPath.isEmpty())
        LoadFile();
}

CImportDlg::~CImportDlg() = default;

void CImportDlg::CreateCommands() {
    QAction* open = AddCommand("open", QStringLiteral("Open DAT File For Import"), {}, {},
                               [this] { OnOpenForImport(); });
    AddCommand("copy", QStringLiteral("Copy"), {}, {QKeySequence(Qt::CTRL | Qt::Key_C)},
               [this] { OnCopy(); });
    MenuBar()->addMenu(QStringLiteral("&File"))->addAction(open);
}

void CImportDlg::CreateList() {
    m_listChannels = new CChannelListView(false, Client());
    m_listChannels->setObjectName(QStringLiteral("importList"));
    m_listChannels->setAccessibleName(QStringLiteral("Channels to import"));
    m_listChannels->setGeometry(Units().Rect(kListX, kListY, kListWidth, kListHeight));
    connect(m_listChannels, &QWidget::customContextMenuRequested, this,
            &CImportDlg::OnListContextMenu);
}

void CImportDlg::BuildColumns() {
    m_listChannels->Channels().SetColumns(m_nModel, m_bShowAllColumns != 0);
}

void CImportDlg::FillList() {
    CChannel* records = m_pDatFile->GetImage().GetChannels();
    std::vector<CChannel*> rows;
    for (int i = 0; i < m_nChannels; ++i)
        rows.push_back(records + i);
    m_listChannels->Channels().Fill(rows);
}

void CImportDlg::Run(const QString& failureMessage, const std::function<void()>& work,
                     const std::function<QString()>& reason) {
    RunCommand(m_prompts, this, failureMessage, work, reason);
}

// A failed load of a DAT file leaves the list without rows; the title and
// m_bLoaded stay, still describing the last file that loaded.
void CImportDlg::LoadFile() {
    if (m_strPath.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive)) {
        LoadCsvFile();
        return;
    }
    Run(
        kOpenFailed,
        [this] {
            // The old rows point into the image that is about to go.
            m_listChannels->Channels().RemoveRows();
            m_pDatFile = std::make_unique<CDatFile>(m_nModel);
            if (!m_pDatFile->Load(ToFsPath(m_strPath)))
                RaiseFailure();
            m_pDatFile->CheckDecodable();
            FillList();
            m_bLoaded = true;
            setWindowTitle(FileNameOf(m_strPath));
        },
        [this] { return QString::fromStdString(m_pDatFile->ProblemText()); });
}

// A CSV file that cannot be read leaves the window as it was; one that can
// fills the rows and then lists the lines that gave no channel.
void CImportDlg::LoadCsvFile() {
    std::string problem;
    Run(
        kOpenFailed,
        [&] {
            FileProblem fileProblem;
            const std::vector<std::uint8_t> bytes =
                ReadFileUpTo(ToFsPath(m_strPath), kLargestCsvFile, fileProblem);
            problem = DescribeProblem(fileProblem, m_nModel);
            if (fileProblem)
                RaiseFailure();
            // 0: the main window's unit is not known here; its Paste checks the side of 400 MHz.
            const CsvChannels channels = ChannelsFromCsv(
                std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()),
                m_nModel, 0);
            problem = channels.error;
            if (!problem.empty())
                RaiseFailure();
            m_listChannels->Channels().RemoveRows();
            m_pDatFile = std::make_unique<CDatFile>(m_nModel);
            std::copy(channels.records.begin(), channels.records.end(),
                      m_pDatFile->GetImage().GetChannels());
            FillList();
            m_bLoaded = true;
            setWindowTitle(FileNameOf(m_strPath));
            if (channels.skippedCount > 0)
                ReportSkippedLines(channels.skipped, channels.skippedCount);
        },
        [&] { return QString::fromStdString(problem); });
}

void CImportDlg::ReportSkippedLines(const std::vector<CsvSkippedLine>& skipped, int total) {
    QStringList lines;
    for (const CsvSkippedLine& line : skipped)
        lines << QStringLiteral("Line %1: %2")
                     .arg(line.line)
                     .arg(QString::fromStdString(line.reason));
    // A file of nothing but bad lines must not bury the user in them.
    if (total > lines.size())
        lines << QStringLiteral("... and %1 more.").arg(total - lines.size());
    const QString count =
        total == 1 ? QStringLiteral("1 line") : QStringLiteral("%1 lines").arg(total);
    m_prompts.ShowMessage(
        this, QStringLiteral("%1 of %2 could not be imported.").arg(count, FileNameOf(m_strPath)),
        {}, lines.join(QLatin1Char('\n')));
}

void CImportDlg::SetShowAllColumns(bool showAll) {
    // The list has rows exactly when the last load succeeded.
    const bool loaded = m_listChannels->Channels().RowCount() > 0;
    m_bShowAllColumns = showAll ? 1 : 0;
    BuildColumns();
    if (loaded)
        Run(kOpenFailed, [this] { FillList(); });
}

void CImportDlg::OnOpenForImport() {
    Run({}, [this] {
        const QString path =
            m_prompts.GetOpenFileName(this, {Prompts::kDatFiles, Prompts::kCsvFiles});
        if (path.isEmpty())
            return;
        m_strPath = path;
        LoadFile();
    });
}

void CImportDlg::PlaceBeside(const QRect& frame) {
    move(frame.right() + 1, frame.top());
    const int frameExtraHeight = frameGeometry().height() - height();
    resize(width(), std::max(minimumHeight(), frame.height() - frameExtraHeight));
    const bool framed = frameGeometry() != geometry();
    m_placeBeside = framed ? std::nullopt : std::optional<QRect>(frame);
}

bool CImportDlg::event(QEvent* event) {
    const bool handled = CTemplateDlg::event(event);
    if (m_placeBeside && (event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
        frameGeometry() != geometry())
        PlaceBeside(*m_placeBeside);
    return handled;
}

void CImportDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (!DraggedFile(*event->mimeData(), kDroppable).isEmpty())
        event->acceptProposedAction();
}

void CImportDlg::dropEvent(QDropEvent* event) {
    const QString path = DraggedFile(*event->mimeData(), kDroppable);
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    m_strPath = path;
    LoadFile();
}

void CImportDlg::OnCopy() {
    Run({}, [this] {
        if (!m_listChannels->HasSelection())
            return;
        std::vector<CChannel> copied;
        for (int row : m_listChannels->SelectedRows())
            copied.push_back(*m_listChannels->Channels().RecordAt(row));
        // The owner is told only about a complete list.
        m_copiedRows = std::move(copied);
        if (QWidget* owner = parentWidget())
            QCoreApplication::postEvent(owner, new QEvent(UM_ROWS_COPIED));
    });
}

void CImportDlg::OnListContextMenu(const QPoint& pos) {
    if (!m_bLoaded)
        return;
    Run({}, [this, pos] {
        QMenu menu(this);
        menu.setObjectName(QStringLiteral("importMenu"));
        menu.addAction(Command(QStringLiteral("copy")));
        m_prompts.RunMenu(menu, m_listChannels->viewport()->mapToGlobal(pos));
    });
}

void CImportDlg::OnClientResized(int dx, int dy) {
    m_listChannels->setGeometry(m_listChannels->geometry().adjusted(0, 0, dx, dy));
}

bool CImportDlg::IsWindowKey(const QKeyEvent* key) const {
    return key->key() == Qt::Key_Escape || key->key() == Qt::Key_Return ||
           key->key() == Qt::Key_Enter;
}

void CImportDlg::HandleWindowKey(const QKeyEvent* key) {
    if (key->key() == Qt::Key_Escape)
        reject();
    else
        accept();
}
