#pragma once

#include <filesystem>
#include <string>
#include <vector>

// The files a command line names, as the desktop hands them over: paths in
// the file system's own bytes (not every name is valid UTF-8) or file://
// URLs, which some launchers pass. Options (anything starting with "-" before
// a "--") are the parser's business and are passed over.
struct CommandLineFiles {
    // The file to open; empty for none.
    std::filesystem::path open;
    // The others, as they were typed: one window opens one file.
    std::vector<std::string> notOpened;

    static CommandLineFiles From(const std::vector<std::string>& arguments);
};
