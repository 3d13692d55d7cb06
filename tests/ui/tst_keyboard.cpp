#include "support/running_game.h"
#include "ui/clickable_label.h"
#include "ui/form2_window.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QTimer>
#include <QTreeWidget>

using namespace quilora;
using testing::RunningGame;

namespace {

QWidget* focused() {
    return QApplication::focusWidget();
}

void press(Qt::Key key) {
    QVERIFY(focused());
    QTest::keyClick(focused(), key);
}

// Walks the keyboard frame from card `from` to card `to` with the arrow keys.
void walk(int from, int to) {
    for (int column = from % 6; column != to % 6; column = (column + 1) % 6)
        press(Qt::Key_Right);
    for (int row = from / 6; row != to / 6; row = (row + 1) % 4)
        press(Qt::Key_Down);
}

QString spoken(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

void activate(QWidget& window) {
    window.activateWindow();
    QApplication::setActiveWindow(&window); // the offscreen desktop leaves it to the program
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

} // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

private slots:
    void wholeGameAndRecordFromTheKeyboard();
    void tabReachesTheButtonsAndEscapeClosesPanels();
    void cardsAreNamedForAScreenReader();
    void optionsFromTheKeyboard();
};

void TestKeyboard::wholeGameAndRecordFromTheKeyboard() {
    RunningGame game;
    activate(game.window());
    QCOMPARE(focused(), game.window().cardSlot(0));
    QVERIFY(!game.window().cardSlot(0)->showsFocusFrame()); // not before a key is pressed
    press(Qt::Key_Up);                                      // round the edges, turning no card
    QCOMPARE(focused(), game.window().cardSlot(18));
    QVERIFY(game.window().cardSlot(18)->showsFocusFrame());
    press(Qt::Key_Left);
    QCOMPARE(focused(), game.window().cardSlot(23));
    press(Qt::Key_Right);
    press(Qt::Key_Down);
    QCOMPARE(focused(), game.window().cardSlot(0));
    QCOMPARE(game.form().FotoPicture, (std::array<QString, 24>{})); // no arrow turned a card
    int at = 0;
    for (const QList<int>& pair : game.pairsOfTheDeal()) {
        walk(at, pair[0]);
        press(Qt::Key_Space);
        walk(pair[0], pair[1]);
        press(Qt::Key_Return);
        at = pair[1];
    }
    QCOMPARE(game.form().PairsFound, 12);
    QVERIFY(game.window().victoryPanel()->isVisible());
    QCOMPARE(focused(), game.window().nameBox()); // the panel takes the focus, name first
    QTest::keyClicks(focused(), "Kim");
    press(Qt::Key_Tab); // the icons, then "To records"
    press(Qt::Key_Tab);
    press(Qt::Key_Space); // girl
    QCOMPARE(game.form().IconChoice, 5);
    game.window().nameBox()->setFocus();
    press(Qt::Key_Return);
    QVERIFY(!game.window().victoryPanel()->isVisible());
    QVERIFY(game.readFile("record.txt").contains("~Kim~~5~"));
    QCOMPARE(focused(), game.window().cardSlot(at)); // back on the board
}

void TestKeyboard::tabReachesTheButtonsAndEscapeClosesPanels() {
    RunningGame game;
    ui::Form1Window& window = game.window();
    activate(window);
    press(Qt::Key_Tab);
    QCOMPARE(focused(), window.sideButton(3));
    press(Qt::Key_Return);
    QTRY_VERIFY(window.recordsList()->isVisible());
    press(Qt::Key_Tab); // Help
    press(Qt::Key_Space);
    QVERIFY(window.helpBox()->isVisible());
    press(Qt::Key_Escape);
    QVERIFY(!window.helpBox()->isVisible());
    QVERIFY(!window.recordsList()->isVisible());

    QList<QWidget*> reached;
    for (int i = 0; i < 10; ++i) {
        press(Qt::Key_Tab);
        reached << focused();
    }
    QVERIFY(reached.contains(window.soundLabel()));
    QVERIFY(reached.contains(window.languageLabel(0)));
    QVERIFY(reached.contains(window.linkLabel(3)));
    QVERIFY(reached.contains(window.cardSlot(0))); // and round to the board
    window.languageLabel(0)->setFocus();
    press(Qt::Key_Space);
    QCOMPARE(window.sideButton(0)->text(), QStringLiteral("Очистить"));
}

void TestKeyboard::cardsAreNamedForAScreenReader() {
    RunningGame game(false);
    QByteArray names;
    for (int n = 0; n < 12; ++n)
        names += QStringLiteral("зверь %1\tbeast %1\r\n").arg(n).toUtf8();
    game.writeFile("img0/names.txt", names);
    game.start();
    ui::Form1Window& window = game.window();
    const QList<int> pair = game.pairsOfTheDeal()[0];
    const int picture = game::pictureNumber(game.form().CardFile[pair[0]]);
    const auto place = [](int slot, const char* format) {
        return QString::fromUtf8(format).arg(slot / 6 + 1).arg(slot % 6 + 1);
    };

    QCOMPARE(spoken(window.cardSlot(pair[0])), place(pair[0], "row %1, card %2, face down"));
    game.click(pair[0]);
    QCOMPARE(spoken(window.cardSlot(pair[0])),
             place(pair[0], "row %1, card %2: beast ") + QString::number(picture));
    game.click(pair[1]);
    QCOMPARE(spoken(window.cardSlot(pair[1])),
             place(pair[1], "row %1, card %2, found: beast ") + QString::number(picture));
    QCOMPARE(spoken(window.clockLabel()), "Time: Time");
    QCOMPARE(spoken(window.iconButton(2)), "Friend");

    QTest::mouseClick(window.languageLabel(0), Qt::LeftButton);
    QCOMPARE(spoken(window.cardSlot(pair[1])),
             place(pair[1], "ряд %1, карточка %2, найдена: зверь ") + QString::number(picture));
    QCOMPARE(spoken(window.cardSlot(23 - pair[0] == pair[1] ? 0 : 23)).section(", ", 2),
             QStringLiteral("закрыта"));
    QCOMPARE(spoken(window.iconButton(0)), QStringLiteral("Мальчик"));
    QCOMPARE(spoken(window.languageLabel(1)), QStringLiteral("Английский язык"));

    // A card pressed through the accessibility interface turns as a click does.
    QAccessibleInterface* card = QAccessible::queryAccessibleInterface(window.cardSlot(pair[0]));
    QCOMPARE(card->role(), QAccessible::Button);
    card->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY(testing::faceUp(window, pair[0]));
}

void TestKeyboard::optionsFromTheKeyboard() {
    RunningGame game;
    activate(game.window());
    game.window().sideButton(1)->setFocus();
    ui::Form2Window* dialog = game.window().optionsWindow();
    QTimer::singleShot(0, dialog, [dialog] {
        const auto close = qScopeGuard([dialog] { dialog->reject(); }); // should a check fail
        activate(*dialog);
        QCOMPARE(focused(), dialog->backgroundOption(0));
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Down); // the next background
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Down);
        QCOMPARE(dialog->focusWidget(), dialog->backgroundOption(2));
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Return); // OK is the default button
    });
    press(Qt::Key_Space);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(game.readFile("Quilora.ini"),
             QByteArray("optFon=2\r\noptP=0\r\nchks.Value=1\r\nLocalisation=1\r\n"));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
