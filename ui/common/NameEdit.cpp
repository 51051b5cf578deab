#include "NameEdit.h"

#include "NameRules.h"

#include <QValidator>

namespace {

// Judges the whole text after every change, so a paste is held to the same
// characters as typing: a text with anything outside the name code is refused
// whole.
class CNameValidator : public QValidator {
public:
    explicit CNameValidator(QObject* parent) : QValidator(parent) {}

    State validate(QString& input, int&) const override {
        for (QChar c : input)
            if (c.unicode() == 0 || c.unicode() >= 0x80)
                return Invalid;
        std::string text = input.toStdString();
        if (!NormalizeNameText(text))
            return Invalid;
        input = QString::fromStdString(text);
        return Acceptable;
    }
};

} // namespace

CNameEdit::CNameEdit(QWidget* parent) : QLineEdit(parent) {
    setValidator(new CNameValidator(this));
}
