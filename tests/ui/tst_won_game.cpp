// A won game is stored with its own time and set, whatever the player does before storing it,
// and a records file that cannot be read is said so.
#include "support/window.h"
#include "ui/card_slot.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>

using namespace quilora;
using testing::RunningGame;

namespace {

const QLocale kRussian(QLocale::Russian, QLocale::Russia);
const QByteArray kDefault = "999~Unknown~Test~6~05.11.2026~^\r\n";

void tick(RunningGame& game, int seconds) {
    for (int i = 0; i < seconds; ++i)
        game.form().Timer1_Timer();
}

void choosePictureSet(QWidget& dialog, int set, int button) {
    auto* option = dialog.findChild<QWidget*>(QStringLiteral("optP%1").arg(set));
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    QTest::mouseClick(dialog.findChild<QWidget*>(QStringLiteral("cmdNAS%1").arg(button)),
                      Qt::LeftButton);
}

QString text(RunningGame& game, const QString& label) {
    return game.find<QLabel>(label)->text();
}

// The set a card's picture comes from: the test sets differ in brightness.
int setOfCard(RunningGame& game, int slot) {
    game.click(slot);
    const QImage picture =
        game.find<ui::CardSlot>(QStringLiteral("Foto%1").arg(slot))->picture().toImage();
    return picture.isNull() ? -1 : (220 - QColor(picture.pixel(0, 0)).value()) / 30;
}

} // namespace

class TestWonGame : public QObject {
    Q_OBJECT

private slots:
    void storedWithItsOwnTimeAndSet_data();
    void storedWithItsOwnTimeAndSet();
    void languageValueThatChangesNoCaption();
    void unreadableRecordsFile_data();
    void unreadableRecordsFile();
    void sortArrowShowsTheOrder();
    void leftoversOfCutWritesGo();
};

// Between the win and leaving its panel the player may clear the board, let the clock run and
// choose another picture set: the record keeps the won time and the set it was dealt from, and
// the chosen set is dealt once the panel is left.
void TestWonGame::storedWithItsOwnTimeAndSet_data() {
    QTest::addColumn<QString>("meanwhile");
    QTest::addColumn<QString>("leave");
    QTest::addColumn<int>("dealtAfter");
    QTest::newRow("Clear, to records") << "clear"
                                       << "record" << 0;
    QTest::newRow("OK with the same set, to records") << "ok 0"
                                                      << "record" << 0;
    QTest::newRow("OK with another set, to records") << "ok 1"
                                                     << "record" << 1;
    QTest::newRow("pictures Apply, to records") << "apply 1"
                                                << "record" << 1;
    QTest::newRow("pictures Apply, else") << "apply 1"
                                          << "else" << 1;
}

void TestWonGame::storedWithItsOwnTimeAndSet() {
    QFETCH(QString, meanwhile);
    QFETCH(QString, leave);
    QFETCH(int, dealtAfter);
    RunningGame game(false);
    testing::makePictureSet(game.dir.path(), 1);
    game.writeFile("img0/setname.txt", "Животные\r\nAnimals\r\n");
    game.writeFile("img1/setname.txt", "Фрукты\r\nFruit\r\n");
    game.platform.localeInfo.numbers = kRussian;
    game.start();
    game.win(7);
    QCOMPARE(text(game, "lblEnd1"), "7");

    const QString action = meanwhile.section(' ', 0, 0);
    if (action == "clear") {
        game.press("cmdTOP0");
    } else {
        const int set = meanwhile.section(' ', 1).toInt();
        game.withOptions(
            [&](QWidget& dialog) { choosePictureSet(dialog, set, action == "ok" ? 2 : 1); });
    }
    QCoreApplication::sendPostedEvents(); // a reload asked for would run now
    tick(game, 3);
    QVERIFY(game.shown("Frame2"));
    QCOMPARE(text(game, "lblEnd1"), "7");

    game.press(leave == "record" ? "cmdEND2" : "cmdEND0");
    QCoreApplication::sendPostedEvents();
    QCOMPARE(game.readFile("record.txt"),
             leave == "record" ? kDefault + "7~Unknown~Animals~6~05.12.2026\r\n" : kDefault);
    QVERIFY(game.platform.messages.shown.isEmpty());
    QCOMPARE(setOfCard(game, 5), dealtAfter);
    QVERIFY(!game.shown("Frame2"));
}

// A hand-edited language value of 0.7 changes no caption: the texts shown later are still
// there, in English as the captions are.
void TestWonGame::languageValueThatChangesNoCaption() {
    RunningGame game(false);
    game.writeFile("Quilora.ini", "optFon=0\r\noptP=0\r\nchks.Value=1\r\nLocalisation=0.7\r\n");
    game.writeFile("help-e.txt", "Turn the cards.\r\n");
    game.platform.localeInfo.numbers = kRussian;
    game.start();
    game.press("cmdTOP2");
    QCOMPARE(game.find<QPlainTextEdit>("txtHELP")->toPlainText(), "\nTurn the cards.");
    QCOMPARE(game.find<QPushButton>("cmdTOP2")->text(), "Close help");
    game.press("cmdTOP2"); // it lies over the board
    game.win(0);
    QCOMPARE(text(game, "lblEnd0"), "VICTORY!   You is First!");
    QCOMPARE(text(game, "lblEnd2"), "Record: ");
    game.press("cmdEND2");
    QVERIFY(game.readFile("record.txt").endsWith("~Unknown~~6~05.12.2026\r\n"));
}

void TestWonGame::unreadableRecordsFile_data() {
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<QStringList>("texts"); // the panel's message and word, the two messages
    QTest::newRow("English") << QByteArray("1")
                             << QStringList{"VICTORY!  You time is", "seconds",
                                            "The records file %1 cannot be read (%2): this "
                                            "game's time cannot be ranked or stored. The file is "
                                            "left as it is.",
                                            "The records file %1 cannot be read (%2): the records "
                                            "cannot be shown. The file is left as it is."};
    QTest::newRow("Russian") << QByteArray("0")
                             << QStringList{"ПОБЕДА!   На неё ты затратил", "seconds",
                                            "Файл рекордов %1 нельзя прочитать (%2): время этой "
                                            "игры нельзя сравнить с рекордами и записать. Файл "
                                            "оставлен как есть.",
                                            "Файл рекордов %1 нельзя прочитать (%2): рекорды "
                                            "нельзя показать. Файл оставлен как есть."};
}

// A records file that exists but cannot be read is no empty table: no first place, no list,
// one message each time, and nothing written.
void TestWonGame::unreadableRecordsFile() {
    QFETCH(QByteArray, language);
    QFETCH(QStringList, texts);
    RunningGame game(false);
    game.writeFile("Quilora.ini",
                   "optFon=0\r\noptP=0\r\nchks.Value=1\r\nLocalisation=" + language + "\r\n");
    QVERIFY(QDir(game.dir.path()).mkdir("record.txt"));
    game.start();
    game.win(0);
    QCOMPARE((QStringList{text(game, "lblEnd0"), text(game, "lblEnd2")}), texts.mid(0, 2));
    QVERIFY(!game.find("txtRec")->isEnabled() && !game.find("cmdEND2")->isEnabled() &&
            !game.find("optKartinka0")->isEnabled());
    game.press("cmdTOP3");
    QVERIFY(!game.shown("lvRecord"));
    QCOMPARE(game.find<QPushButton>("cmdTOP3")->text(), language == "1" ? "Records" : "Рекорды");
    const QString path = game.path("record.txt");
    QStringList shown = game.platform.messages.shown;
    QCOMPARE(shown.size(), 2);
    for (int i = 0; i < 2; ++i) {
        const QString reason = shown[i].section('(', 1).section(')', 0, 0);
        QVERIFY(!reason.isEmpty());
        QCOMPARE(shown[i], texts[2 + i].arg(path, reason));
    }
    QVERIFY(QFileInfo(path).isDir());
}

// The rows are always in ascending order of the sort column, and the heading's arrow says so,
// also when the heading already sorted by is clicked again.
void TestWonGame::sortArrowShowsTheOrder() {
    RunningGame game(false);
    game.writeFile("record.txt", "30~Cy~S~4~d\r\n10~Al~S~4~d\r\n20~Bo~S~4~d~^\r\n");
    game.start();
    game.press("cmdTOP3");
    auto* list = game.find<QTreeWidget>("lvRecord");
    QHeaderView* header = list->header();
    for (const auto& [column, order] :
         {std::pair{2, "Al Bo Cy"}, {2, "Al Bo Cy"}, {0, "Al Bo Cy"}, {0, "Al Bo Cy"}}) {
        const QPoint at(header->sectionViewportPosition(column) + 10, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, at);
        QStringList names;
        for (int row = 0; row < list->topLevelItemCount(); ++row)
            names << list->topLevelItem(row)->text(0);
        QCOMPARE(names.join(' '), order);
        QCOMPARE(header->sortIndicatorSection(), column);
        QCOMPARE(header->sortIndicatorOrder(), Qt::AscendingOrder);
    }
}

// What a write cut off by a kill leaves beside the files goes at the next start, and only that.
void TestWonGame::leftoversOfCutWritesGo() {
    RunningGame game(false);
    const QDateTime now = QDateTime::currentDateTime();
    const auto make = [&](const QString& name, const QDateTime& modified) {
        game.writeFile(name, "leftover");
        QFile file(game.path(name));
        QVERIFY(file.open(QIODevice::ReadWrite) &&
                file.setFileTime(modified, QFileDevice::FileModificationTime));
    };
    const QDateTime hourAgo = now.addSecs(-3600);
    make("record.txt.qLNspV", hourAgo);
    make("Quilora.ini.KZzpcH", hourAgo);
    const QStringList kept = {"record.txt.backup",  "record.txt.BACKUP", "record.txt.qLNsp",
                              "record.txt.qLNspVx", "record.txt.qLN5pV", "record.txt~qLNspV",
                              "help.txt.qLNspV"};
    for (const QString& name : kept)
        make(name, hourAgo);
    make("record.txt.rIYbUM", now.addSecs(3600)); // another copy of the game writing it now
    make("precious.txt", hourAgo);
    QVERIFY(QFile::link(game.path("precious.txt"), game.path("Quilora.ini.YOfxLW")));
    QVERIFY(QDir(game.dir.path()).mkdir("record.txt.AqMSpP"));
    game.start();
    QStringList left =
        QDir(game.dir.path())
            .entryList(QDir::Files | QDir::Dirs | QDir::System | QDir::NoDotAndDotDot);
    left.removeAll("img0");
    QStringList expected = kept;
    expected << "record.txt.rIYbUM"
             << "precious.txt"
             << "Quilora.ini.YOfxLW"
             << "record.txt.AqMSpP";
    left.sort();
    expected.sort();
    QCOMPARE(left, expected);
}

QTEST_MAIN(TestWonGame)
#include "tst_won_game.moc"
