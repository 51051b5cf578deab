#pragma once

#include <QDialog>

class QLineEdit;

// "Find": a small window beside the list that stays above it without
// blocking it. Its buttons ask the owner to find the text forwards or
// backwards; the owner does the finding and tells what it found.
class CFindDlg : public QDialog {
    Q_OBJECT

public:
    explicit CFindDlg(QWidget* owner);

    // Shows the window, or brings it forward, with this text selected.
    void ShowWith(const QString& text);
    QString Text() const;

Q_SIGNALS:
    // Find Next (1) or Find Previous (-1) pressed with this text.
    void findRequested(const QString& text, int direction);

private:
    QLineEdit* m_editText = nullptr;
};
