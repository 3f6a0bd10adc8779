#include "platform/qt/hyperlink_factory.h"

#include <memory>

#include "app/hyperlink_label.h"
#include "platform/qt/hyperlink_widget.h"
#include "platform/qt/qt_url_opener.h"

namespace morvane {

QWidget* CreateHyperlinkLabel(const ControlDescription& description, QWidget* parent) {
    // The label's own settings hold; the window's description gives the address it
    // shows and its background.
    HyperlinkLabel label;
    if (!description.text.empty()) label.WebAddress = description.text;
    label.BackColor = description.backColor;
    return new HyperlinkWidget(std::move(label), std::make_unique<QtUrlOpener>(), parent);
}

}  // namespace morvane
