#include "platform/qt/qt_message_box_display.h"

#include <QMessageBox>
#include <QString>

#include "platform/qt/local_text.h"

namespace morvane {

void QtMessageBoxDisplay::Show(const std::string& message, const std::string& caption) {
    // No owner: the box centres on the screen, and application modality still
    // keeps every window of the program from taking input while it is open.
    QMessageBox box(QMessageBox::NoIcon, ToQString(caption), ToQString(message), QMessageBox::Ok);
    // Messages may carry file names; a name with "<" must not turn into markup.
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

}  // namespace morvane
