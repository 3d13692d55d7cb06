// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPushButton>

#include <optional>

namespace quilora::ui {

// A side button. With a panel colour it is drawn flat in that colour rather than with the style's
// gradient, the keyboard's focus thickening its border; without one it is the style's own button.
// It draws itself rather than through a style sheet, which would bring the whole style-sheet
// engine into the first frame.
class SideButton : public QPushButton {
public:
    explicit SideButton(QWidget* parent);

    void setFlatColour(const std::optional<QColor>& colour);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<QColor> colour_;
};

} // namespace quilora::ui
