#include "platform/qt/described_window.h"

#include <QEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QWindow>

#include <algorithm>
#include <vector>

#include "platform/qt/hyperlink_factory.h"
#include "platform/qt/local_text.h"
#include "platform/qt/qt_label.h"
#include "platform/qt/window_placement.h"

namespace morvane {
namespace {

Qt::WindowFlags FlagsFor(const WindowSettings& s) {
    Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    if (s.controlBox) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (s.minButton) flags |= Qt::WindowMinimizeButtonHint;
    if (s.maxButton) flags |= Qt::WindowMaximizeButtonHint;
    if (s.alwaysOnTop) flags |= Qt::WindowStaysOnTopHint;
    return flags;
}

}  // namespace

DescribedWindow::DescribedWindow(const WindowDescription& description)
    : QWidget(nullptr, FlagsFor(description.settings)),
      outerSize_(description.window.width, description.window.height) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(ToQString(description.window.text));
    setAutoFillBackground(true);
    if (description.window.backColor.systemFace) {
        setBackgroundRole(QPalette::Button);
    } else {
        QPalette p = palette();
        p.setColor(QPalette::Window, ToQColor(description.window.backColor, p));
        setPalette(p);
    }
    // Until a frame is known the outer size is the client size; KeepOuterSize
    // corrects it once the window manager has framed the window.
    if (description.settings.fixedBorder) setFixedSize(outerSize_);
    else resize(outerSize_);

    for (const ControlDescription& control : description.controls) CreateControl(control);
    ArrangeFocus(description);

    if (description.settings.escCloses) {
        auto* esc = new QShortcut(QKeySequence(Qt::Key_Escape), this);
        esc->setContext(Qt::WindowShortcut);
        connect(esc, &QShortcut::activated, this, &QWidget::close);
    }
    // Enter and F1 need nothing: no button here is a default button, and a plain
    // widget has no help action.
}

void DescribedWindow::CreateControl(const ControlDescription& control) {
    if (control.kind == ControlKind::CommonDialog) {
        // Never drawn: the dialogs it opens are the desktop's own. A named object
        // keeps it findable like every other control.
        auto* component = new QObject(this);
        component->setObjectName(ToQString(control.name));
        return;
    }

    QWidget* widget = nullptr;
    switch (control.kind) {
        case ControlKind::EditBox: {
            auto* edit = new QLineEdit(ToQString(control.text), this);
            edit->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            widget = edit;
            break;
        }
        case ControlKind::PushButton: {
            auto* button = new QPushButton(ToQString(control.text), this);
            button->setAutoDefault(false);
            button->setDefault(false);
            widget = button;
            break;
        }
        case ControlKind::Label:
            widget = new QtLabel(control, this);
            break;
        case ControlKind::HyperlinkLabel:
            widget = CreateHyperlinkLabel(control, this);
            break;
        case ControlKind::Window:
        case ControlKind::CommonDialog:
            return;
    }
    widget->setObjectName(ToQString(control.name));
    widget->setGeometry(control.left, control.top, control.width, control.height);
    widget->setEnabled(!control.disabled);
    // A control without a tab stop may still take focus from a click if its
    // kind takes focus at all, as buttons do.
    if (control.tabStop) widget->setFocusPolicy(Qt::StrongFocus);
    else if (widget->focusPolicy() != Qt::NoFocus) widget->setFocusPolicy(Qt::ClickFocus);
    widget->setVisible(control.visible);
}

void DescribedWindow::ArrangeFocus(const WindowDescription& description) {
    std::vector<const ControlDescription*> stops;
    for (const ControlDescription& control : description.controls) {
        if (control.tabStop && control.kind != ControlKind::CommonDialog) stops.push_back(&control);
    }
    std::stable_sort(stops.begin(), stops.end(),
                     [](const auto* a, const auto* b) { return a->tabOrder < b->tabOrder; });
    auto widgetFor = [this](const ControlDescription* c) {
        return findChild<QWidget*>(ToQString(c->name), Qt::FindDirectChildrenOnly);
    };
    for (std::size_t i = 1; i < stops.size(); ++i) setTabOrder(widgetFor(stops[i - 1]), widgetFor(stops[i]));

    // The first focus goes to the usable tab stop with the lowest order, the last
    // one in control order among equals.
    const ControlDescription* first = nullptr;
    for (const ControlDescription* c : stops) {
        if (!c->visible || c->disabled) continue;
        if (!first || c->tabOrder <= first->tabOrder) first = c;
    }
    if (first) widgetFor(first)->setFocus(Qt::OtherFocusReason);
}

void DescribedWindow::ShowCentred() {
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen) move(CentredTopLeft(screen->geometry(), outerSize_));
    showNormal();
    activateWindow();
}

bool DescribedWindow::event(QEvent* event) {
    const bool handled = QWidget::event(event);
    switch (event->type()) {
        case QEvent::Show:
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            KeepOuterSize();
            break;
        default:
            break;
    }
    return handled;
}

void DescribedWindow::KeepOuterSize() {
    if (!windowHandle() || isMinimized() || minimumSize() != maximumSize()) return;
    const QMargins frame = windowHandle()->frameMargins();
    const QSize client = outerSize_.shrunkBy(frame);
    if (size() != client && client.isValid()) setFixedSize(client);
}

}  // namespace morvane
