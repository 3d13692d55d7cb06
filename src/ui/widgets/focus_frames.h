// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

namespace quilora::ui {

// Whether a widget draws its keyboard-focus frame: it has the focus, and the player is using the
// keyboard in its window.
bool showsFocusFrame(const QWidget* widget);

// The keyboard-focus frames of one window show only while the player uses the keyboard, as on
// the desktop: from a Tab or an arrow key until the next mouse press. The state is the window's
// Qt::WA_KeyboardFocusChange, which the style's own controls read as well.
class FocusFrames : public QObject {
public:
    explicit FocusFrames(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showFrames(bool shown);

    QWidget* window_;
};

} // namespace quilora::ui
