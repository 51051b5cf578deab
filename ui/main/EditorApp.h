#pragma once

#include <QApplication>

#include <string>
#include <vector>

// The application object: runs the main window modally and ends when it ends.
class CEditorApp : public QApplication {
    Q_OBJECT

public:
    CEditorApp(int& argc, char** argv);

    int Run();

private:
    // The arguments Qt left, as the bytes the system gave.
    std::vector<std::string> m_arguments;
};
