#pragma once

#include "Message.h"

#include <QString>
#include <QStringList>

#include <string_view>

// The texts of the libraries without Qt in the user's language: their
// messages, the titles of the list's columns and the words of its cells,
// each looked up in the context it was marked for (see Message.h).
QString Tr(const Message& message);
QString TrColumn(std::string_view title);
QString TrValue(std::string_view word);

// Puts the values in for %1 … %9 in one pass: a value that holds "%2" (a file
// named so) stays as it is, unlike after QString::arg one value at a time.
QString FillPattern(const QString& pattern, const QStringList& values);
