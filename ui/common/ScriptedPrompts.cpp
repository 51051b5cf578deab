#include "ScriptedPrompts.h"

#include "DesktopPrompts.h"

#include <QAction>
#include <QDialog>
#include <QMenu>

namespace {

template <class T> T Take(std::deque<T>& queue) {
    if (queue.empty())
        return T{};
    T next = queue.front();
    queue.pop_front();
    return next;
}

// The program's own message box, so that a picture shows what the user sees.
void Present(const CScriptedPrompts& prompts, QWidget* owner, const QString& text,
             QMessageBox::StandardButtons buttons, const QString& informative = {}) {
    if (prompts.onMessage)
        prompts.onMessage(*MakeMessageBox(owner, text, buttons, informative));
}

} // namespace

QString CScriptedPrompts::GetOpenFileName(QWidget*) {
    ++openDialogs;
    return Take(openNames);
}

QString CScriptedPrompts::GetSaveFileName(QWidget*) { return Take(saveNames); }

void CScriptedPrompts::ShowMessage(QWidget* owner, const QString& text,
                                   const QString& informative) {
    messages.push_back(text);
    reasons.push_back(informative);
    Present(*this, owner, text, QMessageBox::Ok, informative);
}

bool CScriptedPrompts::AskYesNo(QWidget* owner, const QString& text) {
    questions.push_back(text);
    Present(*this, owner, text, QMessageBox::Yes | QMessageBox::No);
    return Take(answers);
}

int CScriptedPrompts::RunModal(QDialog& dialog) {
    ++modalDialogs;
    return onModal ? onModal(dialog) : QDialog::Rejected;
}

QAction* CScriptedPrompts::RunMenu(QMenu& menu, const QPoint& globalPos) {
    ++menus;
    QAction* chosen = onMenu ? onMenu(menu, globalPos) : nullptr;
    if (chosen)
        chosen->trigger();
    return chosen;
}

QAction* CScriptedPrompts::FindAction(const QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions())
        if (!action->isSeparator() && action->text().startsWith(text))
            return action;
    return nullptr;
}
