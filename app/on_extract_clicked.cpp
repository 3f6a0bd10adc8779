// 按钮2 ("提取QQ"): the program's one job, from the chosen input file to the file the
// user names in the save dialog.

#include <string>

#include "app/main_window.h"
#include "extract/extraction.h"
#include "platform/files.h"
#include "regex/regex_object.h"

namespace morvane {

namespace {

constexpr const char* kCaption = "提示";
constexpr const char* kCannotRead = "无法读取文件：";
constexpr const char* kCannotWrite = "无法写入文件：";
constexpr const char* kProposedName = "QQ号码.txt";

void ShowFailure(MainWindow& window, const std::string& what, const std::string& path, const std::string& reason) {
    window.messageBox.Show(what + path + "\n" + reason, kCaption);
}

void ExtractToChosenFile(MainWindow& window, RegexObject& regex) {
    if (window.编辑框1.Content().empty()) {
        window.messageBox.Show("请选择文件！", kCaption);
        return;
    }
    CommonDialog& dialog = window.通用对话框1;
    dialog.SetKind(CommonDialog::SaveKind);
    dialog.FileName = kProposedName;
    if (!dialog.Open()) return;

    const std::string inputPath = window.编辑框1.Content();
    const std::string outputPath = dialog.FileName;

    // The input is opened first, so an unreadable one never leaves anything behind.
    InputFile input;
    if (FileStatus status = input.Open(inputPath); !status) {
        ShowFailure(window, kCannotRead, inputPath, status.reason());
        return;
    }
    ReplacementFile output;
    if (FileStatus status = output.Open(outputPath); !status) {
        ShowFailure(window, kCannotWrite, outputPath, status.reason());
        return;
    }

    window.progress.Begin("正在提取QQ号码……");
    ExtractionOptions options;
    options.progress = [&window](std::uint64_t done, std::uint64_t total) {
        return window.progress.Update(done, total);
    };
    const ExtractionResult result = ExtractNumbers(regex, input, output, options);
    window.progress.End();

    switch (result.outcome) {
        case ExtractionResult::Outcome::Done:
            window.messageBox.Show("完成！", kCaption);
            break;
        case ExtractionResult::Outcome::ReadFailed:
            ShowFailure(window, kCannotRead, inputPath, result.reason);
            break;
        case ExtractionResult::Outcome::WriteFailed:
            ShowFailure(window, kCannotWrite, outputPath, result.reason);
            break;
        case ExtractionResult::Outcome::SearchFailed:
            // The old output, if any, is untouched: nothing was committed.
            window.messageBox.Show("无法提取QQ号码：" + inputPath, kCaption);
            break;
        case ExtractionResult::Outcome::Cancelled:
            // The user asked for it; the old output, if any, is untouched.
            break;
    }
}

}  // namespace

void OnExtractClicked(MainWindow& window) {
    // One search object per click, alive for the whole run whichever way it ends.
    RegexObject regex = RegexObject::Create();
    ExtractToChosenFile(window, regex);
    regex.Destroy();
}

}  // namespace morvane
