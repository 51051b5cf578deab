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
    std::vector<std::string> texts;
    for (const QString& value : values)
        texts.push_back(value.toStdString());
    return QString::fromStdString(FillPattern(pattern.toStdString(), texts));
}
