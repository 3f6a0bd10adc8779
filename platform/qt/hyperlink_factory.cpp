#include "platform/qt/hyperlink_factory.h"

namespace morvane {

QWidget* CreateHyperlinkLabel(const ControlDescription&, QWidget* parent) {
    // Holds the label's place until the hyperlink widget exists.
    return new QWidget(parent);
}

}  // namespace morvane
