#pragma once
// The desktop's standard open-file and save-file dialogs, as the program asks for them.

#include <optional>
#include <string>
#include <vector>

namespace morvane {

struct FileType {
    std::string description;  // shown in the dialog's type list
    std::string pattern;      // which files the type lists, e.g. "*.txt"
    friend bool operator==(const FileType&, const FileType&) = default;
};

struct FileDialogRequest {
    enum class Mode { Open, Save };
    Mode mode = Mode::Open;
    std::optional<std::string> title;             // absent: the desktop's default title
    std::optional<std::string> initialDirectory;  // absent: the desktop's choice
    std::optional<std::string> defaultExtension;  // absent: names are used as typed
    std::vector<FileType> fileTypes;              // empty: no type list
    int selectedType = -1;                        // index into fileTypes; -1 when there are none
    std::string proposedName;                     // the name field's text when the dialog opens
    bool createPrompt = false;
    bool fileMustExist = false;
    bool overwritePrompt = false;
    bool pathMustExist = false;
    bool keepCurrentDirectory = false;
};

class FileDialog {
public:
    virtual ~FileDialog() = default;
    // Shows the dialog modally; the full path chosen, or nothing after a cancel or a failure.
    virtual std::optional<std::string> Show(const FileDialogRequest& request) = 0;
};

}  // namespace morvane
