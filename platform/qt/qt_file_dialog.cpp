#include "platform/qt/qt_file_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QStringList>

#include "platform/qt/local_text.h"

namespace morvane {

namespace {

// Qt reads a type's patterns from the last parentheses of its name and, with
// HideNameFilterDetails, shows only what comes before them. So each type becomes
// "description (patterns)": the list shows the description exactly as given, even one
// that holds parentheses of its own, and files are listed by the pattern alone.
QString NameFilter(const FileType& type) {
    QString patterns = ToQString(type.pattern);
    patterns.replace(u';', u' ');  // the desktop convention separates patterns by ';', Qt by spaces
    return ToQString(type.description) + QStringLiteral(" (") + patterns.simplified() + QLatin1Char(')');
}

// Qt's own dialog accepts a name in a folder that doesn't exist and never asks before
// creating a file; these checks keep the dialog open instead, as the options ask.
class CheckingFileDialog : public QFileDialog {
public:
    CheckingFileDialog(QWidget* parent, bool pathMustExist, bool createPrompt)
        : QFileDialog(parent), pathMustExist_(pathMustExist), createPrompt_(createPrompt) {}

    void accept() override {
        const QStringList files = selectedFiles();
        if (!files.isEmpty()) {
            const QFileInfo chosen(files.first());
            if (!chosen.isDir()) {
                if (pathMustExist_ && !QFileInfo(chosen.absolutePath()).isDir()) {
                    QMessageBox::warning(this, windowTitle(),
                                         QString("文件夹“%1”不存在。").arg(QDir::toNativeSeparators(chosen.absolutePath())));
                    return;
                }
                if (createPrompt_ && !chosen.exists() &&
                    QMessageBox::question(this, windowTitle(),
                                          QString("文件“%1”不存在。\n要创建它吗？").arg(chosen.fileName())) !=
                        QMessageBox::Yes) {
                    return;
                }
            }
        }
        QFileDialog::accept();
    }

private:
    bool pathMustExist_;
    bool createPrompt_;
};

}  // namespace

std::optional<std::string> QtFileDialog::Show(const FileDialogRequest& request) {
    // The dialog belongs to the window the user just clicked in; it keeps that window
    // from taking input until it closes, and focus goes back where it was.
    QPointer<QWidget> focused = QApplication::focusWidget();
    CheckingFileDialog dialog(QApplication::activeWindow(), request.pathMustExist, request.createPrompt);
    dialog.setWindowModality(Qt::ApplicationModal);

    const bool open = request.mode == FileDialogRequest::Mode::Open;
    dialog.setAcceptMode(open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(open && request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    dialog.setOption(QFileDialog::HideNameFilterDetails, true);
    if (request.title) dialog.setWindowTitle(ToQString(*request.title));
    if (request.initialDirectory) dialog.setDirectory(ToQString(*request.initialDirectory));
    if (request.defaultExtension) dialog.setDefaultSuffix(ToQString(*request.defaultExtension));

    QStringList filters;
    for (const FileType& type : request.fileTypes) filters << NameFilter(type);
    if (!filters.isEmpty()) {
        dialog.setNameFilters(filters);
        if (request.selectedType >= 0 && request.selectedType < filters.size())
            dialog.selectNameFilter(filters[request.selectedType]);
    }
    // A proposed full path also opens the dialog in that path's folder.
    if (!request.proposedName.empty()) dialog.selectFile(ToQString(request.proposedName));

    // Qt's dialog never changes the process's current directory, so
    // keepCurrentDirectory needs nothing here.
    const int result = dialog.exec();
    if (focused) focused->setFocus(Qt::OtherFocusReason);
    if (result != QDialog::Accepted) return std::nullopt;

    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.first().isEmpty()) return std::nullopt;
    // No length limit: a long path comes back whole rather than cut or refused.
    return ToText(QFileInfo(files.first()).absoluteFilePath());
}

}  // namespace morvane
