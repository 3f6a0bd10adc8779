#include "platform/qt/qt_progress_display.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace morvane {
namespace {

QProgressDialog* OpenProgressDialog() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QProgressDialog*>(widget)) return dialog;
    }
    return nullptr;
}

TEST(QtProgressDisplay, StaysHiddenForShortJobsAndLeavesNothingBehind) {
    QtProgressDisplay progress;
    progress.Begin("正在提取QQ号码……");
    EXPECT_TRUE(progress.Update(1, 2));
    ASSERT_NE(OpenProgressDialog(), nullptr);
    EXPECT_FALSE(OpenProgressDialog()->isVisible());
    EXPECT_TRUE(progress.Update(2, 2));
    progress.End();
    EXPECT_EQ(OpenProgressDialog(), nullptr);
}

TEST(QtProgressDisplay, AppearsForLongJobsAndCancelStopsThem) {
    QtProgressDisplay progress;
    progress.Begin("正在提取QQ号码……");
    std::uint64_t done = 0;
    // A slow job: the dialog comes up after about half a second even though its
    // percentage hardly moves.
    ASSERT_TRUE(QTest::qWaitFor([&] { return progress.Update(++done, 1'000'000) && OpenProgressDialog()->isVisible(); },
                                5000));
    QProgressDialog* dialog = OpenProgressDialog();
    EXPECT_EQ(dialog->labelText(), QString::fromUtf8("正在提取QQ号码……"));
    QPushButton* cancel = dialog->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), QString::fromUtf8("取消"));

    cancel->click();
    EXPECT_FALSE(progress.Update(++done, 1'000'000));
    progress.End();
    EXPECT_EQ(OpenProgressDialog(), nullptr);
}

}  // namespace
}  // namespace morvane
