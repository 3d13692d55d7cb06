// SPDX-License-Identifier: GPL-3.0-or-later
// The real windows, as a player sees and uses them.
#include "support/describe.h"
#include "support/window.h"
#include "ui/game/launcher.h"
#include "ui/widgets/card_slot.h"
#include "ui/widgets/sharp_picture.h"

#include <QApplication>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace quilora;
using testing::RunningGame;

namespace {

ui::CardSlot* card(const RunningGame& game, int slot) {
    return game.find<ui::CardSlot>(QStringLiteral("Foto%1").arg(slot));
}

// The set a card's picture comes from: the test sets differ in brightness.
int setOfCard(const RunningGame& game, int slot) {
    game.click(slot);
    const QImage face = card(game, slot)->picture().toImage();
    return face.isNull() ? -1 : (220 - QColor(face.pixel(0, 0)).value()) / 30;
}

void press(Qt::Key key) {
    QVERIFY(QApplication::focusWidget());
    QTest::keyClick(QApplication::focusWidget(), key);
}

// Walks the keyboard frame from card `from` to card `to` with the arrow keys, and turns it.
void walk(int from, int to, Qt::Key turn) {
    for (int column = from % 6; column != to % 6; column = (column + 1) % 6)
        press(Qt::Key_Right);
    for (int row = from / 6; row != to / 6; row = (row + 1) % 4)
        press(Qt::Key_Down);
    press(turn);
}

// Plays a row's steps as the player would: "win", "pairs:10" (found), "tick:17" (seconds),
// "type:Kim" (at the focus), "click:cmdEND2" (the mouse), "card:5" (a card clicked), "aloud:lblSND"
// (a screen reader's press), "heading:0" (of the records list), "focus:txtRec", keys by name, and
// "options", which opens the dialog and plays the steps after it there until one closes it
// ("close": its title bar). Where the steps end, the window is compared with the file `view`.
struct Player {
    Player(const RunningGame& game, const QStringList& steps, const QString& view = {})
        : game(game), steps(steps), view(view) {}
    void play(QWidget* dialog = nullptr) {
        while (at < steps.size() && (!dialog || dialog->isVisible())) {
            const QString step = steps[at++];
            const QString what = step.section(':', 0, 0), name = step.section(':', 1);
            QHeaderView* header =
                what == "heading" ? game.find<QTreeWidget>("lvRecord")->header() : nullptr;
            if (what == "win")
                game.win(0);
            else if (what == "pairs")
                game.findPairs(0, name.toInt());
            else if (what == "tick")
                game.tick(name.toInt());
            else if (what == "type" && QApplication::focusWidget())
                QTest::keyClicks(QApplication::focusWidget(), name);
            else if (what == "click")
                game.press(name);
            else if (what == "card")
                game.click(name.toInt());
            else if (what == "aloud")
                QAccessible::queryAccessibleInterface(game.find(name))
                    ->actionInterface()
                    ->doAction(QAccessibleActionInterface::pressAction());
            else if (header)
                QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                                  QPoint(header->sectionViewportPosition(name.toInt()) + 5,
                                         header->height() / 2));
            else if (what == "focus")
                game.find(name)->setFocus();
            else if (step == "options")
                game.withOptions([this](QWidget& shown) { play(&shown); });
            else if (step == "close" && dialog)
                dialog->close();
            else if (const QKeySequence key(step); key.count() == 1)
                press(key[0].key());
            else
                QFAIL(qPrintable(step));
        }
        if (at == steps.size() && !view.isEmpty() && (!dialog || dialog->isVisible()))
            testing::compareView(dialog ? *dialog : game.window(), std::exchange(view, QString()));
    }
    const RunningGame& game;
    QStringList steps;
    QString view;
    qsizetype at = 0;
};

void play(const RunningGame& game, const QStringList& steps) {
    Player(game, steps).play();
}

// Whether a control shows the keyboard's focus: a card its dark frame with a white one inside, a
// side button its thick border, a bottom label its dotted frame.
// Pixels are named in the window's own units, whatever the screen's scale.
bool framed(QWidget* control) {
    const QImage shown = control->grab().toImage();
    const auto at = [&](int x, int y) {
        const qreal scale = shown.devicePixelRatio();
        return shown.pixelColor(int(x * scale), int(y * scale));
    };
    if (qobject_cast<ui::CardSlot*>(control))
        return at(1, 1) == QColor(20, 20, 20) && at(3, 3) == Qt::white;
    if (qobject_cast<QAbstractButton*>(control)) // on the grey cards
        return at(1, control->height() / 2) == QColor(200, 200, 200).darker(250);
    for (int x = 0; x < control->width(); ++x)
        if (at(x, 0) == control->palette().color(QPalette::WindowText))
            return true;
    return false;
}

// A third background, a blue picture.
void addBackground(const RunningGame& game) {
    QDir(game.dir.path()).mkdir("back");
    QImage picture(200, 30, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    QVERIFY(picture.save(game.path("back/back2.jpg")));
}

void activate(QWidget& window) {
    window.activateWindow();
    QApplication::setActiveWindow(&window); // the offscreen desktop leaves it to the program
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

// The player's data folder of the game as the desktop starts it.
QTemporaryDir userData;

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

public:
    static void initMain() { qputenv("XDG_DATA_HOME", QFile::encodeName(userData.path())); }

private slots:
    void launcher();
    void views_data();
    void views();
    void drawing();
    void options();
    void newDealAfterTheDialog();
    void wonGameKeepsItsTimeAndSet_data();
    void wonGameKeepsItsTimeAndSet();
    void damagedFilesAndAnUnreadableRecordsFile();
    void wholeGameFromTheKeyboard();
    void victoryPanel_data();
    void victoryPanel();
};

// The game as the desktop starts it: its names, the player's own set found in the user's data
// folder, and its icon once its first frame is drawn.
void TestWindow::launcher() {
    testing::makePictureSet(userData.filePath("Quilora"), 2);
    QDir(userData.path()).rename("Quilora/img2", "Quilora/img0");
    ui::Launcher launcher(QStringLiteral("org.example.test"));
    launcher.start();
    QCOMPARE(launcher.program().models().form.PictureFolder(), userData.filePath("Quilora/img0/"));
    QVERIFY(QApplication::windowIcon().isNull());
    QSignalSpy firstFrame(&launcher.program().window(), &ui::Form1Window::firstFrameShown);
    QTRY_VERIFY_WITH_TIMEOUT(!QApplication::windowIcon().isNull(), 60000);
    launcher.program().window().repaint(); // the first frame is told once
    QCoreApplication::sendPostedEvents();
    QCOMPARE(firstFrame.size(), 1);
    launcher.program().window().close();
}

// The window as described line by line at a few moments, against its reviewed file in views/:
// every control's place, lettering, words, state and spoken name, its clocks and where Tab goes,
// the same at every scale (the test runs again at one and a half and twice the size). Won: the
// name box keeps the cursor where a letter is put in. The records list sorts by the heading
// clicked, always ascending as its rows are, the row chosen staying chosen, and ten records with
// the longest names fit it; the help comes on top of the list, the list shown again on top of the
// help. The sound label acts on a click, Space and a screen reader's press, the dialog's box at
// once. The dialog opens by the main window, with the thumbnails and set names; its title bar
// gives the clock back and leaves the colours, and it shows the choice last made when it opens
// again.
// Rows with an outcome instead of a view: once the name has changed, Enter stores the record
// wherever the focus is, but on another button, which it presses; in the name box it always
// stores. The keyboard's focus shows from a Tab or an arrow key until the next mouse press.
void TestWindow::views_data() {
    QTest::addColumn<QByteArray>("records");
    QTest::addColumn<QStringList>("steps");
    // The won game's record as name~set~icon, whether the panel is still open, and the control
    // with the focus, "+" where it shows the frame.
    QTest::addColumn<QString>("outcome");
    using L = QStringList;
    const QByteArray two = "1~Cy~S~6~d\r\n2~Al~S~7~d~^\r\n3~Bo~S~9~d\r\n"; // no icon 9
    QByteArray full;
    for (int i = 1; i <= 10; ++i)
        full += QStringLiteral("%1~%2~Животные на ферме~%3~05.12.2026%4\r\n")
                    .arg(QString::number(i * 111.1, 'f', 1), QString(40, u'Ж'),
                         QString::number(4 + i % 4), i == 10 ? "~^" : "")
                    .toUtf8();
    const auto row = [&two](const char* tag, const L& steps, const QByteArray& records = {},
                            const char* outcome = nullptr) {
        QTest::newRow(tag) << (records.isNull() ? two : records) << steps << QString(outcome);
    };
    const L won{"win", "type:Anxa", "Left", "Backspace", "type:n", "click:optKartinka1"};
    row("start", {});
    row("ten pairs", {"tick:2", "pairs:10"});
    row("won", won);
    row("records and help", won + L{"click:cmdTOP3", "heading:0", "focus:lvRecord", "Down",
                                    "heading:0", "click:cmdTOP2"});
    row("records again", {"click:cmdTOP3", "click:cmdTOP2", "click:cmdTOP2", "click:cmdTOP2",
                          "click:cmdTOP3", "click:cmdTOP3"});
    row("russian", {"win", "click:cmdTOP3", "click:lblLOC0"});
    row("full list", {"click:cmdTOP3"}, full);
    row("full list in russian", {"click:lblLOC0", "click:cmdTOP3"}, full);
    row("sound", {"click:lblSND", "Space", "aloud:lblSND", "aloud:Foto0"});
    row("options", {"options"});
    row("options in russian", {"click:lblLOC0", "options"});
    row("dialog closed",
        {"tick:17", "options", "tick:13", "click:chkS", "click:optFon4", "close", "tick:1"});
    row("options again", {"options", "click:optFon4", "close", "options"});
    const auto enter = [&row](const char* tag, const L& steps, const char* outcome) {
        row(tag, steps, {}, outcome);
    };
    enter("Enter after an icon click", {"win", "type:Kim", "click:optKartinka1", "Return"},
          "Kim~Animals~5, closed, Foto0");
    enter("Enter on the records list",
          {"win", "type:Kim", "click:cmdTOP3", "focus:lvRecord", "Return"},
          "Kim~Animals~6, closed, Foto0");
    enter("Enter on an icon, no name typed", {"win", "click:optKartinka2", "Return"},
          ", open, optKartinka2");
    enter("Enter on Else", {"win", "type:Kim", "focus:cmdEND0", "Return"}, ", closed, Foto0");
    enter("Enter on the records list, no game won", {"click:cmdTOP3", "focus:lvRecord", "Return"},
          ", closed, lvRecord");
    enter("side button after a Tab", {"win", "click:cmdEND2", "Tab"},
          "Unknown~Animals~6, closed, cmdTOP3+");
    enter("card, the panel closed by Enter after a Tab", {"win", "Tab", "focus:txtRec", "Return"},
          "Unknown~Animals~6, closed, Foto0+");
    enter("card, a click after an arrow", {"Right", "card:5"}, ", closed, Foto1");
    enter("side button clicked", {"click:cmdTOP0"}, ", closed, cmdTOP0");
    enter("bottom label clicked", {"click:lblSND"}, ", closed, lblSND");
}

void TestWindow::views() {
    QFETCH(QByteArray, records);
    QFETCH(QStringList, steps);
    QFETCH(QString, outcome);
    RunningGame game(false);
    testing::makePictureSet(game.dir.path(), 1);
    game.writeFile("img0/setname.txt", QStringLiteral("Животные\r\nAnimals\r\n").toUtf8());
    game.writeFile("img1/setname.txt", "Фрукты\r\nFruit & nuts\r\n");
    game.writeFile("record.txt", records);
    game.writeFile("help-e.txt", "Turn two cards.\r\nFind the pairs.\r\n");
    addBackground(game);
    game.start();
    for (const char* timer : {"Timer1", "Timer2"}) // ticked by the steps alone on a busy machine
        game.find<QTimer>(timer)->blockSignals(true);
    activate(game.window());
    const QString tag = QString(QTest::currentDataTag()).replace(' ', '-');
    Player(game, steps, outcome.isNull() ? QStringLiteral(QUILORA_VIEWS "/%1.txt").arg(tag) : "")
        .play();
    const auto seen = [&game] {
        QStringList won;
        for (const QString& line : QString(game.readFile("record.txt")).split("\r\n"))
            if (line.startsWith("0~"))
                won << line.section('~', 1, 3);
        QWidget* focus = QApplication::focusWidget();
        return QStringLiteral("%1, %2, %3%4")
            .arg(won.join(' '), game.shown("Frame2") ? "open" : "closed",
                 focus ? focus->objectName() : "none", focus && framed(focus) ? "+" : "");
    };
    if (!outcome.isNull())
        QTRY_COMPARE(seen(), outcome); // Else is animated
}

// A press slid off a card and a lone release turn nothing; the homepage label opens its page,
// once; a face-up card shows its picture from its corner; the clock is white with a dark shadow.
void TestWindow::drawing() {
    RunningGame game(false);
    testing::makePictureSet(game.dir.path(), 0, 12, true);
    game.start();
    QWidget* card3 = game.find("Foto3");
    QTest::mousePress(card3, Qt::LeftButton);
    QTest::mouseRelease(card3, Qt::LeftButton, {}, QPoint(-4, -4));
    QTest::mouseRelease(card3, Qt::LeftButton);
    QVERIFY(game.form().FotoPicture(3).isEmpty());
    game.press("lblOrvane3");
    QTest::mouseRelease(game.find("lblOrvane3"), Qt::LeftButton); // alone, no click
    QCOMPARE(game.platform.links.handedOver.size(), 1);
    QVERIFY(QTest::qWaitForWindowExposed(&game.window()));
    game.click(0); // on the screen, not only when drawn afresh
    // A 90 x 80 card in the screen's own pixels: from the picture at twice the size on a dense
    // screen, scaled down where the screen is less dense than that.
    const QPixmap face = card(game, 0)->picture();
    QCOMPARE(face.size(), (QSizeF(90, 80) * game.window().devicePixelRatioF()).toSize());
    QCOMPARE(face.devicePixelRatio(), game.window().devicePixelRatioF());
    // On a screen of another scale the cards are drawn afresh for it, 90 x 80 all the same; a
    // double-size file not of twice the size is some other picture's.
    game.writeFile("img0/2@2x.gif", game.readFile("img0/1.gif"));
    ui::CardPictures pictures;
    for (const auto& [name, ratio, drawn] : {std::tuple{"img0/1.gif", 2.0, 2.0},
                                             {"img0/1.gif", 1.5, 1.5},
                                             {"img0/1.gif", 1.0, 1.0},
                                             {"img0/2.gif", 2.0, 1.0}}) {
        const QString path = game.path(name);
        const QHash<QString, ui::PictureFiles> files{
            {path, ui::readPictureFiles(path, true, ui::kCardLimits)}};
        const QPixmap picture = pictures.get(path, files, ratio);
        QCOMPARE(picture.devicePixelRatio(), drawn);
        QCOMPARE(picture.deviceIndependentSize(), QSizeF(90, 80));
    }
    QCOMPARE(ui::doubleSizePath("/my.sets/img0/1"), "/my.sets/img0/1@2x"); // as Qt looks for it
    const QColor corner = face.toImage().pixelColor(0, 0);
    const auto shown = [&] {
        const QImage screen =
            QGuiApplication::primaryScreen()->grabWindow(game.window().winId()).toImage();
        return screen.pixelColor(card(game, 0)->mapTo(&game.window(), QPoint(0, 0)) *
                                 screen.devicePixelRatio());
    };
    QTRY_COMPARE_WITH_TIMEOUT(shown(), corner, 60000);
    game.tick(1);
    const QImage clock = game.find("lblTime")->grab().toImage();
    QList<int> greys;
    for (int i = 0; i < clock.width() * clock.height(); ++i)
        greys << qGray(clock.pixel(i % clock.width(), i / clock.width()));
    QVERIFY(*std::min_element(greys.begin(), greys.end()) < 120);
    QCOMPARE(*std::max_element(greys.begin(), greys.end()), 255);
}

// A set name too long for its place ends in "…", and is shown and spoken whole. OK colours the
// cards at once; a new window takes the saved colours and draws the chosen background from its
// corner, and the victory panel, built later, is on the same colour.
void TestWindow::options() {
    RunningGame game(false);
    addBackground(game);
    const QString name = "Our whole big family at the seaside";
    game.writeFile("img0/setname.txt", ("Наша большая семья на море\r\n" + name).toUtf8());
    game.start();
    game.withOptions([&](QWidget& dialog) {
        auto* set = dialog.findChild<QAbstractButton*>("optP0");
        QVERIFY(set->text().endsWith("…") && name.startsWith(set->text().chopped(1)));
        QCOMPARE(set->toolTip() + '|' + set->accessibleName(), name + '|' + name);
    });
    play(game, {"options", "click:optFon2", "click:cmdNAS2"});
    QCOMPARE(card(game, 23)->colour(), QColor(255, 197, 85));
    game.start();
    QCOMPARE(card(game, 7)->colour(), QColor(255, 197, 85));
    const QColor corner = game.window().grab().toImage().pixelColor(2, 2);
    QVERIFY(corner.blue() > 200 && corner.red() < 50);
    game.win(0);
    QCOMPARE(game.find("Frame2")->grab().toImage().pixelColor(4, 4), QColor(255, 197, 85));
}

// Another set chosen with no game won is dealt once the dialog has closed, not while it is open.
void TestWindow::newDealAfterTheDialog() {
    RunningGame game;
    testing::makePictureSet(game.dir.path(), 1);
    const QWidget* before = &game.window();
    game.withOptions([&](QWidget&) {
        game.press("optP1");
        game.press("cmdNAS1");
        QCoreApplication::sendPostedEvents();
        QCOMPARE(&game.window(), before);
    });
    QCoreApplication::sendPostedEvents();
    QVERIFY(&game.window() != before);
    QCOMPARE(setOfCard(game, 5), 1);
}
// Between the win and leaving its panel the player may clear the board, let the clock run and
// choose another picture set: the record keeps the won time and the set it was dealt from, and
// the chosen set is dealt in a window in the same place once the panel is left.
void TestWindow::wonGameKeepsItsTimeAndSet_data() {
    QTest::addColumn<QStringList>("meanwhile");
    QTest::addColumn<QString>("leave");
    QTest::addColumn<int>("set"); // dealt next
    using L = QStringList;
    QTest::newRow("Clear, to records") << L{"click:cmdTOP0"} << "cmdEND2" << 0;
    QTest::newRow("OK with set 1, to records")
        << L{"options", "click:optP1", "click:cmdNAS2"} << "cmdEND2" << 1;
    QTest::newRow("Apply with set 1, else")
        << L{"options", "click:optP1", "click:cmdNAS1"} << "cmdEND0" << 1;
}

void TestWindow::wonGameKeepsItsTimeAndSet() {
    QFETCH(QStringList, meanwhile);
    QFETCH(QString, leave);
    QFETCH(int, set);
    RunningGame game(false);
    testing::makePictureSet(game.dir.path(), 1);
    game.writeFile("img0/setname.txt", "Животные\r\nAnimals\r\n");
    game.start();
    game.window().move(40, 30);
    game.win(7);
    play(game, meanwhile);
    QCoreApplication::sendPostedEvents(); // a reload asked for would run now
    game.tick(3);
    QVERIFY(game.shown("Frame2"));
    QCOMPARE(game.find<QLabel>("lblEnd1")->text(), "7");
    game.press(leave);
    QCoreApplication::sendPostedEvents();
    QCOMPARE(game.readFile("record.txt").contains("\r\n7~Unknown~Animals~6~"), leave == "cmdEND2");
    QVERIFY(game.platform.messages.shown.isEmpty());
    game.tick(1); // a new game's clock
    QCOMPARE(game.find<QLabel>("lblTime")->text(), "1");
    QCOMPARE(setOfCard(game, 5), set);
    QVERIFY(!game.shown("Frame2"));
    QCOMPARE(game.window().pos(), QPoint(40, 30));
}

// A missing and a cut picture, and a background that is no picture, still make a game. A records
// file that exists but cannot be read is no empty table: no place in it, no list, one message
// each time, and nothing written.
void TestWindow::damagedFilesAndAnUnreadableRecordsFile() {
    RunningGame game(false);
    QDir dir(game.dir.path());
    QVERIFY(dir.mkdir("record.txt") && dir.mkdir("back") && dir.remove("img0/0.gif"));
    game.writeFile("img0/2.gif", game.readFile("img0/2.gif").chopped(30));
    game.writeFile("back/back2.jpg", "not a picture");
    game.writeFile("Quilora.ini", "2\r\n0\r\n1\r\n1\r\n");
    game.start();
    game.win(0);
    QCOMPARE(game.find<QLabel>("lblEnd0")->text(), "VICTORY!  You time is");
    QCOMPARE(game.find<QLabel>("lblEnd2")->text(), "seconds");
    QVERIFY(!game.find("txtRec")->isEnabled() && !game.find("cmdEND2")->isEnabled() &&
            !game.find("optKartinka0")->isEnabled());
    game.press("cmdTOP3");
    QVERIFY(!game.shown("lvRecord"));
    QStringList shown = game.platform.messages.shown; // the reason given, whatever it is
    shown.replaceInStrings(game.path("record.txt"), "…")
        .replaceInStrings(QRegularExpression(" \\(.+\\):"), " (why):");
    QCOMPARE(shown, (QStringList{"The records file … cannot be read (why): this game's time cannot "
                                 "be ranked or stored. The file is left as it is.",
                                 "The records file … cannot be read (why): the records cannot be "
                                 "shown. The file is left as it is."}));
    QVERIFY(QFileInfo(game.path("record.txt")).isDir());
    // End still ends the program; the guard only decides a game that never asks.
    QTimer::singleShot(60000, &game.window(), [] { QCoreApplication::exit(1); });
    QTimer::singleShot(0, &game.window(), [&game] { game.press("cmdEND1"); });
    QCOMPARE(QCoreApplication::exec(), 0);
}

// The whole game is played from the keyboard.
void TestWindow::wholeGameFromTheKeyboard() {
    RunningGame game(false);
    game.writeFile("Quilora.ini", "optFon=1\r\noptP=0\r\nchks.Value=1\r\nLocalisation=1\r\n");
    game.start();
    activate(game.window());
    QVERIFY(!framed(card(game, 0))); // not before a key is pressed: mouse players never see it
    // Reached with Tab, the card shows it; round the edges, turning no card; Tab leaves the board
    // and comes back to the card reached.
    QStringList reached;
    for (Qt::Key key : {Qt::Key_Backtab, Qt::Key_Tab, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left,
                        Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Right}) {
        press(key);
        QWidget* focus = QApplication::focusWidget();
        reached << focus->objectName() + (framed(focus) ? "+" : "");
    }
    QCOMPARE(reached.join(' '), // a side button's frame is told on grey cards only
             "lblOrvane1+ Foto0+ Foto18+ Foto0+ Foto5+ cmdTOP3 Foto5+ Foto0+");
    for (int s = 0; s < game::kSlotCount; ++s)
        QVERIFY(game.form().FotoPicture(s).isEmpty());
    int at = 0;
    for (const QList<int>& pair : testing::pairsOf(game.form())) {
        walk(at, pair[0], Qt::Key_Space);
        walk(pair[0], pair[1], Qt::Key_Return);
        at = pair[1]; // the pair shows one picture, decoded once
        QCOMPARE(card(game, at)->picture().cacheKey(), card(game, pair[0])->picture().cacheKey());
    }
    // The name box has the focus first; Tab past the icons to the girl.
    play(game, {"type:Kim", "Tab", "Tab", "Space", "focus:txtRec", "Return"});
    QVERIFY(game.readFile("record.txt").contains("~Kim~~5~"));
    QCOMPARE(QApplication::focusWidget(), card(game, at)); // back on the board
    press(Qt::Key_Tab);                                    // to Records
    press(Qt::Key_Return); // a button pressed with Enter, as with Space
    QCoreApplication::sendPostedEvents();
    QTRY_VERIFY_WITH_TIMEOUT(game.shown("lvRecord"), 60000); // animated: after its flash
    play(game, {"Tab", "Space"});                            // Help
    QVERIFY(game.shown("txtHELP"));
    play(game, {"Escape", "focus:lblLOC0", "Space", "focus:cmdTOP1"});
    QVERIFY(!game.shown("txtHELP") && !game.shown("lvRecord"));
    game.withOptions([](QWidget& dialog) { // the options, in Russian now
        activate(dialog);
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Down);   // past the chosen background
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return); // OK is the default button
    });
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), game.find("cmdTOP1"), 60000);
    QCOMPARE(game.readFile("Quilora.ini"),
             QByteArray("optFon=2\r\noptP=0\r\nchks.Value=1\r\nLocalisation=0\r\n"));
}

// Every line of the red message and prompt shows whole within its label, in both languages: no
// red lettering is cut off at the label's top or bottom edge. The icon buttons' circles are whole,
// on the panel's own colour, also when the background is changed while the panel is open; the
// chosen one shows its dot, until the next win's panel (the test runs again at one and a half and
// twice the size).
void TestWindow::victoryPanel_data() {
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<QByteArray>("records");     // against a time of 5 seconds
    QTest::addColumn<QStringList>("background"); // chosen and applied over the open panel
    QTest::addColumn<QColor>("colour");          // around the icons; none: not looked at
    const QByteArray faster = "1~A~S~6~d\r\n999~B~S~6~d~^\r\n",
                     full = QByteArray("1~A~S~6~d\r\n").repeated(9) + "1~A~S~6~d~^\r\n";
    using L = QStringList;
    QTest::newRow("Russian, first") << QByteArray("0") << QByteArray() << L() << QColor();
    QTest::newRow("Russian, top ten") << QByteArray("0") << faster << L() << QColor();
    QTest::newRow("Russian, no place") << QByteArray("0") << full << L() << QColor();
    QTest::newRow("English, top ten") << QByteArray("1") << faster << L() << QColor();
    QTest::newRow("English, no place") << QByteArray("1") << full << L() << QColor();
    QTest::newRow("icons on grey cards")
        << QByteArray("1") << QByteArray() << L() << QColor(200, 200, 200);
    QTest::newRow("icons, orange applied over the panel")
        << QByteArray("1") << QByteArray() << L{"options", "click:optFon2", "click:cmdNAS0"}
        << QColor(255, 197, 85);
}

void TestWindow::victoryPanel() {
    QFETCH(QByteArray, language);
    QFETCH(QByteArray, records);
    QFETCH(QStringList, background);
    QFETCH(QColor, colour);
    RunningGame game(false);
    game.writeFile("Quilora.ini", "0\r\n0\r\n1\r\nLocalisation=" + language + "\r\n");
    if (!records.isEmpty())
        game.writeFile("record.txt", records);
    game.start();
    game.win(5);
    QWidget* panel = game.find("Frame2");
    for (const char* name : {"lblEnd0", "lblEnd2"}) {
        const QImage shown = panel->grab(game.find(name)->geometry()).toImage();
        for (int y : {0, shown.height() - 1})
            for (int x = 0; x < shown.width(); ++x) {
                const QColor c = shown.pixelColor(x, y);
                QVERIFY2(!(c.red() > 200 && c.green() < 80 && c.blue() < 80),
                         qPrintable(QStringLiteral("%1 %2, %3").arg(name).arg(x).arg(y)));
            }
    }
    if (!colour.isValid())
        return;
    play(game, background);
    for (int chosen : {1, -1}) { // the girl, then the next win's panel, where none is chosen
        play(game,
             chosen < 0 ? QStringList{"click:cmdEND0", "win"} : QStringList{"click:optKartinka1"});
        for (int i = 0; i < 3; ++i) {
            QWidget* button = game.find(QStringLiteral("optKartinka%1").arg(i));
            const QImage shown = panel->grab(button->geometry()).toImage();
            const int w = shown.width(), h = shown.height();
            for (int edge = 0; edge < 2 * (w + h); ++edge) {
                const QPoint at = edge < 2 * w ? QPoint(edge % w, edge < w ? 0 : h - 1)
                                               : QPoint(edge % 2 ? w - 1 : 0, (edge - 2 * w) / 2);
                QVERIFY2(shown.pixelColor(at) == colour,
                         qPrintable(QStringLiteral("%1: %2, %3").arg(i).arg(at.x()).arg(at.y())));
            }
            const QColor centre = shown.pixelColor(w / 2, h / 2);
            QVERIFY2(i == chosen ? qGray(centre.rgb()) < 160 : centre == Qt::white,
                     qPrintable(centre.name()));
        }
    }
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
