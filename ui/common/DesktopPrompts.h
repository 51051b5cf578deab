#pragma once

#include "Prompts.h"

#include <QMessageBox>

#include <memory>

// The real dialogs and message boxes.
class CDesktopPrompts final : public Prompts {
public:
    QString GetOpenFileName(QWidget* owner, const QStringList& kinds, const QString& title,
                            const QString& start) override;
    QString GetSaveFileName(QWidget* owner, const QStringList& kinds, const QString& title,
                            const QString& start) override;
    void ShowMessage(QWidget* owner, const QString& text, const QString& informative,
                     const QString& detail) override;
    bool AskYesNo(QWidget* owner, const QString& text) override;
    int RunModal(QDialog& dialog) override;
    QAction* RunMenu(QMenu& menu, const QPoint& globalPos) override;
};

// The program's message box: the warning icon, its name as caption, the text
// and the given buttons. Anything that shows a message builds it here.
std::unique_ptr<QMessageBox> MakeMessageBox(QWidget* owner, const QString& text,
                                            QMessageBox::StandardButtons buttons,
                                            const QString& informative = {},
                                            const QString& detail = {});
