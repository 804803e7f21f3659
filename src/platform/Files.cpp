// Whole-file reads and writes over POSIX calls, reporting failure by result, never by throwing.
#include "platform/Files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace tessivane::platform {
namespace fs = std::filesystem;

namespace {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// A link of the file's name is replaced by the file, never followed: a stale link in the output
// folder must not carry a page to wherever it points.
int OpenForWriting(const fs::path& path) {
    constexpr int kFlags = O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW;
    const int fd = ::open(path.c_str(), kFlags, 0666);
    struct stat info {};
    if (fd >= 0 || errno != ELOOP || ::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode) ||
        ::unlink(path.c_str()) != 0) {
        return fd;
    }
    return ::open(path.c_str(), kFlags | O_EXCL, 0666);
}

}  // namespace

std::string ReadFileBytes(const fs::path& path) {
    // Non-blocking, so that opening a named pipe cannot hang; only regular files are read.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        return {};
    }
    struct stat info {};
    std::string bytes;
    if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode)) {
        bytes.resize(static_cast<std::size_t>(info.st_size));
        std::size_t done = 0;
        while (true) {
            if (done == bytes.size()) {
                bytes.resize(done + 65536);  // the file may have grown since fstat
            }
            const ssize_t got = ::read(fd, bytes.data() + done, bytes.size() - done);
            if (got < 0 && errno == EINTR) {
                continue;
            }
            if (got <= 0) {
                bytes.resize(got < 0 ? 0 : done);
                break;
            }
            done += static_cast<std::size_t>(got);
        }
    }
    ::close(fd);
    return bytes;
}

bool WriteFileBytes(const fs::path& path, std::string_view bytes) {
    if (path.empty()) {
        return false;
    }
    const int fd = OpenForWriting(path);
    if (fd < 0) {
        return false;
    }
    const bool written = WriteAll(fd, bytes);
    return (::close(fd) == 0) && written;
}

bool WriteFileAtomically(const fs::path& path, std::string_view bytes) {
    if (path.empty() || !path.has_filename()) {
        return false;
    }
    std::string temporary = (path.parent_path() / ("." + path.filename().native() + ".XXXXXX")).native();
    const int fd = ::mkstemp(temporary.data());
    if (fd < 0) {
        return false;
    }
    struct stat old {};
    const mode_t mode = ::stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644;
    bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    if (ok && ::rename(temporary.c_str(), path.c_str()) == 0) {
        return true;
    }
    ::unlink(temporary.c_str());
    return false;
}

bool CreateOneFolder(const fs::path& path) {
    return ::mkdir(path.c_str(), 0777) == 0;
}

bool CreateFolders(const fs::path& folder) {
    std::error_code error;
    fs::create_directories(folder, error);
    return fs::is_directory(folder, error);
}

bool NameExists(const fs::path& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

bool IsFolder(const fs::path& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

bool AppendFile::Create(const fs::path& path) {
    Close();
    failed_ = false;
    const int fd = OpenForWriting(path);
    file_ = fd < 0 ? nullptr : ::fdopen(fd, "wb");
    if (fd >= 0 && file_ == nullptr) {
        ::close(fd);
    }
    return file_ != nullptr;
}

bool AppendFile::Append(std::string_view bytes) {
    if (file_ == nullptr) {
        return false;
    }
    if (std::fwrite(bytes.data(), 1, bytes.size(), file_) != bytes.size()) {
        failed_ = true;
    }
    return !failed_;
}

bool AppendFile::Close() {
    if (file_ == nullptr) {
        return !failed_;
    }
    const bool closed = std::fclose(file_) == 0;
    file_ = nullptr;
    failed_ = failed_ || !closed;
    return !failed_;
}

}  // namespace tessivane::platform
