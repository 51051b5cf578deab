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
// The same at a rectangle in pixels.
void PlaceControlAt(QWidget* control, const CDialogUnits& units, QRect rect);

// Moves apart the controls of a window laid out from a template where their
// texts made some wider than the template left room for (another language,
// another font): where a control reaches into the next one in its row, a
// strip as wide as needed is put in at the next one's left edge, and every
// control there or right of it moves right, while those that cross the strip
// in other rows (a list, a frame) grow across it; so columns stay aligned.
// Push buttons that share a left edge are given one width first. Returns how
// much further right the controls now reach.
int SpreadControls(QWidget& parent, const CDialogUnits& units);
