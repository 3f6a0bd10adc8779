#include "platform/qt/qt_runtime.h"

#include <QDir>
#include <QIcon>
#include <QLineEdit>
#include <QLocale>
#include <QPointer>
#include <QPushButton>

#include <algorithm>

#include "app/main_window.h"
#include "platform/qt/described_window.h"
#include "platform/qt/fatal_error.h"
#include "platform/qt/local_text.h"
#include "platform/qt/qt_edit_box.h"
#include "platform/qt/qt_file_dialog.h"
#include "platform/qt/qt_message_box_display.h"
#include "platform/qt/qt_progress_display.h"
#include "platform/qt/qt_translations.h"

namespace morvane {
namespace {

// No exception may travel through Qt's event loop: a handler's failure is a
// fatal error of the program, reported where it happened.
void Dispatch(Handler handler, MainWindow& window) {
    try {
        handler(window);
    } catch (...) {
        EndWithFatalError(std::current_exception());
    }
}

}  // namespace

// The live window with the desktop services its handlers use; they live exactly
// as long as the runtime, so a handler never outlives what it was given.
struct QtRuntime::LoadedWindow {
    explicit LoadedWindow(DescribedWindow* window)
        : widget(window), pathBox(window->findChild<QLineEdit*>()),
          main(pathBox, fileDialog, messageBox, progress) {}

    QPointer<DescribedWindow> widget;
    QtEditBox pathBox;
    QtFileDialog fileDialog;
    QtMessageBoxDisplay messageBox;
    QtProgressDisplay progress;
    MainWindow main;
};

QtRuntime::QtRuntime(int argc, char** argv) : programPath_(argc > 0 && argv[0] ? argv[0] : "morvane") {
    qtArgv_[0] = programPath_.data();
    if (!QApplication::instance()) ownApplication_ = std::make_unique<QApplication>(qtArgc_, qtArgv_);
    QApplication::setApplicationName(QStringLiteral("Morvane"));
    // Lets the desktop tie the window to its applications-menu entry (Wayland docks need it).
    QGuiApplication::setDesktopFileName(QStringLiteral("example.morvane.Morvane"));
    // From the program's resources; without them the desktop's default icon shows.
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/morvane.png")));
    qtTranslation_ = LoadQtTranslation(QLocale::system());
    if (qtTranslation_) QApplication::installTranslator(qtTranslation_.get());
}

QtRuntime::~QtRuntime() {
    for (const auto& window : loaded_) delete window->widget.data();
}

void QtRuntime::Initialize() {
    // Relative paths then mean the same wherever the program was started from.
    QDir::setCurrent(QApplication::applicationDirPath());
}

bool QtRuntime::LoadWindow(const WindowDescription& description) {
    auto* window = new DescribedWindow(description);
    LoadedWindow& loaded = *loaded_.emplace_back(std::make_unique<LoadedWindow>(window));
    MainWindow& main = loaded.main;

    for (const ControlDescription& control : description.controls) {
        if (control.kind != ControlKind::PushButton || !control.onClick) continue;
        auto* button = window->findChild<QPushButton*>(ToQString(control.name));
        if (!button) continue;
        const Handler handler = control.onClick;
        QObject::connect(button, &QPushButton::clicked, window, [handler, &main] { Dispatch(handler, main); });
    }

    if (description.window.onCreated) Dispatch(description.window.onCreated, main);
    // The created handler may have closed the window already.
    if (loaded.widget && description.window.visible) loaded.widget->ShowCentred();
    return true;
}

void QtRuntime::RunMessageLoop() {
    // With no window alive nothing could ever end the loop.
    const bool anyAlive =
        std::any_of(loaded_.begin(), loaded_.end(), [](const auto& w) { return !w->widget.isNull(); });
    if (!anyAlive) return;
    QApplication::setQuitOnLastWindowClosed(true);
    QApplication::exec();
}

QWidget* QtRuntime::Window() const { return loaded_.empty() ? nullptr : loaded_.back()->widget.data(); }

MainWindow* QtRuntime::LoadedMainWindow() const { return loaded_.empty() ? nullptr : &loaded_.back()->main; }

}  // namespace morvane
