// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>

namespace quilora::ui {

// A label whose lettering carries a thin dark shadow, so white text reads on the light card
// colours and backgrounds. Drawn directly: the clock repaints every second.
class ShadowLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace quilora::ui
