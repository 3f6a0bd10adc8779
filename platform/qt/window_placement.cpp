#include "platform/qt/window_placement.h"

namespace morvane {

QPoint CentredTopLeft(const QRect& screen, const QSize& outerSize) {
    return screen.topLeft() + QPoint((screen.width() - outerSize.width()) / 2,
                                     (screen.height() - outerSize.height()) / 2);
}

}  // namespace morvane
