#include "MainDlg.h"

#include "AboutDlg.h"
#include "Accessibility.h"
#include "ChannelCsv.h"
#include "ChannelListView.h"
#include "CommandRunner.h"
#include "DialogUnits.h"
#include "Failure.h"
#include "FilePaths.h"
#include "ImportDlg.h"
#include "ListHistory.h"
#include "ProgramInfo.h"
#include "Prompts.h"
#include "UserEvents.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QUndoStack>

#include <string_view>

namespace {

// The window's client area in dialog units.
constexpr int kClientWidth = 230;
constexpr int kClientHeight = 263;

const QString kOpenFailed = QStringLiteral("Open operation failed.");
const QString kSaveFailed = QStringLiteral("Save operation failed.");
const QString kExportFailed = QStringLiteral("Export operation failed.");
const QString kExitQuestion = QStringLiteral("Changes are not saved. Exit anyway?");

// When a command can be given.
enum class When {
    kAlways,
    kFileLoaded,
    // and no selected row holds a channel in use
    kNewAllowed,
    // as the history says: there is a step to undo, or to redo
    kHistory,
};

// Every command of the window: the text its menus show, its button's label,
// the keys the window takes for it before its controls, its handler and when
// it is enabled. Menus, buttons and the list's popup are built from these.
// Undo and Redo are the history's own actions, whose text names the step.
struct CommandInfo {
    const char* name;
    const char* text;
    const char* buttonText;
    const char* key;
    void (CMainDlg::*handler)();
    When when;
};

const CommandInfo kCommands[] = {
    {"open", "Open DAT File", "Open DAT", "", &CMainDlg::OnOpen, When::kAlways},
    {"save", "Save DAT File", "Save DAT", "", &CMainDlg::OnSave, When::kFileLoaded},
    {"exportCsv", "Export CSV...", "", "", &CMainDlg::OnExportCsv, When::kFileLoaded},
    {"exit", "Exit", "Exit", "", &CMainDlg::OnExit, When::kAlways},
    {"up", "Up", "Up", "", &CMainDlg::OnUp, When::kFileLoaded},
    {"down", "Down", "Down", "", &CMainDlg::OnDown, When::kFileLoaded},
    {"up15", "Up 15", "Up 15", "", &CMainDlg::OnUp15, When::kFileLoaded},
    {"down15", "Down 15", "Down 15", "", &CMainDlg::OnDown15, When::kFileLoaded},
    {"delete", "Delete", "Delete", "", &CMainDlg::OnDelete, When::kFileLoaded},
    {"cut", "Cut", "", "Ctrl+X", &CMainDlg::OnCut, When::kFileLoaded},
    {"copy", "Copy", "", "Ctrl+C", &CMainDlg::OnCopy, When::kFileLoaded},
    {"paste", "Paste", "", "Ctrl+V", &CMainDlg::OnPaste, When::kFileLoaded},
    {"edit", "Edit", "", "", &CMainDlg::OnEdit, When::kFileLoaded},
    {"new", "New", "", "", &CMainDlg::OnNew, When::kNewAllowed},
    {"import", "Import", "Import", "", &CMainDlg::OnImport, When::kFileLoaded},
    {"about", "&About Velmora...", "", "", &CMainDlg::OnAbout, When::kAlways},
    {"undo", "", "", "Ctrl+Z", nullptr, When::kHistory},
    {"redo", "", "", "Ctrl+Shift+Z; Ctrl+Y", nullptr, When::kHistory},
};

// The buttons down the right edge, by their top in dialog units; "exit" also
// follows the bottom edge.
const std::pair<const char*, int> kButtons[] = {
    {"open", 2},   {"save", 18},    {"import", 34},  {"up", 60},    {"down", 76},
    {"up15", 100}, {"down15", 116}, {"delete", 141}, {"exit", 241},
};

} // namespace

CMainDlg::CMainDlg(Prompts& prompts, QWidget* parent)
    : CTemplateDlg(parent, kClientWidth, kClientHeight), m_prompts(prompts), m_hIcon(ProgramIcon()),
      m_pHistory(new QUndoStack(this)) {
    m_pHistory->setUndoLimit(kHistorySteps);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(kProgramName);
    setWindowIcon(m_hIcon);
    setObjectName(QStringLiteral("mainWindow"));
    setAcceptDrops(true);

    CreateCommands();
    CreateMenus();
    CreateControls();
    m_nChannels = ChannelCount(m_nModel);
    BuildColumns();
    UpdateCommands();

    NameControlsFromLabels(*this);
    // The short columns fit at the start, whatever the font.
    FinishLayout(m_listChannels->MissingWidth());
    m_comboMode->setFocus();
}

CMainDlg::~CMainDlg() {
    // The history outlives this part of the window and reports its clearing.
    disconnect(m_pHistory, nullptr, this, nullptr);
}

void CMainDlg::CreateCommands() {
    for (const CommandInfo& info : kCommands) {
        const QList<QKeySequence> keys =
            QKeySequence::listFromString(QString::fromLatin1(info.key));
        if (!info.handler)
            AddCommand(info.name == std::string_view("undo") ? m_pHistory->createUndoAction(this)
                                                             : m_pHistory->createRedoAction(this),
                       info.name, keys);
        else
            AddCommand(info.name, QString::fromLatin1(info.text),
                       QString::fromLatin1(info.buttonText), keys,
                       [this, handler = info.handler] { (this->*handler)(); });
    }
    // Undoing or redoing to the point of the last Save leaves nothing unsaved,
    // unless the changes came from before the file was opened.
    connect(m_pHistory, &QUndoStack::indexChanged, this,
            [this] { m_bModified = m_bModifiedBeforeOpen || !m_pHistory->isClean(); });
}

void CMainDlg::CreateMenus() {
    QMenu* file = MenuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(Command(QStringLiteral("open")));
    file->addAction(Command(QStringLiteral("save")));
    file->addAction(Command(QStringLiteral("exportCsv")));
    file->addSeparator();
    file->addAction(Command(QStringLiteral("exit")));
    QMenu* edit = MenuBar()->addMenu(QStringLiteral("&Edit"));
    edit->addAction(Command(QStringLiteral("undo")));
    edit->addAction(Command(QStringLiteral("redo")));
    // Desktops here have no window menu to extend, so the About box lives in
    // a Help menu (on macOS Qt moves it to the application menu).
    QMenu* help = MenuBar()->addMenu(QStringLiteral("&Help"));
    QAction* about = Command(QStringLiteral("about"));
    about->setMenuRole(QAction::AboutRole);
    help->addAction(about);
}

void CMainDlg::UpdateCommands() {
    for (const CommandInfo& info : kCommands)
        if (info.when != When::kHistory)
            Command(QString::fromLatin1(info.name))
                ->setEnabled(info.when == When::kAlways ||
                             (m_bLoaded && (info.when != When::kNewAllowed || IsNewAllowed())));
}

bool CMainDlg::IsNewAllowed() const {
    for (int row : m_listChannels->SelectedRows())
        if (!m_listChannels->Channels().RecordAt(row)->IsEmpty())
            return false;
    return true;
}

void CMainDlg::CreateControls() {
    QWidget* client = Client();
    const CDialogUnits& units = Units();
    auto* label = new QLabel(QStringLiteral("Mode"), client);
    PlaceControl(label, units, 7, 4, 19, 8);

    m_comboMode = new QComboBox(client);
    m_comboMode->setObjectName(QStringLiteral("modeBox"));
    m_comboMode->insertItem(0, QStringLiteral("TG-UV2"));
    m_comboMode->insertItem(1, QStringLiteral("TG-6A"));
    m_comboMode->setCurrentIndex(m_nModel);
    PlaceControl(m_comboMode, units, 31, 2, 48, 12);
    label->setBuddy(m_comboMode);
    connect(m_comboMode, &QComboBox::currentIndexChanged, this, &CMainDlg::OnModeChanged);

    m_checkShowAll = new QCheckBox(QStringLiteral("Show all columns"), client);
    m_checkShowAll->setObjectName(QStringLiteral("showAllColumns"));
    PlaceControl(m_checkShowAll, units, 97, 3, 71, 10);
    connect(m_checkShowAll, &QCheckBox::toggled, this, &CMainDlg::OnShowAllColumns);

    m_listChannels = new CChannelListView(true, client);
    m_listChannels->setObjectName(QStringLiteral("channelList"));
    m_listChannels->setAccessibleName(QStringLiteral("Channels"));
    m_listChannels->setGeometry(units.Rect(7, 16, 160, 239));
    connect(m_listChannels, &QWidget::customContextMenuRequested, this,
            &CMainDlg::OnListContextMenu);
    connect(m_listChannels, &QAbstractItemView::doubleClicked, this, &CMainDlg::OnListDoubleClick);

    for (const auto& [name, y] : kButtons) {
        const QString command = QString::fromLatin1(name);
        QPushButton* button = AddButton(Command(command), (std::string(name) + "Button").c_str(),
                                        units.Rect(173, y, 50, 14));
        if (command == QLatin1String("exit"))
            m_pExitButton = button;
        else
            m_rightButtons.push_back(button);
    }
}

void CMainDlg::BuildColumns() {
    m_listChannels->Channels().SetColumns(m_nModel, m_bShowAllColumns != 0);
}

void CMainDlg::FillList(std::array<CChannel, kMaxChannels>& records) {
    std::vector<CChannel*> rows;
    for (int i = 0; i < m_nChannels; ++i)
        rows.push_back(&records[static_cast<std::size_t>(i)]);
    m_listChannels->Channels().Fill(rows);
}

void CMainDlg::RefreshRow(int row) { m_listChannels->Channels().RefreshRow(row); }

void CMainDlg::ShowMessage(const QString& text, const QString& reason) {
    m_prompts.ShowMessage(this, text, reason);
}

void CMainDlg::Change(const QString& step, const std::function<void()>& work) {
    Run({}, [&] { RecordListStep(*m_pHistory, *m_listChannels, step, work); });
}

void CMainDlg::Run(const QString& failureMessage, const std::function<void()>& work,
                   const std::function<QString()>& reason) {
    RunCommand(m_prompts, this, failureMessage, work, reason);
}

QString CMainDlg::OpenProblem(const CDatFile& file) const {
    QString text = QString::fromStdString(file.ProblemText());
    const FileProblem& problem = file.Problem();
    const std::optional<RadioModel> other = ModelOfFileSize(problem.size);
    // The model can be chosen only until the first file opens.
    if (problem.kind == FileProblem::kWrongSize && other && m_comboMode->isEnabled())
        text += QStringLiteral(" Choose %1 in the Mode box.").arg(m_comboMode->itemText(*other));
    return text;
}

void CMainDlg::OnOpen() {
    const QString path = m_prompts.GetOpenFileName(this);
    if (!path.isEmpty())
        Open(path);
}

void CMainDlg::OpenFromOutside(const QString& path) {
    if (!m_bLoaded) {
        // Until a file is open the radio can still be chosen: the one whose
        // files have this size. A file of neither size fails as Open would.
        std::error_code ec;
        const std::uintmax_t size = std::filesystem::file_size(ToFsPath(path), ec);
        if (const std::optional<RadioModel> model = ModelOfFileSize(ec ? 0 : size))
            m_comboMode->setCurrentIndex(*model);
    }
    Open(path);
}

void CMainDlg::Open(const QString& path) {
    std::unique_ptr<CDatFile> file;
    Run(
        kOpenFailed,
        [&] {
            // The window changes only once the new file has loaded and every
            // one of its records decodes; a failed Open leaves all as it was.
            file = std::make_unique<CDatFile>(m_nModel);
            if (!file->Load(ToFsPath(path)))
                RaiseFailure();
            file->CheckDecodable();
            Show(std::move(file), path);
        },
        [&] { return file ? OpenProblem(*file) : QString(); });
}

void CMainDlg::Show(std::unique_ptr<CDatFile> file, const QString& path) {
    const CChannel* loaded = file->GetImage().GetChannels();
    std::copy(loaded, loaded + m_nChannels, m_records.begin());
    m_pDatFile = std::move(file);
    FillList(m_records);
    // A new file, a new history; changes not saved before stay unsaved.
    m_bModifiedBeforeOpen = m_bModified;
    m_pHistory->clear();
    m_bLoaded = true;
    UpdateCommands();
    setWindowTitle(kProgramName + QStringLiteral(" - ") + FileNameOf(path));
    m_comboMode->setEnabled(false);
}

void CMainDlg::OnSave() {
    if (!m_bLoaded || !m_pDatFile || m_listChannels->Channels().RowCount() != m_nChannels)
        return;
    Run(
        kSaveFailed,
        [this] {
            const QString path = m_prompts.GetSaveFileName(this);
            if (path.isEmpty())
                return;
            if (!m_pDatFile->Save(ToFsPath(path), m_listChannels->Channels().Records()))
                RaiseFailure();
            m_bModifiedBeforeOpen = false;
            m_pHistory->setClean();
            m_bModified = false;
        },
        [this] { return QString::fromStdString(m_pDatFile->ProblemText()); });
}

void CMainDlg::OnExportCsv() {
    if (!m_bLoaded)
        return;
    FileProblem problem;
    Run(
        kExportFailed,
        [&] {
            const QString path = m_prompts.GetSaveFileName(this, {Prompts::kCsvFiles});
            if (path.isEmpty())
                return;
            const std::string csv = ChannelsToCsv(m_listChannels->Channels().Records(), m_nModel);
            const auto* bytes = reinterpret_cast<const std::uint8_t*>(csv.data());
            if (!WriteWholeFile(ToFsPath(path), {bytes, csv.size()}, problem))
                RaiseFailure();
        },
        [&] { return QString::fromStdString(DescribeProblem(problem, m_nModel)); });
}

void CMainDlg::OnExit() { QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection); }

void CMainDlg::OnAbout() {
    Run({}, [this] {
        CAboutDlg about(m_hIcon, this);
        m_prompts.RunModal(about);
    });
}

void CMainDlg::OnShowAllColumns(bool checked) {
    Run({}, [this, checked] {
        m_bShowAllColumns = checked ? 1 : 0;
        if (m_bLoaded) {
            // Slot i takes the record of row i, so the rows point in order again.
            std::array<CChannel, kMaxChannels> ordered{};
            for (int i = 0; i < m_nChannels; ++i)
                ordered[static_cast<std::size_t>(i)] = *m_listChannels->Channels().RecordAt(i);
            m_records = ordered;
        }
        BuildColumns();
        if (m_bLoaded)
            FillList(m_records);
        if (m_pImportDlg)
            m_pImportDlg->SetShowAllColumns(checked);
    });
}

void CMainDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (!DraggedFile(*event->mimeData(), {QStringLiteral(".dat")}).isEmpty())
        event->acceptProposedAction();
}

void CMainDlg::dropEvent(QDropEvent* event) {
    const QString path = DraggedFile(*event->mimeData(), {QStringLiteral(".dat")});
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    OpenFromOutside(path);
}

void CMainDlg::OnModeChanged(int index) {
    if (m_bLoaded || index < 0)
        return;
    m_nModel = index == 0 ? kTGUV2 : kTG6A;
    m_nChannels = ChannelCount(m_nModel);
    BuildColumns();
}

void CMainDlg::OnClientResized(int dx, int dy) {
    m_listChannels->setGeometry(m_listChannels->geometry().adjusted(0, 0, dx, dy));
    for (QPushButton* button : m_rightButtons)
        button->move(button->pos() + QPoint(dx, 0));
    m_pExitButton->move(m_pExitButton->pos() + QPoint(dx, dy));
}

bool CMainDlg::event(QEvent* event) {
    if (event->type() == UM_ROWS_COPIED) {
        Run({}, [this] { OnRowsCopied(); });
        return true;
    }
    if (event->type() == UM_SELECT_NEXT_ROW || event->type() == UM_SELECT_PREV_ROW) {
        SelectNeighbourRow(event->type() == UM_SELECT_NEXT_ROW ? 1 : -1);
        return true;
    }
    return QDialog::event(event);
}

bool CMainDlg::IsWindowKey(const QKeyEvent* key) const {
    return key->key() == Qt::Key_Escape || key->key() == Qt::Key_Return ||
           key->key() == Qt::Key_Enter;
}

void CMainDlg::HandleWindowKey(const QKeyEvent*) {}

void CMainDlg::closeEvent(QCloseEvent* event) {
    if (m_bModified && !m_prompts.AskYesNo(this, kExitQuestion)) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
