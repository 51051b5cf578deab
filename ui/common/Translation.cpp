#include "Translation.h"

#include <QCoreApplication>

namespace {

QString Translate(const char* context, std::string_view text) {
    const std::string source(text);
    return QCoreApplication::translate(context, source.c_str());
}

} // namespace

QString Tr(const Message& message) {
    if (message.empty())
        return {};
    const QString pattern =
        QCoreApplication::translate("Messages", message.Pattern(), nullptr, message.Number());
    QStringList values;
    for (const Message::Value& value : message.Values())
        values << (value.message ? Tr(*value.message) : QString::fromStdString(value.text));
    return FillPattern(pattern, values);
}

QString TrColumn(std::string_view title) { return Translate("Columns", title); }

QString TrValue(std::string_view word) { return Translate("Values", word); }

QString TrCell(const ColumnInfo& column, std::string_view text) {
    if (column.editor == CellEditor::kList || column.editor == CellEditor::kOnOff)
        return TrValue(text);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString FillPattern(const QString& pattern, const QStringList& values) {
    QString text;
    text.reserve(pattern.size());
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar next = i + 1 < pattern.size() ? pattern[i + 1] : QChar();
        const int index = next.digitValue() - 1;
        if (pattern[i] == QLatin1Char('%') && next.isDigit() && index >= 0 &&
            index < values.size()) {
            text += values[index];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}
