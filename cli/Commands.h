#pragma once

#include "Arguments.h"

#include <string>

// Exit statuses, as diff(1) and linters have them.
enum ExitStatus : int {
    kNothingFound = 0, // nothing found, files equal, every line imported
    kFound = 1,        // findings, files differ, lines skipped
    kTrouble = 2,      // usage, or a file that cannot be read or written
};

// Runs the command the arguments name; what goes to standard output and to
// standard error is added to out and err.
int RunCommand(const Arguments& args, std::string& out, std::string& err);
