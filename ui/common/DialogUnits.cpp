#include "DialogUnits.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QLineEdit>
#include <QPair>
#include <QPushButton>
#include <QWidget>

#include <algorithm>

namespace {

int MulDiv(int value, int numerator, int denominator) {
    const long long product = static_cast<long long>(value) * numerator;
    const long long half = denominator / 2;
    return static_cast<int>(product >= 0 ? (product + half) / denominator
                                         : (product - half) / denominator);
}

} // namespace

CDialogUnits::CDialogUnits(const QFont& font) {
    // Measuring text is by far the slowest part of building a window, and
    // every window asks for the same font; remember the answer per font.
    static QHash<QString, QPair<int, int>> known;
    const QString key = font.key();
    auto found = known.constFind(key);
    if (found == known.constEnd()) {
        const QFontMetrics metrics(font);
        const int letters = metrics.horizontalAdvance(
            QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
        found =
            known.insert(key, {std::max(1, (letters / 26 + 1) / 2), std::max(1, metrics.height())});
    }
    m_nBaseX = found->first;
    m_nBaseY = found->second;
}

int CDialogUnits::X(int units) const { return MulDiv(units, m_nBaseX, 4); }
int CDialogUnits::Y(int units) const { return MulDiv(units, m_nBaseY, 8); }

QRect CDialogUnits::Rect(int x, int y, int width, int height) const {
    return {X(x), Y(y), X(width), Y(height)};
}

QSize CDialogUnits::Size(int width, int height) const { return {X(width), Y(height)}; }

int CDialogUnits::ColumnWidth(int pixelsAtBase6) const {
    return MulDiv(pixelsAtBase6, m_nBaseX, 6);
}

namespace {

// Room on each side of a push button's text, in dialog units.
constexpr int kButtonPadding = 4;

// The width a control needs. The style's hint is too generous for two kinds:
// a push button's includes a minimum width that would push narrow template
// buttons into each other, and an edit box's asks for 17 characters where
// the template's boxes hold a few. Those need their text, or the template.
int NeededWidth(const QWidget* control, const CDialogUnits& units) {
    if (const auto* button = qobject_cast<const QPushButton*>(control))
        return button->fontMetrics().horizontalAdvance(button->text()) +
               2 * units.X(kButtonPadding);
    if (qobject_cast<const QLineEdit*>(control))
        return 0;
    return control->sizeHint().width();
}

} // namespace

void PlaceControl(QWidget* control, const CDialogUnits& units, int x, int y, int width,
                  int height) {
    QRect rect = units.Rect(x, y, width, height);
    const QSize hint(NeededWidth(control, units), control->sizeHint().height());
    if (hint.width() > rect.width())
        rect.setWidth(hint.width());
    if (hint.height() > rect.height()) {
        const int grow = hint.height() - rect.height();
        rect.setTop(std::max(0, rect.top() - grow / 2));
        rect.setHeight(hint.height());
    }
    control->setGeometry(rect);
}
