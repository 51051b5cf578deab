#include "FreqEdit.h"

#include "FrequencyRules.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace {

// Keys that type a character the box must judge. Ctrl and Alt combinations
// are editing shortcuts (copy, paste, undo), and Enter, Esc and Delete are
// keys of the box or the dialog, not characters.
bool IsTypedCharacter(const QKeyEvent* event) {
    if (event->text().size() != 1)
        return false;
    if (event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    const QChar typed = event->text().at(0);
    return typed.isPrint() || typed == QLatin1Char('\b');
}

} // namespace

CFreqEdit::CFreqEdit(QWidget* parent) : QLineEdit(parent) {}

void CFreqEdit::keyPressEvent(QKeyEvent* event) {
    m_bPoint = text().contains(QLatin1Char('.'));
    if (!IsTypedCharacter(event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const char16_t code = event->text().at(0).unicode();
    const char typed = code < 0x80 ? static_cast<char>(code) : '\0';
    const char accepted = typed == '\0' ? '\0' : FilterFrequencyChar(typed, m_bPoint);
    if (accepted == '\0') {
        event->accept();
        return;
    }
    if (accepted == typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent point(QEvent::KeyPress, Qt::Key_Period, Qt::NoModifier, QStringLiteral("."));
    QLineEdit::keyPressEvent(&point);
}

void CFreqEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // A context menu or a message box over the dialog takes the focus only for
    // a moment; the text must stay as typed meanwhile.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        emit focusLeft();
}
