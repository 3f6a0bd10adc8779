#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/main_window.h"

#include "tests/support/scripted_desktop.h"
#include "tests/support/temp_folder.h"

namespace morvane {
namespace {

namespace fs = std::filesystem;

using test_support::FakeEditBox;
using test_support::TempFolder;
using test_support::RecordingMessageBox;
using test_support::ScriptedFileDialog;
using test_support::ScriptedProgress;

class OnExtractClickedTest : public ::testing::Test {
protected:

    // What the folder holds: no temporary file may be left behind.
    std::vector<std::string> FolderEntries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_.path())) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    void Click(const std::string& inputPath, std::optional<std::string> outputPath) {
        editBox_.content = inputPath;
        fileDialog_.answer = std::move(outputPath);
        OnExtractClicked(window_);
    }

    using Messages = RecordingMessageBox::Shown;
    const Messages& messages() const { return messageBox_.shown; }

    TempFolder folder_{"morvane 提取 "};
    FakeEditBox editBox_;
    ScriptedFileDialog fileDialog_;
    RecordingMessageBox messageBox_;
    ScriptedProgress progress_;
    MainWindow window_{editBox_, fileDialog_, messageBox_, progress_};
};

TEST_F(OnExtractClickedTest, EmptyPathOnlyWarns) {
    Click("", folder_.PathOf("out.txt"));
    EXPECT_EQ(messages(), (Messages{{"请选择文件！", "提示"}}));
    EXPECT_TRUE(fileDialog_.requests.empty());
    EXPECT_TRUE(progress_.labels.empty());
    EXPECT_TRUE(FolderEntries().empty());
}

TEST_F(OnExtractClickedTest, CancelledSaveDialogReadsAndWritesNothing) {
    const std::string input = folder_.WriteFile("in.txt", "12345");
    window_.通用对话框1.FileName = "something else";
    Click(input, std::nullopt);

    ASSERT_EQ(fileDialog_.requests.size(), 1u);
    EXPECT_EQ(fileDialog_.requests[0].mode, FileDialogRequest::Mode::Save);
    EXPECT_EQ(fileDialog_.requests[0].proposedName, "QQ号码.txt");
    EXPECT_EQ(window_.通用对话框1.Kind(), CommonDialog::SaveKind);
    EXPECT_EQ(window_.通用对话框1.FileName, "QQ号码.txt");
    EXPECT_TRUE(messages().empty());
    EXPECT_TRUE(progress_.labels.empty());
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"in.txt"});
}

TEST_F(OnExtractClickedTest, WritesTheListThenSaysDone) {
    struct Case {
        const char* name;
        std::string input;
        std::string expected;
    };
    const Case cases[] = {
        {"numbers", "好友 12345，群 0067890\r\n12345 1234", "12345\r\n67890\r\n12345\r\n"},
        {"empty input", "", ""},
        {"UTF-16 LE", std::string("\xFF\xFE" "1\0" "2\0" "3\0" "4\0" "5\0", 12), "12345\r\n"},
    };
    for (const Case& c : cases) {
        const std::string input = folder_.WriteFile("输入 文件.txt", c.input);
        const std::string output = folder_.WriteFile("QQ号码.txt", "an older list");
        messageBox_.shown.clear();
        progress_.updates.clear();
        Click(input, output);

        EXPECT_EQ(TempFolder::ReadFile(output), c.expected) << c.name;
        EXPECT_EQ(messages(), (Messages{{"完成！", "提示"}})) << c.name;
        EXPECT_EQ(window_.通用对话框1.FileName, output) << c.name;
        EXPECT_EQ(progress_.open, 0) << c.name;
        if (!c.input.empty()) {
            ASSERT_FALSE(progress_.updates.empty()) << c.name;
            const std::uint64_t size = c.input.size();
            EXPECT_EQ(progress_.updates.back(), std::make_pair(size, size)) << c.name;
        }
        EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"QQ号码.txt", "输入 文件.txt"})) << c.name;
    }
}

TEST_F(OnExtractClickedTest, UnreadableInputIsReportedAndNothingWritten) {
    fs::create_directory(folder_.path() / "a folder");
    for (const std::string& input : {folder_.PathOf("moved away.txt"), folder_.PathOf("a folder")}) {
        messageBox_.shown.clear();
        Click(input, folder_.PathOf("out.txt"));
        ASSERT_EQ(messages().size(), 1u) << input;
        EXPECT_TRUE(messages()[0].first.starts_with("无法读取文件：" + input + "\n")) << messages()[0].first;
        EXPECT_GT(messages()[0].first.size(), ("无法读取文件：" + input + "\n").size()) << "the system's reason";
        EXPECT_EQ(messages()[0].second, "提示");
        EXPECT_FALSE(fs::exists(folder_.PathOf("out.txt")));
    }
}

TEST_F(OnExtractClickedTest, UnwritableOutputIsReportedNeverDone) {
    const std::string input = folder_.WriteFile("in.txt", "12345");
    const std::string output = folder_.PathOf("no such folder/out.txt");
    Click(input, output);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].first.starts_with("无法写入文件：" + output + "\n")) << messages()[0].first;
    EXPECT_EQ(messages()[0].second, "提示");
    EXPECT_EQ(FolderEntries(), std::vector<std::string>{"in.txt"});
}

TEST_F(OnExtractClickedTest, ReadOnlyOutputStaysWhole) {
    const std::string input = folder_.WriteFile("in.txt", "12345");
    const std::string output = folder_.WriteFile("kept.txt", "keep me");
    fs::permissions(output, fs::perms::owner_read);
    if (std::ofstream(output, std::ios::app).is_open()) GTEST_SKIP() << "running with the power to write anything";

    Click(input, output);
    ASSERT_EQ(messages().size(), 1u);
    EXPECT_TRUE(messages()[0].first.starts_with("无法写入文件：" + output + "\n")) << messages()[0].first;
    EXPECT_EQ(TempFolder::ReadFile(output), "keep me");
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"in.txt", "kept.txt"}));
}

TEST_F(OnExtractClickedTest, InputChosenAsOutputIsReplacedByItsList) {
    const std::string file = folder_.WriteFile("list.txt", "12345 67890");
    Click(file, file);
    EXPECT_EQ(TempFolder::ReadFile(file), "12345\r\n67890\r\n");
    EXPECT_EQ(messages(), (Messages{{"完成！", "提示"}}));
}

TEST_F(OnExtractClickedTest, CancelledProgressLeavesTheOldFileWholeAndSaysNothing) {
    const std::string input = folder_.WriteFile("in.txt", "12345 67890");
    const std::string output = folder_.WriteFile("out.txt", "an older list");
    progress_.cancel = true;
    Click(input, output);

    EXPECT_EQ(progress_.labels, std::vector<std::string>{"正在提取QQ号码……"});
    EXPECT_EQ(progress_.open, 0);
    EXPECT_TRUE(messages().empty());
    EXPECT_EQ(TempFolder::ReadFile(output), "an older list");
    EXPECT_EQ(FolderEntries(), (std::vector<std::string>{"in.txt", "out.txt"}));
}

}  // namespace
}  // namespace morvane
