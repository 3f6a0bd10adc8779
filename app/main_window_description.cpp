// MainWindow as stored data: the runtime builds the live window from this and
// nothing else, so every place, size, text and flag the user sees is here.

#include <string>
#include <utility>

#include "app/hyperlink_label.h"
#include "app/main_window.h"

namespace morvane {
namespace {

ControlDescription Control(std::string name, ControlKind kind, int left, int top, int width, int height) {
    ControlDescription c;
    c.name = std::move(name);
    c.kind = kind;
    c.left = left;
    c.top = top;
    c.width = width;
    c.height = height;
    return c;
}

WindowDescription MakeMainWindowDescription() {
    WindowDescription d;

    d.window.kind = ControlKind::Window;
    d.window.text = "Morvane";
    d.window.left = 50;  // ignored while the window opens centred
    d.window.top = 50;
    d.window.width = 368;  // outer frame, title bar and border included
    d.window.height = 241;
    d.window.onCreated = OnMainWindowCreated;

    // Window settings keep WindowSettings' defaults: fixed border, no maximise
    // button, centred, Esc closes, Enter and F1 do nothing.

    ControlDescription label = Control("标签1", ControlKind::Label, 105, 184, 136, 16);
    label.text = "提取出文本中的QQ号码";
    label.horizontalAlignment = HorizontalAlignment::Left;
    label.verticalAlignment = VerticalAlignment::Centre;

    ControlDescription link = Control("超级链接框1", ControlKind::HyperlinkLabel, 112, 152, 120, 32);
    link.text = kMakerWebAddress;
    link.textColor = Color::Rgb(0, 0, 255);
    link.horizontalAlignment = HorizontalAlignment::Centre;

    ControlDescription dialog = Control("通用对话框1", ControlKind::CommonDialog, 296, 88, 48, 56);
    dialog.visible = false;  // a component: only the dialogs it opens are ever seen

    ControlDescription extract = Control("按钮2", ControlKind::PushButton, 104, 56, 152, 80);
    extract.tabStop = true;
    extract.text = "提取QQ";
    extract.horizontalAlignment = HorizontalAlignment::Centre;
    extract.onClick = OnExtractClicked;

    ControlDescription choose = Control("按钮1", ControlKind::PushButton, 264, 16, 80, 24);
    choose.tabStop = true;
    choose.text = "选择文件";
    choose.horizontalAlignment = HorizontalAlignment::Centre;
    choose.onClick = OnChooseFileClicked;

    ControlDescription pathBox = Control("编辑框1", ControlKind::EditBox, 8, 16, 248, 24);
    pathBox.disabled = true;  // only a confirmed file choice may put a path here
    pathBox.tabStop = true;
    pathBox.backColor = Color::Rgb(255, 255, 255);

    // Control order decides creation, the Tab chain and the first focus (the
    // last of the equal tab stops, so 按钮1 gets it).
    d.controls = {label, link, dialog, extract, choose, pathBox};
    return d;
}

}  // namespace

const WindowDescription& MainWindowDescription() {
    static const WindowDescription description = MakeMainWindowDescription();
    return description;
}

}  // namespace morvane
