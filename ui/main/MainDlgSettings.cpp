// What the main window remembers between runs: the radio, the columns, its
// frame, the files last opened, and the language chosen.
#include "MainDlg.h"

#include "ChannelListView.h"
#include "FilePaths.h"
#include "Languages.h"
#include "Settings.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

// A recent file as its menu item shows it: its number, its name and, in
// brackets, its folder, the middle of a long one left out.
QString RecentItemText(int number, const QString& path, const QFontMetrics& metrics) {
    const QFileInfo file(path);
    const QString folder = metrics.elidedText(QDir::toNativeSeparators(file.absolutePath()),
                                              Qt::ElideMiddle, metrics.averageCharWidth() * 48);
    // A name's own "&" is no mnemonic.
    QString name = file.fileName();
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return QStringLiteral("&%1 %2  (%3)")
        .arg(number)
        .arg(name, QString(folder).replace(QLatin1Char('&'), QStringLiteral("&&")));
}

} // namespace

void CMainDlg::RestoreSettings() {
    const CSettings& settings = CSettings::Get();
    if (const std::optional<RadioModel> radio = settings.Radio())
        m_comboMode->setCurrentIndex(*radio);
    m_checkShowAll->setChecked(settings.ShowAllColumns());
    // Qt keeps a frame from another screen inside the one there is now.
    if (const QByteArray geometry = settings.Geometry(); !geometry.isEmpty())
        restoreGeometry(geometry);
}

void CMainDlg::RememberFile(const std::filesystem::path& path) {
    const QString file = QString::fromStdString(path.string());
    CSettings::Get().AddRecentFile(file);
    CSettings::Get().SetDatFolderOf(file);
    UpdateRecentFiles();
}

void CMainDlg::CreateRecentFilesMenu(QMenu& file) {
    m_pRecentMenu = new QMenu(tr("Recent &Files"), &file);
    m_pRecentMenu->setObjectName(QStringLiteral("recentFilesMenu"));
    // After "Open DAT File", where the other ways to open a file are.
    file.insertMenu(file.actions().value(1), m_pRecentMenu);
    UpdateRecentFiles();
}

void CMainDlg::UpdateRecentFiles() {
    m_pRecentMenu->clear();
    const QStringList files = CSettings::Get().RecentFiles();
    for (int i = 0; i < files.size(); ++i) {
        QAction* item =
            m_pRecentMenu->addAction(RecentItemText(i + 1, files[i], m_pRecentMenu->fontMetrics()));
        item->setData(files[i]);
        connect(item, &QAction::triggered, this, [this, path = files[i]] { OnOpenRecent(path); });
    }
    m_pRecentMenu->addSeparator();
    QAction* clear = m_pRecentMenu->addAction(tr("Clear Recent Files"));
    connect(clear, &QAction::triggered, this, &CMainDlg::OnClearRecentFiles);
    m_pRecentMenu->menuAction()->setEnabled(!files.isEmpty());
}

void CMainDlg::OnOpenRecent(const QString& path) {
    const std::filesystem::path file = ToFsPath(path);
    OpenFromOutside(file);
    // A file that is gone has been told of by Open; it stays off the list.
    std::error_code ec;
    if (!std::filesystem::exists(file, ec)) {
        CSettings::Get().RemoveRecentFile(path);
        UpdateRecentFiles();
    }
}

void CMainDlg::OnClearRecentFiles() {
    CSettings::Get().ClearRecentFiles();
    UpdateRecentFiles();
}

void CMainDlg::CreateLanguageMenu(QMenu& help) {
    m_pLanguageMenu = new QMenu(tr("&Language"), &help);
    m_pLanguageMenu->setObjectName(QStringLiteral("languageMenu"));
    help.insertMenu(help.actions().value(0), m_pLanguageMenu);
    // The windows are made in one language; another is taken at the next
    // start, which the menu says before the user chooses.
    QAction* note = m_pLanguageMenu->addAction(tr("Takes effect when Velmora starts again"));
    note->setEnabled(false);
    m_pLanguageMenu->addSeparator();
    auto* group = new QActionGroup(m_pLanguageMenu);
    const QString chosen = CSettings::Get().Language();
    const auto add = [&](const QString& text, const QString& code) {
        QAction* item = m_pLanguageMenu->addAction(text);
        item->setCheckable(true);
        item->setChecked(code == chosen);
        item->setData(code);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, code] { OnChooseLanguage(code); });
    };
    add(tr("System Default"), {});
    add(QStringLiteral("English"), QStringLiteral("en"));
    for (const Language& language : ShippedLanguages())
        add(QString::fromUtf8(language.name), QString::fromLatin1(language.code));
}

void CMainDlg::OnChooseLanguage(const QString& code) { CSettings::Get().SetLanguage(code); }
