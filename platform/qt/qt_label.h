#pragma once
// A label that draws exactly as described: its own background, one line unless
// it wraps, "&" as an ordinary character, and whatever doesn't fit cut off.

#include <QColor>
#include <QString>
#include <QWidget>

#include "app/window_description.h"

namespace morvane {

class QtLabel : public QWidget {
    Q_OBJECT
public:
    QtLabel(const ControlDescription& description, QWidget* parent);
    QString text() const { return text_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString text_;
    Color textColor_;
    Color backColor_;
    int flags_;
};

// A stored colour on this desktop; the face colour is the palette's button colour.
QColor ToQColor(const Color& color, const QPalette& palette);

}  // namespace morvane
