#pragma once
// 超级链接框1: a label that shows the maker's web address and opens it through the
// desktop. Its rules live here; the desktop's widget only draws what they say and
// passes the pointer's comings and goings on.

#include <string>

#include "app/window_description.h"
#include "platform/url_opener.h"

namespace morvane {

// The maker's web address: shown on the label and opened by it. Short enough to fit
// the 120-pixel label in the default font, so it goes without a scheme; it opens as
// an https address.
inline constexpr const char* kMakerWebAddress = "morvane.example";

class HyperlinkLabel {
public:
    enum class LinkType { WebAddress, EmailAddress };
    enum class BorderStyle { None, Single };

    std::string Caption;
    LinkType Link = LinkType::WebAddress;
    std::string WebAddress = kMakerWebAddress;
    std::string EmailAddress;
    Color NormalColor = Color::Rgb(0, 0, 255);
    Color VisitedColor = Color::Rgb(0, 0, 255);
    Color HoverColor = Color::Rgb(255, 0, 0);
    Color BackColor = Color::Face();
    BorderStyle Border = BorderStyle::None;

    bool Hovered() const { return hovered_; }
    bool Visited() const { return visited_; }
    // True when the state changed, so the label needs drawing again.
    bool SetHovered(bool hovered);

    std::string ShownText() const;
    Color TextColor() const;
    // What a press opens; empty when there is nothing to open.
    std::string Target() const;

    // The desktop's own open action first, its web browser when that fails. The
    // label counts as visited exactly when one of them took the address.
    void Press(UrlOpener& opener);

private:
    bool hovered_ = false;
    bool visited_ = false;
};

}  // namespace morvane
