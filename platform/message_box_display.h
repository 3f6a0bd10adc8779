#pragma once
// A modal message box: a message, a caption, one OK button, no icon.

#include <string>

namespace morvane {

class MessageBoxDisplay {
public:
    virtual ~MessageBoxDisplay() = default;
    // Returns once the user has closed the box.
    virtual void Show(const std::string& message, const std::string& caption) = 0;
};

}  // namespace morvane
