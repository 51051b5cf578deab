#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <span>

class QCoreApplication;
class QObject;

// The languages the windows are translated into, besides English, the
// language of the sources.
struct Language {
    const char* code; // as the translation files are named: "de", "zh_CN"
    const char* name; // in the language itself: "Deutsch"
};
std::span<const Language> ShippedLanguages();
bool IsShippedLanguage(const QString& code);

// The shipped language a locale name asks for ("de_AT.UTF-8" is "de"; "zh",
// "zh_CN" and "zh_SG" are "zh_CN"); "en" for English, empty for a language
// not shipped.
QString ShippedLanguageOf(const QString& locale);

// The language the desktop asks for, as gettext reads the environment: the
// locale of messages is LC_ALL, else LC_MESSAGES, else LANG; unless it is C
// or POSIX (or unset), LANGUAGE lists the languages wanted before it, best
// first. The first shipped one, or English asked for before any, decides;
// empty for English.
QString DesktopLanguage(const std::function<QString(const char*)>& environment);

// The language the windows speak: the one the user chose in Help › Language,
// else the desktop's; empty for English.
QString ChosenLanguage(const QString& userChoice,
                       const std::function<QString(const char*)>& environment);

// The folders the program's translations may be in: installed beside the
// program (share/velmora/translations), or in the build tree.
QStringList TranslationFolders();

// Makes the application speak the language: Qt's own texts (the buttons of
// its dialogs) and Velmora's, for as long as owner lives (the application,
// unless given). False when Velmora's translation is not found; the windows
// then stay English. Nothing for English.
bool InstallLanguage(QCoreApplication& application, const QString& code, const QStringList& folders,
                     QObject* owner = nullptr);
