// Whole games under a locale with digits of its own (CTest runs this under LC_ALL=ar_EG.UTF-8
// and LC_ALL=fa_IR.UTF-8): the clock may show the locale's digits, but what goes into
// record.txt reads back, and later games rank against it.
#include "support/window.h"

#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>

class TestLocales : public QObject {
    Q_OBJECT

private slots:
    void recordsReadBack();
};

void TestLocales::recordsReadBack() {
    // The first game's time on the clock; today, 5 December 2026, as stored; a month earlier,
    // as an earlier version wrote it.
    const QHash<QString, QStringList> expected = {
        {"ar_EG", {"١٤٫٧", "5/12/2026", "٥\u200F/١١\u200F/٢٠٢٦"}},
        {"fa_IR", {"۱۴٫۷", "2026/12/5", "۲۰۲۶/۱۱/۵"}},
    };
    const QStringList e = expected.value(QLocale::system().name());
    QVERIFY2(!e.isEmpty(), "run under LC_ALL=ar_EG or fa_IR");
    quilora::testing::RunningGame game(false);
    game.platform.localeInfo.numbers = QLocale::system();
    const QByteArray old = QStringLiteral("١٢٫٥~Old~Test~4~%1\r\n").arg(e[2]).toUtf8();
    game.writeFile("record.txt", old);
    game.start();
    QStringList clocks;
    const auto play = [&](int seconds, int tenths, const QString& name, const QString& said) {
        game.win(seconds, tenths);
        QCOMPARE(game.find<QLabel>("lblEnd0")->text(), said);
        clocks << game.find<QLabel>("lblTime")->text() + ' ' + game.find<QLabel>("lblEnd1")->text();
        QTest::keyClicks(game.find("txtRec"), name);
        game.press("cmdEND2");
        game.press("cmdTOP0"); // Clear: the next game
    };
    play(14, 7, "Ann", "VICTORY! You is in Top-10.");
    QCOMPARE(clocks[0], e[0] + ' ' + e[0]);
    QCOMPARE(QString::fromUtf8(game.readFile("record.txt")),
             old + "14٫7~Ann~~6~" + e[1] + "~^\r\n");
    play(9, 3, "Bob", "VICTORY!   You is First!");
    play(20, 0, "Cy", "VICTORY! You is in Top-10.");
    game.press("cmdTOP3");
    auto* list = game.find<QTreeWidget>("lvRecord");
    const auto rows = [list] {
        QStringList shown;
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            shown << list->topLevelItem(row)->text(0) + ' ' + list->topLevelItem(row)->text(1);
        return shown.join(", ");
    };
    QCOMPARE(rows(), "Bob 1, Old 2, Ann 3, Cy 4");
    QHeaderView* header = list->header(); // by date: the old record's month comes first
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(4) + 10, header->height() / 2));
    QCOMPARE(rows(), "Old 2, Bob 1, Ann 3, Cy 4");
    QVERIFY(game.platform.messages.shown.isEmpty());
}

QTEST_MAIN(TestLocales)
#include "tst_locales.moc"
