#pragma once
// The hyperlink label on the Qt desktop: draws what HyperlinkLabel says and hands it
// the pointer's comings and goings and the presses.

#include <QWidget>
#include <memory>

#include "app/hyperlink_label.h"
#include "platform/url_opener.h"

namespace morvane {

class HyperlinkWidget : public QWidget {
    Q_OBJECT
public:
    HyperlinkWidget(HyperlinkLabel label, std::unique_ptr<UrlOpener> opener, QWidget* parent = nullptr);
    const HyperlinkLabel& label() const { return label_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void SetHovered(bool hovered);

    HyperlinkLabel label_;
    std::unique_ptr<UrlOpener> opener_;
};

}  // namespace morvane
