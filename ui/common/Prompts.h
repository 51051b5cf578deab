#pragma once

#include <QPoint>
#include <QString>

class QAction;
class QDialog;
class QMenu;
class QWidget;

// Everything that waits for the user goes through here: file dialogs,
// messages, the yes/no question, modal dialogs and popup menus. Tests pass a
// scripted stand-in, so no command ever blocks.
class Prompts {
public:
    virtual ~Prompts() = default;

    // The chosen path, or an empty text when the user cancelled.
    virtual QString GetOpenFileName(QWidget* owner) = 0;
    virtual QString GetSaveFileName(QWidget* owner) = 0;
    // A fixed message with the warning icon and an OK button; the informative
    // text, if any, says why in plain words below it.
    virtual void ShowMessage(QWidget* owner, const QString& text,
                             const QString& informative = {}) = 0;
    // True for Yes.
    virtual bool AskYesNo(QWidget* owner, const QString& text) = 0;
    // Runs the dialog modally and returns its result (QDialog::Accepted or Rejected).
    virtual int RunModal(QDialog& dialog) = 0;
    // Runs a popup menu; the item chosen is triggered, as a menu does. Returns
    // it, or null when the menu was dismissed.
    virtual QAction* RunMenu(QMenu& menu, const QPoint& globalPos) = 0;
};
