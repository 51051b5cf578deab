#include "DialogUnits.h"

#include <QFont>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHash>
#include <QLineEdit>
#include <QMenuBar>
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
    PlaceControlAt(control, units, units.Rect(x, y, width, height));
}

void PlaceControlAt(QWidget* control, const CDialogUnits& units, QRect rect) {
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

namespace {

// The controls of a template window: its own children, as placed.
std::vector<QWidget*> ControlsOf(QWidget& parent) {
    std::vector<QWidget*> controls;
    for (QObject* child : parent.children()) {
        auto* control = qobject_cast<QWidget*>(child);
        if (control && !control->isWindow() && !control->isHidden() &&
            !qobject_cast<QMenuBar*>(control))
            controls.push_back(control);
    }
    return controls;
}

bool SameRows(const QRect& a, const QRect& b) {
    return a.top() <= b.bottom() && b.top() <= a.bottom();
}

int RightOf(const std::vector<QWidget*>& controls) {
    int right = 0;
    for (const QWidget* control : controls)
        right = std::max(right, control->geometry().right() + 1);
    return right;
}

} // namespace

int SpreadControls(QWidget& parent, const CDialogUnits& units) {
    const std::vector<QWidget*> controls = ControlsOf(parent);
    const int before = RightOf(controls);
    // A column of buttons stays a column.
    QHash<int, int> widest;
    for (const QWidget* control : controls)
        if (qobject_cast<const QPushButton*>(control))
            widest[control->x()] = std::max(widest.value(control->x()), control->width());
    for (QWidget* control : controls)
        if (qobject_cast<QPushButton*>(control))
            control->resize(widest.value(control->x()), control->height());
    // A frame is drawn around the controls beside it; it is never in the way.
    const auto inTheWay = [](const QWidget* control) {
        return !qobject_cast<const QGroupBox*>(control);
    };
    const int gap = units.X(2);
    for (std::size_t round = 0; round < controls.size() * controls.size(); ++round) {
        const QWidget *first = nullptr, *next = nullptr;
        for (const QWidget* a : controls)
            for (const QWidget* b : controls) {
                const QRect ra = a->geometry(), rb = b->geometry();
                if (a == b || !inTheWay(a) || !inTheWay(b) || ra.left() >= rb.left() ||
                    !SameRows(ra, rb) || ra.right() + units.X(1) < rb.left())
                    continue;
                if (!next || rb.left() < next->x()) {
                    first = a;
                    next = b;
                }
            }
        if (!next)
            break;
        const int strip = first->geometry().right() + 1 + gap - next->x();
        const int at = next->x();
        QRect row = first->geometry() | next->geometry();
        for (QWidget* control : controls) {
            QRect rect = control->geometry();
            if (rect.left() >= at)
                rect.translate(strip, 0);
            else if (rect.right() >= at && (!inTheWay(control) || !SameRows(rect, row)))
                rect.setWidth(rect.width() + strip);
            control->setGeometry(rect);
        }
    }
    return std::max(0, RightOf(controls) - before);
}
