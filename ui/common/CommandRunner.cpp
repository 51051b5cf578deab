#include "CommandRunner.h"

#include "Prompts.h"

#include <QCoreApplication>

void RunCommand(Prompts& prompts, QWidget* owner, const QString& failureMessage,
                const std::function<void()>& work, const std::function<QString()>& reason) {
    try {
        work();
        return;
    } catch (...) {
        // The message is shown outside the handler, once the work has
        // unwound; anything the work left half done it undoes itself.
    }
    if (failureMessage.isEmpty())
        return;
    try {
        prompts.ShowMessage(owner, failureMessage, reason ? reason() : QString());
    } catch (...) {
        // Even the message could not be shown; the window goes on as it is.
    }
}

QString OpenFailed() { return QCoreApplication::translate("Failures", "Open operation failed."); }

QString SaveFailed() { return QCoreApplication::translate("Failures", "Save operation failed."); }

QString ExportFailed() {
    return QCoreApplication::translate("Failures", "Export operation failed.");
}

QString PrintFailed() { return QCoreApplication::translate("Failures", "Print operation failed."); }

QString DialogFailed() { return QCoreApplication::translate("Failures", "Error creating Dialog"); }
