#include "Languages.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <algorithm>

namespace {

constexpr Language kLanguages[] = {
    {"de", "Deutsch"},  {"es", "Español"},    {"fr", "Français"},
    {"it", "Italiano"}, {"pl", "Polski"},     {"cs", "Čeština"},
    {"ru", "Русский"},  {"uk", "Українська"}, {"zh_CN", "简体中文"},
};

// "de_AT.UTF-8@euro" without its encoding and modifier: "de_AT".
QString WithoutEncoding(QString locale) {
    for (const QChar end : {QLatin1Char('.'), QLatin1Char('@')})
        if (const qsizetype at = locale.indexOf(end); at >= 0)
            locale.truncate(at);
    return locale.trimmed();
}

} // namespace

std::span<const Language> ShippedLanguages() { return kLanguages; }

bool IsShippedLanguage(const QString& code) {
    return std::ranges::any_of(
        kLanguages, [&](const Language& language) { return code == QLatin1String(language.code); });
}

QString ShippedLanguageOf(const QString& locale) {
    const QString name = WithoutEncoding(locale);
    const QString language = name.section(QLatin1Char('_'), 0, 0).toLower();
    const QString territory = name.section(QLatin1Char('_'), 1, 1).toUpper();
    if (language == QLatin1String("en"))
        return language;
    // Simplified Chinese is written in mainland China and Singapore.
    if (language == QLatin1String("zh"))
        return territory.isEmpty() || territory == QLatin1String("CN") ||
                       territory == QLatin1String("SG")
                   ? QStringLiteral("zh_CN")
                   : QString();
    return IsShippedLanguage(language) ? language : QString();
}

QString DesktopLanguage(const std::function<QString(const char*)>& environment) {
    QString locale;
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (locale = environment(variable); !locale.isEmpty())
            break;
    const QString plain = WithoutEncoding(locale);
    if (plain.isEmpty() || plain == QLatin1String("C") || plain == QLatin1String("POSIX"))
        return {};
    QStringList wanted = environment("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    wanted << locale;
    for (const QString& name : wanted) {
        const QString language = ShippedLanguageOf(name);
        if (language == QLatin1String("en"))
            return {};
        if (!language.isEmpty())
            return language;
    }
    return {};
}

QString ChosenLanguage(const QString& userChoice,
                       const std::function<QString(const char*)>& environment) {
    if (userChoice == QLatin1String("en"))
        return {};
    return IsShippedLanguage(userChoice) ? userChoice : DesktopLanguage(environment);
}

QStringList TranslationFolders() {
    const QString program = QCoreApplication::applicationDirPath();
    return {QDir::cleanPath(program + QStringLiteral("/../share/velmora/translations")),
            QDir::cleanPath(program + QStringLiteral("/../translations"))};
}

bool InstallLanguage(QCoreApplication& application, const QString& code, const QStringList& folders,
                     QObject* owner) {
    if (code.isEmpty())
        return true;
    if (!owner)
        owner = &application;
    // Qt's texts come from the system's Qt; a missing one leaves them English.
    auto* qt = new QTranslator(owner);
    if (qt->load(QStringLiteral("qtbase_") + code,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    for (const QString& folder : folders) {
        auto* velmora = new QTranslator(owner);
        if (velmora->load(QStringLiteral("velmora_") + code, folder)) {
            QCoreApplication::installTranslator(velmora);
            // Dates and the paper's size follow the language the user reads.
            QLocale::setDefault(QLocale(code));
            return true;
        }
        delete velmora;
    }
    return false;
}
