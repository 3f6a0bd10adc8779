// The main window as the Qt runtime builds it from its description, checked
// against what the user must see: controls, places, texts, focus, keys, closing.
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/main_window.h"
#include "platform/qt/qt_label.h"
#include "platform/qt/qt_runtime.h"
#include "platform/qt/window_placement.h"

namespace morvane {
namespace {

// Handlers that only count, so no test opens a real file dialog.
int chooseClicks = 0;
int extractClicks = 0;
bool windowHiddenWhenCreated = false;
void CountChoose(MainWindow& window) {
    ++chooseClicks;
    window.编辑框1.SetContent("/tmp/所选 文件.txt");
}
void CountExtract(MainWindow&) { ++extractClicks; }
void NoteVisibility(MainWindow&) {
    windowHiddenWhenCreated = true;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->windowTitle() == "Morvane" && w->isVisible()) windowHiddenWhenCreated = false;
    }
}

// The stored description with the handlers swapped for counting ones.
WindowDescription CountingDescription() {
    WindowDescription d = MainWindowDescription();
    d.window.onCreated = NoteVisibility;
    for (ControlDescription& c : d.controls) {
        if (c.name == "按钮1") c.onClick = CountChoose;
        if (c.name == "按钮2") c.onClick = CountExtract;
    }
    return d;
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        chooseClicks = extractClicks = 0;
        windowHiddenWhenCreated = false;
    }

    QWidget* Load(const WindowDescription& description) {
        EXPECT_TRUE(runtime.LoadWindow(description));
        QWidget* window = runtime.Window();
        EXPECT_NE(window, nullptr);
        if (window) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(window));
        }
        return window;
    }

    QWidget* Control(const char* name) {
        return runtime.Window() ? runtime.Window()->findChild<QWidget*>(name) : nullptr;
    }

    // Keys as the user types them: to whatever has the focus.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : runtime.Window();
        ASSERT_NE(target, nullptr);
        QTest::keyClick(target, key, modifiers);
    }

    char* argv0 = const_cast<char*>("main_window_test");
    QtRuntime runtime{1, &argv0};
};

std::optional<QString> TextOf(QWidget* widget) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) return edit->text();
    if (auto* button = qobject_cast<QPushButton*>(widget)) return button->text();
    if (auto* label = qobject_cast<QtLabel*>(widget)) return label->text();
    return std::nullopt;
}

struct ExpectedControl {
    const char* name;
    const char* kind;  // the Qt class it must be, or inherit from
    QRect geometry;
    std::optional<QString> text;  // none: the kind shows no plain text of its own
    bool enabled;
    bool tabStop;
};

TEST_F(MainWindowTest, EveryControlIsBuiltAsDescribed) {
    const ExpectedControl expected[] = {
        {"编辑框1", "QLineEdit", {8, 16, 248, 24}, QString(), false, true},
        {"按钮1", "QPushButton", {264, 16, 80, 24}, QString("选择文件"), true, true},
        {"按钮2", "QPushButton", {104, 56, 152, 80}, QString("提取QQ"), true, true},
        {"超级链接框1", "QWidget", {112, 152, 120, 32}, std::nullopt, true, false},
        {"标签1", "morvane::QtLabel", {105, 184, 136, 16}, QString("提取出文本中的QQ号码"), true, false},
    };
    Load(MainWindowDescription());
    for (const ExpectedControl& e : expected) {
        SCOPED_TRACE(e.name);
        QWidget* control = Control(e.name);
        ASSERT_NE(control, nullptr);
        EXPECT_TRUE(control->inherits(e.kind)) << control->metaObject()->className();
        EXPECT_EQ(control->geometry(), e.geometry);
        if (e.text) {
            EXPECT_EQ(TextOf(control), e.text);
        }
        EXPECT_EQ(control->isEnabled(), e.enabled);
        EXPECT_TRUE(control->isVisible());
        EXPECT_EQ(bool(control->focusPolicy() & Qt::TabFocus), e.tabStop);
    }
    // The common dialog is a component: findable by name, never a widget on screen.
    EXPECT_NE(runtime.Window()->findChild<QObject*>("通用对话框1"), nullptr);
    EXPECT_EQ(Control("通用对话框1"), nullptr);
}

TEST_F(MainWindowTest, WindowIsFixedAtItsOuterSizeAndCentred) {
    QWidget* window = Load(MainWindowDescription());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Morvane");
    EXPECT_EQ(window->frameGeometry().size(), QSize(368, 241));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(window->frameGeometry().topLeft(),
              screen.topLeft() + QPoint((screen.width() - 368) / 2, (screen.height() - 241) / 2));
    const Qt::WindowFlags flags = window->windowFlags();
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
}

TEST(CentredTopLeftTest, CentresTheOuterFrameTruncatingHalves) {
    struct Case {
        QRect screen;
        QPoint expected;
    } cases[] = {
        {{0, 0, 1024, 768}, {328, 263}},
        {{0, 0, 1920, 1080}, {776, 419}},
        {{0, 0, 369, 242}, {0, 0}},          // odd leftovers are dropped
        {{0, 0, 320, 240}, {-24, 0}},        // toward zero, not down: -1 / 2 is 0
        {{1920, 0, 1280, 1024}, {2376, 391}},  // a primary screen right of another
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CentredTopLeft(c.screen, QSize(368, 241)), c.expected) << c.screen.width() << "x" << c.screen.height();
    }
}

TEST_F(MainWindowTest, FocusStartsOnChooseFileAndTabAlternatesBetweenTheButtons) {
    Load(CountingDescription());
    QWidget* choose = Control("按钮1");
    QWidget* extract = Control("按钮2");
    EXPECT_EQ(QApplication::focusWidget(), choose);
    Press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), extract);
    Press(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), choose);
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), extract);
    Press(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), choose);

    // Clicking the disabled path box doesn't take the focus either.
    QTest::mouseClick(Control("编辑框1"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), choose);
}

TEST_F(MainWindowTest, EnterAndF1DoNothingWhicheverButtonHasTheFocus) {
    Load(CountingDescription());
    for (const char* focused : {"按钮1", "按钮2"}) {
        Control(focused)->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F1}) {
            SCOPED_TRACE(std::string(focused) + " key " + std::to_string(key));
            Press(key);
            QApplication::processEvents();
            EXPECT_EQ(chooseClicks + extractClicks, 0);
            ASSERT_NE(runtime.Window(), nullptr);
            EXPECT_TRUE(runtime.Window()->isVisible());
            EXPECT_EQ(QApplication::focusWidget(), Control(focused));
        }
    }
}

TEST_F(MainWindowTest, EscClosesTheWindowWhicheverButtonHasTheFocus) {
    for (const char* focused : {"按钮1", "按钮2"}) {
        SCOPED_TRACE(focused);
        Load(CountingDescription());
        QPointer<QWidget> window = runtime.Window();
        Control(focused)->setFocus();
        Press(Qt::Key_Escape);
        EXPECT_FALSE(window && window->isVisible());
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(window, nullptr);
        EXPECT_EQ(runtime.Window(), nullptr);
    }
}

TEST_F(MainWindowTest, ButtonsRunTheirHandlersWithTheLiveWindow) {
    Load(CountingDescription());
    QTest::mouseClick(Control("按钮1"), Qt::LeftButton);
    EXPECT_EQ(chooseClicks, 1);
    // The handler's write reaches the path box on the screen, and reads back.
    EXPECT_EQ(qobject_cast<QLineEdit*>(Control("编辑框1"))->text(), "/tmp/所选 文件.txt");
    EXPECT_EQ(runtime.LoadedMainWindow()->编辑框1.Content(), "/tmp/所选 文件.txt");

    Control("按钮2")->setFocus();
    Press(Qt::Key_Space);
    EXPECT_EQ(extractClicks, 1);
    EXPECT_EQ(chooseClicks, 1);
}

TEST_F(MainWindowTest, CreatedHandlerRunsWhileTheWindowIsStillHidden) {
    Load(CountingDescription());
    EXPECT_TRUE(windowHiddenWhenCreated);
}

TEST_F(MainWindowTest, MessageLoopReturnsOnceTheWindowIsClosed) {
    Load(CountingDescription());
    QTimer::singleShot(0, [this] { Press(Qt::Key_Escape); });
    runtime.RunMessageLoop();  // a hang here is the failure
    EXPECT_EQ(runtime.Window(), nullptr);
}

TEST_F(MainWindowTest, MessageLoopReturnsAtOnceWithoutAWindow) {
    runtime.RunMessageLoop();  // a hang here is the failure
    SUCCEED();
}

TEST_F(MainWindowTest, WorkingDirectoryBecomesTheExecutablesFolder) {
    const QString before = QDir::currentPath();
    QDir::setCurrent(QDir::rootPath());
    runtime.Initialize();
    EXPECT_EQ(QDir::current().canonicalPath(), QDir(QApplication::applicationDirPath()).canonicalPath());
    QDir::setCurrent(before);
}

// The bounding box of everything drawn in other than the background colour.
QRect Ink(const QImage& image, QColor background) {
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) != background) box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

TEST(QtLabelTest, DrawsOneLineFromTheLeftCentredVerticallyWithAmpersandsAsText) {
    QWidget parent;
    ControlDescription d;
    d.kind = ControlKind::Label;
    d.width = 136;
    d.height = 48;
    d.text = "&";  // a shortcut mark would draw nothing at all
    QtLabel ampersand(d, &parent);
    ampersand.resize(d.width, d.height);
    const QColor face = ampersand.palette().color(QPalette::Button);
    const QRect ampersandInk = Ink(ampersand.grab().toImage(), face);
    ASSERT_FALSE(ampersandInk.isEmpty());
    EXPECT_LE(ampersandInk.left(), 2);
    EXPECT_NEAR(ampersandInk.center().y(), d.height / 2, 3);

    d.text = "上\n下";  // one line: the break doesn't start a second one
    QtLabel broken(d, &parent);
    broken.resize(d.width, d.height);
    const QRect brokenInk = Ink(broken.grab().toImage(), face);
    EXPECT_LT(brokenInk.height(), broken.fontMetrics().height());
}

}  // namespace
}  // namespace morvane
