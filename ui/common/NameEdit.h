#pragma once

#include <QLineEdit>

// The Name box: takes, typed or pasted, only the characters a channel name
// can hold, and turns lower-case letters into capitals, so every text it
// holds can be stored as it is.
class CNameEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit CNameEdit(QWidget* parent = nullptr);
};
