#include "ScriptedPrompts.h"

#include "DesktopPrompts.h"

#include <QAction>
#include <QDialog>

namespace {

// The program's own message box, so that the picture shows what the user sees.
void PresentMessage(CScriptedPrompts& prompts, QWidget* owner, const QString& text,
                    QMessageBox::StandardButtons buttons) {
    prompts.shown.push_back(text);
    const std::unique_ptr<QMessageBox> box = MakeMessageBox(owner, text, buttons);
    if (prompts.onMessage)
        prompts.onMessage(*box);
}

} // namespace

QString CScriptedPrompts::GetOpenFileName(QWidget*) {
    if (openNames.empty())
        return {};
    QString next = openNames.front();
    openNames.pop_front();
    return next;
}

// The pictures never need a saved file.
QString CScriptedPrompts::GetSaveFileName(QWidget*) { return {}; }

void CScriptedPrompts::ShowMessage(QWidget* owner, const QString& text) {
    PresentMessage(*this, owner, text, QMessageBox::Ok);
}

bool CScriptedPrompts::AskYesNo(QWidget* owner, const QString& text) {
    PresentMessage(*this, owner, text, QMessageBox::Yes | QMessageBox::No);
    return answer;
}

int CScriptedPrompts::RunModal(QDialog& dialog) {
    return onModal ? onModal(dialog) : QDialog::Rejected;
}

QAction* CScriptedPrompts::RunMenu(QMenu& menu, const QPoint& globalPos) {
    QAction* chosen = onMenu ? onMenu(menu, globalPos) : nullptr;
    if (chosen)
        chosen->trigger();
    return chosen;
}
