#pragma once

#include <QMargins>
#include <QObject>
#include <QRect>
#include <QSize>

#include <optional>

class QTimer;
class QWidget;

// Where a window's frame goes beside its owner's frame, in the available
// area of the screen: against the owner's right edge where the whole frame
// fits, else against its left edge; else narrower, down to minWidth, on the
// side with more room; else over the owner's part left of keepClear (its
// buttons), as wide as that leaves, and below topClear (its menu bar); only
// when even that is narrower than minWidth, as far right as the area lets it.
// It is the owner's height and stands at the owner's top (or at topClear
// when over the owner), both within the area.
QRect FrameBeside(const QRect& owner, const QSize& frame, int minWidth, const QRect& keepClear,
                  const QRect& available, int topClear = 0);

// Places a window beside its owner (FrameBeside), and again while a window
// manager is still framing it: the frame may reach the window late, or change
// once more, and the window manager may pass over a request or apply two out
// of turn. It stops once the framed window stands where it was put, after
// two seconds, or at the user's first own resize: never wrestling with a
// window manager or a user.
class CBesidePlacer : public QObject {
    Q_OBJECT

public:
    explicit CBesidePlacer(QWidget& window);

    // ownerFrame, keepClear and topClear in the screen's coordinates.
    void Place(const QRect& ownerFrame, const QRect& keepClear, int topClear);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QRect PlacedFrame() const;
    QMargins FrameMargins() const;
    void PlaceNow();
    void PlaceAgainIfNeeded(bool checkPlace);
    void Look();
    void Stop();

    QWidget& m_window;
    std::optional<QRect> m_owner;
    QRect m_keepClear;
    int m_nTopClear = 0;
    QMargins m_placedMargins;
    QSize m_placedSize;
    bool m_bPlacing = false;
    int m_nPlacements = 0;
    QTimer* m_pWatch = nullptr;
    int m_nLooks = 0;
};
