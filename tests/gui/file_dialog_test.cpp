// Drives Qt's real file dialog through QtFileDialog, the way a user would.
#include "platform/qt/qt_file_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "app/main_window.h"
#include "platform/qt/local_text.h"
#include "tests/gui/when_modal_appears.h"
#include "tests/support/scripted_desktop.h"

namespace morvane {
namespace {

void TypeAndAccept(QFileDialog* dialog, const QString& name) {
    auto* nameField = dialog->findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(nameField, nullptr);
    // The dialog drops its earlier guesses only while the name field has the focus,
    // as it has when a user types.
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog));
    nameField->setFocus();
    ASSERT_TRUE(nameField->hasFocus());
    nameField->clear();
    // One key event per character: QTest::keyClicks knows only ASCII keys.
    for (const QChar c : name) QTest::sendKeyEvent(QTest::Click, nameField, Qt::Key_unknown, QString(c), Qt::NoModifier);
    // The name field's completer may have a list open; the button is what a user
    // would press to be sure.
    auto* buttons = dialog->findChild<QDialogButtonBox*>("buttonBox");
    ASSERT_NE(buttons, nullptr);
    QPushButton* accept = buttons->button(dialog->acceptMode() == QFileDialog::AcceptOpen ? QDialogButtonBox::Open
                                                                                           : QDialogButtonBox::Save);
    ASSERT_NE(accept, nullptr);
    ASSERT_TRUE(accept->isEnabled());
    accept->click();
}

void MakeFile(const QString& path) {
    ASSERT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("10001 12345\n");
}

class LineEditBox : public EditBox {
public:
    QLineEdit edit;
    std::string Content() const override { return ToText(edit.text()); }
    void SetContent(const std::string& text) override { edit.setText(ToQString(text)); }
};

class FileDialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        // Tests need Qt's own widgets to drive; the real program prefers the desktop's dialog.
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);
    }
    QTemporaryDir temp;
};

TEST_F(FileDialogTest, ChosenFileReachesThePathBoxWhole) {
    ASSERT_TRUE(temp.isValid());
    // Longer than the 260 bytes some desktops' dialogs stop at, with spaces and Chinese.
    QString folder = temp.path() + "/输入 文件夹";
    while (folder.toUtf8().size() < 300) folder += "/很长的文件夹名字 long folder name";
    const QString input = folder + "/号码 列表.txt";
    MakeFile(input);
    MakeFile(folder + "/其他.log");

    LineEditBox pathBox;
    QtFileDialog files;
    test_support::RecordingMessageBox messages;
    test_support::ScriptedProgress progress;
    MainWindow window(pathBox, files, messages, progress);

    WhenModalAppears<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        EXPECT_TRUE(dialog->isModal());
        auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
        ASSERT_NE(types, nullptr);
        ASSERT_EQ(types->count(), 1);
        EXPECT_EQ(types->itemText(0), QString("文本文件（*.txt）"));
        auto* model = dialog->findChild<QFileSystemModel*>();
        ASSERT_NE(model, nullptr);
        EXPECT_EQ(model->nameFilters(), QStringList{"*.txt"});
        EXPECT_EQ(dialog->findChild<QLineEdit*>("fileNameEdit")->text(), QString());
        TypeAndAccept(dialog, input);
    });
    OnChooseFileClicked(window);

    EXPECT_EQ(pathBox.edit.text(), input);
    EXPECT_EQ(window.通用对话框1.FileName, ToText(input));
    EXPECT_THAT(messages.shown, ::testing::IsEmpty());
}

TEST_F(FileDialogTest, SaveDialogTakesTheRequestedSettings) {
    ASSERT_TRUE(temp.isValid());
    const QString folder = temp.path() + "/输出 目录";
    ASSERT_TRUE(QDir().mkpath(folder));

    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.title = "保存号码";
    request.initialDirectory = ToText(folder);
    request.defaultExtension = "txt";
    request.fileTypes = {{"文本文件（*.txt）", "*.txt"}, {"日志 (*.log)", "*.log;*.txt"}};
    request.selectedType = 1;
    request.proposedName = "QQ号码.txt";
    request.fileMustExist = true;
    request.overwritePrompt = true;

    WhenModalAppears<QFileDialog>([&](QFileDialog* dialog) {
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
        EXPECT_FALSE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        EXPECT_EQ(dialog->windowTitle(), QString("保存号码"));
        EXPECT_EQ(QDir(dialog->directory()).canonicalPath(), QDir(folder).canonicalPath());
        EXPECT_EQ(dialog->defaultSuffix(), QString("txt"));
        EXPECT_EQ(dialog->findChild<QLineEdit*>("fileNameEdit")->text(), QString("QQ号码.txt"));
        auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
        ASSERT_NE(types, nullptr);
        EXPECT_EQ(types->currentText(), QString("日志 (*.log)"));
        auto* model = dialog->findChild<QFileSystemModel*>();
        ASSERT_NE(model, nullptr);
        EXPECT_EQ(model->nameFilters(), (QStringList{"*.log", "*.txt"}));
        // Typed without an extension: the default one is added.
        TypeAndAccept(dialog, "结果");
    });
    const std::optional<std::string> chosen = QtFileDialog().Show(request);

    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(ToQString(*chosen), QDir(folder).absoluteFilePath("结果.txt"));
}

TEST_F(FileDialogTest, NoOverwritePromptWhenNotAsked) {
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    bool confirmsOverwrite = true;
    WhenModalAppears<QFileDialog>([&](QFileDialog* dialog) {
        confirmsOverwrite = !dialog->testOption(QFileDialog::DontConfirmOverwrite);
        dialog->reject();
    });
    EXPECT_EQ(QtFileDialog().Show(request), std::nullopt);
    EXPECT_FALSE(confirmsOverwrite);
}

TEST_F(FileDialogTest, NameInAMissingFolderIsRefusedAndTheDialogStaysOpen) {
    ASSERT_TRUE(temp.isValid());
    FileDialogRequest request;
    request.mode = FileDialogRequest::Mode::Save;
    request.pathMustExist = true;

    bool warned = false;
    bool stayedOpen = false;
    WhenModalAppears<QFileDialog>([&](QFileDialog* dialog) {
        WhenModalAppears<QMessageBox>([&](QMessageBox* box) {
            warned = true;
            box->accept();
        });
        TypeAndAccept(dialog, temp.path() + "/不存在/out.txt");
        stayedOpen = dialog->isVisible();
        dialog->reject();
    });
    EXPECT_EQ(QtFileDialog().Show(request), std::nullopt);
    EXPECT_TRUE(warned);
    EXPECT_TRUE(stayedOpen);
}

TEST_F(FileDialogTest, OwnedByTheActiveWindowAndFocusReturns) {
    QWidget mainWindow;
    auto* button = new QPushButton("选择文件", &mainWindow);
    mainWindow.show();
    mainWindow.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&mainWindow));
    button->setFocus();

    QWidget* owner = nullptr;
    Qt::WindowModality modality = Qt::NonModal;
    WhenModalAppears<QFileDialog>([&](QFileDialog* dialog) {
        owner = dialog->parentWidget();
        modality = dialog->windowModality();
        dialog->reject();
    });
    EXPECT_EQ(QtFileDialog().Show(FileDialogRequest{}), std::nullopt);
    EXPECT_EQ(owner, &mainWindow);
    EXPECT_EQ(modality, Qt::ApplicationModal);
    EXPECT_EQ(mainWindow.focusWidget(), button);
}

}  // namespace
}  // namespace morvane
