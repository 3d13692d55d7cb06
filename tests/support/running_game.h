#pragma once

#include "support/fakes.h"
#include "support/real_game.h"
#include "support/test_folder.h"
#include "ui/card_slot.h"
#include "ui/form1_window.h"
#include "ui/program.h"

#include <QDir>
#include <QImage>
#include <QTest>

#include <memory>

namespace quilora::testing {

// Twelve plainly different pictures in picture set `set` of a program folder.
inline void makePictureSet(const QString& programFolder, int set = 0) {
    const QString folder = QStringLiteral("%1/img%2").arg(programFolder).arg(set);
    QDir().mkpath(folder);
    for (int n = 0; n < 12; ++n) {
        QImage picture(90, 80, QImage::Format_RGB32);
        picture.fill(QColor::fromHsv(n * 30, 255, 220 - 30 * set));
        picture.save(QStringLiteral("%1/%2.gif").arg(folder).arg(n), "PNG");
    }
}

// The whole program with its real windows, in a fresh program folder.
struct RunningGame : TestFolder {
    explicit RunningGame(bool start = true) {
        makePictureSet(dir.path());
        if (start)
            this->start();
    }
    void start() {
        program = std::make_unique<ui::Program>(dir.path(), dir.path(), platform.services());
        program->start();
    }
    game::Form1& form() const { return *program->form(); }
    ui::Form1Window& window() const { return *program->window(); }

    // Clicks the board where the card lies, as the player would.
    void click(int slot) const {
        const game::Rect r = game::slotGeometry(slot);
        const QPoint centre(r.left + r.width / 2, r.top + r.height / 2);
        QWidget* target = window().childAt(centre);
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&window(), centre));
    }

    QList<QList<int>> pairsOfTheDeal() const { return testing::pairsOfTheDeal(form()); }

    // Finds the first `count` pairs with the mouse.
    void findPairs(int count) const {
        const QList<QList<int>> pairs = pairsOfTheDeal();
        for (int i = 0; i < count; ++i) {
            click(pairs[i][0]);
            click(pairs[i][1]);
        }
    }

    FakePlatform platform;
    std::unique_ptr<ui::Program> program;
};

} // namespace quilora::testing
