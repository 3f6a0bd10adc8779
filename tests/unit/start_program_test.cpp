// The start routine's use of the runtime, and what the stored window binds.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_window.h"

namespace morvane {
namespace {

using ::testing::InSequence;
using ::testing::Return;

class MockRuntime : public Runtime {
public:
    MOCK_METHOD(void, Initialize, (), (override));
    MOCK_METHOD(bool, LoadWindow, (const WindowDescription&), (override));
    MOCK_METHOD(void, RunMessageLoop, (), (override));
};

TEST(StartProgramTest, PreparesLoadsTheMainWindowThenRunsTheLoopAndReturnsZero) {
    for (bool loaded : {true, false}) {  // a failed load still ends normally
        MockRuntime runtime;
        InSequence order;
        EXPECT_CALL(runtime, Initialize());
        EXPECT_CALL(runtime, LoadWindow(::testing::Ref(MainWindowDescription()))).WillOnce(Return(loaded));
        EXPECT_CALL(runtime, RunMessageLoop());
        EXPECT_EQ(StartProgram(runtime), 0);
    }
}

TEST(MainWindowDescriptionTest, ControlOrderAndEventsAreBoundAsStored) {
    const WindowDescription& d = MainWindowDescription();
    EXPECT_EQ(d.window.onCreated, &OnMainWindowCreated);
    struct Expected {
        std::string name;
        Handler onClick;
    };
    const std::vector<Expected> expected = {
        {"标签1", nullptr}, {"超级链接框1", nullptr}, {"通用对话框1", nullptr},
        {"按钮2", &OnExtractClicked}, {"按钮1", &OnChooseFileClicked}, {"编辑框1", nullptr},
    };
    ASSERT_EQ(d.controls.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(d.controls[i].name, expected[i].name) << "control " << i;
        EXPECT_EQ(d.controls[i].onClick, expected[i].onClick) << expected[i].name;
    }
}

}  // namespace
}  // namespace morvane
