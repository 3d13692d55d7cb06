// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "support/game.h"
#include "ui/game/form1_window.h"
#include "ui/game/program.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

namespace quilora::testing {

// The whole program with its real windows, in a fresh folder: a player's view of it. Controls
// are found by their names (cmdTOP3, lblEnd1, Foto5...); the panels built on first use are
// absent until then.
struct RunningGame : TestFolder, Plays<RunningGame> {
    explicit RunningGame(bool start = true) {
        makePictureSet(dir.path());
        if (start)
            this->start();
    }
    void start() {
        program.reset();
        program = std::make_unique<ui::Program>(folders, platform.services());
        program->start();
    }

    ui::Form1Window& window() const { return program->window(); }
    game::Form1& form() const { return program->models().form; }

    template <typename Widget = QWidget> Widget* find(const QString& name) const {
        return window().findChild<Widget*>(name);
    }
    // Whether a control is there and shown.
    bool shown(const QString& name) const { return find(name) && find(name)->isVisible(); }
    void press(const QString& name) const {
        QWidget* widget = find(name);
        QVERIFY2(widget, qPrintable(name));
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(6, widget->height() / 2));
    }
    // Clicks the board where the card lies, as the player would.
    void click(int slot) const {
        const game::Rect r = game::slotGeometry(slot);
        const QPoint centre(r.left + r.width / 2, r.top + r.height / 2);
        QWidget* target = window().childAt(centre);
        QVERIFY(target);
        QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&window(), centre));
    }
    // Opens the options dialog and runs `act` on it within its modal loop; should `act` leave
    // it open (a failed check), it is closed.
    template <typename Act> void withOptions(const Act& act) const {
        QTimer::singleShot(0, &window(), [act] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            act(*dialog);
            if (dialog->isVisible())
                dialog->close();
        });
        press(QStringLiteral("cmdTOP1"));
    }

    core::Folders folders{dir.path(), dir.path(), {}};
    FakePlatform platform;
    std::unique_ptr<ui::Program> program;
};

} // namespace quilora::testing
