#include "platform/qt/qt_label.h"

#include <QPainter>

#include "platform/qt/local_text.h"

namespace morvane {
namespace {

int AlignmentFlags(const ControlDescription& d) {
    int flags = 0;
    switch (d.horizontalAlignment) {
        case HorizontalAlignment::Left: flags |= Qt::AlignLeft; break;
        case HorizontalAlignment::Centre: flags |= Qt::AlignHCenter; break;
        case HorizontalAlignment::Right: flags |= Qt::AlignRight; break;
    }
    switch (d.verticalAlignment) {
        case VerticalAlignment::Top: flags |= Qt::AlignTop; break;
        case VerticalAlignment::Centre: flags |= Qt::AlignVCenter; break;
        case VerticalAlignment::Bottom: flags |= Qt::AlignBottom; break;
    }
    // Without Qt::TextShowMnemonic the painter draws "&" as itself.
    return flags | (d.wordWrap ? Qt::TextWordWrap : Qt::TextSingleLine);
}

}  // namespace

QColor ToQColor(const Color& color, const QPalette& palette) {
    return color.systemFace ? palette.color(QPalette::Button) : QColor(color.red, color.green, color.blue);
}

QtLabel::QtLabel(const ControlDescription& description, QWidget* parent)
    : QWidget(parent),
      text_(ToQString(description.text)),
      textColor_(description.textColor),
      backColor_(description.backColor),
      flags_(AlignmentFlags(description)) {}

void QtLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // The face colour is looked up on every paint so a desktop theme change shows.
    painter.fillRect(rect(), ToQColor(backColor_, palette()));
    painter.setPen(ToQColor(textColor_, palette()));
    painter.drawText(rect(), flags_, text_);
}

}  // namespace morvane
