#pragma once

#include "Prompts.h"

// The real dialogs and message boxes.
class CDesktopPrompts final : public Prompts {
public:
    QString GetOpenFileName(QWidget* owner) override;
    QString GetSaveFileName(QWidget* owner) override;
    void ShowMessage(QWidget* owner, const QString& text) override;
    bool AskYesNo(QWidget* owner, const QString& text) override;
    int RunModal(QDialog& dialog) override;
    QAction* RunMenu(QMenu& menu, const QPoint& globalPos) override;
};
