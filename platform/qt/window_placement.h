#pragma once
// Where a window first appears.

#include <QPoint>
#include <QRect>
#include <QSize>

namespace morvane {

// Top-left corner of a window's outer frame centred on a screen; halves are
// truncated toward zero, so a window taller than the screen by one pixel still
// starts at the screen's top edge.
QPoint CentredTopLeft(const QRect& screen, const QSize& outerSize);

}  // namespace morvane
