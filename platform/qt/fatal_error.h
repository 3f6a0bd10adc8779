#pragma once
// Fatal runtime errors: exhausted memory, or any exception that reaches the top
// of the program. Either shows an error box naming the failure, then ends the
// process with exit code -1.

#include <cstddef>
#include <exception>
#include <functional>
#include <new>
#include <string>

namespace morvane {

inline constexpr int kFatalExitCode = -1;

// What the error box shows; the message names the failure.
using FatalErrorBox = std::function<void(const std::string& message)>;

// The desktop's error box: error icon, one OK button, no owner window.
void ShowFatalErrorBox(const std::string& message);

// From now on a memory request that can't be met shows `box` naming the bytes
// requested and ends the process, instead of returning to its caller.
void InstallFatalErrorHandling(FatalErrorBox box = ShowFatalErrorBox);

// Thrown by operator new when no new-handler is installed; carries the size.
class MemoryExhausted : public std::bad_alloc {
public:
    explicit MemoryExhausted(std::size_t bytes) : bytes_(bytes) {}
    std::size_t Bytes() const { return bytes_; }
    const char* what() const noexcept override { return "memory exhausted"; }

private:
    std::size_t bytes_;
};

std::string DescribeFatalError(const std::exception_ptr& error);
std::string DescribeMemoryExhausted(std::size_t bytes);

// Shows the installed box (the desktop's, when none was installed) with the
// message and ends the process with kFatalExitCode.
[[noreturn]] void EndWithFatalError(const std::string& message);
[[noreturn]] void EndWithFatalError(const std::exception_ptr& error);

}  // namespace morvane
