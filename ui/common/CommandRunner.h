#pragma once

#include <QString>

#include <functional>

class Prompts;
class QWidget;

// Runs the work of one command of a window. No exception may cross Qt's event
// loop, so whatever the work throws ends the command there; the command's
// fixed failure message is then shown, unless it has none (an empty text),
// with the reason, if one is given, as its informative text: the reason is
// asked only after the work has failed, so it can look at what went wrong.
// Every handler of every window runs its work through here.
void RunCommand(Prompts& prompts, QWidget* owner, const QString& failureMessage,
                const std::function<void()>& work, const std::function<QString()>& reason = {});

// The failure messages the windows share, in the user's language.
QString OpenFailed();   // "Open operation failed."
QString SaveFailed();   // "Save operation failed."
QString ExportFailed(); // "Export operation failed."
QString PrintFailed();  // "Print operation failed."
QString DialogFailed(); // "Error creating Dialog"
