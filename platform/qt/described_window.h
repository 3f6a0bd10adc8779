#pragma once
// A top-level window built from its description: its controls as children named
// by their stored names, a fixed outer size, Esc to close, and the first focus
// and Tab chain that the control order gives.

#include <QSize>
#include <QWidget>

#include "app/window_description.h"

namespace morvane {

class DescribedWindow : public QWidget {
    Q_OBJECT
public:
    // Builds the window and its controls hidden.
    explicit DescribedWindow(const WindowDescription& description);

    // Shows the window in its normal state, centred on the primary screen.
    void ShowCentred();

protected:
    bool event(QEvent* event) override;

private:
    void CreateControl(const ControlDescription& control);
    void ArrangeFocus(const WindowDescription& description);
    void KeepOuterSize();

    QSize outerSize_;
};

}  // namespace morvane
