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
             QMessageBox::StandardButtons buttons, const QString& informative = {},
             const QString& detail = {}) {
    if (prompts.onMessage)
        prompts.onMessage(*MakeMessageBox(owner, text, buttons, informative, detail));
}

} // namespace

QString CScriptedPrompts::GetOpenFileName(QWidget*, const QStringList& kinds, const QString& title,
                                          const QString& start) {
    ++openDialogs;
    openTitles.push_back(title);
    openStarts.push_back(start);
    fileKinds.push_back(kinds);
    return Take(openNames);
}

QString CScriptedPrompts::GetSaveFileName(QWidget*, const QStringList& kinds, const QString& title,
                                          const QString& start) {
    fileKinds.push_back(kinds);
    saveTitles.push_back(title);
    saveStarts.push_back(start);
    return Take(saveNames);
}

void CScriptedPrompts::ShowMessage(QWidget* owner, const QString& text, const QString& informative,
                                   const QString& detail) {
    messages.push_back(text);
    reasons.push_back(informative);
    details.push_back(detail);
    Present(*this, owner, text, QMessageBox::Ok, informative, detail);
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
