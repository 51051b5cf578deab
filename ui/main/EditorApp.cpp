#include "EditorApp.h"

#include "DesktopPrompts.h"
#include "MainDlg.h"
#include "ProgramInfo.h"

#include <csignal>

CEditorApp::CEditorApp(int& argc, char** argv) : QApplication(argc, argv) {
    setApplicationName(kProgramName);
    setApplicationVersion(kProgramVersion);
    setWindowIcon(ProgramIcon());
#ifdef SIGXFSZ
    // Past a file-size limit a write must fail and be reported, not end the
    // program with the user's changes unsaved.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
}

int CEditorApp::Run() {
    CDesktopPrompts prompts;
    CMainDlg window(prompts);
    window.exec();
    return 0;
}
