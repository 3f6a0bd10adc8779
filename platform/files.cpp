#include "platform/files.h"

#if defined(_WIN32)
#error "platform/files.cpp: the Windows implementation has yet to be written"
#else

#include <cerrno>
#include <climits>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace morvane {

namespace {

FileStatus SystemFailure(int error) { return FileStatus::Failure(std::strerror(error)); }

std::string DirectoryOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// Follows a chain of symbolic links, even one that ends nowhere, so the file the
// user named is replaced where it really lives and the link itself survives.
FileStatus ResolveLinks(const std::string& path, std::string& resolved) {
    resolved = path;
    for (int hops = 0; hops < 40; ++hops) {
        char target[PATH_MAX];
        const ssize_t length = readlink(resolved.c_str(), target, sizeof target);
        if (length < 0) return errno == EINVAL || errno == ENOENT ? FileStatus::Success() : SystemFailure(errno);
        const std::string link(target, static_cast<std::size_t>(length));
        resolved = link.starts_with('/') ? link : DirectoryOf(resolved) + "/" + link;
    }
    return SystemFailure(ELOOP);
}

mode_t ModeForNewFiles() {
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

FileStatus WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return SystemFailure(errno);
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return FileStatus::Success();
}

}  // namespace

const std::string& FileStatus::reason() const {
    static const std::string none;
    return reason_ ? *reason_ : none;
}

// ---------------------------------------------------------------- InputFile

struct InputFile::Handle {
    int fd = -1;
    bool owned = false;  // the standard input stays open for whoever else uses it
    std::optional<std::uint64_t> size;

    ~Handle() {
        if (owned && fd >= 0) close(fd);
    }

    FileStatus Inspect() {
        struct stat info {};
        if (fstat(fd, &info) != 0) return SystemFailure(errno);
        if (S_ISDIR(info.st_mode)) return SystemFailure(EISDIR);
        if (S_ISREG(info.st_mode)) {
            const off_t position = lseek(fd, 0, SEEK_CUR);
            const off_t start = position > 0 && position <= info.st_size ? position : 0;
            size = static_cast<std::uint64_t>(info.st_size - start);
            posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
        }
        return FileStatus::Success();
    }
};

InputFile::InputFile() = default;
InputFile::~InputFile() = default;

FileStatus InputFile::Open(const std::string& path) {
    auto handle = std::make_unique<Handle>();
    handle->fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (handle->fd < 0) return SystemFailure(errno);
    handle->owned = true;
    if (FileStatus status = handle->Inspect(); !status) return status;
    handle_ = std::move(handle);
    return FileStatus::Success();
}

FileStatus InputFile::OpenStandardInput() {
    auto handle = std::make_unique<Handle>();
    handle->fd = STDIN_FILENO;
    if (FileStatus status = handle->Inspect(); !status) return status;
    handle_ = std::move(handle);
    return FileStatus::Success();
}

ReadResult InputFile::Read(char* buffer, std::size_t size) {
    ReadResult result;
    if (!handle_) {
        result.status = SystemFailure(EBADF);
        return result;
    }
    // A pipe or terminal hands out a little at a time; keep going until the
    // buffer is full so that a short count can mean the end.
    while (result.count < size) {
        const ssize_t got = read(handle_->fd, buffer + result.count, size - result.count);
        if (got < 0) {
            if (errno == EINTR) continue;
            result.status = SystemFailure(errno);
            break;
        }
        if (got == 0) break;
        result.count += static_cast<std::size_t>(got);
    }
    return result;
}

std::optional<std::uint64_t> InputFile::Size() const { return handle_ ? handle_->size : std::nullopt; }

// ---------------------------------------------------------------- ReplacementFile

struct ReplacementFile::Handle {
    int fd = -1;
    std::string target;
    std::string temporary;  // empty when writing straight to a device or pipe
    bool committed = false;

    ~Handle() {
        if (fd >= 0) close(fd);
        if (!committed && !temporary.empty()) unlink(temporary.c_str());
    }

    FileStatus Fail(int error) {
        if (fd >= 0) close(fd);
        fd = -1;
        return SystemFailure(error);
    }
};

ReplacementFile::ReplacementFile() = default;
ReplacementFile::~ReplacementFile() = default;

FileStatus ReplacementFile::Open(const std::string& path) {
    auto handle = std::make_unique<Handle>();
    if (path.empty()) return SystemFailure(ENOENT);

    struct stat info {};
    if (stat(path.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) return SystemFailure(EISDIR);
        if (!S_ISREG(info.st_mode)) {
            handle->fd = open(path.c_str(), O_WRONLY | O_CLOEXEC);
            if (handle->fd < 0) return SystemFailure(errno);
            handle->target = path;
            handle_ = std::move(handle);
            return FileStatus::Success();
        }
    }

    if (FileStatus status = ResolveLinks(path, handle->target); !status) return status;
    mode_t mode = 0;
    if (stat(handle->target.c_str(), &info) == 0) {
        if (S_ISDIR(info.st_mode)) return SystemFailure(EISDIR);
        // Renaming over a read-only file would succeed; the user marked it so to keep it.
        if (access(handle->target.c_str(), W_OK) != 0) return SystemFailure(errno);
        mode = info.st_mode & 0777;
    } else if (errno == ENOENT) {
        mode = ModeForNewFiles();
    } else {
        return SystemFailure(errno);
    }

    // Same folder, so the final rename never crosses a file system.
    std::string name = DirectoryOf(handle->target) + "/.morvane-XXXXXX";
    handle->fd = mkostemp(name.data(), O_CLOEXEC);
    if (handle->fd < 0) return SystemFailure(errno);
    handle->temporary = name;
    if (fchmod(handle->fd, mode) != 0) return SystemFailure(errno);
    handle_ = std::move(handle);
    return FileStatus::Success();
}

FileStatus ReplacementFile::Write(std::string_view bytes) {
    if (!handle_ || handle_->fd < 0 || handle_->committed) return SystemFailure(EBADF);
    return WriteAll(handle_->fd, bytes);
}

FileStatus ReplacementFile::Commit() {
    if (!handle_ || handle_->fd < 0 || handle_->committed) return SystemFailure(EBADF);
    Handle& handle = *handle_;
    if (handle.temporary.empty()) {
        const int fd = handle.fd;
        handle.fd = -1;
        handle.committed = true;
        return close(fd) == 0 ? FileStatus::Success() : SystemFailure(errno);
    }
    // The data must be on disk before the name points at it, or a crash right
    // after the rename could leave an empty file where the old one was.
    if (fsync(handle.fd) != 0) return handle.Fail(errno);
    const int fd = handle.fd;
    handle.fd = -1;
    if (close(fd) != 0) return SystemFailure(errno);
    if (rename(handle.temporary.c_str(), handle.target.c_str()) != 0) return SystemFailure(errno);
    handle.committed = true;
    // Makes the rename itself durable; a folder that refuses this has still been updated.
    const int folder = open(DirectoryOf(handle.target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        fsync(folder);
        close(folder);
    }
    return FileStatus::Success();
}

// ---------------------------------------------------------------- StandardOutput

FileStatus StandardOutput::Write(std::string_view bytes) { return WriteAll(STDOUT_FILENO, bytes); }

FileStatus StandardOutput::Commit() { return FileStatus::Success(); }

}  // namespace morvane

#endif
