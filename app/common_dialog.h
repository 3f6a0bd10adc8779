#pragma once
// 通用对话框1: the window's never-shown component through which the handlers open
// the desktop's file dialogs.

#include <string>
#include <vector>

#include "platform/file_dialog.h"

namespace morvane {

class CommonDialog {
public:
    // Named apart from Open(), the operation, which a plain "Open" enumerator would hide.
    enum Kinds { OpenKind = 0, SaveKind = 1, FontKind = 2, HelpKind = 3 };

    explicit CommonDialog(FileDialog& dialog);

    int Kind() const { return kind_; }
    void SetKind(int kind);  // clamped to 0..3

    std::string Title;
    std::string FileName;
    std::string Filter = "文本文件（*.txt）|*.txt";
    int InitialFilter = 0;
    std::string InitialDirectory;
    std::string DefaultExtension;
    bool CreatePrompt = false;
    bool FileMustExist = true;
    bool OverwritePrompt = true;
    bool PathMustExist = true;
    bool KeepCurrentDirectory = false;

    // Shows the open (Kind 0) or save (Kind 1) dialog modally. On confirmation
    // FileName becomes the full path chosen and the result is true; otherwise
    // nothing changes and the result is false.
    bool Open();

    // The file types that a Filter text stands for.
    static std::vector<FileType> ParseFilter(const std::string& filter);

private:
    FileDialog& dialog_;
    int kind_ = OpenKind;
};

}  // namespace morvane
