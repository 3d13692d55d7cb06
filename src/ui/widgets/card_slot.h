// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

#include <functional>

namespace quilora::ui {

// One card on the board: its colour while face down, its picture drawn unscaled from the
// top-left corner while face up. A picture that cannot be loaded leaves the colour showing.
// From the keyboard, the arrow keys move to a neighbouring card and Space or Enter turn it;
// while the player uses the keyboard, a frame shows which card has its attention.
class CardSlot : public QWidget {
    Q_OBJECT

public:
    CardSlot(int index, QWidget* parent);

    int index() const { return index_; }
    void showFace(const QColor& colour, const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }
    QColor colour() const { return colour_; }
    // What a screen reader says of the card, asked for only when one asks.
    std::function<QString()> spokenName;
    void spokenNameChanged();

signals:
    void clicked(int index);
    void moveFocus(int index, int columns, int rows);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int index_;
    QColor colour_;
    QPixmap picture_;
    bool pressed_ = false;
};

} // namespace quilora::ui
