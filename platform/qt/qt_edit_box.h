#pragma once
// The path box as the handlers see it, over a QLineEdit that the window owns.

#include <QLineEdit>
#include <QPointer>

#include "app/main_window.h"

namespace morvane {

class QtEditBox : public EditBox {
public:
    // Takes a line edit that may be destroyed with its window before this object;
    // a box whose widget is gone reads as empty and ignores writes.
    explicit QtEditBox(QLineEdit* lineEdit);
    std::string Content() const override;
    void SetContent(const std::string& text) override;

private:
    QPointer<QLineEdit> lineEdit_;
};

}  // namespace morvane
