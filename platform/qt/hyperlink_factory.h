#pragma once
// The one place that decides which widget stands for a hyperlink label.

#include <QWidget>

#include "app/window_description.h"

namespace morvane {

QWidget* CreateHyperlinkLabel(const ControlDescription& description, QWidget* parent);

}  // namespace morvane
