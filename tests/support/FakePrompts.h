#pragma once

#include "Prompts.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QString>

#include <deque>
#include <functional>
#include <vector>

// Answers every prompt from a script and records what was asked, so that
// commands run headless and never block.
class FakePrompts : public Prompts {
public:
    // Paths handed out by the next file dialogs; an empty queue cancels.
    std::deque<QString> openNames;
    std::deque<QString> saveNames;
    // Answers to the next questions; an empty queue answers No.
    std::deque<bool> answers;
    // Called for each modal dialog; the default cancels it.
    std::function<int(QDialog&)> onModal;
    // Called for each popup menu; returns the chosen action, which is then
    // triggered as the menu would.
    std::function<QAction*(QMenu&)> onMenu;

    std::vector<QString> messages;
    std::vector<QString> questions;
    int openDialogs = 0;
    int modalDialogs = 0;
    int menus = 0;

    QString GetOpenFileName(QWidget*) override {
        ++openDialogs;
        return Take(openNames);
    }
    QString GetSaveFileName(QWidget*) override { return Take(saveNames); }
    void ShowMessage(QWidget*, const QString& text) override { messages.push_back(text); }
    bool AskYesNo(QWidget*, const QString& text) override {
        questions.push_back(text);
        return Take(answers);
    }
    int RunModal(QDialog& dialog) override {
        ++modalDialogs;
        return onModal ? onModal(dialog) : QDialog::Rejected;
    }
    QAction* RunMenu(QMenu& menu, const QPoint&) override {
        ++menus;
        QAction* chosen = onMenu ? onMenu(menu) : nullptr;
        if (chosen)
            chosen->trigger();
        return chosen;
    }

    // The action of a menu whose text starts with the given text.
    static QAction* FindAction(QMenu& menu, const QString& text) {
        for (QAction* action : menu.actions())
            if (!action->isSeparator() && action->text().startsWith(text))
                return action;
        return nullptr;
    }

private:
    template <class T> static T Take(std::deque<T>& queue) {
        if (queue.empty())
            return T{};
        T next = queue.front();
        queue.pop_front();
        return next;
    }
};
