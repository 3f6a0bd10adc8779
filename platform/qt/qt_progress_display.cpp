#include "platform/qt/qt_progress_display.h"

#include <algorithm>

#include <QApplication>
#include <QString>

#include "platform/qt/local_text.h"

namespace morvane {

namespace {

// Per mille rather than bytes: the bar counts in int, and inputs pass 2 GiB.
constexpr int kSteps = 1000;
constexpr int kShowAfterMs = 500;
// Often enough for a live window, rarely enough to cost nothing next to the job.
constexpr int kEventsEveryMs = 30;

}  // namespace

QtProgressDisplay::~QtProgressDisplay() { End(); }

void QtProgressDisplay::Begin(const std::string& label) {
    End();
    QWidget* owner = QApplication::activeWindow();
    dialog_ = new QProgressDialog(ToQString(label), QString::fromUtf8("取消"), 0, kSteps, owner);
    if (owner) dialog_->setWindowTitle(owner->windowTitle());
    dialog_->setWindowModality(owner ? Qt::WindowModal : Qt::ApplicationModal);
    dialog_->setMinimumDuration(kShowAfterMs);
    // The job, not the bar reaching its end, decides when the dialog goes.
    dialog_->setAutoReset(false);
    dialog_->setAutoClose(false);
    dialog_->setValue(0);  // starts the dialog's clock
    started_.start();
    sinceEvents_.start();
}

bool QtProgressDisplay::Update(std::uint64_t done, std::uint64_t total) {
    if (!dialog_) return true;
    if (total == 0) {
        dialog_->setRange(0, 0);  // size unknown: a busy bar
    } else {
        const int value = static_cast<int>(std::min(done, total) * kSteps / total);
        if (value != dialog_->value()) dialog_->setValue(value);
    }
    // The dialog shows itself only when its value changes; a job whose first step
    // takes longer than the wait must not stay hidden.
    if (!dialog_->isVisible() && !dialog_->wasCanceled() && started_.elapsed() >= kShowAfterMs) dialog_->show();
    if (sinceEvents_.elapsed() >= kEventsEveryMs) {
        // Until the dialog is up nothing blocks the window, so its clicks must wait:
        // a second click on 提取QQ would start a second job inside this one.
        QApplication::processEvents(dialog_->isVisible() ? QEventLoop::AllEvents
                                                         : QEventLoop::ExcludeUserInputEvents);
        sinceEvents_.restart();
    }
    return dialog_ && !dialog_->wasCanceled();
}

void QtProgressDisplay::End() {
    delete dialog_.data();
}

}  // namespace morvane
