#pragma once
// The program's message boxes on the Qt desktop.

#include "platform/message_box_display.h"

namespace morvane {

class QtMessageBoxDisplay : public MessageBoxDisplay {
public:
    QtMessageBoxDisplay() = default;
    void Show(const std::string& message, const std::string& caption) override;
};

}  // namespace morvane
