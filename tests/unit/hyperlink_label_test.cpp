#include "app/hyperlink_label.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/scripted_desktop.h"

namespace morvane {
namespace {

using test_support::ScriptedOpener;

const Color kBlue = Color::Rgb(0, 0, 255);
const Color kRed = Color::Rgb(255, 0, 0);

TEST(HyperlinkLabelTest, ShowsTheMakersAddressInBlueOnTheFaceColour) {
    HyperlinkLabel label;
    EXPECT_EQ(label.ShownText(), kMakerWebAddress);
    EXPECT_EQ(label.TextColor(), kBlue);
    EXPECT_EQ(label.BackColor, Color::Face());
    EXPECT_EQ(label.Border, HyperlinkLabel::BorderStyle::None);
    EXPECT_FALSE(label.Hovered());
    EXPECT_FALSE(label.Visited());

    label.Caption = "主页 & 更新";
    EXPECT_EQ(label.ShownText(), "主页 & 更新");
}

TEST(HyperlinkLabelTest, HoverColourWinsOverVisited) {
    HyperlinkLabel label;
    label.VisitedColor = Color::Rgb(128, 0, 128);  // set apart from the normal colour to see which applies
    ScriptedOpener opener;

    EXPECT_TRUE(label.SetHovered(true));
    EXPECT_FALSE(label.SetHovered(true));
    EXPECT_EQ(label.TextColor(), kRed);
    label.Press(opener);
    EXPECT_EQ(label.TextColor(), kRed);
    EXPECT_TRUE(label.SetHovered(false));
    EXPECT_EQ(label.TextColor(), Color::Rgb(128, 0, 128));
}

TEST(HyperlinkLabelTest, PressHandsTheAddressToTheDesktopOnce) {
    HyperlinkLabel label;
    label.WebAddress = "https://morvane.example/下载?a=1&b=2";
    ScriptedOpener opener;
    label.Press(opener);
    EXPECT_EQ(opener.desktopCalls, std::vector<std::string>{"https://morvane.example/下载?a=1&b=2"});
    EXPECT_TRUE(opener.browserCalls.empty());
    EXPECT_TRUE(label.Visited());
}

TEST(HyperlinkLabelTest, TargetOfEachLinkType) {
    struct Case {
        HyperlinkLabel::LinkType type;
        std::string web, email, target;
    };
    using enum HyperlinkLabel::LinkType;
    const Case cases[] = {
        {WebAddress, kMakerWebAddress, "", "https://morvane.example"},
        {WebAddress, "http://morvane.example/", "", "http://morvane.example/"},
        {EmailAddress, kMakerWebAddress, "maker@morvane.example", "mailto:maker@morvane.example"},
        {EmailAddress, kMakerWebAddress, "mailto:maker@morvane.example", "mailto:maker@morvane.example"},
    };
    for (const Case& c : cases) {
        HyperlinkLabel label;
        label.Link = c.type;
        label.WebAddress = c.web;
        label.EmailAddress = c.email;
        ScriptedOpener opener;
        label.Press(opener);
        EXPECT_EQ(opener.desktopCalls, std::vector<std::string>{c.target}) << c.web << " / " << c.email;
    }
}

TEST(HyperlinkLabelTest, BrowserIsTriedOnlyWhenTheDesktopFails) {
    struct Case {
        bool desktopOpens, browserOpens;
        std::size_t browserCalls;
        bool visited;
    };
    const Case cases[] = {{true, false, 0, true}, {false, true, 1, true}, {false, false, 1, false}};
    for (const Case& c : cases) {
        HyperlinkLabel label;
        ScriptedOpener opener;
        opener.desktopOpens = c.desktopOpens;
        opener.browserOpens = c.browserOpens;
        label.Press(opener);
        EXPECT_EQ(opener.desktopCalls.size(), 1u);
        EXPECT_EQ(opener.browserCalls.size(), c.browserCalls) << c.desktopOpens << c.browserOpens;
        if (c.browserCalls) {
            EXPECT_EQ(opener.browserCalls[0], opener.desktopCalls[0]);
        }
        EXPECT_EQ(label.Visited(), c.visited) << c.desktopOpens << c.browserOpens;
    }
}

TEST(HyperlinkLabelTest, VisitedFollowsTheLastPress) {
    HyperlinkLabel label;
    ScriptedOpener opener;
    label.Press(opener);
    EXPECT_TRUE(label.Visited());

    opener.desktopOpens = opener.browserOpens = false;
    label.Press(opener);
    EXPECT_FALSE(label.Visited());

    opener.browserOpens = true;
    label.Press(opener);
    EXPECT_TRUE(label.Visited());
}

TEST(HyperlinkLabelTest, EmptyTargetDoesNothing) {
    for (bool visitedBefore : {false, true}) {
        HyperlinkLabel label;
        ScriptedOpener opener;
        if (visitedBefore) label.Press(opener);
        opener.desktopCalls.clear();

        label.WebAddress.clear();
        label.Press(opener);
        label.Link = HyperlinkLabel::LinkType::EmailAddress;  // EmailAddress is empty too
        label.Press(opener);
        EXPECT_TRUE(opener.desktopCalls.empty());
        EXPECT_TRUE(opener.browserCalls.empty());
        EXPECT_EQ(label.Visited(), visitedBefore);
    }
}

}  // namespace
}  // namespace morvane
