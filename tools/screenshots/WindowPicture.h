#pragma once

#include <QImage>

#include <initializer_list>

class QWidget;

// Pictures of the program's windows as they appear on a desktop. Offscreen
// windows have no frame, so each picture gets a plain title bar of its own
// with the window's icon and title.

// Shows the window and lets it finish laying itself out and painting.
void Settle(QWidget& window);

// The window under its title bar, with the given popups (open menus) drawn
// over it where they stand on the screen.
QImage WindowPicture(QWidget& window, std::initializer_list<QWidget*> popups = {});

// Two pictures next to each other, tops aligned, as two windows placed side
// by side.
QImage SideBySide(const QImage& left, const QImage& right);
