#include "EditorApp.h"

#include "CommandLine.h"
#include "DesktopPrompts.h"
#include "Languages.h"
#include "MainDlg.h"
#include "ProgramInfo.h"
#include "Settings.h"

#include <QCommandLineParser>
#include <QTimer>

#include <algorithm>
#include <csignal>

CEditorApp::CEditorApp(int& argc, char** argv)
    : QApplication(argc, argv), m_arguments(argv + std::min(argc, 1), argv + argc) {
    setApplicationName(kProgramName);
    setApplicationVersion(kProgramVersion);
    setWindowIcon(ProgramIcon());
    InstallLanguage(
        *this,
        ChosenLanguage(CSettings::Get().Language(),
                       [](const char* variable) { return qEnvironmentVariable(variable); }),
        TranslationFolders());
#ifdef SIGXFSZ
    // Past a file-size limit a write must fail and be reported, not end the
    // program with the user's changes unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

int CEditorApp::Run() {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Edits the channel memory files of TG-UV2 and TG-6A radios."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral("A DAT file to open (a path or a file:// URL); its size chooses the radio."),
        QStringLiteral("[file]"));
    parser.process(*this);
    CDesktopPrompts prompts;
    CMainDlg window(prompts);
    // Opened once the window is on the screen, so that a message about the
    // file stands over it.
    if (const CommandLineFiles files = CommandLineFiles::From(m_arguments); !files.open.empty())
        QTimer::singleShot(0, &window, [&window, files] { window.OpenGiven(files); });
    window.exec();
    // What the window's last moments changed (its frame) has had no event
    // loop to write it.
    CSettings::Get().Write();
    return 0;
}
