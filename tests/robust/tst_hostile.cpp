// The game keeps running where its files cannot be written or read as they should.
#include "platform/qt_platform.h"
#include "support/full_disk.h"
#include "support/window.h"

#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTreeWidget>

using namespace quilora;

#if defined(__SANITIZE_ADDRESS__)
using Sound = testing::RecordingSound; // Qt 6.4 leaks the decoder of each wave it cannot decode
#else
using Sound = platform::QtSoundPlayer;
#endif

// Bytes this process has read from files so far: what reading a file costs, whatever the
// machine's speed.
qint64 bytesRead() {
    QFile io(QStringLiteral("/proc/self/io"));
    const QByteArray text = io.open(QIODevice::ReadOnly) ? io.readAll() : QByteArray();
    return QRegularExpression("rchar: (\\d+)").match(text).captured(1).toLongLong();
}

const QByteArray kOldRecords = "999~Unknown~Test~6~05.11.2026~^\r\n";

class TestHostile : public QObject {
    Q_OBJECT

private slots:
    void fullDisk();
    void hugeFiles_data();
    void hugeFiles();
    void damagedContent();
};

// The game says it could not save the record, and the old file stays as it was; a shortcut cut
// short is not handed over, and a temp.url that links to another file is not written through.
// (The settings under a full disk: the text files' writer and the options dialog's own tests.)
void TestHostile::fullDisk() {
    testing::RunningGame game(false);
    game.writeFile("record.txt", kOldRecords);
    game.writeFile("precious.txt", "keep me");
    QVERIFY(QFile::link(game.path("precious.txt"), game.path("temp.url")));
    game.start();
    game.press("lblOrvane1");
    std::optional<testing::FullDisk> full(std::in_place);
    game.press("lblOrvane1");
    game.win(0);
    game.press("cmdEND2");
    full.reset();
    QCOMPARE(game.platform.messages.shown.size(), 1);
    QVERIFY(game.platform.messages.shown[0].startsWith(
        "The record could not be saved: the records file " + game.path("record.txt") +
        " cannot be written"));
    QCOMPARE(game.readFile("record.txt"), kOldRecords);
    QCOMPARE(game.readFile("precious.txt"), QByteArray("keep me"));
    QVERIFY(!QFileInfo(game.path("temp.url")).exists());
    QCOMPARE(game.platform.links.handedOver.size(), 1);
    QVERIFY(game.platform.links.handedOver[0].startsWith("[InternetShortcut]\r\nURL=https://"));
}

void TestHostile::hugeFiles_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("piece");
    QTest::addColumn<int>("rows"); // in the records list
    QTest::newRow("records") << "record.txt" << QByteArray("50~Ann~Animals~4~05.12.2026\r\n") << 10;
    QTest::newRow("records file of one line") << "record.txt" << QByteArray(1 << 20, '~') << 0;
    QTest::newRow("help") << "help-e.txt" << QByteArray("Turn the cards.\r\n") << 1;
    QTest::newRow("set name") << "img0/setname.txt" << QByteArray(1 << 20, 'x') << 1;
}

// Files of 100 MB: only their heads are read, and what was read in part is never written back.
void TestHostile::hugeFiles() {
    QFETCH(QString, name);
    QFETCH(QByteArray, piece);
    QFETCH(int, rows);
    testing::RunningGame game(false);
    game.writeFile(name, piece.repeated((100 << 20) / piece.size()));
    const qint64 size = QFileInfo(game.path(name)).size();
    const qint64 before = bytesRead();
    game.start();
    game.win(0);
    game.press("cmdTOP3");
    game.press("cmdTOP2");
    const qint64 read = bytesRead() - before;
    QVERIFY2(read < 8 << 20, qPrintable(QStringLiteral("read %1 bytes").arg(read)));
    QCOMPARE(game.find<QTreeWidget>("lvRecord")->topLevelItemCount(), rows);
    QVERIFY(game.shown("txtHELP"));
    QVERIFY(game.find<QPlainTextEdit>("txtHELP")->toPlainText().size() <= 1 << 20);
    game.press("cmdEND2");
    QCOMPARE(game.platform.messages.shown.join("").endsWith(
                 "(it is larger than 1 MB). The records kept so far are unchanged."),
             name == "record.txt");
    QCOMPARE(QFileInfo(game.path(name)).size(), size);
}

// Damaged pictures, sounds and background: a game is still played to its record.
void TestHostile::damagedContent() {
    Sound sound;                      // outlives the game that plays through it
    testing::RunningGame game(false); // its pictures are PNG files named .gif
    QFile gif(QStringLiteral(QUILORA_SOURCE_DATA_DIR "/img0/2.gif"));
    QVERIFY(gif.open(QIODevice::ReadOnly));
    QDir dir(game.dir.path());
    QVERIFY(dir.remove("img0/0.gif") && dir.mkpath("sounds/click2.wav") && dir.mkdir("back"));
    game.writeFile("img0/2.gif", gif.read(700));
    for (const QString entry :
         {"img0/1.gif|", "img0/4.gif|GIF89a but nothing after", "sounds/click1.wav|",
          "sounds/victory1.wav|RIFF....WAVEfmt ", "back/back2.jpg|not a picture",
          "Quilora.ini|optFon=2\r\noptP=0\r\nchks.Value=1\r\nLocalisation=1\r\n"})
        game.writeFile(entry.section('|', 0, 0), entry.section('|', 1).toUtf8());
    testing::FakePlatform& f = game.platform;
    const platform::Services services{f.random, f.localeInfo, sound, f.messages, f.clock, f.links};
    game.program = std::make_unique<ui::Program>(game.folders, services);
    game.program->start();
    QVERIFY(!game.window().grab().isNull());
    game.win(0);
    game.press("cmdEND2");
    QVERIFY(game.platform.messages.shown.isEmpty());
    QVERIFY(game.readFile("record.txt").contains("~Unknown~~6~"));
}

QTEST_MAIN(TestHostile)
#include "tst_hostile.moc"
