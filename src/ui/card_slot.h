#pragma once

#include <QColor>
#include <QPixmap>
#include <QWidget>

namespace quilora::ui {

// One card on the board: its colour while face down, its picture drawn unscaled from the
// top-left corner while face up. A picture that cannot be loaded leaves the colour showing.
class CardSlot : public QWidget {
    Q_OBJECT

public:
    CardSlot(int index, QWidget* parent);

    int index() const { return index_; }
    void show(const QColor& colour, const QPixmap& picture);
    const QPixmap& picture() const { return picture_; }
    QColor colour() const { return colour_; }

signals:
    void clicked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int index_;
    QColor colour_;
    QPixmap picture_;
    bool pressed_ = false;
};

} // namespace quilora::ui
