#pragma once

#include <QApplication>

// The application object: runs the main window modally and ends when it ends.
class CEditorApp : public QApplication {
    Q_OBJECT

public:
    CEditorApp(int& argc, char** argv);

    int Run();
};
