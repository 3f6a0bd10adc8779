// The path box as the handlers read and write it.
#include "platform/qt/qt_edit_box.h"

#include <QLineEdit>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace morvane {
namespace {

TEST(QtEditBoxTest, ContentReadsBackWhatWasWritten) {
    const std::string longPath = "/" + std::string(40000, 'a') + ".txt";  // beyond QLineEdit's default limit
    struct Case {
        const char* what;
        std::string written;
        std::string read;
    } cases[] = {
        {"empty", "", ""},
        {"Chinese and spaces", "/tmp/我的 文件/QQ号码.txt", "/tmp/我的 文件/QQ号码.txt"},
        {"long path", longPath, longPath},
        {"a text ends at its first zero byte", std::string("/tmp/a\0b", 8), "/tmp/a"},
    };
    QLineEdit widget;
    QtEditBox box(&widget);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        box.SetContent(c.written);
        EXPECT_EQ(box.Content(), c.read);
        EXPECT_EQ(widget.text(), QString::fromLocal8Bit(c.read.c_str()));
    }
}

TEST(QtEditBoxTest, OutlivingItsWidgetReadsEmptyAndIgnoresWrites) {
    auto widget = std::make_unique<QLineEdit>("/tmp/a.txt");
    QtEditBox box(widget.get());
    widget.reset();
    EXPECT_EQ(box.Content(), "");
    box.SetContent("/tmp/b.txt");  // must not touch freed memory
    EXPECT_EQ(box.Content(), "");
}

}  // namespace
}  // namespace morvane
