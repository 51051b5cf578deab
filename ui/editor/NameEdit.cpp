#include "NameEdit.h"

#include "Channel.h"

#include <QValidator>

namespace {

bool IsNameChar(QChar c) {
    if (c.unicode() == 0 || c.unicode() >= 0x80)
        return false;
    try {
        CChannel::EncodeNameChar(static_cast<char>(c.unicode()));
        return true;
    } catch (...) {
        return false;
    }
}

// Judges the whole text after every change, so a paste is held to the same
// characters as typing: a text with anything outside the name code is refused
// whole.
class CNameValidator : public QValidator {
public:
    explicit CNameValidator(QObject* parent) : QValidator(parent) {}

    State validate(QString& input, int&) const override {
        for (QChar& c : input) {
            if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
                c = c.toUpper();
            if (!IsNameChar(c))
                return Invalid;
        }
        return Acceptable;
    }
};

} // namespace

CNameEdit::CNameEdit(QWidget* parent) : QLineEdit(parent) {
    setValidator(new CNameValidator(this));
}
