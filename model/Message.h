#pragma once

#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// Marks an English text for Qt's translation tools, which read VM_TR as
// QT_TRANSLATE_NOOP and VM_TR_N as QT_TRANSLATE_N_NOOP (a text with a count
// in it, %n): the code keeps the English text, and a window looks it up in
// the context named. The libraries without Qt use three: "Messages" (reasons
// and findings), "Columns" (the titles of the list's columns) and "Values"
// (the words a list's cells show, such as "High" or "OFF").
#define VM_TR(context, text) text
#define VM_TR_N(context, text) text

// A text for the user with its values kept apart, so that a window can show
// it in the user's language and a translator may put the values where the
// language wants them: an English pattern marked with VM_TR("Messages", …),
// with %1 … %9 where the values go, and the values, each either a text that
// is not translated (a number, a frequency, a file name) or a message of its
// own. The command line and the tests read it in English.
class Message {
public:
    Message() = default;
    // A pattern marked with VM_TR("Messages", …).
    Message(const char* pattern) : m_pattern(pattern) {}

    // One of two patterns by a count: `one` (VM_TR) when it is 1, `other`
    // (VM_TR_N, the count in it as %n) for any other; a translation may have
    // as many forms as its language needs.
    static Message Count(int n, const char* one, const char* other);

    Message& Arg(std::string_view value) &;
    Message&& Arg(std::string_view value) && { return std::move(Arg(value)); }
    Message& Arg(const char* value) & { return Arg(std::string_view(value)); }
    Message&& Arg(const char* value) && { return std::move(Arg(std::string_view(value))); }
    Message& Arg(int value) & { return Arg(std::string_view(std::to_string(value))); }
    Message&& Arg(int value) && { return std::move(Arg(value)); }
    Message& Arg(const Message& value) &;
    Message&& Arg(const Message& value) && { return std::move(Arg(value)); }

    bool empty() const { return m_pattern == nullptr; }
    // The English pattern, null for no message.
    const char* Pattern() const { return m_pattern; }
    // The count put in for %n, or -1 when the pattern has none.
    int Number() const { return m_nNumber; }

    struct Value {
        std::string text;                       // when message is null
        std::shared_ptr<const Message> message; // a message of its own
    };
    const std::vector<Value>& Values() const { return m_values; }

    // The message in English, its values put in.
    std::string English() const;

private:
    const char* m_pattern = nullptr;
    int m_nNumber = -1;
    std::vector<Value> m_values;
};

// Puts the values in for %1 … %9 in one pass (a value that holds "%2" stays
// as it is) and the count for %n when there is one.
std::string FillPattern(std::string_view pattern, const std::vector<std::string>& values,
                        int number = -1);

// A message reads as its English text, for comparisons and in test output.
bool operator==(const Message& message, std::string_view english);
void PrintTo(const Message& message, std::ostream* out);
