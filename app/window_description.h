#pragma once
// A window described as plain data: one entry for the window, one per control in
// control order. The desktop runtime builds the live window from it.

#include <cstdint>
#include <string>
#include <vector>

namespace morvane {

class MainWindow;
using Handler = void (*)(MainWindow&);

struct Color {
    std::uint8_t red = 0, green = 0, blue = 0;
    bool systemFace = false;  // the desktop's face colour, resolved each time it is drawn

    static constexpr Color Rgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) { return {r, g, b, false}; }
    static constexpr Color Face() { return {0, 0, 0, true}; }
    friend bool operator==(const Color&, const Color&) = default;
};

enum class ControlKind { Window, EditBox, PushButton, Label, HyperlinkLabel, CommonDialog };
enum class HorizontalAlignment { Left, Centre, Right };
enum class VerticalAlignment { Top, Centre, Bottom };

struct ControlDescription {
    std::string name;  // the control's stored name; empty for the window itself
    ControlKind kind = ControlKind::Window;
    int left = 0, top = 0, width = 0, height = 0;
    bool visible = true;
    bool disabled = false;
    bool tabStop = false;
    int tabOrder = 0;
    std::string tag;
    std::string text;  // window title, button or label caption, edit box content
    Color textColor = Color::Rgb(0, 0, 0);
    Color backColor = Color::Face();
    HorizontalAlignment horizontalAlignment = HorizontalAlignment::Left;
    VerticalAlignment verticalAlignment = VerticalAlignment::Centre;
    bool wordWrap = false;
    Handler onClick = nullptr;    // push buttons
    Handler onCreated = nullptr;  // the window
};

struct WindowSettings {
    bool fixedBorder = true;
    bool controlBox = true;
    bool maxButton = false;
    bool minButton = true;
    bool centred = true;
    bool movable = true;
    bool showInTaskbar = true;
    bool alwaysOnTop = false;
    bool escCloses = true;
    bool enterMovesFocus = false;
    bool f1OpensHelp = false;
    bool dragAnywhere = false;
    bool keepTitleActive = false;
};

struct WindowDescription {
    ControlDescription window;              // kind Window: title in text, outer size in width/height
    WindowSettings settings;
    std::vector<ControlDescription> controls;  // in control order
};

}  // namespace morvane
