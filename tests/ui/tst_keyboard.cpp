// The whole game is played from the keyboard.
#include "support/running_game.h"
#include "ui/clickable_label.h"
#include "ui/form2_window.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTimer>
#include <QTreeWidget>

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

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void wholeGameAndRecordFromTheKeyboard();
    void tabOrderEscapeAndOptions();
};

void TestKeyboard::wholeGameAndRecordFromTheKeyboard() {
    testing::RunningGame game;
    activate(game.window());
    QCOMPARE(QApplication::focusWidget(), game.window().cardSlot(0));
    // Round the edges, turning no card.
    for (const auto& [key, slot] :
         {std::pair{Qt::Key_Up, 18}, {Qt::Key_Left, 23}, {Qt::Key_Right, 18}, {Qt::Key_Down, 0}}) {
        press(key);
        QCOMPARE(QApplication::focusWidget(), game.window().cardSlot(slot));
    }
    QCOMPARE(game.form().FotoPicture, (std::array<QString, 24>{}));
    int at = 0;
    for (const QList<int>& pair : game.pairsOfTheDeal()) {
        walk(at, pair[0], Qt::Key_Space);
        walk(pair[0], pair[1], Qt::Key_Return);
        at = pair[1];
    }
    QCOMPARE(QApplication::focusWidget(), game.window().nameBox()); // the victory panel's, first
    QTest::keyClicks(QApplication::focusWidget(), "Kim");
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space}) // past the icons to the girl
        press(key);
    game.window().nameBox()->setFocus();
    press(Qt::Key_Return);
    QVERIFY(game.readFile("record.txt").contains("~Kim~~5~"));
    QCOMPARE(QApplication::focusWidget(), game.window().cardSlot(at)); // back on the board
}

void TestKeyboard::tabOrderEscapeAndOptions() {
    testing::RunningGame game;
    ui::Form1Window& window = game.window();
    activate(window);
    press(Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), window.sideButton(3));
    press(Qt::Key_Return);
    QTRY_VERIFY(window.recordsList()->isVisible());
    press(Qt::Key_Tab); // Help
    press(Qt::Key_Space);
    QVERIFY(window.helpBox()->isVisible());
    press(Qt::Key_Escape);
    QVERIFY(!window.helpBox()->isVisible() && !window.recordsList()->isVisible());
    QSet<QWidget*> reached;
    for (int i = 0; i < 10; ++i)
        press(Qt::Key_Tab), reached << QApplication::focusWidget();
    QVERIFY(reached.contains({window.soundLabel(), window.languageLabel(0), window.linkLabel(3),
                              window.cardSlot(0)})); // and round to the board
    window.languageLabel(0)->setFocus();
    press(Qt::Key_Space);
    QCOMPARE(window.sideButton(0)->text(), QStringLiteral("Очистить"));
    window.sideButton(1)->setFocus();
    ui::Form2Window* dialog = window.optionsWindow();
    QTimer::singleShot(0, dialog, [dialog] {
        const auto close = qScopeGuard([dialog] { dialog->reject(); }); // should a check fail
        activate(*dialog);
        QCOMPARE(QApplication::focusWidget(), dialog->backgroundOption(0));
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Down); // the next background
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Down);
        QCOMPARE(dialog->focusWidget(), dialog->backgroundOption(2));
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return); // OK is the default button
    });
    press(Qt::Key_Space);                                // the options, in Russian now
    QTRY_COMPARE(QApplication::activeWindow(), &window); // the keyboard is back, on Options
    QCOMPARE(QApplication::focusWidget(), window.sideButton(1));
    QCOMPARE(game.readFile("Quilora.ini"),
             QByteArray("optFon=2\r\noptP=0\r\nchks.Value=1\r\nLocalisation=0\r\n"));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
