#pragma once

#include <QRect>
#include <QSize>

class QFont;
class QWidget;

// Converts dialog-template units to pixels from a font, the way dialog
// templates have always been laid out: a horizontal unit is a quarter of the
// average letter width, a vertical unit an eighth of the font height.
class CDialogUnits {
public:
    explicit CDialogUnits(const QFont& font);

    int X(int units) const;
    int Y(int units) const;
    QRect Rect(int x, int y, int width, int height) const;
    QSize Size(int width, int height) const;
    // Column widths are written for a 6-pixel horizontal base unit.
    int ColumnWidth(int pixelsAtBase6) const;

private:
    int m_nBaseX;
    int m_nBaseY;
};

// Puts a control at its template rectangle. Where the user's font makes the
// control need more room than the template gives, the rectangle grows: wider
// to the right, taller about its vertical centre, so that no text is clipped.
void PlaceControl(QWidget* control, const CDialogUnits& units, int x, int y, int width, int height);
