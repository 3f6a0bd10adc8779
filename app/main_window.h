#pragma once
// MainWindow as the program's own code sees it: its description, the controls the
// handlers read and write, and the handlers bound to its events.

#include <string>

#include "app/common_dialog.h"
#include "app/runtime.h"
#include "app/window_description.h"
#include "platform/message_box_display.h"
#include "platform/progress_display.h"

namespace morvane {

// The live edit box, as the handlers use it.
class EditBox {
public:
    virtual ~EditBox() = default;
    virtual std::string Content() const = 0;
    virtual void SetContent(const std::string& text) = 0;
};

// The live window's controls and the desktop services its handlers talk to.
class MainWindow {
public:
    MainWindow(EditBox& pathBox, FileDialog& fileDialog, MessageBoxDisplay& messageBox,
               ProgressDisplay& progress)
        : 编辑框1(pathBox), 通用对话框1(fileDialog), messageBox(messageBox), progress(progress) {}

    EditBox& 编辑框1;
    CommonDialog 通用对话框1;
    MessageBoxDisplay& messageBox;
    ProgressDisplay& progress;
};

const WindowDescription& MainWindowDescription();

// The program's start routine: loads MainWindow and runs the message loop. Returns 0.
int StartProgram(Runtime& runtime);

void OnMainWindowCreated(MainWindow& window);
void OnChooseFileClicked(MainWindow& window);
void OnExtractClicked(MainWindow& window);

}  // namespace morvane
