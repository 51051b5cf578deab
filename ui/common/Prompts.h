#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

class QAction;
class QDialog;
class QMenu;
class QWidget;

// Everything that waits for the user goes through here: file dialogs,
// messages, the yes/no question, modal dialogs and popup menus. Tests pass a
// scripted stand-in, so no command ever blocks.
class Prompts {
public:
    // The kinds of file the file dialogs offer, as their name filters, in
    // the user's language: "DAT Files (*.DAT)", "CSV Files (*.csv)", "PDF
    // Files (*.pdf)".
    static QString DatFiles();
    static QString CsvFiles();
    static QString PdfFiles();

    virtual ~Prompts() = default;

    // The chosen path, or an empty text when the user cancelled. The dialog
    // offers the kinds of file given, the first one chosen at the start; a
    // name saved without an ending gets the first kind's. A dialog may have a
    // title of its own, and start in a folder, or on a file name in its folder.
    virtual QString GetOpenFileName(QWidget* owner, const QStringList& kinds = {DatFiles()},
                                    const QString& title = {}, const QString& start = {}) = 0;
    virtual QString GetSaveFileName(QWidget* owner, const QStringList& kinds = {DatFiles()},
                                    const QString& title = {}, const QString& start = {}) = 0;
    // A fixed message with the warning icon and an OK button; the informative
    // text, if any, says why in plain words below it, and the detail, if any,
    // is there for the user to unfold (a list of lines, say).
    virtual void ShowMessage(QWidget* owner, const QString& text, const QString& informative = {},
                             const QString& detail = {}) = 0;
    // True for Yes.
    virtual bool AskYesNo(QWidget* owner, const QString& text) = 0;
    // Runs the dialog modally and returns its result (QDialog::Accepted or Rejected).
    virtual int RunModal(QDialog& dialog) = 0;
    // Runs a popup menu; the item chosen is triggered, as a menu does. Returns
    // it, or null when the menu was dismissed.
    virtual QAction* RunMenu(QMenu& menu, const QPoint& globalPos) = 0;
};
