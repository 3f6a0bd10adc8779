#pragma once
// Progress of a long job on the Qt desktop: a modal progress dialog with a cancel
// button, which appears only once the job has run for about half a second.

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>

#include "platform/progress_display.h"

namespace morvane {

class QtProgressDisplay : public ProgressDisplay {
public:
    QtProgressDisplay() = default;
    ~QtProgressDisplay() override;

    void Begin(const std::string& label) override;
    bool Update(std::uint64_t done, std::uint64_t total) override;
    void End() override;

private:
    // Guarded: the dialog is a child of the active window and dies with it.
    QPointer<QProgressDialog> dialog_;
    QElapsedTimer started_;
    QElapsedTimer sinceEvents_;
};

}  // namespace morvane
