#include "Settings.h"

#include "Languages.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QVariant>

namespace {

const QString kGeometry = QStringLiteral("window/geometry");
const QString kShowAll = QStringLiteral("list/showAllColumns");
const QString kRadio = QStringLiteral("list/radio");
const QString kDatFolder = QStringLiteral("folders/dat");
const QString kOtherFolder = QStringLiteral("folders/other");
const QString kRecent = QStringLiteral("files/recent");
const QString kLanguage = QStringLiteral("language");

QString& FilePath() {
    static QString path;
    return path;
}

// A file whose text is no settings at all, or that cannot be read, is not
// trusted for anything: it is started afresh.
std::unique_ptr<QSettings> Checked(std::unique_ptr<QSettings> settings) {
    if (settings->status() != QSettings::NoError)
        settings->clear();
    return settings;
}

QString FolderOf(const QString& file) { return QFileInfo(file).absoluteDir().absolutePath(); }

std::unique_ptr<QSettings> Opened() {
    return Checked(
        FilePath().isEmpty()
            ? std::make_unique<QSettings>(QStringLiteral("Velmora"), QStringLiteral("Velmora"))
            : std::make_unique<QSettings>(FilePath(), QSettings::IniFormat));
}

} // namespace

// Made once and kept to the end.
CSettings& CSettings::Get() {
    static CSettings* settings = new CSettings(Opened());
    return *settings;
}

QString CSettings::File() { return FilePath(); }

void CSettings::UseFile(const QString& path) {
    Get().Write();
    FilePath() = path;
    Get().m_settings = Opened();
}

CSettings::CSettings(std::unique_ptr<QSettings> settings) : m_settings(std::move(settings)) {}

CSettings::~CSettings() = default;

void CSettings::Write() { m_settings->sync(); }

// Writing the file (a lock, a new file synced to the disk, a rename) takes
// longer than opening a channel file; QSettings writes from the event loop.
void CSettings::Put(const QString& key, const QVariant& value) { m_settings->setValue(key, value); }

void CSettings::Drop(const QString& key) { m_settings->remove(key); }

void CSettings::Clear() { m_settings->clear(); }

QByteArray CSettings::Geometry() const {
    const QVariant value = m_settings->value(kGeometry);
    return value.typeId() == QMetaType::QByteArray ? value.toByteArray() : QByteArray();
}

void CSettings::SetGeometry(const QByteArray& geometry) { Put(kGeometry, geometry); }

bool CSettings::ShowAllColumns() const {
    return m_settings->value(kShowAll).toString() == QLatin1String("true");
}

void CSettings::SetShowAllColumns(bool showAll) {
    Put(kShowAll, showAll ? QStringLiteral("true") : QStringLiteral("false"));
}

std::optional<RadioModel> CSettings::Radio() const {
    const QString name = m_settings->value(kRadio).toString();
    for (const RadioModel radio : {kTGUV2, kTG6A})
        if (name == QLatin1String(ModelName(radio).data(), ModelName(radio).size()))
            return radio;
    return std::nullopt;
}

void CSettings::SetRadio(RadioModel radio) {
    Put(kRadio, QLatin1String(ModelName(radio).data(), ModelName(radio).size()));
}

QString CSettings::Folder(const QString& key) const {
    const QVariant value = m_settings->value(key);
    const QString folder = value.typeId() == QMetaType::QString ? value.toString() : QString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

QString CSettings::DatFolder() const { return Folder(kDatFolder); }

void CSettings::SetDatFolderOf(const QString& file) { Put(kDatFolder, FolderOf(file)); }

QString CSettings::OtherFolder() const { return Folder(kOtherFolder); }

void CSettings::SetOtherFolderOf(const QString& file) { Put(kOtherFolder, FolderOf(file)); }

QStringList CSettings::RecentFiles() const {
    const QVariant value = m_settings->value(kRecent);
    // A list of one is written as a plain text, and read back as one.
    const QVariantList list =
        value.typeId() == QMetaType::QString ? QVariantList{value} : value.toList();
    QStringList files;
    // A list of texts; anything else in it is not a file.
    for (const QVariant& file : list)
        if (file.typeId() == QMetaType::QString && !file.toString().isEmpty() &&
            !files.contains(file.toString()) && files.size() < kRecentFiles)
            files << file.toString();
    return files;
}

void CSettings::AddRecentFile(const QString& file) {
    Put(kRecent, WithRecentFile(RecentFiles(), file, kRecentFiles));
}

void CSettings::RemoveRecentFile(const QString& file) {
    QStringList files = RecentFiles();
    files.removeAll(file);
    Put(kRecent, files);
}

void CSettings::ClearRecentFiles() { Drop(kRecent); }

QString CSettings::Language() const {
    const QString code = m_settings->value(kLanguage).toString();
    return code == QLatin1String("en") || IsShippedLanguage(code) ? code : QString();
}

void CSettings::SetLanguage(const QString& code) {
    if (code.isEmpty())
        Drop(kLanguage);
    else
        Put(kLanguage, code);
}

QStringList WithRecentFile(QStringList files, const QString& file, int most) {
    const QString path = QFileInfo(file).absoluteFilePath();
    files.removeAll(path);
    files.prepend(path);
    while (files.size() > most)
        files.removeLast();
    return files;
}
