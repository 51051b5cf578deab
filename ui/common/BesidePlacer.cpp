#include "BesidePlacer.h"

#include <QEvent>
#include <QGuiApplication>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace {

// How often and how long the window looks for its frame: 40 times 50 ms;
// every fifth look, whether it stands where it was put.
constexpr int kLookInterval = 50;
constexpr int kLooks = 40;
constexpr int kLooksBetweenPlaces = 5;
constexpr int kMostPlacements = 8;

} // namespace

QRect FrameBeside(const QRect& owner, const QSize& frame, int minWidth, const QRect& keepClear,
                  const QRect& available, int topClear) {
    const auto placedAt = [&](int wantedTop) {
        const int height = std::min(frame.height(), available.height());
        const int top =
            std::max(available.top(), std::min(wantedTop, available.bottom() + 1 - height));
        return [=](int left, int width) { return QRect(left, top, width, height); };
    };
    const auto at = placedAt(owner.top());
    const int rightRoom = available.right() - owner.right(),
              leftRoom = owner.left() - available.left();
    if (frame.width() <= rightRoom)
        return at(owner.right() + 1, frame.width());
    if (frame.width() <= leftRoom)
        return at(owner.left() - frame.width(), frame.width());
    if (std::max(rightRoom, leftRoom) >= minWidth)
        return rightRoom >= leftRoom ? at(owner.right() + 1, rightRoom)
                                     : at(available.left(), leftRoom);
    // A screen too small for both: the owner's list may be covered, its
    // buttons and its menu bar not.
    const auto over = placedAt(std::max(owner.top(), topClear));
    const int beforeButtons = keepClear.isValid() ? keepClear.left() - available.left() : 0;
    if (beforeButtons >= minWidth)
        return over(available.left(), std::min(frame.width(), beforeButtons));
    const int width = std::min(frame.width(), available.width());
    return over(
        std::max(available.left(), std::min(owner.right() + 1, available.right() + 1 - width)),
        width);
}

CBesidePlacer::CBesidePlacer(QWidget& window)
    : QObject(&window), m_window(window), m_pWatch(new QTimer(this)) {
    m_pWatch->setInterval(kLookInterval);
    connect(m_pWatch, &QTimer::timeout, this, &CBesidePlacer::Look);
    window.installEventFilter(this);
}

void CBesidePlacer::Place(const QRect& ownerFrame, const QRect& keepClear, int topClear) {
    m_owner = ownerFrame;
    m_keepClear = keepClear;
    m_nTopClear = topClear;
    m_nLooks = m_nPlacements = 0;
    m_pWatch->start();
    PlaceNow();
}

QMargins CBesidePlacer::FrameMargins() const {
    const QRect frame = m_window.frameGeometry(), client = m_window.geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

QRect CBesidePlacer::PlacedFrame() const {
    const QScreen* screen = QGuiApplication::screenAt(m_owner->center());
    const QRect available = (screen ? screen : m_window.screen())->availableGeometry();
    const QMargins margins = FrameMargins();
    const int extraWidth = margins.left() + margins.right();
    return FrameBeside(*m_owner, {m_window.width() + extraWidth, m_owner->height()},
                       m_window.minimumWidth() + extraWidth, m_keepClear, available, m_nTopClear);
}

void CBesidePlacer::PlaceNow() {
    const QRect frame = PlacedFrame();
    const QMargins margins = FrameMargins();
    m_placedMargins = margins;
    m_placedSize = QSize(
        std::max(m_window.minimumWidth(), frame.width() - margins.left() - margins.right()),
        std::max(m_window.minimumHeight(), frame.height() - margins.top() - margins.bottom()));
    m_bPlacing = true;
    m_window.resize(m_placedSize);
    m_window.move(frame.topLeft());
    m_bPlacing = false;
}

// Placed again when the frame's margins are not those it was placed with, or
// when asked to check the place and it does not stand as it was put.
void CBesidePlacer::PlaceAgainIfNeeded(bool checkPlace) {
    const bool framed = m_window.frameGeometry() != m_window.geometry();
    if (checkPlace && framed && FrameMargins() == m_placedMargins &&
        m_window.frameGeometry() == PlacedFrame()) {
        Stop(); // framed, and where it belongs
        return;
    }
    const bool misplaced = checkPlace && framed && m_window.frameGeometry() != PlacedFrame();
    if (!m_owner || m_nPlacements >= kMostPlacements ||
        (FrameMargins() == m_placedMargins && !misplaced))
        return;
    ++m_nPlacements;
    PlaceNow();
}

void CBesidePlacer::Look() {
    PlaceAgainIfNeeded(m_nLooks % kLooksBetweenPlaces == 0);
    if (++m_nLooks >= kLooks)
        Stop();
}

void CBesidePlacer::Stop() {
    m_pWatch->stop();
    m_owner.reset();
}

bool CBesidePlacer::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &m_window || !m_owner || m_bPlacing)
        return false;
    // A size the window was not given is the user's: the user has the
    // window from now on.
    if (event->type() == QEvent::Resize &&
        static_cast<QResizeEvent*>(event)->size() != m_placedSize) {
        Stop();
        return false;
    }
    if (event->type() == QEvent::Move || event->type() == QEvent::Resize)
        PlaceAgainIfNeeded(false);
    return false;
}
