// The hyperlink label's colours as it actually draws them, under the pointer and after presses.
#include "platform/qt/hyperlink_widget.h"

#include <QApplication>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QPixmap>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <vector>

#include "tests/support/scripted_desktop.h"

namespace morvane {
namespace {

using test_support::ScriptedOpener;

enum class Ink { None, Blue, Red, Mixed };

// Which strong colour the text is drawn in; the grey face colour and the
// anti-aliased edges count as neither.
Ink TextInk(QWidget& widget) {
    const QImage image = widget.grab().toImage();
    int blue = 0, red = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.blue() > 150 && c.red() < 100 && c.green() < 100) ++blue;
            if (c.red() > 150 && c.blue() < 100 && c.green() < 100) ++red;
        }
    }
    if (blue > 10 && red > 10) return Ink::Mixed;
    if (blue > 10) return Ink::Blue;
    if (red > 10) return Ink::Red;
    return Ink::None;
}

class HyperlinkWidgetTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto owned = std::make_unique<ScriptedOpener>();
        opener = owned.get();
        link = new HyperlinkWidget(HyperlinkLabel{}, std::move(owned), &window);
        link->setGeometry(112, 152, 120, 32);
        window.resize(360, 220);
        window.show();
    }

    void Enter() {
        QEnterEvent enter(QPointF(60, 16), QPointF(60, 16), link->mapToGlobal(QPointF(60, 16)));
        QApplication::sendEvent(link, &enter);
    }
    void Leave() {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(link, &leave);
    }
    void Mouse(QEvent::Type type, QPointF at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, at, link->mapToGlobal(at), button, held, Qt::NoModifier);
        QApplication::sendEvent(link, &event);
    }

    QWidget window;
    HyperlinkWidget* link = nullptr;
    ScriptedOpener* opener = nullptr;
};

TEST_F(HyperlinkWidgetTest, BlueAtRestRedWhileHovered) {
    EXPECT_EQ(TextInk(*link), Ink::Blue);
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    Enter();
    EXPECT_EQ(TextInk(*link), Ink::Red);
    Leave();
    EXPECT_EQ(TextInk(*link), Ink::Blue);
}

TEST_F(HyperlinkWidgetTest, MovingOutWhileTheButtonIsHeldEndsTheHover) {
    Enter();
    Mouse(QEvent::MouseButtonPress, {60, 16}, Qt::LeftButton, Qt::LeftButton);
    Mouse(QEvent::MouseMove, {60, 80}, Qt::NoButton, Qt::LeftButton);
    EXPECT_EQ(TextInk(*link), Ink::Blue);
    Mouse(QEvent::MouseButtonRelease, {60, 80}, Qt::LeftButton, Qt::NoButton);
    // The press opened it; the release outside changed nothing.
    EXPECT_EQ(opener->desktopCalls.size(), 1u);
    EXPECT_TRUE(opener->browserCalls.empty());
}

TEST_F(HyperlinkWidgetTest, LeftPressOpensTheAddressOnceAndStaysBlue) {
    Enter();
    Mouse(QEvent::MouseButtonPress, {60, 16}, Qt::LeftButton, Qt::LeftButton);
    ASSERT_EQ(opener->desktopCalls, std::vector<std::string>{"https://" + std::string(kMakerWebAddress)});
    EXPECT_TRUE(opener->browserCalls.empty());
    EXPECT_TRUE(link->label().Visited());
    EXPECT_EQ(TextInk(*link), Ink::Red);
    Leave();
    EXPECT_EQ(TextInk(*link), Ink::Blue);
}

TEST_F(HyperlinkWidgetTest, OtherButtonsOpenNothing) {
    Mouse(QEvent::MouseButtonPress, {60, 16}, Qt::RightButton, Qt::RightButton);
    Mouse(QEvent::MouseButtonPress, {60, 16}, Qt::MiddleButton, Qt::MiddleButton);
    EXPECT_TRUE(opener->desktopCalls.empty());
    EXPECT_TRUE(opener->browserCalls.empty());
}

TEST_F(HyperlinkWidgetTest, TheAddressFitsTheLabel) {
    const QString shown = QString::fromLocal8Bit(link->label().ShownText());
    EXPECT_LE(QFontMetrics(link->font()).horizontalAdvance(shown), link->width());
    EXPECT_LE(QFontMetrics(link->font()).height(), link->height());
}

}  // namespace
}  // namespace morvane
