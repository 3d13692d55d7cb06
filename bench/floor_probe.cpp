// SPDX-License-Identifier: GPL-3.0-or-later
// The floor the game is measured against: a bare window of the game's size with the same 24
// empty card places, the four captioned buttons and the bold clock label, linking the same
// sound library. Clicking a place shows a picture there and clears the one shown before; the
// clock label counts seconds.

#include "probe.h"

#include <QLabel>
#include <QPushButton>
#include <QSoundEffect>

#include <array>

namespace {

class Place : public QLabel {
public:
    using QLabel::QLabel;
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent*) override { onClick(); }
};

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    [[maybe_unused]] volatile auto linked = &QSoundEffect::staticMetaObject;

    QWidget window;
    window.setFixedSize(641, 425);
    std::array<Place*, 24> places{};
    QPixmap picture; // loaded on the first click, as a card's picture is
    int shown = -1;
    for (int i = 0; i < 24; ++i) {
        places[i] = new Place(&window);
        places[i]->setGeometry(16 + 104 * (i % 6), 40 + 94 * (i / 6), 90, 80);
        places[i]->setAutoFillBackground(true);
        places[i]->onClick = [&, i] {
            if (picture.isNull())
                picture.load(QApplication::applicationDirPath() + QStringLiteral("/img0/0.gif"));
            if (shown >= 0)
                places[shown]->clear();
            places[i]->setPixmap(picture);
            shown = i;
        };
    }
    const std::array<const char*, 4> captions = {"Records", "Help", "Options", "Clear"};
    for (int i = 0; i < 4; ++i) {
        auto* button = new QPushButton(QLatin1String(captions[i]), &window);
        button->setGeometry(120 + 104 * i, 7, 90, 25);
    }
    auto* clock = new QLabel(QStringLiteral("Time"), &window);
    clock->setGeometry(536, 7, 90, 25);
    QFont bold = clock->font();
    bold.setPointSize(12);
    bold.setBold(true);
    clock->setFont(bold);
    clock->setAlignment(Qt::AlignCenter);
    int seconds = 0;
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, clock,
                     [&] { clock->setText(QString::number(++seconds)); });
    tick.start(1000);
    window.show();
    return quilora::bench::run(argc, argv, &window, [&places](int i) {
        return static_cast<QWidget*>(places[i == 0 ? 0 : 1]);
    });
}
