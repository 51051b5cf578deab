#pragma once

#include "Prompts.h"

#include <QString>

#include <deque>
#include <functional>
#include <vector>

class QMessageBox;

// Answers the program's prompts from a script, so that the real windows can
// be driven offscreen; every window that would wait for the user is handed
// to a callback first, which may take its picture.
class CScriptedPrompts final : public Prompts {
public:
    // Paths handed out by the next Open dialogs; none left means Cancel.
    std::deque<QString> openNames;
    // Sees each modal dialog instead of running it and returns its result;
    // unset, every dialog is cancelled.
    std::function<int(QDialog&)> onModal;
    // Sees each popup menu where it would open and returns the chosen item;
    // unset, every menu is dismissed.
    std::function<QAction*(QMenu&, const QPoint&)> onMenu;
    // Sees each message box, built as the program's own is, instead of running it.
    std::function<void(QMessageBox&)> onMessage;
    // The answer to the next yes/no questions.
    bool answer = false;
    // Every message and question shown so far.
    std::vector<QString> shown;

    QString GetOpenFileName(QWidget* owner) override;
    QString GetSaveFileName(QWidget* owner) override;
    void ShowMessage(QWidget* owner, const QString& text) override;
    bool AskYesNo(QWidget* owner, const QString& text) override;
    int RunModal(QDialog& dialog) override;
    QAction* RunMenu(QMenu& menu, const QPoint& globalPos) override;
};
