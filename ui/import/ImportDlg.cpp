#include "ImportDlg.h"

#include "ChannelListView.h"
#include "DialogUnits.h"
#include "FilePaths.h"
#include "Prompts.h"
#include "UserEvents.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QResizeEvent>
#include <QVBoxLayout>

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

} // namespace

CImportDlg::CImportDlg(const QString& path, bool showAllColumns, RadioModel model, Prompts& prompts,
                       QWidget* owner)
    : QDialog(owner), m_prompts(prompts), m_strPath(path),
      m_bShowAllColumns(showAllColumns ? 1 : 0), m_nModel(model), m_nChannels(ChannelCount(model)) {
    // A small caption and no task-bar button: the window belongs to its owner.
    setWindowFlags(Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(kCaption);
    setObjectName(QStringLiteral("importWindow"));

    CreateMenus();
    CreateClient();
    BuildColumns();

    resize(sizeHint());
    m_nMinWidth = width();
    m_nMinHeight = height();
    setMinimumSize(m_nMinWidth, m_nMinHeight);
    m_listChannels->setFocus();

    if (!m_strPath.isEmpty())
        LoadFile();
}

CImportDlg::~CImportDlg() = default;

void CImportDlg::CreateMenus() {
    m_pMenuBar = new QMenuBar(this);
    QMenu* file = m_pMenuBar->addMenu(QStringLiteral("&File"));
    file->addAction(QStringLiteral("Open DAT File For Import"), this, &CImportDlg::OnOpenForImport);
}

void CImportDlg::CreateClient() {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setMenuBar(m_pMenuBar);

    m_pClient = new QWidget(this);
    const CDialogUnits units(font());
    m_pClient->setMinimumSize(units.Size(kClientWidth, kClientHeight));
    m_prevClientSize = units.Size(kClientWidth, kClientHeight);
    layout->addWidget(m_pClient);
    CreateList(m_pClient, units);

    // Only the client area's widgets: a key typed into an open menu is the menu's.
    m_pClient->installEventFilter(this);
    for (QWidget* child : m_pClient->findChildren<QWidget*>())
        child->installEventFilter(this);
}

void CImportDlg::CreateList(QWidget* client, const CDialogUnits& units) {
    m_listChannels = new CChannelListView(false, client);
    m_listChannels->setObjectName(QStringLiteral("importList"));
    m_listChannels->setAccessibleName(QStringLiteral("Channels to import"));
    m_listChannels->setGeometry(units.Rect(kListX, kListY, kListWidth, kListHeight));
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

void CImportDlg::LoadFile() {
    try {
        // The old rows point into the image that is about to go.
        m_listChannels->Channels().RemoveRows();
        m_pDatFile = std::make_unique<CDatFile>(m_nModel);
        if (!m_pDatFile->Load(ToFsPath(m_strPath))) {
            FailLoad();
            return;
        }
        FillList();
        m_bLoaded = true;
        setWindowTitle(FileNameOf(m_strPath));
    } catch (...) {
        FailLoad();
    }
}

// The title and m_bLoaded stay: they still describe the last file that loaded.
void CImportDlg::FailLoad() {
    m_listChannels->Channels().RemoveRows();
    m_prompts.ShowMessage(this, kOpenFailed);
}

void CImportDlg::SetShowAllColumns(bool showAll) {
    // The list has rows exactly when the last load succeeded.
    const bool loaded = m_listChannels->Channels().RowCount() > 0;
    m_bShowAllColumns = showAll ? 1 : 0;
    BuildColumns();
    if (!loaded)
        return;
    try {
        FillList();
    } catch (...) {
        FailLoad();
    }
}

void CImportDlg::OnOpenForImport() {
    try {
        const QString path = m_prompts.GetOpenFileName(this);
        if (path.isEmpty())
            return;
        m_strPath = path;
        LoadFile();
    } catch (...) {
        // Nothing was loaded; a load that failed has reported itself.
    }
}

void CImportDlg::OnCopy() {
    try {
        if (!m_listChannels->HasSelection())
            return;
        std::vector<CChannel> copied;
        for (int row : m_listChannels->SelectedRows())
            copied.push_back(*m_listChannels->Channels().RecordAt(row));
        m_copiedRows = std::move(copied);
        if (QWidget* owner = parentWidget())
            QCoreApplication::postEvent(owner, new QEvent(UM_ROWS_COPIED));
    } catch (...) {
        // Copy reports nothing; the owner is told only about a complete list.
    }
}

void CImportDlg::OnListContextMenu(const QPoint& pos) {
    if (!m_bLoaded)
        return;
    try {
        QMenu menu(this);
        menu.setObjectName(QStringLiteral("importMenu"));
        QAction* copy = menu.addAction(QStringLiteral("Copy\tCtrl+C"));
        QAction* chosen = m_prompts.RunMenu(menu, m_listChannels->viewport()->mapToGlobal(pos));
        if (chosen == copy)
            OnCopy();
    } catch (...) {
        // A menu that cannot be shown offers nothing to do.
    }
}

void CImportDlg::OnClientResized(QSize size) {
    if (size.width() <= 0 || size.height() <= 0)
        return;
    const int dx = size.width() - m_prevClientSize.width();
    const int dy = size.height() - m_prevClientSize.height();
    m_listChannels->setGeometry(m_listChannels->geometry().adjusted(0, 0, dx, dy));
    m_prevClientSize = size;
}

bool CImportDlg::IsWindowKey(const QKeyEvent* key) {
    switch (key->key()) {
    case Qt::Key_C:
        return key->modifiers().testFlag(Qt::ControlModifier);
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        return true;
    default:
        return false;
    }
}

void CImportDlg::HandleWindowKey(const QKeyEvent* key) {
    if (key->key() == Qt::Key_C)
        OnCopy();
    else if (key->key() == Qt::Key_Escape)
        reject();
    else
        accept();
}

bool CImportDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_pClient && event->type() == QEvent::Resize) {
        OnClientResized(static_cast<QResizeEvent*>(event)->size());
        return false;
    }
    if (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (IsWindowKey(key)) {
            if (event->type() == QEvent::KeyPress)
                HandleWindowKey(key);
            event->accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CImportDlg::keyPressEvent(QKeyEvent* event) {
    if (IsWindowKey(event)) {
        HandleWindowKey(event);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}
