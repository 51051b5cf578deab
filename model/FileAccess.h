#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

// Why a file could not be read or written, kept so that the user can be told.
struct FileProblem {
    enum Kind {
        kNone,
        kMissing,        // the file does not exist
        kNotAFile,       // a folder, a FIFO, a device
        kUnreadable,     // the user may not read it
        kWriteProtected, // the user may not write it
        kFolderMissing,  // the folder it should be in does not exist
        kFolderLocked,   // the user may not make a file in its folder
        kLinkLoop,       // symbolic links that lead around in a circle
        kDiskFull,
        kTooLarge,    // past the largest file this process may write
        kReadError,   // the file ended early or the disk failed
        kWrongSize,   // not the size of the radio's file; size holds it
        kOversized,   // larger than any file of its kind; size holds it
        kUndecodable, // record holds a byte that column's text cannot show
        kOther,       // error holds the system's error number
    };
    Kind kind = kNone;
    std::filesystem::path path; // the file, or the folder for the folder kinds
    int error = 0;
    std::uintmax_t size = 0;
    int record = -1;
    std::string column;
    // The file had been made or opened for writing: what failed was the
    // writing itself.
    bool partway = false;

    explicit operator bool() const { return kind != kNone; }
};

// The whole contents of a regular file of exactly size bytes. The file is
// opened without waiting (a FIFO or a device put in its place never blocks)
// and checked through the opened descriptor, so what is checked is what is
// read. An empty result, with the problem set, when it cannot be read whole.
std::vector<std::uint8_t> ReadWholeFile(const std::filesystem::path& path, std::uintmax_t size,
                                        FileProblem& problem);
// The same for a file of any size up to largest.
std::vector<std::uint8_t> ReadFileUpTo(const std::filesystem::path& path, std::uintmax_t largest,
                                       FileProblem& problem);

// Replaces the file at path with bytes, so that it holds either its old bytes
// or all the new ones: they go to an owner-only temporary file beside it that
// takes the old file's permissions (and owner, where allowed) before the first
// byte, is synced, and is renamed over it. Symbolic links are followed to the
// file they name, which is made if it does not exist yet. A file the user may
// not write is never replaced. Where the folder takes no new file but the file
// may be written, it is written in place. False, with the problem set, when
// it failed; the old file then keeps its bytes, unless it was being written
// in place.
bool WriteWholeFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes,
                    FileProblem& problem);
