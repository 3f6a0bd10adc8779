#pragma once
// The Linux desktop's runtime: the Qt application, the program's windows built
// from their descriptions with their events bound to the handlers, and the loop.

#include <QApplication>
#include <QTranslator>
#include <QWidget>

#include <memory>
#include <string>
#include <vector>

#include "app/runtime.h"

namespace morvane {

class MainWindow;

class QtRuntime : public Runtime {
public:
    // Sets up the application (or joins the one that already exists). Of the
    // command line only the program's own path reaches Qt, so that no argument,
    // Qt's own options included, changes how the program runs.
    QtRuntime(int argc, char** argv);
    ~QtRuntime() override;

    void Initialize() override;
    bool LoadWindow(const WindowDescription& description) override;
    void RunMessageLoop() override;

    // The window loaded last, or null once it has been destroyed.
    QWidget* Window() const;
    // The window loaded last as the handlers see it, or null before any was loaded.
    MainWindow* LoadedMainWindow() const;

private:
    struct LoadedWindow;

    std::string programPath_;
    int qtArgc_ = 1;
    char* qtArgv_[2] = {nullptr, nullptr};
    std::unique_ptr<QApplication> ownApplication_;
    std::unique_ptr<QTranslator> qtTranslation_;
    // Every window loaded, kept for the whole run: its buttons' handlers refer to it.
    std::vector<std::unique_ptr<LoadedWindow>> loaded_;
};

}  // namespace morvane
