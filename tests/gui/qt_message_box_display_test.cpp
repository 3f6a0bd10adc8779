// The program's message box and Qt's own texts in the user's language.
#include "platform/qt/qt_message_box_display.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <gtest/gtest.h>

#include "platform/qt/qt_translations.h"
#include "tests/gui/when_modal_appears.h"

namespace morvane {
namespace {

TEST(QtMessageBoxDisplayTest, ShowsTheMessageAsPlainTextWithOneButtonAndNoIcon) {
    bool seen = false;
    WhenModalAppears<QMessageBox>([&seen](QMessageBox* box) {
        seen = true;
        EXPECT_EQ(box->windowTitle(), "提示");
        // A file name with markup in it must show as typed.
        EXPECT_EQ(box->text(), "无法读取文件：/tmp/<b>粗</b>.txt");
        EXPECT_EQ(box->textFormat(), Qt::PlainText);
        EXPECT_EQ(box->icon(), QMessageBox::NoIcon);
        EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(box->parentWidget(), nullptr);
        ASSERT_EQ(box->buttons().size(), 1);
        box->buttons().front()->click();
    });
    QtMessageBoxDisplay().Show("无法读取文件：/tmp/<b>粗</b>.txt", "提示");
    EXPECT_TRUE(seen);
}

TEST(QtTranslationsTest, ChineseDesktopGetsChineseStandardButtons) {
    auto translator = LoadQtTranslation(QLocale(QLocale::Chinese, QLocale::China));
    ASSERT_NE(translator, nullptr) << "Qt's Chinese translation is missing (qt6-translations-l10n)";
    QApplication::installTranslator(translator.get());
    QMessageBox box(QMessageBox::NoIcon, "提示", "完成！", QMessageBox::Ok);
    EXPECT_EQ(box.button(QMessageBox::Ok)->text().remove('&'), "确定");
    QApplication::removeTranslator(translator.get());
}

}  // namespace
}  // namespace morvane
