#pragma once

#include <QString>

#include <functional>

class Prompts;
class QWidget;

// Runs the work of one command of a window. No exception may cross Qt's event
// loop, so whatever the work throws ends the command there; the command's
// fixed failure message is then shown, unless it has none (an empty text).
// Every handler of every window runs its work through here.
void RunCommand(Prompts& prompts, QWidget* owner, const QString& failureMessage,
                const std::function<void()>& work);
