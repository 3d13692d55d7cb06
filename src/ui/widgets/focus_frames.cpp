// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/widgets/focus_frames.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace quilora::ui {

bool showsFocusFrame(const QWidget* widget) {
    return widget->hasFocus() && widget->window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

FocusFrames::FocusFrames(QWidget* window) : QObject(window), window_(window) {
    // Key and mouse events go to the window's controls, not to the window.
    QCoreApplication::instance()->installEventFilter(this);
}

bool FocusFrames::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::MouseButtonPress &&
        type != QEvent::MouseButtonDblClick)
        return false;
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (!widget || widget->window() != window_)
        return false;
    if (type != QEvent::KeyPress) {
        showFrames(false);
        return false;
    }
    switch (static_cast<const QKeyEvent*>(event)->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        showFrames(true);
        break;
    default:
        break;
    }
    return false;
}

void FocusFrames::showFrames(bool shown) {
    if (window_->testAttribute(Qt::WA_KeyboardFocusChange) == shown)
        return;
    window_->setAttribute(Qt::WA_KeyboardFocusChange, shown);
    if (QWidget* focus = window_->focusWidget())
        focus->update();
}

} // namespace quilora::ui
