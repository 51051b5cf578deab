// velmora-cli: the channel document's work on DAT files and CSV lists, for
// scripts and machines without a display.
#include "Arguments.h"
#include "Commands.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* kDescription = R"(
Commands:
  info     the radio of each DAT file and how many channels it holds in use
  export   the channels of a DAT file as a CSV list, as File > Export CSV writes it
  import   a DAT file made of BASE's header and trailer and the channels of a
           CSV list; --keep keeps BASE's channels in rows the list does not fill
  check    errors and warnings about each channel, as FILE:N: error: TEXT
  diff     what differs between two DAT files of one radio, column by column

A name ending in .csv is a CSV list, any other a DAT file; "-" is standard
input (info, export, check). --json writes info, check and diff as JSON.
Exit status: 0 nothing found, 1 findings, differences or skipped lines,
2 trouble (usage, or a file that cannot be read or written).
)";

// False when not every byte could be written.
bool WriteAll(int descriptor, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t wrote = ::write(descriptor, text.data() + done, text.size() - done);
        if (wrote < 0 && errno == EINTR)
            continue;
        if (wrote <= 0)
            return false;
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    Arguments parsed;
    std::string error, out, err;
    int status = kNothingFound;
    if (!ParseArguments(args, parsed, error)) {
        err = "velmora-cli: " + error + "\n" + Usage();
        status = kTrouble;
    } else if (parsed.help) {
        out = Usage(parsed.command) + (parsed.command.empty() ? kDescription : "");
    } else if (parsed.version) {
        out = "velmora-cli " VELMORA_VERSION "\n";
    } else {
        try {
            status = RunCommand(parsed, out, err);
        } catch (...) {
            // Only memory running out gets here: every file problem is a reason.
            err += "velmora-cli: the work could not be done: out of memory.\n";
            status = kTrouble;
        }
    }
    // Output that does not reach its reader is trouble, not success.
    if (!WriteAll(STDOUT_FILENO, out)) {
        err += "velmora-cli: standard output: " + std::string(std::strerror(errno)) + "\n";
        status = kTrouble;
    }
    WriteAll(STDERR_FILENO, err);
    return status;
}
