// The whole game is played from the keyboard.
#include "support/window.h"

#include <QApplication>

using namespace quilora;

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

void activate(QWidget& window) {
    window.activateWindow();
    QApplication::setActiveWindow(&window); // the offscreen desktop leaves it to the program
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

QWidget* card(const testing::RunningGame& game, int slot) {
    return game.find(QStringLiteral("Foto%1").arg(slot));
}

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void wholeGameFromTheKeyboard();
};

void TestKeyboard::wholeGameFromTheKeyboard() {
    testing::RunningGame game(false);
    game.writeFile("Quilora.ini", "optFon=1\r\noptP=0\r\nchks.Value=1\r\nLocalisation=1\r\n");
    game.start();
    ui::Form1Window& window = game.window();
    activate(window);
    QCOMPARE(QApplication::focusWidget(), card(game, 0));
    const auto frame = [&](int slot) { // the keyboard's frame: dark, then white inside
        const QImage shown = card(game, slot)->grab().toImage();
        return shown.pixelColor(1, 1) == QColor(20, 20, 20) && shown.pixelColor(3, 3) == Qt::white;
    };
    QVERIFY(!frame(0));     // not before a key is pressed: mouse players never see it
    press(Qt::Key_Backtab); // reached with Tab, the card shows it
    press(Qt::Key_Tab);
    QVERIFY(QApplication::focusWidget() == card(game, 0) && frame(0));
    // Round the edges, turning no card; Tab leaves the board and comes back to the card reached.
    for (const auto& [key, slot] : {std::pair{Qt::Key_Up, 18},
                                    {Qt::Key_Down, 0},
                                    {Qt::Key_Left, 5},
                                    {Qt::Key_Tab, -1},
                                    {Qt::Key_Backtab, 5},
                                    {Qt::Key_Right, 0}}) {
        press(key);
        if (slot >= 0)
            QVERIFY(QApplication::focusWidget() == card(game, slot) && frame(slot));
    }
    for (int s = 0; s < game::kSlotCount; ++s)
        QVERIFY(game.form().FotoPicture(s).isEmpty());
    int at = 0;
    for (const QList<int>& pair : testing::pairsOf(game.form())) {
        walk(at, pair[0], Qt::Key_Space);
        walk(pair[0], pair[1], Qt::Key_Return);
        at = pair[1];
    }
    QCOMPARE(QApplication::focusWidget(), game.find("txtRec")); // the victory panel's, first
    QTest::keyClicks(QApplication::focusWidget(), "Kim");
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space}) // past the icons to the girl
        press(key);
    game.find("txtRec")->setFocus();
    press(Qt::Key_Return);
    QVERIFY(game.readFile("record.txt").contains("~Kim~~5~"));
    QCOMPARE(QApplication::focusWidget(), card(game, at)); // back on the board
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), game.find("cmdTOP3"));
    press(Qt::Key_Return); // a button pressed with Enter, as with Space
    QCoreApplication::sendPostedEvents();
    QTRY_VERIFY_WITH_TIMEOUT(game.shown("lvRecord"), 60000); // animated: after its flash
    press(Qt::Key_Tab);                                      // Help
    press(Qt::Key_Space);
    QVERIFY(game.shown("txtHELP"));
    press(Qt::Key_Escape);
    QVERIFY(!game.shown("txtHELP") && !game.shown("lvRecord"));
    QSet<QWidget*> reached;
    for (int i = 0; i < 10; ++i)
        press(Qt::Key_Tab), reached << QApplication::focusWidget();
    QVERIFY(reached.contains({game.find("lblSND"), game.find("lblLOC0"), game.find("lblOrvane3"),
                              card(game, at)})); // and round to the board
    game.find("lblLOC0")->setFocus();
    press(Qt::Key_Space);
    game.find("cmdTOP1")->setFocus();
    game.withOptions([](QWidget& dialog) { // the options, in Russian now
        activate(dialog);
        QCOMPARE(QApplication::focusWidget(), dialog.findChild<QWidget*>("optFon1")); // chosen
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Down);   // the next background
        QTest::keyClick(dialog.focusWidget(), Qt::Key_Return); // OK is the default button
    });
    QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), &window, 60000); // the keyboard is back
    QCOMPARE(QApplication::focusWidget(), game.find("cmdTOP1"));
    QCOMPARE(game.readFile("Quilora.ini"),
             QByteArray("optFon=2\r\noptP=0\r\nchks.Value=1\r\nLocalisation=0\r\n"));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
