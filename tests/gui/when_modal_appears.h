#pragma once
// Reaching into a modal dialog that a call under test opens and waits on.

#include <QApplication>
#include <QTimer>

#include <functional>

namespace morvane {

// Runs `action` on the next modal dialog of type T once it is up; the dialog's own
// loop keeps running meanwhile, so this polls. A dialog that the action leaves open
// (a failed assertion returns early) is closed, so a failure never hangs the test.
template <typename T>
void WhenModalAppears(std::function<void(T*)> action) {
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        action(dialog);
        if (dialog->isVisible()) dialog->reject();
    });
    poll->start();
}

}  // namespace morvane
