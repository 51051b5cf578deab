#include "FileAccess.h"

#include <fcntl.h>
#include <limits.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace fs = std::filesystem;

namespace {

// More links in a row than this is taken for a loop, as the system does.
constexpr int kMaxLinks = 40;
// The longest name a folder entry may have on the file systems Velmora meets.
constexpr std::size_t kNameMax = 255;

// Closes a descriptor when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd) : m_fd(fd) {}
    ~Descriptor() {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int Get() const { return m_fd; }
    // Closes it now, reporting whether the close succeeded.
    bool Close() {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

FileProblem Problem(FileProblem::Kind kind, const fs::path& path, int error = 0) {
    FileProblem problem;
    problem.kind = kind;
    problem.path = path;
    problem.error = error;
    return problem;
}

fs::path FolderOf(const fs::path& path) {
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

// What an error of the system means for a file: the kinds a user can act on.
FileProblem FromError(int error, const fs::path& path) {
    switch (error) {
    case ENOENT:
    case ENOTDIR:
        return Problem(FileProblem::kMissing, path);
    case EISDIR:
        return Problem(FileProblem::kNotAFile, path);
    case ELOOP:
        return Problem(FileProblem::kLinkLoop, path);
    case ENOSPC:
    case EDQUOT:
        return Problem(FileProblem::kDiskFull, path);
    case EFBIG:
        return Problem(FileProblem::kTooLarge, path);
    case EIO:
        return Problem(FileProblem::kReadError, path, error);
    default:
        return Problem(FileProblem::kOther, path, error);
    }
}

bool WriteAll(int fd, std::span<const std::uint8_t> bytes, FileProblem& problem,
              const fs::path& path) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            problem = FromError(written < 0 ? errno : ENOSPC, path);
            return false;
        }
        done += static_cast<std::size_t>(written);
    }
    return true;
}

// The file a path names once every symbolic link on the way is followed; a
// link to nothing yet names the file to be made. Empty, with the problem set,
// for a loop.
fs::path FollowLinks(const fs::path& start, FileProblem& problem) {
    fs::path path = start;
    for (int hops = 0; hops <= kMaxLinks; ++hops) {
        struct stat status {};
        if (::lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode))
            return path;
        std::error_code ec;
        const fs::path target = fs::read_symlink(path, ec);
        if (ec)
            return path;
        path = target.is_absolute() ? target : FolderOf(path) / target;
    }
    problem = Problem(FileProblem::kLinkLoop, start);
    return {};
}

// A temporary name in the target's folder whose own name stays within the
// system's limit however long the target's is.
std::string TemporaryTemplate(const fs::path& target) {
    const std::string suffix = ".velmora-XXXXXX";
    std::string name = target.filename().string();
    name.resize(std::min(name.size(), kNameMax - suffix.size() - 1));
    return (FolderOf(target) / ("." + name + suffix)).string();
}

mode_t NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

// Writes over an existing file where its folder takes no new one: it keeps its
// inode, owner and permissions, and gets the new bytes and length.
bool WriteInPlace(const fs::path& target, std::span<const std::uint8_t> bytes,
                  FileProblem& problem) {
    Descriptor file(::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY));
    if (file.Get() < 0) {
        problem = errno == EACCES ? Problem(FileProblem::kWriteProtected, target)
                                  : FromError(errno, target);
        return false;
    }
    if (!WriteAll(file.Get(), bytes, problem, target) ||
        ::ftruncate(file.Get(), static_cast<off_t>(bytes.size())) != 0 ||
        ::fsync(file.Get()) != 0 || !file.Close()) {
        if (!problem)
            problem = FromError(errno, target);
        problem.partway = true;
        return false;
    }
    return true;
}

} // namespace

namespace {

// The whole file, if it is a regular file of from smallest to largest bytes.
std::vector<std::uint8_t> ReadSized(const fs::path& path, std::uintmax_t smallest,
                                    std::uintmax_t largest, FileProblem& problem) {
    problem = {};
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.Get() < 0) {
        problem =
            errno == EACCES ? Problem(FileProblem::kUnreadable, path) : FromError(errno, path);
        return {};
    }
    struct stat status {};
    if (::fstat(file.Get(), &status) != 0 || !S_ISREG(status.st_mode)) {
        problem = Problem(FileProblem::kNotAFile, path);
        return {};
    }
    const auto size = static_cast<std::uintmax_t>(status.st_size);
    if (size < smallest || size > largest) {
        problem =
            Problem(smallest == largest ? FileProblem::kWrongSize : FileProblem::kOversized, path);
        problem.size = size;
        return {};
    }
    std::vector<std::uint8_t> bytes(size);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t got = ::read(file.Get(), bytes.data() + done, bytes.size() - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            problem = Problem(FileProblem::kReadError, path, got < 0 ? errno : 0);
            return {};
        }
        done += static_cast<std::size_t>(got);
    }
    return bytes;
}

} // namespace

std::vector<std::uint8_t> ReadWholeFile(const fs::path& path, std::uintmax_t size,
                                        FileProblem& problem) {
    return ReadSized(path, size, size, problem);
}

std::vector<std::uint8_t> ReadFileUpTo(const fs::path& path, std::uintmax_t largest,
                                       FileProblem& problem) {
    return ReadSized(path, 0, largest, problem);
}

bool WriteWholeFile(const fs::path& path, std::span<const std::uint8_t> bytes,
                    FileProblem& problem) {
    problem = {};
    const fs::path target = FollowLinks(path, problem);
    if (problem)
        return false;
    struct stat old {};
    const bool exists = ::stat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT && errno != ENOTDIR) {
        problem = FromError(errno, target);
        return false;
    }
    if (exists && !S_ISREG(old.st_mode)) {
        problem = Problem(FileProblem::kNotAFile, target);
        return false;
    }
    // The rename needs only the folder's permission; the file's own decides.
    if (exists && ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
        problem = errno == EACCES ? Problem(FileProblem::kWriteProtected, target)
                                  : FromError(errno, target);
        return false;
    }
    const fs::path folder = FolderOf(target);
    struct stat folderStatus {};
    if (::stat(folder.c_str(), &folderStatus) != 0 || !S_ISDIR(folderStatus.st_mode)) {
        problem = Problem(FileProblem::kFolderMissing, folder);
        return false;
    }

    std::string name = TemporaryTemplate(target);
    Descriptor file(::mkostemp(name.data(), O_CLOEXEC));
    if (file.Get() < 0) {
        if ((errno == EACCES || errno == EPERM) && exists)
            return WriteInPlace(target, bytes, problem);
        problem = errno == EACCES || errno == EPERM ? Problem(FileProblem::kFolderLocked, folder)
                                                    : FromError(errno, folder);
        return false;
    }
    // Owner-only from its creation; the old file's permissions before a byte
    // is written, so that the new bytes are never readable by more people.
    bool kept = false;
    const fs::path temporary = name;
    struct Cleanup {
        const fs::path& temporary;
        const bool& kept;
        ~Cleanup() {
            if (!kept)
                ::unlink(temporary.c_str());
        }
    } cleanup{temporary, kept};
    // Only a privileged user may keep someone else's file theirs; for anyone
    // else the saved file becomes their own, as with any editor.
    [[maybe_unused]] const int given = exists ? ::fchown(file.Get(), old.st_uid, old.st_gid) : 0;
    if (::fchmod(file.Get(), exists ? old.st_mode & 07777 : NewFileMode()) != 0 ||
        !WriteAll(file.Get(), bytes, problem, target) || ::fsync(file.Get()) != 0 ||
        !file.Close() || ::rename(temporary.c_str(), target.c_str()) != 0) {
        if (!problem)
            problem = FromError(errno, target);
        problem.partway = true;
        return false;
    }
    kept = true;
    // The rename itself reaches the disk with the folder.
    Descriptor folderHandle(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folderHandle.Get() >= 0)
        ::fsync(folderHandle.Get());
    return true;
}
