// Fatal errors end the program with -1 after a box naming the failure. The box
// here is a stand-in that writes to standard error, so nothing waits for a user.
#include "platform/qt/fatal_error.h"

#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdio>
#include <new>
#include <stdexcept>

#include "app/main_window.h"
#include "platform/qt/qt_runtime.h"

namespace morvane {
namespace {

void BoxToStandardError(const std::string& message) { std::fprintf(stderr, "box: %s\n", message.c_str()); }

char* volatile keep;  // so the allocation can't be left out

void ThrowRuntimeError(MainWindow&) { throw std::runtime_error("disk on fire"); }
void ThrowBadAlloc(MainWindow&) { throw std::bad_alloc(); }

// Loads the stored window with `handler` on 按钮1 and clicks it.
void ClickChooseFileRunning(Handler handler) {
    InstallFatalErrorHandling(BoxToStandardError);
    char* argv0 = const_cast<char*>("fatal_error_test");
    QtRuntime runtime(1, &argv0);
    WindowDescription d = MainWindowDescription();
    for (ControlDescription& c : d.controls) {
        if (c.name == "按钮1") c.onClick = handler;
    }
    runtime.LoadWindow(d);
    QTest::mouseClick(runtime.Window()->findChild<QPushButton*>("按钮1"), Qt::LeftButton);
}

class FatalErrorDeathTest : public ::testing::Test {
protected:
    // A fresh process for each death: forking one with a Qt application is unsafe.
    void SetUp() override { GTEST_FLAG_SET(death_test_style, "threadsafe"); }
};

TEST_F(FatalErrorDeathTest, ExhaustedMemoryNamesTheBytesRequested) {
    EXPECT_EXIT(
        {
            InstallFatalErrorHandling(BoxToStandardError);
            keep = new char[std::size_t{1} << 50];
        },
        ::testing::ExitedWithCode(255), "box: .*1125899906842624");
}

TEST_F(FatalErrorDeathTest, AnExceptionFromAHandlerIsNamedAndEndsTheProgram) {
    EXPECT_EXIT(ClickChooseFileRunning(ThrowRuntimeError), ::testing::ExitedWithCode(255), "box: .*disk on fire");
    EXPECT_EXIT(ClickChooseFileRunning(ThrowBadAlloc), ::testing::ExitedWithCode(255), "box: .+");
}

TEST(FatalErrorTest, MemoryMessageNamesTheRequest) {
    EXPECT_NE(DescribeFatalError(std::make_exception_ptr(MemoryExhausted(4096))).find("4096"), std::string::npos);
}

}  // namespace
}  // namespace morvane
