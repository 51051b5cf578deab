#include "WindowPicture.h"

#include <QApplication>
#include <QIcon>
#include <QPainter>
#include <QWidget>

#include <algorithm>

namespace {

constexpr int kBorder = 1;
constexpr int kIconSize = 16;
constexpr int kTitlePadding = 4;
const QColor kBorderColour(0x6f, 0x6f, 0x6f);
const QColor kTitleColour(0xd6, 0xd9, 0xdf);
const QColor kTitleTextColour(0x20, 0x20, 0x20);

// The window's own pixels with the popups painted over them; the canvas grows
// where a popup reaches past the window's right or bottom edge.
QImage ContentsWithPopups(QWidget& window, std::initializer_list<QWidget*> popups) {
    const QImage contents = window.grab().toImage();
    const QPoint origin = window.mapToGlobal(QPoint(0, 0));
    QSize canvas = contents.size();
    for (QWidget* popup : popups) {
        const QRect place(popup->mapToGlobal(QPoint(0, 0)) - origin, popup->size());
        canvas = canvas.expandedTo(QSize(place.right() + 1, place.bottom() + 1));
    }
    QImage picture(canvas, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.drawImage(0, 0, contents);
    for (QWidget* popup : popups)
        painter.drawImage(popup->mapToGlobal(QPoint(0, 0)) - origin, popup->grab().toImage());
    return picture;
}

int TitleBarHeight(const QWidget& window) {
    return std::max(kIconSize, window.fontMetrics().height()) + 2 * kTitlePadding;
}

void DrawTitleBar(QPainter& painter, const QWidget& window, int width) {
    const int height = TitleBarHeight(window);
    painter.fillRect(kBorder, kBorder, width, height, kTitleColour);
    const QIcon icon =
        window.windowIcon().isNull() ? QApplication::windowIcon() : window.windowIcon();
    const int iconTop = kBorder + (height - kIconSize) / 2;
    painter.drawPixmap(kBorder + kTitlePadding, iconTop, icon.pixmap(kIconSize, kIconSize));
    painter.setPen(kTitleTextColour);
    painter.setFont(window.font());
    const QRect textRect(kBorder + 2 * kTitlePadding + kIconSize, kBorder,
                         width - 3 * kTitlePadding - kIconSize, height);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter, window.windowTitle());
}

} // namespace

void Settle(QWidget& window) {
    window.show();
    for (int round = 0; round < 3; ++round)
        QApplication::processEvents();
}

QImage WindowPicture(QWidget& window, std::initializer_list<QWidget*> popups) {
    const QImage contents = ContentsWithPopups(window, popups);
    const int width = window.width();
    const int titleHeight = TitleBarHeight(window);
    const QSize frame(width + 2 * kBorder, window.height() + titleHeight + 2 * kBorder);
    // Popups may stand out past the frame, as open menus do on a desktop.
    const QSize size =
        frame.expandedTo(contents.size() + QSize(2 * kBorder, titleHeight + kBorder));
    QImage picture(size, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.fillRect(QRect(QPoint(0, 0), frame), kBorderColour);
    DrawTitleBar(painter, window, width);
    painter.drawImage(kBorder, kBorder + titleHeight, contents);
    return picture;
}

QImage SideBySide(const QImage& left, const QImage& right) {
    QImage picture(left.width() + right.width(), std::max(left.height(), right.height()),
                   QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.drawImage(0, 0, left);
    painter.drawImage(left.width(), 0, right);
    return picture;
}
