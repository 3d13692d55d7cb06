// Whole games under a locale with digits of its own (CTest runs this under LC_ALL=ar_EG.UTF-8
// and LC_ALL=fa_IR.UTF-8): the clock may show the locale's digits, but what goes into
// record.txt reads back, and later games rank against it.
#include "support/window.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

using namespace quilora;

namespace {

struct Expected {
    QString clock;   // the first game's time as the clock shows it
    QString stored;  // and as record.txt holds it
    QString date;    // today, 5 December 2026, as stored
    QString oldDate; // a month earlier, as an earlier version wrote it
};

// Plays a game of `seconds` whole seconds and `tenths` tenths and types `name` for its record.
void play(testing::RunningGame& game, int seconds, int tenths, const QString& name) {
    game.win(seconds, tenths);
    QTest::keyClicks(game.find("txtRec"), name);
}

QString text(testing::RunningGame& game, const QString& label) {
    return game.find<QLabel>(label)->text();
}

} // namespace

class TestLocales : public QObject {
    Q_OBJECT

private slots:
    void recordsReadBack();
};

void TestLocales::recordsReadBack() {
    const QHash<QString, Expected> expected = {
        {"ar_EG", {"١٤٫٧", "14٫7", "5/12/2026", "٥\u200F/١١\u200F/٢٠٢٦"}},
        {"fa_IR", {"۱۴٫۷", "14٫7", "2026/12/5", "۲۰۲۶/۱۱/۵"}},
    };
    const QString locale = QLocale::system().name();
    QVERIFY2(expected.contains(locale),
             qPrintable("run under LC_ALL=ar_EG or fa_IR, not " + locale));
    const Expected& e = expected[locale];

    testing::RunningGame game(false);
    game.platform.localeInfo.numbers = QLocale::system();
    // A record written by an earlier version, in the locale's own digits.
    const QByteArray old = QStringLiteral("١٢٫٥~Old~Test~4~%1\r\n").arg(e.oldDate).toUtf8();
    game.writeFile("record.txt", old);
    game.start();

    play(game, 14, 7, "Ann");
    QCOMPARE(text(game, "lblTime"), e.clock);
    QCOMPARE(text(game, "lblEnd1"), e.clock);
    QCOMPARE(text(game, "lblEnd0"), "VICTORY! You is in Top-10.");
    game.press("cmdEND2");
    const QString line = "~Ann~~6~" + e.date + "~^\r\n";
    QCOMPARE(QString::fromUtf8(game.readFile("record.txt")), old + e.stored + line);

    game.press("cmdTOP0"); // Clear: a second game
    play(game, 9, 3, "Bob");
    QCOMPARE(text(game, "lblEnd0"), "VICTORY!   You is First!");
    game.press("cmdEND2");
    game.press("cmdTOP0"); // a third, the slowest
    play(game, 20, 0, "Cy");
    QCOMPARE(text(game, "lblEnd0"), "VICTORY! You is in Top-10.");
    game.press("cmdEND2");

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
