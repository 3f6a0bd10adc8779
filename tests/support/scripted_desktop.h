#pragma once
// Stand-ins for the desktop's dialogs, boxes and link opener: each answers as the
// test prepared it and records what the program asked, so a test can check both
// without a display. A test that expects no message checks RecordingMessageBox's
// record is empty, which also shows the unexpected message's text when it fails.

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "app/main_window.h"
#include "platform/file_dialog.h"
#include "platform/message_box_display.h"
#include "platform/progress_display.h"
#include "platform/url_opener.h"

namespace morvane::test_support {

// Records every request and answers with a prepared path, or nothing for a cancel.
class ScriptedFileDialog : public FileDialog {
public:
    std::optional<std::string> answer;
    std::vector<FileDialogRequest> requests;

    std::optional<std::string> Show(const FileDialogRequest& request) override {
        requests.push_back(request);
        return answer;
    }
};

// Counts writes, so a test can tell "left alone" from "written with the same text".
class FakeEditBox : public EditBox {
public:
    std::string content;
    int writes = 0;

    std::string Content() const override { return content; }
    void SetContent(const std::string& text) override {
        content = text;
        ++writes;
    }
};

class RecordingMessageBox : public MessageBoxDisplay {
public:
    using Shown = std::vector<std::pair<std::string, std::string>>;  // message, caption
    Shown shown;

    void Show(const std::string& message, const std::string& caption) override {
        shown.emplace_back(message, caption);
    }
};

// Never cancels unless told to; `open` goes back to zero when every Begin had its End.
class ScriptedProgress : public ProgressDisplay {
public:
    bool cancel = false;
    int open = 0;
    std::vector<std::string> labels;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> updates;  // done, total

    void Begin(const std::string& label) override {
        labels.push_back(label);
        ++open;
    }
    bool Update(std::uint64_t done, std::uint64_t total) override {
        updates.emplace_back(done, total);
        return !cancel;
    }
    void End() override { --open; }
};

// Answers each way of opening with a prepared outcome and records what it was given.
class ScriptedOpener : public UrlOpener {
public:
    bool desktopOpens = true;
    bool browserOpens = true;
    std::vector<std::string> desktopCalls;
    std::vector<std::string> browserCalls;

    bool OpenWithDesktop(const std::string& url) override {
        desktopCalls.push_back(url);
        return desktopOpens;
    }
    bool OpenWithBrowser(const std::string& url) override {
        browserCalls.push_back(url);
        return browserOpens;
    }
};

}  // namespace morvane::test_support
