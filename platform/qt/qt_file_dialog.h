#pragma once
// The open-file and save-file dialogs on the Qt desktop.

#include "platform/file_dialog.h"

namespace morvane {

class QtFileDialog : public FileDialog {
public:
    QtFileDialog() = default;
    std::optional<std::string> Show(const FileDialogRequest& request) override;
};

}  // namespace morvane
