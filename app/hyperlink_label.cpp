#include "app/hyperlink_label.h"

namespace morvane {

bool HyperlinkLabel::SetHovered(bool hovered) {
    if (hovered == hovered_) return false;
    hovered_ = hovered;
    return true;
}

std::string HyperlinkLabel::ShownText() const { return Caption.empty() ? WebAddress : Caption; }

Color HyperlinkLabel::TextColor() const {
    if (hovered_) return HoverColor;
    return visited_ ? VisitedColor : NormalColor;
}

std::string HyperlinkLabel::Target() const {
    if (Link == LinkType::EmailAddress) {
        if (EmailAddress.empty() || EmailAddress.starts_with("mailto:")) return EmailAddress;
        return "mailto:" + EmailAddress;
    }
    // A bare host name would reach the desktop as a file name; with a scheme it is
    // unmistakably a web address.
    if (WebAddress.empty() || WebAddress.find("://") != std::string::npos) return WebAddress;
    return "https://" + WebAddress;
}

void HyperlinkLabel::Press(UrlOpener& opener) {
    const std::string target = Target();
    if (target.empty()) return;
    visited_ = opener.OpenWithDesktop(target) || opener.OpenWithBrowser(target);
}

}  // namespace morvane
