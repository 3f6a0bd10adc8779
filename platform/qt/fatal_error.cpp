#include "platform/qt/fatal_error.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

#include "platform/qt/local_text.h"

namespace morvane {
namespace {

FatalErrorBox& InstalledBox() {
    static FatalErrorBox box;
    return box;
}

// The size of the request that failed, for the new-handler's message: the
// standard hands the handler nothing.
std::size_t failedRequest = 0;

void OnMemoryExhausted() { EndWithFatalError(DescribeMemoryExhausted(failedRequest)); }

}  // namespace

void ShowFatalErrorBox(const std::string& message) {
    std::fprintf(stderr, "morvane: %s\n", message.c_str());
    if (!QApplication::instance()) return;
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Morvane"), ToQString(message),
                    QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void InstallFatalErrorHandling(FatalErrorBox box) {
    InstalledBox() = std::move(box);
    std::set_new_handler(OnMemoryExhausted);
}

std::string DescribeMemoryExhausted(std::size_t bytes) {
    return "内存不足：无法分配 " + std::to_string(bytes) + " 字节。程序将退出。";
}

std::string DescribeFatalError(const std::exception_ptr& error) {
    try {
        std::rethrow_exception(error);
    } catch (const MemoryExhausted& e) {
        return DescribeMemoryExhausted(e.Bytes());
    } catch (const std::bad_alloc&) {
        return "内存不足。程序将退出。";
    } catch (const std::exception& e) {
        return std::string("程序遇到致命错误：") + e.what() + "。程序将退出。";
    } catch (...) {
        return "程序遇到未知的致命错误。程序将退出。";
    }
}

void EndWithFatalError(const std::string& message) {
    // A second failure while the box is up (memory may still be short) ends at once.
    static bool ending = false;
    if (!ending) {
        ending = true;
        try {
            if (InstalledBox()) InstalledBox()(message);
            else ShowFatalErrorBox(message);
        } catch (...) {
        }
    }
    // Nothing of this program's needs tidying that the system doesn't reclaim, and
    // running destructors over a half-failed state risks a second crash.
    std::fflush(nullptr);
    std::_Exit(kFatalExitCode);
}

void EndWithFatalError(const std::exception_ptr& error) { EndWithFatalError(DescribeFatalError(error)); }

}  // namespace morvane

// Replaces the global allocation so that a failed request knows its size before
// the new-handler runs. The standard operator delete frees both kinds.
namespace {

template <typename Allocate>
void* AllocateOrReport(std::size_t size, Allocate allocate) {
    for (;;) {
        if (void* memory = allocate()) return memory;
        std::new_handler handler = std::get_new_handler();
        if (!handler) throw morvane::MemoryExhausted(size);
        morvane::failedRequest = size;
        handler();
    }
}

}  // namespace

void* operator new(std::size_t size) {
    const std::size_t bytes = size == 0 ? 1 : size;
    return AllocateOrReport(size, [bytes] { return std::malloc(bytes); });
}

void* operator new(std::size_t size, std::align_val_t alignment) {
    const auto align = static_cast<std::size_t>(alignment);
    // aligned_alloc wants a whole number of alignments, and never zero.
    const std::size_t bytes = size == 0 ? align : (size + align - 1) / align * align;
    const bool tooLarge = bytes < size;
    return AllocateOrReport(size, [=] { return tooLarge ? nullptr : std::aligned_alloc(align, bytes); });
}
