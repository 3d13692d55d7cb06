// SPDX-License-Identifier: GPL-3.0-or-later
// Playing together through its real windows, as players see and hear it, in a fresh folder: the
// start window and its remembered choices, whole games, and the solo game's files left alone.
// The windows at chosen moments are compared with the reviewed views in QUILORA_VIEWS.
#include "support/describe.h"
#include "support/fakes.h"
#include "support/game.h"
#include "support/layout.h"
#include "ui/together/start_window.h"
#include "ui/together/together_program.h"
#include "ui/together/together_window.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTest>

#include <sys/stat.h>

using namespace quilora;

namespace {

// A pixel of what a widget shows, in its own coordinates.
QRgb pixel(QWidget* widget, QPointF at) {
    const QImage image = widget->grab().toImage();
    return image.pixel((at * image.devicePixelRatio()).toPoint());
}

struct Together : testing::TestFolder {
    // The solo game's settings (background 2, the fourth picture set, `language` 1 English or 0
    // Russian), the second set with `pictures` pictures, and a record.
    Together(const QByteArray& language, int pictures) {
        testing::makePictureSet(dir.path(), 1, pictures);
        writeFile("Quilora.ini",
                  "background=2\r\npictures=3\r\nsound=1\r\nlanguage=" + language + "\r\n");
        writeFile("record.txt", "Anna;12.3;0;4;Animals;01.01.2026\r\n");
        QImage background(641, 425, QImage::Format_RGB32); // where background 2 is looked for
        background.fill(Qt::blue);
        QVERIFY(QDir().mkpath(path("back")) && background.save(path("back/back2.jpg"), "PNG"));
        // Unshuffled: slot s shows picture s (s % 12 in a set of 12), its partner slot s + 12.
        platform.random.script = testing::unshuffled(game::kSlotCount);
    }
    void start() {
        program = std::make_unique<ui::TogetherProgram>(core::Folders{dir.path(), dir.path(), {}},
                                                        platform.services(), path("together.conf"));
        program->start();
    }
    // The match's window once it is there, else the start window.
    QWidget* shown() const {
        return program->window() ? static_cast<QWidget*>(program->window())
                                 : program->startWindow();
    }
    template <typename Widget = QWidget> Widget* find(const QString& name) const {
        Widget* widget = shown()->findChild<Widget*>(name);
        [&] { QVERIFY2(widget, qPrintable(name)); }();
        return widget;
    }
    // Players as "Anna", or "=Dad" for a perfect computer, and the second picture set; then Play.
    void choose(const QStringList& players) {
        find<QSpinBox>("playerCount")->setValue(int(players.size()));
        for (int i = 0; i < players.size(); ++i) {
            const bool computer = players[i].startsWith('=');
            const QString row = QString::number(i + 1);
            find<QLineEdit>("name" + row)->setText(players[i].mid(computer ? 1 : 0));
            find<QComboBox>("kind" + row)->setCurrentIndex(computer);
            QCOMPARE(find("memory" + row)->isVisible(), computer);
            find<QComboBox>("memory" + row)->setCurrentIndex(2);
        }
        find<QComboBox>("pictureSet")->setCurrentIndex(1);
        QTest::mouseClick(find<QPushButton>("play"), Qt::LeftButton);
        program->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(program->window()));
    }
    // Turns: a card's number clicks it, kN turns card N from the keyboard, b clicks beside the
    // cards, t is the end of a look at two cards, pN finds pair N, C lets the computer play out
    // its turn, P has a person find every pair left, A clicks Again (a fresh unshuffled deal).
    // sN steps the number of players by N; vNAME compares the window in view with the view NAME.
    void play(const QString& actions) {
        together::Match* match = program->match();
        for (const QString& action : actions.split(' ', Qt::SkipEmptyParts)) {
            QWidget* window = shown();
            const int n = action.mid(1).toInt();
            const auto focused = [&] { return window->focusWidget()->objectName().mid(4).toInt(); };
            if (action == "b") {
                QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(110, 60));
            } else if (action.startsWith('p')) {
                play(QStringLiteral("%1 %2").arg(n).arg(n + 12));
            } else if (action.startsWith('k')) { // down to the row, right to the card
                for (int i = 0; i < 12 && focused() != n; ++i)
                    QTest::keyClick(window->focusWidget(),
                                    focused() / 6 != n / 6 ? Qt::Key_Down : Qt::Key_Right);
                QTest::keyClick(window->focusWidget(), Qt::Key_Space);
            } else if (action == "A") {
                platform.random.script = testing::unshuffled(game::kSlotCount);
                QTest::mouseClick(find<QPushButton>("again"), Qt::LeftButton);
            } else if (action.startsWith('s')) {
                find<QSpinBox>("playerCount")->stepBy(n);
            } else if (action.startsWith('v')) {
                testing::compareView(*window, QUILORA_VIEWS "/" + action.mid(1) + ".txt", false);
            } else if (action == "t") {
                match->lookTimerTick();
            } else if (action == "C") {
                // The window's own timer turns the computer's first card.
                QSignalSpy turned(match, &together::Match::cardChanged);
                QVERIFY(turned.wait(30000));
                while (!match->ended() && match->player(match->current()).computer)
                    match->lookingAtMiss() ? match->lookTimerTick() : match->computerTimerTick();
            } else if (action == "P") {
                for (int s = 0; s < 12; ++s)
                    if (match->card(s) == together::CardState::FaceDown)
                        play(QStringLiteral("p%1").arg(s));
            } else {
                QTest::mouseClick(find("Foto" + action), Qt::LeftButton);
            }
        }
    }
    testing::FakePlatform platform;
    std::unique_ptr<ui::TogetherProgram> program;
};

} // namespace

class TestTogetherWindow : public QObject {
    Q_OBJECT

private slots:
    void desktop();
    void wholeGame_data();
    void wholeGame();
};

// As the desktop starts it: the game's names and icon, and the start window in view.
void TestTogetherWindow::desktop() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(QApplication::windowIcon().isNull());
    const ui::TogetherApp app(QStringLiteral("org.example.test"));
    QCOMPARE(QGuiApplication::desktopFileName() + QApplication::applicationName(),
             "org.example.testQuilora");
    const QWidgetList shown = QApplication::topLevelWidgets();
    QVERIFY(!QApplication::windowIcon().isNull() && shown.size() == 1 &&
            qobject_cast<ui::StartWindow*>(shown[0]) && shown[0]->isVisible());
}

// The start window with the last choices (without usable ones, two persons and the solo game's
// picture set; the number of players within 2 to 4), a whole game, then Again and a second one
// to its end, closed by "End"; then the start window again, with the choices made, and Cancel.
void TestTogetherWindow::wholeGame_data() {
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<int>("pictures");
    QTest::addColumn<QByteArray>("file"); // the last choices; null: none, "fifo": a FIFO
    QTest::addColumn<QString>("opening"); // in the start window
    QTest::addColumn<QStringList>("players");
    QTest::addColumn<QString>("actions");
    // A pattern of what is heard, each line followed by " /".
    QTest::addColumn<QString>("heard");
    QTest::addColumn<QString>("closing"); // in the start window shown again
    QTest::newRow("two persons, one called Bo%2")
        << QByteArray("1") << 12 << QByteArray("fifo") << "s7 vstart-four"
        << QStringList{"Anna", "Bo%2"}
        << "p0 p1 p2 p3 p4 p5 p6 7 8 b k19 k7 k8 k20 p9 p10 p11 vpersons-end A "
           "vpersons-again P"
        << "Anna's turn / Anna finds a pair: picture 1 /.* Bo%2's turn /.* Bo%2 finds a pair: "
           "picture 8 /"
        << "";
    QTest::newRow("three, a draw, 24 pictures, in Russian")
        << QByteArray("0") << 24
        << QByteArray("players=9\nkind1=robot\nmemory2=genius\nkind2=computer\npictureSet=x\nname1="
                      " a name far too long for a card = yes\nkind4=computer\nmemory4=forgetful\n")
        << "s-1 vstart-unusable" << QStringList{"Аня", "Боря", "Вера"}
        << "p0 p1 p2 p3 p4 p5 6 7 b 8 9 vrussian-miss t 10 11 b 6 7 b p6 p7 p8 p9 p10 p11 "
           "vrussian-end A P"
        << "Ходит Аня / Аня находит пару: картинка 1, картинка 13 /.* Ходит Вера /.* Боря "
           "находит пару: картинка 7, картинка 19 /"
        << "";
    QTest::newRow("against the computer")
        << QByteArray("1") << 12 << QByteArray() << "" << QStringList{"Anna", "=Robot", ""}
        << "0 1 b C P A P"
        << "Anna's turn / Robot's turn /.* Player 3's turn /.* All the pairs are found! "
        << "vstart-remembered";
}

void TestTogetherWindow::wholeGame() {
    QFETCH(QByteArray, language);
    QFETCH(int, pictures);
    Together table(language, pictures);
    const QMap<QString, QByteArray> solo = testing::contents(table.dir.path());
    QFETCH(QByteArray, file);
    if (file == "fifo")
        QCOMPARE(mkfifo(qPrintable(table.path("together.conf")), 0600), 0);
    else if (!file.isNull())
        table.writeFile("together.conf", file);
    table.start();
    QFETCH(QString, opening);
    table.play(opening);
    testing::checkLayout(*table.program->startWindow());
    QStringList said;
    QObject::connect(table.program.get(), &ui::TogetherProgram::windowShown, [&] {
        QObject::connect(table.program->window(), &ui::TogetherWindow::spoken,
                         [&](const QString& text) { said << text; });
    });
    QFETCH(QStringList, players);
    table.choose(players);
    ui::TogetherWindow* window = table.program->window();
    // The one whose turn it is in white, the others in the card colour.
    QWidget* plate = table.find("plate0");
    QCOMPARE(pixel(plate, {plate->width() * 0.6, 4}), qRgb(255, 255, 255));
    QCOMPARE(pixel(table.find("plate1"), {plate->width() * 0.6, 4}), qRgb(255, 197, 85));
    if (players.size() > 2) // alike but for the names they show
        QVERIFY(table.find("plate1")->grab().toImage() != table.find("plate2")->grab().toImage());
    QFETCH(QString, actions);
    table.play(actions);

    QFETCH(QString, heard);
    const QString lines = said.join(" / ") + " /";
    QVERIFY2(lines.contains(QRegularExpression(heard)), qPrintable(lines));
    QCOMPARE(said.filter(QRegularExpression(QStringLiteral("finds|находит"))).size(), 24);
    // Sounds as the solo game has them: a click for each card, another for each pair.
    QCOMPARE(table.platform.sound.played.count(table.path("sounds/click2.wav")), 24);
    // Every card found, as the solo board shows it. The results fit the board in the panel
    // colour, and so does every line; the bottom line too, over the background picture.
    QCOMPARE(pixel(table.find("Foto0"), {45, 40}), QColor::fromHsv(0, 255, 190).rgb());
    QWidget* panel = table.find("results");
    QVERIFY(window->rect().contains(panel->geometry()));
    for (QWidget* parent : {table.find("scores"), panel})
        testing::checkLayout(*parent);
    for (QPoint at : {panel->pos() + QPoint(5, 5), QPoint(18, 414)})
        QCOMPARE(pixel(window, at), qRgb(255, 197, 85));
    QCOMPARE(pixel(window, {2, 2}), qRgb(0, 0, 255));
    for (QLabel* label : window->findChildren<QLabel*>())
        QVERIFY2(!label->isVisible() || label->width() >= label->sizeHint().width(),
                 qPrintable(label->text()));
    QSignalSpy ended(table.program.get(), &ui::TogetherProgram::finished);
    QTest::mouseClick(table.find<QPushButton>("end"), Qt::LeftButton);
    QVERIFY(!window->isVisible() && ended.count() == 1);
    QMap<QString, QByteArray> after = testing::contents(table.dir.path());

    table.start();
    QFETCH(QString, closing);
    table.play(closing);
    QSignalSpy cancelled(table.program.get(), &ui::TogetherProgram::finished);
    QTest::mouseClick(table.find<QPushButton>("cancel"), Qt::LeftButton);
    QVERIFY(cancelled.count() == 1 && !table.program->startWindow()->isVisible());
    // Cancel keeps nothing; the solo game's files as they were, and nothing new beside them.
    QCOMPARE(testing::contents(table.dir.path()), after);
    QVERIFY(after.remove(table.path("together.conf")));
    QCOMPARE(after, solo);
}

QTEST_MAIN(TestTogetherWindow)
#include "tst_together_window.moc"
