#include "platform/qt/qt_edit_box.h"

#include <limits>

#include "platform/qt/local_text.h"

namespace morvane {

QtEditBox::QtEditBox(QLineEdit* lineEdit) : lineEdit_(lineEdit) {
    // QLineEdit cuts its text at 32767 characters by default, which would hand
    // the extraction a different path from the one the user chose.
    if (lineEdit_) lineEdit_->setMaxLength(std::numeric_limits<int>::max());
}

std::string QtEditBox::Content() const {
    if (!lineEdit_) return {};
    return ToText(lineEdit_->text());
}

void QtEditBox::SetContent(const std::string& text) {
    if (!lineEdit_) return;
    lineEdit_->setText(ToQString(text));
}

}  // namespace morvane
