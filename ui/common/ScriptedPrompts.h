#pragma once

#include "Prompts.h"

#include <QString>

#include <deque>
#include <functional>
#include <vector>

class QMessageBox;

// Answers every prompt from a script instead of a user, so that the real
// windows can be driven without one: offscreen by the screenshot tool,
// headless by the tests. Nothing ever blocks. Every window that would wait
// for the user is handed to a callback first, and everything asked is kept.
class CScriptedPrompts final : public Prompts {
public:
    // Paths handed out by the next file dialogs; none left means Cancel.
    std::deque<QString> openNames;
    std::deque<QString> saveNames;
    // Answers to the next yes/no questions; none left means No.
    std::deque<bool> answers;
    // Sees each modal dialog instead of running it and returns its result;
    // unset, every dialog is cancelled.
    std::function<int(QDialog&)> onModal;
    // Sees each popup menu where it would open and returns the item chosen,
    // which is then triggered; unset, every menu is dismissed.
    std::function<QAction*(QMenu&, const QPoint&)> onMenu;
    // Sees each message box, built as the program's own is, instead of running it.
    std::function<void(QMessageBox&)> onMessage;

    std::vector<QString> messages;
    // The informative text and the detail of each message, empty where it
    // had none.
    std::vector<QString> reasons;
    std::vector<QString> details;
    // The kinds of file each file dialog offered; the title of each Open
    // and Save dialog, and the folder or file name each started on (""
    // for the default ones).
    std::vector<QStringList> fileKinds;
    std::vector<QString> saveTitles;
    std::vector<QString> openTitles;
    std::vector<QString> openStarts;
    std::vector<QString> saveStarts;
    std::vector<QString> questions;
    int openDialogs = 0;
    int modalDialogs = 0;
    int menus = 0;

    QString GetOpenFileName(QWidget* owner, const QStringList& kinds = {DatFiles()},
                            const QString& title = {}, const QString& start = {}) override;
    QString GetSaveFileName(QWidget* owner, const QStringList& kinds = {DatFiles()},
                            const QString& title = {}, const QString& start = {}) override;
    void ShowMessage(QWidget* owner, const QString& text, const QString& informative = {},
                     const QString& detail = {}) override;
    bool AskYesNo(QWidget* owner, const QString& text) override;
    int RunModal(QDialog& dialog) override;
    QAction* RunMenu(QMenu& menu, const QPoint& globalPos) override;

    // The item of a menu whose text starts with the given text, or null.
    static QAction* FindAction(const QMenu& menu, const QString& text);
};
