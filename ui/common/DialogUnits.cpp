#include "DialogUnits.h"

#include <QFont>
#include <QFontMetrics>
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
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_nBaseX = (letters / 26 + 1) / 2;
    m_nBaseY = metrics.height();
    if (m_nBaseX < 1)
        m_nBaseX = 1;
    if (m_nBaseY < 1)
        m_nBaseY = 1;
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

void PlaceControl(QWidget* control, const CDialogUnits& units, int x, int y, int width,
                  int height) {
    QRect rect = units.Rect(x, y, width, height);
    const QSize hint = control->sizeHint();
    if (hint.width() > rect.width())
        rect.setWidth(hint.width());
    if (hint.height() > rect.height()) {
        const int grow = hint.height() - rect.height();
        rect.setTop(std::max(0, rect.top() - grow / 2));
        rect.setHeight(hint.height());
    }
    control->setGeometry(rect);
}
