#include "app/main_window.h"

namespace morvane {

// The edit box is disabled, so this handler is the only way a path gets into it.
// FileName is left as it is before opening: the dialog proposes what the last run
// of either handler left there.
void OnChooseFileClicked(MainWindow& window) {
    CommonDialog& dialog = window.通用对话框1;
    dialog.SetKind(CommonDialog::OpenKind);
    if (!dialog.Open()) return;
    window.编辑框1.SetContent(dialog.FileName);
}

}  // namespace morvane
