#pragma once

#include <QEvent>

// Private messages posted to the main window by the windows it opens.
inline constexpr QEvent::Type UM_ROWS_COPIED = static_cast<QEvent::Type>(QEvent::User + 1);
inline constexpr QEvent::Type UM_SELECT_NEXT_ROW = static_cast<QEvent::Type>(QEvent::User + 2);
inline constexpr QEvent::Type UM_SELECT_PREV_ROW = static_cast<QEvent::Type>(QEvent::User + 3);
