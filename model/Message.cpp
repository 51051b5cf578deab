#include "Message.h"

#include <ostream>

Message Message::Count(int n, const char* one, const char* other) {
    Message message(n == 1 ? one : other);
    if (n != 1)
        message.m_nNumber = n;
    return message;
}

Message& Message::Arg(std::string_view value) & {
    m_values.push_back({std::string(value), nullptr});
    return *this;
}

Message& Message::Arg(const Message& value) & {
    m_values.push_back({{}, std::make_shared<const Message>(value)});
    return *this;
}

std::string Message::English() const {
    if (!m_pattern)
        return {};
    std::vector<std::string> values;
    for (const Value& value : m_values)
        values.push_back(value.message ? value.message->English() : value.text);
    return FillPattern(m_pattern, values, m_nNumber);
}

std::string FillPattern(std::string_view pattern, const std::vector<std::string>& values,
                        int number) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        if (pattern[i] == '%' && next >= '1' && next <= '9' &&
            static_cast<std::size_t>(next - '1') < values.size()) {
            text += values[static_cast<std::size_t>(next - '1')];
            ++i;
        } else if (pattern[i] == '%' && next == 'n' && number >= 0) {
            text += std::to_string(number);
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

bool operator==(const Message& message, std::string_view english) {
    return message.English() == english;
}

void PrintTo(const Message& message, std::ostream* out) { *out << '"' << message.English() << '"'; }
