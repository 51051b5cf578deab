// velmora-screenshots OUTPUT-FOLDER [EXAMPLES-FOLDER]
//
// Draws the pictures of the user guide from the program's real windows on
// Qt's offscreen platform, with the example DAT files, so that they can be
// made again whenever a window changes.
#include "ProgramInfo.h"
#include "ScreenshotTour.h"
#include "Settings.h"

#include <QApplication>
#include <QLocale>
#include <QStyleFactory>
#include <QTemporaryDir>

#include <cstdio>

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
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: %s OUTPUT-FOLDER [EXAMPLES-FOLDER]\n", argv[0]);
        return 2;
    }
    // The same platform and style everywhere, so that the pictures do not
    // depend on the desktop of whoever makes them.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietMessages);
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    // Dates and paper as in Britain: A4 pages.
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    QApplication::setApplicationName(kProgramName);
    QApplication::setWindowIcon(ProgramIcon());
    // The windows as they first open, whatever the user's own remember.
    const QTemporaryDir settings;
    CSettings::UseFile(settings.filePath(QStringLiteral("settings.ini")));

    const QString examples =
        argc == 3 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(VELMORA_EXAMPLES_DIR);
    CScreenshotTour tour(QString::fromLocal8Bit(argv[1]), examples);
    return tour.Run() ? 0 : 1;
}
