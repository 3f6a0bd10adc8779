#pragma once
// Reading a file block by block, and writing one so that a reader never sees it
// half written: a failed or cancelled write leaves the file that was there whole.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// How a file operation went: fine, or failed for the reason the system gave
// (its own words, e.g. "No such file or directory").
class FileStatus {
public:
    static FileStatus Success() { return FileStatus(); }
    static FileStatus Failure(std::string reason) { return FileStatus(std::move(reason)); }

    bool ok() const { return !reason_; }
    explicit operator bool() const { return ok(); }
    // Empty when the operation went fine.
    const std::string& reason() const;

private:
    FileStatus() = default;
    explicit FileStatus(std::string reason) : reason_(std::move(reason)) {}
    std::optional<std::string> reason_;
};

struct ReadResult {
    std::size_t count = 0;  // bytes placed in the buffer; 0 at the end of the input
    FileStatus status = FileStatus::Success();
};

// Where bytes come from.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Fills the buffer as far as the input allows; fewer bytes than asked for
    // means the input has ended.
    virtual ReadResult Read(char* buffer, std::size_t size) = 0;
    // The input's length when it is known in advance (a plain file), for progress.
    virtual std::optional<std::uint64_t> Size() const = 0;
};

// Where bytes go. Nothing counts as written before Commit succeeds.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    virtual FileStatus Write(std::string_view bytes) = 0;
    virtual FileStatus Commit() = 0;
};

// A file opened for reading, or the standard input.
class InputFile final : public ByteSource {
public:
    InputFile();
    ~InputFile() override;
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    // A folder is refused here ("Is a directory") rather than at the first read.
    FileStatus Open(const std::string& path);
    FileStatus OpenStandardInput();

    ReadResult Read(char* buffer, std::size_t size) override;
    std::optional<std::uint64_t> Size() const override;

private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
};

// Replaces a file as a whole: the bytes go to a temporary file in the target's own
// folder, which Commit makes durable and renames over the target in one step.
// Without a successful Commit the temporary file is removed and the target is left
// as it was. A target that is a symbolic link is replaced at the file it names; an
// existing target keeps its permission bits. A device or pipe (e.g. /dev/null) is
// written directly, since it cannot be replaced.
class ReplacementFile final : public ByteSink {
public:
    ReplacementFile();
    ~ReplacementFile() override;
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // Fails early when the target could not be replaced: a folder, a missing
    // folder, a read-only file, a folder without write access.
    FileStatus Open(const std::string& path);

    FileStatus Write(std::string_view bytes) override;
    FileStatus Commit() override;

private:
    struct Handle;
    std::unique_ptr<Handle> handle_;
};

// The standard output. Bytes go out as they are written and cannot be taken back,
// so Commit has nothing left to do.
class StandardOutput final : public ByteSink {
public:
    FileStatus Write(std::string_view bytes) override;
    FileStatus Commit() override;
};

}  // namespace morvane
