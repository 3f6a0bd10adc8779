#include "platform/qt/hyperlink_widget.h"

#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/qt/local_text.h"
#include "platform/qt/qt_label.h"

namespace morvane {

HyperlinkWidget::HyperlinkWidget(HyperlinkLabel label, std::unique_ptr<UrlOpener> opener, QWidget* parent)
    : QWidget(parent), label_(std::move(label)), opener_(std::move(opener)) {
    setCursor(Qt::PointingHandCursor);
    // Move events while no button is down too, so leaving is seen even when the
    // window system's leave notice goes astray (a browser window popping up on top).
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

void HyperlinkWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The face colour is looked up on every paint so a desktop theme change shows.
    painter.fillRect(rect(), ToQColor(label_.BackColor, palette()));
    if (label_.Border == HyperlinkLabel::BorderStyle::Single) {
        painter.setPen(palette().color(QPalette::WindowText));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    QFont plain = font();
    plain.setUnderline(false);
    painter.setFont(plain);
    painter.setPen(ToQColor(label_.TextColor(), palette()));
    // Without Qt::TextShowMnemonic an "&" is drawn as itself.
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, ToQString(label_.ShownText()));
}

void HyperlinkWidget::enterEvent(QEnterEvent*) { SetHovered(true); }

void HyperlinkWidget::leaveEvent(QEvent*) { SetHovered(false); }

void HyperlinkWidget::mouseMoveEvent(QMouseEvent* event) {
    // While a button is held the widget keeps the pointer and may get no leave
    // notice until release, so leaving the rectangle is checked here as well.
    SetHovered(rect().contains(event->position().toPoint()));
}

void HyperlinkWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    // Opens on the press: where the button is released changes nothing.
    label_.Press(*opener_);
    update();
}

void HyperlinkWidget::SetHovered(bool hovered) {
    if (label_.SetHovered(hovered)) update();
}

}  // namespace morvane
