// velmora-screenshots [--lang CODE] OUTPUT-FOLDER [EXAMPLES-FOLDER]
//
// Draws the pictures of the user guide from the program's real windows on
// Qt's offscreen platform, with the example DAT files, so that they can be
// made again whenever a window changes; in a shipped language, or in the
// made-up one ("pseudo") that shows what no translator has yet, if asked.
#include "Languages.h"
#include "ProgramInfo.h"
#include "PseudoLanguage.h"
#include "ScreenshotTour.h"
#include "Settings.h"

#include <QApplication>
#include <QFile>
#include <QLocale>
#include <QStyleFactory>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

namespace {

// The offscreen platform cannot stack windows and says so on every raise(),
// and a session without a runtime folder is told where Qt put one; neither
// matters to the pictures.
void QuietMessages(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text.startsWith(QLatin1String("This plugin does not support")) ||
        text.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set")))
        return;
    std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, text)));
}

} // namespace

int main(int argc, char** argv) {
    QString language;
    if (argc >= 3 && std::strcmp(argv[1], "--lang") == 0) {
        language = QString::fromLocal8Bit(argv[2]);
        argv[2] = argv[0];
        argc -= 2;
        argv += 2;
    }
    if (argc < 2 || argc > 3 ||
        (!language.isEmpty() && language != "pseudo" && !IsShippedLanguage(language))) {
        std::fprintf(stderr, "usage: %s [--lang CODE] OUTPUT-FOLDER [EXAMPLES-FOLDER]\n", argv[0]);
        return 2;
    }
    // The same platform and style everywhere, so that the pictures do not
    // depend on the desktop of whoever makes them: a screen as wide as a
    // common desktop's, which the windows fit themselves into.
    QTemporaryDir platform;
    QFile screen(platform.filePath(QStringLiteral("screen.json")));
    if (!screen.open(QIODevice::WriteOnly) ||
        screen.write(R"({"screens": [{"name": "Screen", "x": 0, "y": 0, "width": 1920,)"
                     R"( "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})") < 0)
        return 1;
    screen.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screen.fileName().toLocal8Bit());
    qInstallMessageHandler(QuietMessages);
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Dates and paper as in Britain: A4 pages.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    QApplication::setApplicationName(kProgramName);
    QApplication::setWindowIcon(ProgramIcon());
    CPseudoTranslator pseudo;
    if (language == QLatin1String("pseudo"))
        QCoreApplication::installTranslator(&pseudo);
    // A translator's own .qm files first (VELMORA_QM_DIR), then the build's.
    else if (!InstallLanguage(
                 app, language,
                 {qEnvironmentVariable("VELMORA_QM_DIR"), QStringLiteral(VELMORA_QM_DIR)}))
        std::fprintf(stderr, "no translation for %s\n", qPrintable(language));
    // The windows as they first open, whatever the user's own remember.
    const QTemporaryDir settings;
    CSettings::UseFile(settings.filePath(QStringLiteral("settings.ini")));

    const QString examples =
        argc == 3 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(VELMORA_EXAMPLES_DIR);
    CScreenshotTour tour(QString::fromLocal8Bit(argv[1]), examples);
    return tour.Run() ? 0 : 1;
}
