#include "CommandLine.h"

#include <QByteArray>

namespace {

// A file:// URL's path as bytes (%41 is the byte 0x41), or the argument
// itself. Only URLs of this machine name a file here.
std::filesystem::path PathOf(const std::string& argument) {
    for (const std::string_view prefix : {"file://localhost/", "file:///"})
        if (argument.starts_with(prefix)) {
            const QByteArray encoded =
                QByteArray::fromStdString(argument.substr(prefix.size() - 1));
            return QByteArray::fromPercentEncoding(encoded).toStdString();
        }
    return argument;
}

} // namespace

CommandLineFiles CommandLineFiles::From(const std::vector<std::string>& arguments) {
    CommandLineFiles files;
    bool options = true;
    for (const std::string& argument : arguments) {
        if (options && argument == "--") {
            options = false;
            continue;
        }
        if (options && argument.size() > 1 && argument.front() == '-')
            continue;
        if (files.open.empty())
            files.open = PathOf(argument);
        else
            files.notOpened.push_back(argument);
    }
    return files;
}
