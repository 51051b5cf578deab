#pragma once

#include "FileKinds.h"
#include "RadioModel.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the command line asks for, before any file is touched.
struct Arguments {
    std::string command; // empty with --help or --version alone
    std::vector<std::string> files;
    std::optional<std::string> output; // -o
    std::optional<RadioModel> model;   // --model
    bool json = false;
    bool keep = false;
    bool help = false;
    bool version = false;
};

// Reads the arguments after the program's name. Options may come before or
// after the files; "--" ends them, and "-" is a file (standard input).
// False, with the reason, for anything the command does not take.
bool ParseArguments(const std::vector<std::string>& args, Arguments& parsed, std::string& error);

// The whole usage, or one command's.
std::string Usage(const std::string& command = {});
