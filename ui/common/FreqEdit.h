#pragma once

#include <QLineEdit>

// The RX and TX boxes: only digits and one point can be typed (a comma is
// taken for the point). Pasted text goes in as it is; the frequency rules
// read any text.
class CFreqEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit CFreqEdit(QWidget* parent = nullptr);

signals:
    // The user moved the focus elsewhere within the dialog.
    void focusLeft();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // Whether the text held a point before the key now being handled.
    bool m_bPoint = false;
};
