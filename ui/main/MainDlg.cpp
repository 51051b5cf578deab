#include "MainDlg.h"

#include "AboutDlg.h"
#include "Accessibility.h"
#include "ChannelListView.h"
#include "CommandRunner.h"
#include "DialogUnits.h"
#include "Failure.h"
#include "FileKinds.h"
#include "FilePaths.h"
#include "ImportDlg.h"
#include "ListHistory.h"
#include "ProgramInfo.h"
#include "Prompts.h"
#include "Settings.h"
#include "ShortcutsDlg.h"
#include "Translation.h"

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

#include <optional>
#include <span>

namespace {

// The window's client area in dialog units.
constexpr int kClientWidth = 230;
constexpr int kClientHeight = 263;

// When a command can be given.
enum class When {
    kAlways,
    kFileLoaded,
    // and no selected row holds a channel in use
    kNewAllowed,
    // as the history says: there is a step to undo, or to redo
    kHistory,
};

// Undo and Redo are the history's own actions, whose text names the step.
enum class HistoryAction { kNone, kUndo, kRedo };

// Every command of the window, in the order of MainCommand: its object name,
// the text its menus show, its button's label, the keys the window takes for
// it before its controls, its handler and when it is enabled. Menus, buttons
// and the list's popup are built from these.
struct CommandInfo {
    MainCommand id;
    const char* name;
    const char* text;
    const char* buttonText;
    const char* key;
    void (CMainDlg::*handler)();
    When when;
    HistoryAction history = HistoryAction::kNone;
};

using C = MainCommand;
constexpr CommandInfo kCommands[] = {
    {C::kOpen, "open", QT_TRANSLATE_NOOP("CMainDlg", "Open DAT File"),
     QT_TRANSLATE_NOOP("CMainDlg", "Open DAT"), "", &CMainDlg::OnOpen, When::kAlways},
    {C::kSave, "save", QT_TRANSLATE_NOOP("CMainDlg", "Save DAT File"),
     QT_TRANSLATE_NOOP("CMainDlg", "Save DAT"), "", &CMainDlg::OnSave, When::kFileLoaded},
    {C::kExportCsv, "exportCsv", QT_TRANSLATE_NOOP("CMainDlg", "Export CSV..."), "", "",
     &CMainDlg::OnExportCsv, When::kFileLoaded},
    {C::kPrint, "print", QT_TRANSLATE_NOOP("CMainDlg", "Print..."), "", "Ctrl+P",
     &CMainDlg::OnPrint, When::kFileLoaded},
    {C::kPrintPreview, "printPreview", QT_TRANSLATE_NOOP("CMainDlg", "Print Preview..."), "", "",
     &CMainDlg::OnPrintPreview, When::kFileLoaded},
    {C::kExportPdf, "exportPdf", QT_TRANSLATE_NOOP("CMainDlg", "Export PDF..."), "", "",
     &CMainDlg::OnExportPdf, When::kFileLoaded},
    {C::kCompare, "compare", QT_TRANSLATE_NOOP("CMainDlg", "Compare..."), "", "Ctrl+D",
     &CMainDlg::OnCompare, When::kFileLoaded},
    {C::kExit, "exit", QT_TRANSLATE_NOOP("CMainDlg", "Exit"), QT_TRANSLATE_NOOP("CMainDlg", "Exit"),
     "", &CMainDlg::OnExit, When::kAlways},
    {C::kUp, "up", QT_TRANSLATE_NOOP("CMainDlg", "Up"), QT_TRANSLATE_NOOP("CMainDlg", "Up"), "",
     &CMainDlg::OnUp, When::kFileLoaded},
    {C::kDown, "down", QT_TRANSLATE_NOOP("CMainDlg", "Down"), QT_TRANSLATE_NOOP("CMainDlg", "Down"),
     "", &CMainDlg::OnDown, When::kFileLoaded},
    {C::kUp15, "up15", QT_TRANSLATE_NOOP("CMainDlg", "Up 15"),
     QT_TRANSLATE_NOOP("CMainDlg", "Up 15"), "", &CMainDlg::OnUp15, When::kFileLoaded},
    {C::kDown15, "down15", QT_TRANSLATE_NOOP("CMainDlg", "Down 15"),
     QT_TRANSLATE_NOOP("CMainDlg", "Down 15"), "", &CMainDlg::OnDown15, When::kFileLoaded},
    {C::kDelete, "delete", QT_TRANSLATE_NOOP("CMainDlg", "Delete"),
     QT_TRANSLATE_NOOP("CMainDlg", "Delete"), "", &CMainDlg::OnDelete, When::kFileLoaded},
    {C::kInsertRow, "insertRow", QT_TRANSLATE_NOOP("CMainDlg", "Insert Row"), "", "Ins",
     &CMainDlg::OnInsertRow, When::kFileLoaded},
    {C::kDeleteAndCloseUp, "deleteAndCloseUp", QT_TRANSLATE_NOOP("CMainDlg", "Delete and Close Up"),
     "", "Ctrl+Del", &CMainDlg::OnDeleteAndCloseUp, When::kFileLoaded},
    {C::kCut, "cut", QT_TRANSLATE_NOOP("CMainDlg", "Cut"), "", "Ctrl+X", &CMainDlg::OnCut,
     When::kFileLoaded},
    {C::kCopy, "copy", QT_TRANSLATE_NOOP("CMainDlg", "Copy"), "", "Ctrl+C", &CMainDlg::OnCopy,
     When::kFileLoaded},
    {C::kPaste, "paste", QT_TRANSLATE_NOOP("CMainDlg", "Paste"), "", "Ctrl+V", &CMainDlg::OnPaste,
     When::kFileLoaded},
    {C::kEdit, "edit", QT_TRANSLATE_NOOP("CMainDlg", "Edit"), "", "", &CMainDlg::OnEdit,
     When::kFileLoaded},
    {C::kNew, "new", QT_TRANSLATE_NOOP("CMainDlg", "New"), "", "", &CMainDlg::OnNew,
     When::kNewAllowed},
    {C::kImport, "import", QT_TRANSLATE_NOOP("CMainDlg", "Import"),
     QT_TRANSLATE_NOOP("CMainDlg", "Import"), "", &CMainDlg::OnImport, When::kFileLoaded},
    {C::kAbout, "about", QT_TRANSLATE_NOOP("CMainDlg", "&About Velmora..."), "", "",
     &CMainDlg::OnAbout, When::kAlways},
    {C::kKeyboardShortcuts, "keyboardShortcuts",
     QT_TRANSLATE_NOOP("CMainDlg", "Keyboard Shortcuts"), "", "", &CMainDlg::OnKeyboardShortcuts,
     When::kAlways},
    {C::kFind, "find", QT_TRANSLATE_NOOP("CMainDlg", "Find..."), "", "Ctrl+F", &CMainDlg::OnFind,
     When::kFileLoaded},
    {C::kFindNext, "findNext", QT_TRANSLATE_NOOP("CMainDlg", "Find Next"), "", "F3",
     &CMainDlg::OnFindNext, When::kFileLoaded},
    {C::kFindPrevious, "findPrevious", QT_TRANSLATE_NOOP("CMainDlg", "Find Previous"), "",
     "Shift+F3", &CMainDlg::OnFindPrevious, When::kFileLoaded},
    {C::kSort, "sort", QT_TRANSLATE_NOOP("CMainDlg", "Sort..."), "", "", &CMainDlg::OnSort,
     When::kFileLoaded},
    {C::kCheckChannels, "checkChannels", QT_TRANSLATE_NOOP("CMainDlg", "Check Channels..."), "", "",
     &CMainDlg::OnCheckChannels, When::kFileLoaded},
    {C::kUndo, "undo", QT_TRANSLATE_NOOP("CMainDlg", "Undo"), "", "Ctrl+Z", nullptr, When::kHistory,
     HistoryAction::kUndo},
    {C::kRedo, "redo", QT_TRANSLATE_NOOP("CMainDlg", "Redo"), "", "Ctrl+Shift+Z; Ctrl+Y", nullptr,
     When::kHistory, HistoryAction::kRedo},
};
static_assert([] {
    for (std::size_t i = 0; i < std::size(kCommands); ++i)
        if (static_cast<std::size_t>(kCommands[i].id) != i)
            return false;
    return true;
}());

// The buttons down the right edge, by their top in dialog units; Exit also
// follows the bottom edge.
constexpr std::pair<MainCommand, int> kButtons[] = {
    {C::kOpen, 2},   {C::kSave, 18},    {C::kImport, 34},  {C::kUp, 60},    {C::kDown, 76},
    {C::kUp15, 100}, {C::kDown15, 116}, {C::kDelete, 141}, {C::kExit, 241},
};

// The menus, by their items; kSeparator draws a line.
constexpr std::optional<MainCommand> kSeparator;
const std::optional<MainCommand> kFileMenu[] = {
    C::kOpen,      C::kSave,   C::kExportCsv, C::kPrint,  C::kPrintPreview,
    C::kExportPdf, kSeparator, C::kCompare,   kSeparator, C::kExit};
const std::optional<MainCommand> kEditMenu[] = {
    C::kUndo,         C::kRedo,      kSeparator,
    C::kCut,          C::kCopy,      C::kPaste,
    kSeparator,       C::kInsertRow, C::kDeleteAndCloseUp,
    kSeparator,       C::kFind,      C::kFindNext,
    C::kFindPrevious, kSeparator,    C::kSort,
    C::kCheckChannels};
const std::optional<MainCommand> kHelpMenu[] = {C::kKeyboardShortcuts, kSeparator, C::kAbout};

} // namespace

CMainDlg::CMainDlg(Prompts& prompts, QWidget* parent)
    : CTemplateDlg(parent, kClientWidth, kClientHeight), m_prompts(prompts), m_hIcon(ProgramIcon()),
      m_pHistory(new QUndoStack(this)) {
    m_pHistory->setUndoLimit(CChannelDocument::kHistorySteps);
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(kProgramName);
    setWindowIcon(m_hIcon);
    setObjectName(QStringLiteral("mainWindow"));
    setAcceptDrops(true);

    CreateCommands();
    CreateMenus();
    CreateControls();
    m_listChannels->Channels().Show(m_document);
    UpdateCommands();

    NameControlsFromLabels(*this);
    // The short columns fit at the start, whatever the font.
    FinishLayout([this] { return m_listChannels->MissingWidth(); });
    RestoreSettings();
    m_comboMode->setFocus();
}

CMainDlg::~CMainDlg() {
    // The history outlives this part of the window and reports its clearing.
    disconnect(m_pHistory, nullptr, this, nullptr);
}

void CMainDlg::CreateCommands() {
    for (const CommandInfo& info : kCommands) {
        const int id = static_cast<int>(info.id);
        const QList<QKeySequence> keys =
            QKeySequence::listFromString(QString::fromLatin1(info.key));
        if (info.history == HistoryAction::kUndo)
            AddCommand(id, m_pHistory->createUndoAction(this), info.name, keys);
        else if (info.history == HistoryAction::kRedo)
            AddCommand(id, m_pHistory->createRedoAction(this), info.name, keys);
        else
            AddCommand(id, info.name, tr(info.text),
                       *info.buttonText ? tr(info.buttonText) : QString(), keys,
                       [this, handler = info.handler] { (this->*handler)(); });
    }
}

QMenu* CMainDlg::AddMenu(const QString& title, std::span<const std::optional<MainCommand>> items) {
    QMenu* menu = MenuBar()->addMenu(title);
    for (const std::optional<MainCommand>& item : items) {
        if (item)
            menu->addAction(Command(*item));
        else
            menu->addSeparator();
    }
    return menu;
}

void CMainDlg::CreateMenus() {
    CreateRecentFilesMenu(*AddMenu(tr("&File"), kFileMenu));
    AddMenu(tr("&Edit"), kEditMenu);
    // Desktops here have no window menu to extend, so the About box lives in
    // a Help menu (on macOS Qt moves it to the application menu).
    Command(C::kAbout)->setMenuRole(QAction::AboutRole);
    CreateLanguageMenu(*AddMenu(tr("&Help"), kHelpMenu));
}

void CMainDlg::UpdateCommands() {
    const bool loaded = m_document.IsLoaded();
    for (const CommandInfo& info : kCommands)
        if (info.when != When::kHistory)
            Command(info.id)->setEnabled(
                info.when == When::kAlways ||
                (loaded && (info.when != When::kNewAllowed || IsNewAllowed())));
}

bool CMainDlg::IsNewAllowed() const {
    for (int row : m_listChannels->SelectedRows())
        if (!m_document.Record(row).IsEmpty())
            return false;
    return true;
}

void CMainDlg::CreateControls() {
    QWidget* client = Client();
    const CDialogUnits& units = Units();
    auto* label = new QLabel(tr("Mode"), client);
    PlaceControl(label, units, 7, 4, 19, 8);

    m_comboMode = new QComboBox(client);
    m_comboMode->setObjectName(QStringLiteral("modeBox"));
    m_comboMode->insertItem(0, QStringLiteral("TG-UV2"));
    m_comboMode->insertItem(1, QStringLiteral("TG-6A"));
    m_comboMode->setCurrentIndex(m_document.Model());
    PlaceControl(m_comboMode, units, 31, 2, 48, 12);
    label->setBuddy(m_comboMode);
    connect(m_comboMode, &QComboBox::currentIndexChanged, this, &CMainDlg::OnModeChanged);

    m_checkShowAll = new QCheckBox(tr("Show all columns"), client);
    m_checkShowAll->setObjectName(QStringLiteral("showAllColumns"));
    PlaceControl(m_checkShowAll, units, 97, 3, 71, 10);
    connect(m_checkShowAll, &QCheckBox::toggled, this, &CMainDlg::OnShowAllColumns);

    m_listChannels = new CChannelListView(true, client);
    m_listChannels->setObjectName(QStringLiteral("channelList"));
    m_listChannels->setAccessibleName(tr("Channels"));
    m_listChannels->setGeometry(units.Rect(7, 16, 160, 239));
    connect(m_listChannels, &QWidget::customContextMenuRequested, this,
            &CMainDlg::OnListContextMenu);
    connect(m_listChannels, &QAbstractItemView::doubleClicked, this, &CMainDlg::OnListDoubleClick);
    m_listChannels->SetCellStore([this](const QString& text, CCellDelegate::Ending ending) {
        return StoreCell(text, ending);
    });

    for (const auto& [command, y] : kButtons) {
        const std::string name = std::string(kCommands[static_cast<int>(command)].name) + "Button";
        QPushButton* button = AddButton(Command(command), name.c_str(), units.Rect(173, y, 50, 14));
        if (command == C::kExit)
            m_pExitButton = button;
        else
            m_rightButtons.push_back(button);
    }
}

void CMainDlg::ShowMessage(const QString& text, const QString& reason) {
    m_prompts.ShowMessage(this, text, reason);
}

void CMainDlg::Change(MainCommand command,
                      const std::function<ListChange(const RowSelection&)>& work) {
    Change(Command(command)->text(), work);
}

void CMainDlg::Change(const QString& step,
                      const std::function<ListChange(const RowSelection&)>& work,
                      std::optional<RowSelection> before, bool refusalIsMessage) {
    Run({}, [&] {
        if (!before)
            before = m_listChannels->Selection();
        ListChange change = work(m_listChannels->Selection());
        const QString refusal = Tr(change.refusal);
        if (!refusal.isEmpty() && refusalIsMessage) {
            ShowMessage(refusal);
            return;
        }
        if (!refusal.isEmpty()) {
            ShowMessage(tr("Invalid frequency!"), refusal);
            return;
        }
        PushListChange(*m_pHistory, m_document, *m_listChannels, step, std::move(change), *before);
    });
}

void CMainDlg::Run(const QString& failureMessage, const std::function<void()>& work,
                   const std::function<QString()>& reason) {
    RunCommand(m_prompts, this, failureMessage, work, reason);
}

QString CMainDlg::OpenProblem(bool sizeChoseModel) const {
    const FileProblem& problem = m_document.Problem();
    Message noRadio;
    const std::optional<RadioModel> other = RadioOfDat(problem.size, {}, noRadio);
    if (problem.kind == FileProblem::kWrongSize && sizeChoseModel && !other)
        return Tr(noRadio);
    QString text = Tr(m_document.ProblemText());
    // The model can be chosen only until the first file opens.
    if (problem.kind == FileProblem::kWrongSize && other && m_comboMode->isEnabled())
        text +=
            QLatin1Char(' ') + tr("Choose %1 in the Mode box.").arg(m_comboMode->itemText(*other));
    return text;
}

bool CMainDlg::MayReplaceChanges() {
    return !IsModified() ||
           m_prompts.AskYesNo(this, tr("Changes are not saved. Open another file anyway?"));
}

bool CMainDlg::MayReplaceFile(const QString& path) {
    return !m_document.ChangedOnDisk(ToFsPath(path)) ||
           m_prompts.AskYesNo(this, tr("%1 was changed by another program since it was opened. "
                                       "Replace it anyway?")
                                        .arg(FileNameOf(path)));
}

void CMainDlg::OnOpen() {
    if (!MayReplaceChanges())
        return;
    const QString path =
        m_prompts.GetOpenFileName(this, {Prompts::DatFiles()}, {}, CSettings::Get().DatFolder());
    if (!path.isEmpty())
        Open(ToFsPath(path));
}

void CMainDlg::OpenFromOutside(const std::filesystem::path& path) {
    if (!MayReplaceChanges())
        return;
    const bool sizeChoosesModel = !m_document.IsLoaded();
    if (sizeChoosesModel) {
        // Until a file is open the radio can still be chosen: the one whose
        // files have this size. A file of neither size fails as Open would.
        std::error_code ec;
        const std::uintmax_t size = std::filesystem::file_size(path, ec);
        Message reason;
        if (const std::optional<RadioModel> model = RadioOfDat(ec ? 0 : size, {}, reason))
            m_comboMode->setCurrentIndex(*model);
    }
    if (!Open(path, sizeChoosesModel))
        return;
    // Whoever gave the file goes on in the list, not in the Mode box.
    m_listChannels->setFocus();
    m_listChannels->SetSelectionMark(0);
}

void CMainDlg::OpenGiven(const CommandLineFiles& files) {
    OpenFromOutside(files.open);
    if (files.notOpened.empty())
        return;
    QStringList names;
    for (const std::string& name : files.notOpened)
        names << QString::fromStdString(name);
    const QString last = names.takeLast();
    if (names.isEmpty()) {
        ShowMessage(tr("Velmora opens one file per window; %1 was not opened.").arg(last));
        return;
    }
    //: A list of files: "a.DAT, b.DAT and c.DAT".
    const QString list = tr("%1 and %2").arg(names.join(tr(", ")), last);
    ShowMessage(tr("Velmora opens one file per window; %1 were not opened.").arg(list));
}

bool CMainDlg::Open(const std::filesystem::path& path, bool sizeChoseModel) {
    bool opened = false;
    // The window changes only once the new file has loaded and every one of
    // its records decodes; a failed Open leaves all as it was.
    Run(
        OpenFailed(),
        [&] {
            if (!m_document.Load(path))
                RaiseFailure();
            m_pHistory->clear();
            UpdateCommands();
            setWindowTitle(kProgramName + QStringLiteral(" - ") +
                           QString::fromStdString(path.filename().string()));
            m_comboMode->setEnabled(false);
            opened = true;
            RememberFile(path);
        },
        [&] { return OpenProblem(sizeChoseModel); });
    return opened;
}

void CMainDlg::OnSave() {
    if (!m_document.IsLoaded())
        return;
    Run(
        SaveFailed(),
        [this] {
            const QString path = m_prompts.GetSaveFileName(this, {Prompts::DatFiles()}, {},
                                                           CSettings::Get().DatFolder());
            if (path.isEmpty() || !MayReplaceFile(path))
                return;
            if (!m_document.Save(ToFsPath(path)))
                RaiseFailure();
            RememberFile(ToFsPath(path));
        },
        [this] { return Tr(m_document.ProblemText()); });
}

QString CMainDlg::ExportStart(const char* ending) const {
    // Beside the file it comes from, named after it.
    std::filesystem::path start = m_document.Path();
    start.replace_extension(ending);
    return QString::fromStdString(start.string());
}

void CMainDlg::OnExportCsv() {
    if (!m_document.IsLoaded())
        return;
    Run(
        ExportFailed(),
        [&] {
            const QString path = m_prompts.GetSaveFileName(this, {Prompts::CsvFiles()},
                                                           tr("Export CSV"), ExportStart(".csv"));
            if (path.isEmpty() || !MayReplaceFile(path))
                return;
            if (!m_document.ExportCsv(ToFsPath(path)))
                RaiseFailure();
        },
        [&] { return Tr(m_document.ProblemText()); });
}

void CMainDlg::OnExit() { QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection); }

// The keys of windows that have no command table: the keys a dialog has.
constexpr std::pair<const char*, const char*> kDialogKeys[][2] = {
    {{"Enter", QT_TRANSLATE_NOOP("CMainDlg", "OK")},
     {"Esc", QT_TRANSLATE_NOOP("CMainDlg", "Cancel")}},
    {{"Enter", QT_TRANSLATE_NOOP("CMainDlg", "Find Next")},
     {"Esc", QT_TRANSLATE_NOOP("CMainDlg", "Close")}},
    {{"Enter", QT_TRANSLATE_NOOP("CMainDlg", "Show the finding's channel")},
     {"Esc", QT_TRANSLATE_NOOP("CMainDlg", "Close")}},
};
// The windows those keys are of.
constexpr const char* kDialogNames[] = {QT_TRANSLATE_NOOP("CMainDlg", "Row Editor"),
                                        QT_TRANSLATE_NOOP("CMainDlg", "Find"),
                                        QT_TRANSLATE_NOOP("CMainDlg", "Check Channels")};

void CMainDlg::OnKeyboardShortcuts() {
    Run({}, [this] {
        if (!m_pShortcutsDlg) {
            using Window = CShortcutsDlg::Window;
            const auto commands = [](const auto& table) {
                std::vector<CShortcutsDlg::Key> keys;
                for (const auto& [key, text] : table)
                    if (*key)
                        keys.push_back(CShortcutsDlg::OfCommand(key, text));
                return keys;
            };
            std::vector<std::pair<const char*, QString>> main;
            for (const CommandInfo& info : kCommands)
                main.emplace_back(info.key, tr(info.text));
            std::vector<Window> windows = {{tr("Main window"), commands(main)},
                                           {tr("Channel list"), {}}};
            for (const bool editable : {false, true})
                for (const CChannelListView::KeyHelp& key : CChannelListView::Keys(editable))
                    windows.back().keys.push_back(
                        key.words
                            ? CShortcutsDlg::Key{CChannelListView::tr(key.keys),
                                                 CChannelListView::tr(key.what)}
                            : CShortcutsDlg::OfCommand(key.keys, CChannelListView::tr(key.what)));
            windows.push_back({tr("Import window"), commands(CImportDlg::CommandKeys())});
            windows.push_back({tr("Compare window"), commands(CCompareDlg::CommandKeys())});
            for (std::size_t i = 0; i < std::size(kDialogNames); ++i) {
                std::vector<std::pair<const char*, QString>> keys;
                for (const auto& [key, text] : kDialogKeys[i])
                    keys.emplace_back(key, tr(text));
                windows.push_back({tr(kDialogNames[i]), commands(keys)});
            }
            m_pShortcutsDlg = new CShortcutsDlg(windows, this);
        }
        m_pShortcutsDlg->show();
        m_pShortcutsDlg->raise();
        m_pShortcutsDlg->activateWindow();
    });
}

void CMainDlg::OnAbout() {
    Run({}, [this] {
        CAboutDlg about(m_hIcon, this);
        m_prompts.RunModal(about);
    });
}

void CMainDlg::OnShowAllColumns(bool checked) {
    Run({}, [this, checked] {
        m_bShowAllColumns = checked;
        CSettings::Get().SetShowAllColumns(checked);
        m_listChannels->Channels().SetShowAll(checked);
        if (m_pImportDlg)
            m_pImportDlg->SetShowAllColumns(checked);
        if (m_pCompareDlg)
            m_pCompareDlg->SetShowAllColumns(checked);
    });
}

void CMainDlg::dragEnterEvent(QDragEnterEvent* event) {
    if (!DraggedFile(*event->mimeData(), {QStringLiteral(".dat")}, DragStage::kOffered).isEmpty())
        event->acceptProposedAction();
}

void CMainDlg::dropEvent(QDropEvent* event) {
    const QString path =
        DraggedFile(*event->mimeData(), {QStringLiteral(".dat")}, DragStage::kDropped);
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // Opened once the drop is over, so that a question or a message does
    // not hold the drag.
    QMetaObject::invokeMethod(
        this, [this, file = ToFsPath(path)] { OpenFromOutside(file); }, Qt::QueuedConnection);
}

void CMainDlg::OnModeChanged(int index) {
    if (index < 0)
        return;
    m_document.SetModel(index == 0 ? kTGUV2 : kTG6A);
    CSettings::Get().SetRadio(m_document.Model());
}

void CMainDlg::OnClientResized(int dx, int dy) {
    m_listChannels->setGeometry(m_listChannels->geometry().adjusted(0, 0, dx, dy));
    for (QPushButton* button : m_rightButtons)
        button->move(button->pos() + QPoint(dx, 0));
    m_pExitButton->move(m_pExitButton->pos() + QPoint(dx, dy));
}

void CMainDlg::HandleWindowKey(const QKeyEvent*) {}

bool CMainDlg::IsEditingInPlace() const { return m_listChannels->IsEditingCell(); }

void CMainDlg::closeEvent(QCloseEvent* event) {
    // A cell being edited is stored first, or, refused, keeps the window.
    if (!m_listChannels->CommitEdit() ||
        (IsModified() && !m_prompts.AskYesNo(this, tr("Changes are not saved. Exit anyway?")))) {
        event->ignore();
        return;
    }
    CSettings::Get().SetGeometry(saveGeometry());
    QDialog::closeEvent(event);
}
