#include "app/common_dialog.h"

#include <algorithm>

namespace morvane {

namespace {

bool IsAsciiSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

}  // namespace

CommonDialog::CommonDialog(FileDialog& dialog) : dialog_(dialog) {}

void CommonDialog::SetKind(int kind) { kind_ = std::clamp(kind, int{OpenKind}, int{HelpKind}); }

std::vector<FileType> CommonDialog::ParseFilter(const std::string& filter) {
    std::string list = filter;
    while (!list.empty() && IsAsciiSpace(list.back())) list.pop_back();
    if (list.empty()) return {};
    if (!list.ends_with("||")) list += "||";

    // The texts are UTF-8, where no byte of a multi-byte character can be '|', so a
    // byte search never splits a character. The list ends at its first empty part,
    // as the desktop's own type lists do; a description left without a pattern
    // offers nothing and is dropped.
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t bar = list.find('|', start);
        std::string part = list.substr(start, bar - start);
        if (part.empty()) break;
        parts.push_back(std::move(part));
        start = bar + 1;
    }
    std::vector<FileType> types;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) types.push_back({parts[i], parts[i + 1]});
    return types;
}

bool CommonDialog::Open() {
    if (kind_ != OpenKind && kind_ != SaveKind) return false;  // the font and help kinds are not file dialogs

    FileDialogRequest request;
    request.mode = kind_ == OpenKind ? FileDialogRequest::Mode::Open : FileDialogRequest::Mode::Save;
    if (!Title.empty()) request.title = Title;
    if (!InitialDirectory.empty()) request.initialDirectory = InitialDirectory;
    if (!DefaultExtension.empty()) request.defaultExtension = DefaultExtension;
    request.fileTypes = ParseFilter(Filter);
    if (!request.fileTypes.empty()) {
        // A number past the end selects the first type too, rather than none at all.
        const bool inRange = InitialFilter >= 0 && InitialFilter < static_cast<int>(request.fileTypes.size());
        request.selectedType = inRange ? InitialFilter : 0;
    }
    // Taken whole: cutting a UTF-8 path at a byte count would leave a broken character.
    request.proposedName = FileName;
    request.createPrompt = CreatePrompt;
    request.fileMustExist = FileMustExist;
    request.overwritePrompt = OverwritePrompt;
    request.pathMustExist = PathMustExist;
    request.keepCurrentDirectory = KeepCurrentDirectory;

    const std::optional<std::string> chosen = dialog_.Show(request);
    if (!chosen || chosen->empty()) return false;
    FileName = *chosen;
    return true;
}

}  // namespace morvane
