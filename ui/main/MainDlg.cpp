#include "MainDlg.h"

#include "AboutDlg.h"
#include "Accessibility.h"
#include "ChannelListView.h"
#include "DialogUnits.h"
#include "FilePaths.h"
#include "ImportDlg.h"
#include "ProgramInfo.h"
#include "Prompts.h"
#include "UserEvents.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

namespace {

// The window's client area in dialog units.
constexpr int kClientWidth = 230;
constexpr int kClientHeight = 263;

const QString kOpenFailed = QStringLiteral("Open operation failed.");
const QString kSaveFailed = QStringLiteral("Save operation failed.");
const QString kExitQuestion = QStringLiteral("Changes are not saved. Exit anyway?");

} // namespace

CMainDlg::CMainDlg(Prompts& prompts, QWidget* parent)
    : CTemplateDlg(parent, kClientWidth, kClientHeight), m_prompts(prompts),
      m_hIcon(ProgramIcon()) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(kProgramName);
    setWindowIcon(m_hIcon);
    setObjectName(QStringLiteral("mainWindow"));

    CreateMenus();
    CreateControls();
    m_nChannels = ChannelCount(m_nModel);
    BuildColumns();
    EnableFileCommands(false);

    NameControlsFromLabels(*this);
    // The short columns fit at the start, whatever the font.
    FinishLayout(m_listChannels->MissingWidth());
    m_comboMode->setFocus();
}

CMainDlg::~CMainDlg() = default;

void CMainDlg::CreateMenus() {
    QMenu* file = MenuBar()->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("Open DAT File"), this, &CMainDlg::OnOpen);
    m_pSaveAction = file->addAction(QStringLiteral("Save DAT File"), this, &CMainDlg::OnSave);
    file->addSeparator();
    file->addAction(QStringLiteral("Exit"), this, &CMainDlg::OnExit);
    // Desktops here have no window menu to extend, so the About box lives in
    // a Help menu (on macOS Qt moves it to the application menu).
    QMenu* help = MenuBar()->addMenu(QStringLiteral("&Help"));
    QAction* about = help->addAction(QStringLiteral("&About Velmora..."), this, &CMainDlg::OnAbout);
    about->setMenuRole(QAction::AboutRole);
    connect(file, &QMenu::aboutToShow, this, [this] { m_pSaveAction->setEnabled(m_bLoaded); });
    m_pSaveAction->setEnabled(false);
}

QPushButton* CMainDlg::AddButton(QWidget* client, const char* name, const QString& text, QRect rect,
                                 void (CMainDlg::*command)()) {
    auto* button = new QPushButton(text, client);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setGeometry(rect);
    connect(button, &QPushButton::clicked, this, command);
    return button;
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

    struct ButtonInfo {
        const char* name;
        const char* text;
        int y;
        void (CMainDlg::*command)();
    };
    const ButtonInfo buttons[] = {
        {"openButton", "Open DAT", 2, &CMainDlg::OnOpen},
        {"saveButton", "Save DAT", 18, &CMainDlg::OnSave},
        {"importButton", "Import", 34, &CMainDlg::OnImport},
        {"upButton", "Up", 60, &CMainDlg::OnUp},
        {"downButton", "Down", 76, &CMainDlg::OnDown},
        {"up15Button", "Up 15", 100, &CMainDlg::OnUp15},
        {"down15Button", "Down 15", 116, &CMainDlg::OnDown15},
        {"deleteButton", "Delete", 141, &CMainDlg::OnDelete},
    };
    for (const ButtonInfo& info : buttons) {
        QPushButton* button = AddButton(client, info.name, QString::fromLatin1(info.text),
                                        units.Rect(173, info.y, 50, 14), info.command);
        m_rightButtons.push_back(button);
        if (info.command != &CMainDlg::OnOpen)
            m_fileButtons.push_back(button);
    }
    m_pExitButton = AddButton(client, "exitButton", QStringLiteral("Exit"),
                              units.Rect(173, 241, 50, 14), &CMainDlg::OnExit);
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

void CMainDlg::EnableFileCommands(bool enable) {
    for (QPushButton* button : m_fileButtons)
        button->setEnabled(enable);
    m_pSaveAction->setEnabled(enable);
}

void CMainDlg::ShowMessage(const QString& text) { m_prompts.ShowMessage(this, text); }

void CMainDlg::Guarded(const QString& failureMessage, const std::function<void()>& command) {
    try {
        command();
    } catch (...) {
        if (!failureMessage.isEmpty())
            ShowMessage(failureMessage);
    }
}

void CMainDlg::OnOpen() {
    Guarded(kOpenFailed, [this] {
        const QString path = m_prompts.GetOpenFileName(this);
        if (path.isEmpty())
            return;
        // The window changes only once the new file has loaded and every one
        // of its records decodes; a failed Open leaves everything as it was.
        auto file = std::make_unique<CDatFile>(m_nModel);
        if (!file->Load(ToFsPath(path))) {
            ShowMessage(kOpenFailed);
            return;
        }
        const CChannel* loaded = file->GetImage().GetChannels();
        for (int i = 0; i < m_nChannels; ++i)
            CChannelTableModel::ComputeTexts(loaded[i], m_nModel);
        std::copy(loaded, loaded + m_nChannels, m_records.begin());
        m_pDatFile = std::move(file);
        FillList(m_records);
        m_bLoaded = true;
        EnableFileCommands(true);
        setWindowTitle(kProgramName + QStringLiteral(" - ") + FileNameOf(path));
        m_comboMode->setEnabled(false);
    });
}

void CMainDlg::OnSave() {
    if (!m_bLoaded || !m_pDatFile || m_listChannels->Channels().RowCount() != m_nChannels)
        return;
    Guarded(kSaveFailed, [this] {
        const QString path = m_prompts.GetSaveFileName(this);
        if (path.isEmpty())
            return;
        if (m_pDatFile->Save(ToFsPath(path), m_listChannels->Channels().Records()))
            m_bModified = false;
        else
            ShowMessage(kSaveFailed);
    });
}

void CMainDlg::OnExit() { QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection); }

void CMainDlg::OnAbout() {
    Guarded({}, [this] {
        CAboutDlg about(m_hIcon, this);
        m_prompts.RunModal(about);
    });
}

void CMainDlg::OnShowAllColumns(bool checked) {
    Guarded({}, [this, checked] {
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
        Guarded({}, [this] { OnRowsCopied(); });
        return true;
    }
    if (event->type() == UM_SELECT_NEXT_ROW || event->type() == UM_SELECT_PREV_ROW) {
        SelectNeighbourRow(event->type() == UM_SELECT_NEXT_ROW ? 1 : -1);
        return true;
    }
    return QDialog::event(event);
}

bool CMainDlg::IsWindowKey(const QKeyEvent* key) const {
    switch (key->key()) {
    case Qt::Key_X:
    case Qt::Key_C:
    case Qt::Key_V:
        return key->modifiers().testFlag(Qt::ControlModifier);
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return false;
    }
}

void CMainDlg::HandleWindowKey(const QKeyEvent* key) {
    if (key->key() == Qt::Key_X)
        OnCut();
    else if (key->key() == Qt::Key_C)
        OnCopy();
    else if (key->key() == Qt::Key_V)
        OnPaste();
}

void CMainDlg::closeEvent(QCloseEvent* event) {
    if (m_bModified && !m_prompts.AskYesNo(this, kExitQuestion)) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}
