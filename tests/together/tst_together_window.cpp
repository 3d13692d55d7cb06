// SPDX-License-Identifier: GPL-3.0-or-later
// Playing together through its real windows, as players see and hear it, in a fresh folder: the
// start window and its remembered choices, whole games, and the solo game's files left alone.
#include "support/fakes.h"
#include "support/game.h"
#include "ui/together/start_window.h"
#include "ui/together/together_program.h"
#include "ui/together/together_window.h"

#include <QAccessible>
#include <QComboBox>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

#include <sys/stat.h>

using namespace quilora;

namespace {

// Draws that leave the deal unshuffled: slot s shows picture s % 12, partner of slot s + 12.
QList<float> unshuffled() {
    QList<float> draws;
    for (int slot = game::kSlotCount - 1; slot > 0; --slot)
        draws << (slot + 0.5f) / (slot + 1);
    return draws;
}

// Every file under a folder with its bytes.
QMap<QString, QByteArray> files(const QString& folder) {
    QMap<QString, QByteArray> found;
    for (QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
         it.hasNext();) {
        QFile file(it.next());
        found.insert(file.fileName(), file.open(QIODevice::ReadOnly) ? file.readAll() : "?");
    }
    return found;
}

// The first two controls shown side by side in a window or panel that overlap, if any.
QString overlap(const QWidget* parent) {
    const QList<QWidget*> shown = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (const QWidget* a : shown)
        for (const QWidget* b : shown)
            if (a < b && a->isVisible() && b->isVisible() &&
                a->geometry().intersects(b->geometry()))
                return a->objectName() + " " + b->objectName();
    return {};
}

// What a screen reader says of a widget.
QString spoken(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

// A pixel of what a widget shows, in its own coordinates.
QRgb pixel(QWidget* widget, QPointF at) {
    const QImage image = widget->grab().toImage();
    return image.pixel((at * image.devicePixelRatio()).toPoint());
}

struct Together : testing::TestFolder {
    explicit Together(const QByteArray& settings, int pictures = 12) {
        testing::makePictureSet(dir.path(), 0, pictures);
        writeFile("Quilora.ini", settings);
        writeFile("record.txt", "Anna;12.3;0;4;Animals;01.01.2026\r\n");
        platform.random.script = unshuffled();
        QDir().mkpath(path("config"));
    }
    void start() {
        program = std::make_unique<ui::TogetherProgram>(core::Folders{dir.path(), dir.path(), {}},
                                                        platform.services(),
                                                        path("config/together.conf"));
        program->start();
    }
    template <typename Widget = QWidget> Widget* find(const QString& name) const {
        QWidget* window =
            program->window() ? static_cast<QWidget*>(program->window()) : program->startWindow();
        Widget* widget = window->findChild<Widget*>(name);
        [&] { QVERIFY2(widget, qPrintable(name)); }();
        return widget;
    }
    // Players as "Anna", or "=Dad" for a perfect computer, and the picture set; then Play.
    void choose(const QStringList& players, int set = 0) {
        find<QSpinBox>("playerCount")->setValue(int(players.size()));
        for (int i = 0; i < players.size(); ++i) {
            const bool computer = players[i].startsWith('=');
            QLineEdit* name = find<QLineEdit>(QStringLiteral("name%1").arg(i + 1));
            QVERIFY(name->isEnabled());
            name->setText(players[i].mid(computer ? 1 : 0));
            find<QComboBox>(QStringLiteral("kind%1").arg(i + 1))->setCurrentIndex(computer);
            QComboBox* memory = find<QComboBox>(QStringLiteral("memory%1").arg(i + 1));
            QCOMPARE(memory->isVisible(), computer);
            memory->setCurrentIndex(2);
        }
        find<QComboBox>("pictureSet")->setCurrentIndex(set);
        QTest::mouseClick(find<QPushButton>("play"), Qt::LeftButton);
        QVERIFY(program->window() && program->window()->isVisible());
        program->window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(program->window()));
    }
    // What the start window shows: the count, each row as name:kind and memory, the set.
    QString shown() const {
        QStringList rows;
        for (int i = 1; i <= together::kMaxPlayers; ++i)
            rows << find<QLineEdit>(QStringLiteral("name%1").arg(i))->text() + ':' +
                        QString::number(
                            find<QComboBox>(QStringLiteral("kind%1").arg(i))->currentIndex()) +
                        QString::number(
                            find<QComboBox>(QStringLiteral("memory%1").arg(i))->currentIndex());
        return QStringLiteral("%1 %2 %3")
            .arg(find<QSpinBox>("playerCount")->value())
            .arg(rows.join(','))
            .arg(find<QComboBox>("pictureSet")->currentText());
    }

    // Turns: a card's number clicks it, kN turns card N from the keyboard, b clicks beside the
    // cards, t is the end of a look at two cards, pN finds pair N, C lets the computer play out
    // its turn, P has a person find every pair left.
    void play(const QString& actions) {
        together::Match& match = *program->match();
        for (const QString& action : actions.split(' ', Qt::SkipEmptyParts)) {
            QWidget* window = program->window();
            if (action == "b") {
                QTest::mouseClick(window, Qt::LeftButton, {}, QPoint(110, 60));
            } else if (action.startsWith('p')) {
                play(QStringLiteral("%1 %2")
                         .arg(action.mid(1).toInt())
                         .arg(action.mid(1).toInt() + 12));
            } else if (action.startsWith('k')) {
                const int target = action.mid(1).toInt();
                for (int i = 0; i < 12 && window->focusWidget()->objectName() !=
                                              QStringLiteral("Foto%1").arg(target);
                     ++i)
                    QTest::keyClick(window->focusWidget(),
                                    window->focusWidget()->objectName().mid(4).toInt() / 6 !=
                                            target / 6
                                        ? Qt::Key_Down
                                        : Qt::Key_Right);
                QTest::keyClick(window->focusWidget(), Qt::Key_Space);
            } else if (action == "t") {
                QVERIFY(find<QTimer>("lookTimer")->isActive());
                match.lookTimerTick();
            } else if (action == "C") {
                // The window's own timer turns the computer's first card.
                QVERIFY(find<QTimer>("computerTimer")->isActive());
                const auto up = [&] {
                    return int(std::count_if(everyCard.begin(), everyCard.end(), [&](int s) {
                        return match.card(s) != together::CardState::FaceDown;
                    }));
                };
                const int before = up();
                QTRY_VERIFY_WITH_TIMEOUT(up() > before, 30000);
                while (!match.ended() && match.player(match.current()).computer) {
                    if (match.lookingAtMiss()) {
                        QVERIFY(find<QTimer>("lookTimer")->isActive());
                        match.lookTimerTick();
                    } else {
                        match.computerTimerTick();
                    }
                }
            } else if (action == "P") {
                for (int s = 0; s < 12; ++s)
                    if (match.card(s) == together::CardState::FaceDown)
                        play(QStringLiteral("%1 %2").arg(s).arg(s + 12));
            } else {
                QTest::mouseClick(find(QStringLiteral("Foto%1").arg(action)), Qt::LeftButton);
            }
        }
    }
    QString results() const {
        QStringList rows;
        for (int i = 0; i < program->match()->playerCount(); ++i)
            rows << find<QLabel>(QStringLiteral("place%1").arg(i))->text() + ' ' +
                        find<QLabel>(QStringLiteral("name%1").arg(i))->text() + ' ' +
                        find<QLabel>(QStringLiteral("pairs%1").arg(i))->text();
        return find<QLabel>("winner")->text() + ' ' + rows.join(", ");
    }

    QList<int> everyCard = [] {
        QList<int> all(game::kSlotCount);
        std::iota(all.begin(), all.end(), 0);
        return all;
    }();
    testing::FakePlatform platform;
    std::unique_ptr<ui::TogetherProgram> program;
};

} // namespace

class TestTogetherWindow : public QObject {
    Q_OBJECT

private slots:
    void wholeGame_data();
    void wholeGame();
    void remembered_data();
    void remembered();
};

void TestTogetherWindow::wholeGame_data() {
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<int>("pictures");
    QTest::addColumn<QStringList>("players");
    QTest::addColumn<QString>("actions");
    QTest::addColumn<QString>("results"); // none: "End" at once, else "Again" first
    // In this order, among what is heard; one ending in "…" begins a line.
    QTest::addColumn<QStringList>("heard");
    QTest::newRow("two persons, one called Bo%2")
        << QByteArray("1") << 12 << QStringList{"Anna", "Bo%2"}
        << "p0 p1 p2 p3 p4 p5 p6 7 8 b k19 k7 k8 k20 p9 p10 p11"
        << "Anna wins! 1 Anna 7, 2 Bo%2 5"
        << QStringList{"Anna's turn", "Anna finds a pair: picture 1", "Bo%2's turn",
                       "Bo%2 finds a pair: picture 8",
                       "All the pairs are found! Anna wins! place 1: Anna, pairs: 7; place 2: "
                       "Bo%2, pairs: 5"};
    QTest::newRow("three, a draw, 24 pictures, in Russian")
        << QByteArray("0") << 24 << QStringList{"Аня", "Боря", "Вера"}
        << "p0 p1 p2 p3 p4 p5 6 7 b 8 9 t 10 11 b 6 7 b p6 p7 p8 p9 p10 p11"
        << "Ничья! 1 Аня 6, 1 Боря 6, 3 Вера 0"
        << QStringList{"Ходит Аня",
                       "Аня находит пару: картинка 1, картинка 13",
                       "Ходит Боря",
                       "Ходит Вера",
                       "Ходит Аня",
                       "Ходит Боря",
                       "Боря находит пару: картинка 7, картинка 19",
                       "Все пары найдены! Ничья! 1 место: Аня, пар: 6; 1 место: Боря, пар: 6; "
                       "3 место: Вера, пар: 0"};
    QTest::newRow("against the computer")
        << QByteArray("1") << 12 << QStringList{"Anna", "=Robot"} << "0 1 b C P" << QString()
        << QStringList{"Anna's turn", "Robot's turn", "Anna's turn", "All the pairs are found!…"};
}

void TestTogetherWindow::wholeGame() {
    QFETCH(QByteArray, language);
    QFETCH(QStringList, heard);
    QFETCH(int, pictures);
    Together table("background=2\r\npictures=0\r\nsound=1\r\nlanguage=" + language + "\r\n",
                   pictures);
    const QMap<QString, QByteArray> solo = files(table.dir.path());
    table.start();
    QFETCH(QStringList, players);
    QStringList said;
    QObject::connect(table.program.get(), &ui::TogetherProgram::windowShown, [&] {
        QObject::connect(table.program->window(), &ui::TogetherWindow::spoken,
                         [&](const QString& text) { said << text; });
    });
    table.choose(players);
    ui::TogetherWindow* window = table.program->window();
    QCOMPARE(window->windowTitle(),
             language == "1" ? "Quilora: play together" : QStringLiteral("Quilora: играем вместе"));
    QFETCH(QString, actions);
    table.play(actions);

    QVERIFY(table.program->match()->ended());
    QFETCH(QString, results);
    if (!results.isEmpty())
        QCOMPARE(table.results(), results);
    int pairs = 0;
    for (int i = 0; i < players.size(); ++i)
        pairs += table.find<QLabel>(QStringLiteral("pairs%1").arg(i))->text().toInt();
    QCOMPARE(pairs, 12);
    // Every card found, as the solo board shows and names it.
    QCOMPARE(pixel(table.find("Foto0"), {45, 40}), QColor::fromHsv(0, 255, 220).rgb());
    QCOMPARE(spoken(table.find("Foto0")),
             language == "1" ? "row 1, card 1, found: picture 1"
                             : QStringLiteral("ряд 1, карточка 1, найдена: картинка 1"));
    qsizetype at = 0;
    for (const QString& line : heard) {
        while (at < said.size() && said[at] != line &&
               !(line.endsWith(u'…') && said[at].startsWith(line.chopped(1))))
            ++at;
        QVERIFY2(at++ < said.size(), qPrintable(line + " not in: " + said.join(" | ")));
    }
    // Heard as a notification, whoever has the focus.
    QCOMPARE(QAccessible::queryAccessibleInterface(table.find("status"))->role(),
             QAccessible::Notification);
    QCOMPARE(spoken(table.find("status")), said.last());
    QCOMPARE(said.filter(QRegularExpression(QStringLiteral("finds|находит"))).size(), 12);
    // Sounds as the solo game has them: a click for each card, another for each pair.
    QCOMPARE(table.platform.sound.played.count(table.path("sounds/click2.wav")), 12);
    // The results fit the board in the panel colour, and so does every line.
    QWidget* panel = table.find("results");
    QVERIFY(window->rect().contains(panel->geometry()));
    QCOMPARE(overlap(table.find("scores")), QString());
    QCOMPARE(overlap(panel), QString());
    QCOMPARE(pixel(panel, {5, 5}), qRgb(255, 197, 85));
    for (QLabel* label : window->findChildren<QLabel*>())
        QVERIFY2(!label->isVisible() || label->width() >= label->sizeHint().width(),
                 qPrintable(label->text()));
    QSignalSpy finished(table.program.get(), &ui::TogetherProgram::finished);
    if (results.isEmpty()) {
        QTest::mouseClick(table.find<QPushButton>("end"), Qt::LeftButton);
        QVERIFY(!window->isVisible() && finished.count() == 1);
        return;
    }

    table.platform.random.script = unshuffled();
    QTest::mouseClick(table.find<QPushButton>("again"), Qt::LeftButton);
    QVERIFY(!panel->isVisible() && !table.program->match()->ended());
    QCOMPARE(spoken(table.find("plate0")), language == "1"
                                               ? "Anna, pairs: 0, to play now"
                                               : QStringLiteral("Аня, пар: 0, сейчас ходит"));
    if (language == "1") {
        QCOMPARE(spoken(table.find("plate1")), players[1] + ", pairs: 0");
        QCOMPARE(spoken(table.find("Foto5")), "row 1, card 6, face down");
    }
    // The one whose turn it is in white, the others in the card colour; the pairs in view.
    QWidget* plate = table.find("plate0");
    QCOMPARE(pixel(plate, {plate->width() * 0.6, 4}), qRgb(255, 255, 255));
    QCOMPARE(pixel(table.find("plate1"), {plate->width() * 0.6, 4}), qRgb(255, 197, 85));
    const QImage before = plate->grab().toImage();
    table.play("p0");
    QVERIFY(plate->grab().toImage() != before);
    table.play("1 2 b");
    table.program->match()->end(); // as "End" does
    QVERIFY(!window->isVisible() && finished.count() == 1);
    // The solo game's files as they were, and nothing new beside them.
    QMap<QString, QByteArray> after = files(table.dir.path());
    QVERIFY(after.remove(table.path("config/together.conf")));
    QCOMPARE(after, solo);
}

// The start window brings back the last choices; without them, or with what is no usable file,
// two persons and the solo game's picture set.
void TestTogetherWindow::remembered_data() {
    QTest::addColumn<QStringList>("chosen");
    QTest::addColumn<QByteArray>("file"); // null: as the window wrote it; "fifo": a FIFO
    QTest::addColumn<QString>("shown");
    QTest::newRow("last time's") << QStringList{"Anna", "=Dad", "Ben"} << QByteArray()
                                 << "3 Anna:02,Dad:12,Ben:02,:01 3: Set 3";
    QTest::newRow("none") << QStringList{} << QByteArray("") << "2 :01,:01,:01,:01 4: Set 4";
    QTest::newRow("unusable values")
        << QStringList{}
        << QByteArray("players=9\nkind1=robot\nmemory1=genius\nkind2=computer\nmemory2="
                      "forgetful\npictureSet=x\nname1= a name far too long for a card = yes\n")
        << "2 a name far too l:01,:10,:01,:01 4: Set 4";
    QTest::newRow("a FIFO") << QStringList{} << QByteArray("fifo") << "2 :01,:01,:01,:01 4: Set 4";
}

void TestTogetherWindow::remembered() {
    QFETCH(QStringList, chosen);
    QFETCH(QByteArray, file);
    Together table("background=2\r\npictures=3\r\nsound=0\r\nlanguage=1\r\n");
    if (file.isNull()) {
        table.start();
        table.choose(chosen, 2);
        table.program->window()->close();
    } else if (file == "fifo") {
        QCOMPARE(mkfifo(qPrintable(table.path("config/together.conf")), 0600), 0);
    } else {
        table.writeFile("config/together.conf", file);
    }
    table.start();
    QTEST(table.shown(), "shown");
    QCOMPARE(overlap(table.program->startWindow()), QString());
    QCOMPARE(QAccessible::queryAccessibleInterface(table.find("memory2"))
                 ->text(QAccessible::Description),
             "How well player 2 remembers");
    QSpinBox* count = table.find<QSpinBox>("playerCount");
    for (int players : {1, 9})
        count->setValue(players);
    QCOMPARE(count->value(), 4);
    // Cancel ends it, and nothing is kept.
    const QMap<QString, QByteArray> kept = files(table.path("config"));
    QSignalSpy finished(table.program.get(), &ui::TogetherProgram::finished);
    QTest::mouseClick(table.find<QPushButton>("cancel"), Qt::LeftButton);
    QVERIFY(finished.count() == 1 && !table.program->startWindow()->isVisible());
    QCOMPARE(files(table.path("config")), kept);
}

QTEST_MAIN(TestTogetherWindow)
#include "tst_together_window.moc"
