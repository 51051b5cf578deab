#pragma once

#include "RadioModel.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QSettings;
class QVariant;

// What Velmora remembers between runs, in the desktop's usual place for
// settings. Every value is checked when it is read: one that is missing, of
// the wrong kind or nonsense reads as none, and a settings file that cannot
// be read as settings is started afresh, never trusted.
class CSettings {
public:
    // The settings of the program: the user's, or those of the file given
    // to UseFile.
    static CSettings& Get();
    // From now on the settings are those of this file (the tests and the
    // screenshot tool keep the user's settings out of their way).
    static void UseFile(const QString& path);
    // The file given to UseFile; empty for the user's settings.
    static QString File();

    ~CSettings();

    // Writes what changed to the file now. Changes are otherwise written by
    // the event loop soon after they are made; whoever ends the program
    // writes the rest.
    void Write();
    // Forgets everything.
    void Clear();

    // The main window's frame as QWidget::saveGeometry gives it.
    QByteArray Geometry() const;
    void SetGeometry(const QByteArray& geometry);
    bool ShowAllColumns() const;
    void SetShowAllColumns(bool showAll);
    // The radio last chosen in the Mode box.
    std::optional<RadioModel> Radio() const;
    void SetRadio(RadioModel radio);
    // Where the file dialogs start: DAT files where the last one was opened
    // or saved, the Import and Compare windows' files where the last one came
    // from. Empty when the folder is gone.
    QString DatFolder() const;
    void SetDatFolderOf(const QString& file);
    QString OtherFolder() const;
    void SetOtherFolderOf(const QString& file);
    // The files last opened or saved, newest first, each once.
    static constexpr int kRecentFiles = 8;
    QStringList RecentFiles() const;
    void AddRecentFile(const QString& file);
    void RemoveRecentFile(const QString& file);
    void ClearRecentFiles();
    // The language chosen in Help › Language: a shipped one, "en", or empty
    // for the desktop's.
    QString Language() const;
    void SetLanguage(const QString& code);

private:
    explicit CSettings(std::unique_ptr<QSettings> settings);
    QString Folder(const QString& key) const;
    void Put(const QString& key, const QVariant& value);
    void Drop(const QString& key);

    std::unique_ptr<QSettings> m_settings;
};

// The list of recent files after one more: it goes first, once, and the
// list keeps at most `most` files.
QStringList WithRecentFile(QStringList files, const QString& file, int most);
