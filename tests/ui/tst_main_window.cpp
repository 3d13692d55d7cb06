#include "support/running_game.h"
#include "ui/card_slot.h"
#include "ui/form1_window.h"
#include "ui/program.h"

#include <QDir>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QMap>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace quilora;
using quilora::testing::RunningGame;

using quilora::testing::faceUp;

class TestMainWindow : public QObject {
    Q_OBJECT

private slots:
    void startsWithEveryCardFaceDownOnTheGrid();
    void playsAWholeGameWithTheMouse();
    void unreadablePictureShowsTheCardColour();
    void reloadDealsAFreshBoardAndKeepsProgramState();
    void closingTheWindowUnloadsIt();
};

void TestMainWindow::startsWithEveryCardFaceDownOnTheGrid() {
    RunningGame game;
    ui::Form1Window& window = game.window();
    QCOMPARE(window.windowTitle(), "Quilora 2.0");
    QCOMPARE(window.size(), QSize(641, 425));
    QCOMPARE(window.clockLabel()->text(), "Time");
    QVERIFY(!window.victoryPanel()->isVisible());
    QVERIFY(window.timer1().isActive());
    QCOMPARE(window.timer1().interval(), 1000);
    QVERIFY(!window.timer2().isActive());
    for (int s = 0; s < game::kSlotCount; ++s) {
        const game::Rect r = game::slotGeometry(s);
        QCOMPARE(window.cardSlot(s)->geometry(), QRect(r.left, r.top, r.width, r.height));
        QVERIFY(window.cardSlot(s)->isVisible());
        QVERIFY(!faceUp(window, s));
        QCOMPARE(window.cardSlot(s)->colour(), QColor(200, 200, 200));
    }
    QCOMPARE(window.cardSlot(23)->geometry().topLeft(), QPoint(536, 322));
}

void TestMainWindow::playsAWholeGameWithTheMouse() {
    RunningGame game;
    ui::Form1Window& window = game.window();
    const QList<QList<int>> pairs = game.pairsOfTheDeal();
    QCOMPARE(pairs.size(), 12);

    // A wrong guess first: the earlier card turns down as the new one turns up.
    game.click(pairs[0][0]);
    game.click(pairs[1][0]);
    QVERIFY(!faceUp(window, pairs[0][0]));
    QVERIFY(faceUp(window, pairs[1][0]));

    game.form().Timer1_Timer();
    game.form().Timer1_Timer();
    QCOMPARE(window.clockLabel()->text(), "2");

    for (const QList<int>& pair : pairs) {
        game.click(pair[0]);
        game.click(pair[1]);
        QVERIFY(faceUp(window, pair[0]) && faceUp(window, pair[1]));
        if (game.form().PairsFound == 10)
            QVERIFY(window.timer2().isActive());
    }
    QCOMPARE(game.form().PairsFound, 12);
    QVERIFY(window.victoryPanel()->isVisible());
    QCOMPARE(window.victoryLabel(1)->text(), window.clockLabel()->text());
    QVERIFY(!window.timer1().isActive());
    QVERIFY(!window.timer2().isActive());

    QTest::mouseClick(window.victoryButton(0), Qt::LeftButton); // "Else": the same deal again
    QVERIFY(!window.victoryPanel()->isVisible());
    QVERIFY(window.timer1().isActive());
    for (int s = 0; s < game::kSlotCount; ++s)
        QVERIFY(!faceUp(window, s));
}

void TestMainWindow::unreadablePictureShowsTheCardColour() {
    RunningGame game(false);
    QVERIFY(QFile::remove(game.dir.filePath("img0/0.gif")));
    game.start();

    QList<int> cards;
    for (int s = 0; s < game::kSlotCount; ++s)
        if (game.form().CardFile[s].endsWith("/0.gif"))
            cards.append(s);
    QCOMPARE(cards.size(), 2);
    game.click(cards[0]);
    game.click(cards[1]);
    QCOMPARE(game.form().PairsFound, 1); // turned, although nothing could be shown
    for (int s : cards) {
        QVERIFY(!faceUp(game.window(), s));
        QCOMPARE(game.window().cardSlot(s)->colour(), QColor(200, 200, 200));
    }
}

void TestMainWindow::reloadDealsAFreshBoardAndKeepsProgramState() {
    RunningGame game;
    const QList<int> pair = game.pairsOfTheDeal().first();
    game.click(pair[0]);
    game.click(pair[1]);
    game.program->state().ElapsedSeconds = 17;
    const auto firstDeal = game.form().CardFile;

    game.program->reloadMainWindow();
    QVERIFY(game.form().CardFile != firstDeal);
    QCOMPARE(game.form().PairsFound, 0);
    QCOMPARE(game.form().PrevSlot, 23);
    QCOMPARE(game.platform.random.seeds, 2);
    QCOMPARE(game.program->state().ElapsedSeconds, 17);
    for (int s = 0; s < game::kSlotCount; ++s)
        QVERIFY(!faceUp(game.window(), s));
    QVERIFY(game.window().isVisible());
}

void TestMainWindow::closingTheWindowUnloadsIt() {
    RunningGame game;
    QVERIFY(game.form().optionsDialog());
    QVERIFY(game.window().close());
    QVERIFY(!game.form().optionsDialog());
}

QTEST_MAIN(TestMainWindow)
#include "tst_main_window.moc"
