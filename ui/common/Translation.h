#pragma once

#include "ChannelColumns.h"
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
// A cell's text as a list shows it: the words of a column of settings
// ("High", "OFF") in the user's language, names and numbers as they are.
QString TrCell(const ColumnInfo& column, std::string_view text);

// The libraries' FillPattern for Qt texts: the values in for %1 … %9 in one
// pass, so that a value that holds "%2" (a file named so) stays as it is,
// unlike after QString::arg one value at a time.
QString FillPattern(const QString& pattern, const QStringList& values);
