#include "app/common_dialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "tests/support/scripted_desktop.h"

namespace morvane {

// Found by GoogleTest through the type's namespace, so failures show the texts.
void PrintTo(const FileType& type, std::ostream* out) {
    *out << '{' << type.description << ", " << type.pattern << '}';
}

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

using test_support::FakeEditBox;
using test_support::RecordingMessageBox;
using test_support::ScriptedFileDialog;
using test_support::ScriptedProgress;

struct FilterCase {
    const char* name;
    std::string filter;
    std::vector<FileType> types;
};

const FileType kText{"文本文件（*.txt）", "*.txt"};

class FilterTest : public ::testing::TestWithParam<FilterCase> {};

TEST_P(FilterTest, GivesTheFileTypes) {
    EXPECT_THAT(CommonDialog::ParseFilter(GetParam().filter), ElementsAreArray(GetParam().types));
}

INSTANTIATE_TEST_SUITE_P(
    Filters, FilterTest,
    ::testing::Values(
        FilterCase{"Stored", "文本文件（*.txt）|*.txt", {kText}},
        FilterCase{"TrailingWhiteSpace", "文本文件（*.txt）|*.txt \t\r\n", {kText}},
        FilterCase{"AlreadyClosed", "文本文件（*.txt）|*.txt||", {kText}},
        FilterCase{"SingleClosingBar", "文本文件（*.txt）|*.txt|", {kText}},
        FilterCase{"TwoTypes", "文本文件（*.txt）|*.txt|所有文件 (*.*)|*.*", {kText, {"所有文件 (*.*)", "*.*"}}},
        FilterCase{"SeveralPatterns", "日志|*.log;*.txt", {{"日志", "*.log;*.txt"}}},
        FilterCase{"Empty", "", {}},
        FilterCase{"OnlyWhiteSpace", "   ", {}},
        FilterCase{"DescriptionWithoutPattern", "文本文件|*.txt|孤立", {{"文本文件", "*.txt"}}},
        FilterCase{"EmptyPartEndsTheList", "文本文件|*.txt||日志|*.log", {{"文本文件", "*.txt"}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CommonDialogTest, StartsAtItsStoredSettings) {
    ScriptedFileDialog files;
    CommonDialog dialog(files);
    EXPECT_EQ(dialog.Kind(), CommonDialog::OpenKind);
    EXPECT_EQ(dialog.Filter, "文本文件（*.txt）|*.txt");
    EXPECT_EQ(dialog.FileName, "");
    EXPECT_TRUE(dialog.FileMustExist);
    EXPECT_TRUE(dialog.OverwritePrompt);
    EXPECT_TRUE(dialog.PathMustExist);
    EXPECT_FALSE(dialog.CreatePrompt);
    EXPECT_FALSE(dialog.KeepCurrentDirectory);
}

TEST(CommonDialogTest, KindIsClampedToItsRange) {
    ScriptedFileDialog files;
    CommonDialog dialog(files);
    const std::pair<int, int> cases[] = {{-5, 0}, {0, 0}, {1, 1}, {3, 3}, {4, 3}, {1000, 3}};
    for (auto [written, stored] : cases) {
        dialog.SetKind(written);
        EXPECT_EQ(dialog.Kind(), stored) << "written " << written;
    }
}

TEST(CommonDialogTest, OpenAsksForTheOpenDialogWithTheStoredSettings) {
    ScriptedFileDialog files;
    CommonDialog dialog(files);
    dialog.Open();

    ASSERT_EQ(files.requests.size(), 1u);
    const FileDialogRequest& request = files.requests[0];
    EXPECT_EQ(request.mode, FileDialogRequest::Mode::Open);
    EXPECT_EQ(request.title, std::nullopt);
    EXPECT_EQ(request.initialDirectory, std::nullopt);
    EXPECT_EQ(request.defaultExtension, std::nullopt);
    EXPECT_THAT(request.fileTypes, ElementsAre(kText));
    EXPECT_EQ(request.selectedType, 0);
    EXPECT_EQ(request.proposedName, "");
    EXPECT_TRUE(request.fileMustExist);
    EXPECT_TRUE(request.overwritePrompt);
    EXPECT_TRUE(request.pathMustExist);
    EXPECT_FALSE(request.createPrompt);
    EXPECT_FALSE(request.keepCurrentDirectory);
}

TEST(CommonDialogTest, SaveKindPassesWhatIsSet) {
    ScriptedFileDialog files;
    CommonDialog dialog(files);
    dialog.SetKind(CommonDialog::SaveKind);
    dialog.FileName = "QQ号码.txt";
    dialog.Title = "保存";
    dialog.InitialDirectory = "/tmp/目录 带空格";
    dialog.DefaultExtension = "txt";
    dialog.Filter = "文本文件|*.txt|所有文件|*";
    dialog.InitialFilter = 1;
    dialog.Open();

    ASSERT_EQ(files.requests.size(), 1u);
    const FileDialogRequest& request = files.requests[0];
    EXPECT_EQ(request.mode, FileDialogRequest::Mode::Save);
    EXPECT_EQ(request.title, "保存");
    EXPECT_EQ(request.initialDirectory, "/tmp/目录 带空格");
    EXPECT_EQ(request.defaultExtension, "txt");
    EXPECT_EQ(request.fileTypes.size(), 2u);
    EXPECT_EQ(request.selectedType, 1);
    EXPECT_EQ(request.proposedName, "QQ号码.txt");
}

TEST(CommonDialogTest, SelectedTypeFallsBackToTheFirstOrNone) {
    struct Case {
        std::string filter;
        int initialFilter;
        int selected;
    };
    for (const Case& c : {Case{"a|*.a|b|*.b", -1, 0}, Case{"a|*.a|b|*.b", 2, 0}, Case{"", 0, -1}, Case{"", -3, -1}}) {
        ScriptedFileDialog files;
        CommonDialog dialog(files);
        dialog.Filter = c.filter;
        dialog.InitialFilter = c.initialFilter;
        dialog.Open();
        ASSERT_EQ(files.requests.size(), 1u);
        EXPECT_EQ(files.requests[0].selectedType, c.selected) << c.filter << " / " << c.initialFilter;
    }
}

TEST(CommonDialogTest, ConfirmationStoresTheWholePath) {
    // Far beyond the 260-byte limit of some desktops' dialogs, with multi-byte characters
    // straddling where such a limit would cut.
    std::string path = "/tmp/带 空格";
    while (path.size() < 600) path += "/很长的目录名";
    path += "/输入.txt";

    ScriptedFileDialog files;
    files.answer = path;
    CommonDialog dialog(files);
    dialog.FileName = std::string(400, 'x');
    EXPECT_TRUE(dialog.Open());
    EXPECT_EQ(files.requests[0].proposedName, std::string(400, 'x'));
    EXPECT_EQ(dialog.FileName, path);
}

TEST(CommonDialogTest, CancelOrFailureChangesNothing) {
    // An empty path counts as a failure: there is nothing to put into the path box.
    for (const std::optional<std::string>& answer : {std::optional<std::string>{}, std::optional<std::string>{""}}) {
        ScriptedFileDialog files;
        files.answer = answer;
        CommonDialog dialog(files);
        dialog.SetKind(CommonDialog::SaveKind);
        dialog.FileName = "QQ号码.txt";
        EXPECT_FALSE(dialog.Open());
        EXPECT_EQ(dialog.FileName, "QQ号码.txt");
        EXPECT_EQ(dialog.Kind(), CommonDialog::SaveKind);
    }
}

TEST(CommonDialogTest, FontAndHelpKindsShowNoFileDialog) {
    ScriptedFileDialog files;
    files.answer = "/tmp/a.txt";
    CommonDialog dialog(files);
    for (int kind : {CommonDialog::FontKind, CommonDialog::HelpKind}) {
        dialog.SetKind(kind);
        EXPECT_FALSE(dialog.Open());
    }
    EXPECT_THAT(files.requests, IsEmpty());
    EXPECT_EQ(dialog.FileName, "");
}

struct ChooseFileFixture : ::testing::Test {
    ScriptedFileDialog files;
    FakeEditBox pathBox;
    RecordingMessageBox messages;
    ScriptedProgress progress;
    MainWindow window{pathBox, files, messages, progress};

    // Choosing a file is silent, whatever the outcome.
    void TearDown() override { EXPECT_THAT(messages.shown, IsEmpty()); }
};

TEST_F(ChooseFileFixture, ConfirmedChoiceReplacesTheWholeContent) {
    pathBox.content = "/old/path/that/is/longer/than/the/new/one.txt";
    window.通用对话框1.SetKind(CommonDialog::SaveKind);
    window.通用对话框1.FileName = "/out/QQ号码.txt";
    files.answer = "/新 目录/in.txt";

    OnChooseFileClicked(window);

    ASSERT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(files.requests[0].mode, FileDialogRequest::Mode::Open);
    EXPECT_EQ(files.requests[0].proposedName, "/out/QQ号码.txt");
    EXPECT_EQ(pathBox.content, "/新 目录/in.txt");
    EXPECT_EQ(window.通用对话框1.Kind(), CommonDialog::OpenKind);
    EXPECT_EQ(window.通用对话框1.FileName, "/新 目录/in.txt");
}

TEST_F(ChooseFileFixture, CancelLeavesTheContent) {
    pathBox.content = "/chosen/before.txt";
    window.通用对话框1.FileName = "QQ号码.txt";

    OnChooseFileClicked(window);

    EXPECT_EQ(files.requests.size(), 1u);
    EXPECT_EQ(pathBox.content, "/chosen/before.txt");
    EXPECT_EQ(pathBox.writes, 0);
    EXPECT_EQ(window.通用对话框1.FileName, "QQ号码.txt");
}

}  // namespace
}  // namespace morvane
