// Ten thousand games with a fake clock, reloading, switching language, saving options and
// storing records along the way: the records file ends up with the ten fastest times, well
// formed, and memory does not grow.
#include "support/real_game.h"
#include "ui/program.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <random>

using namespace quilora;

namespace {

constexpr int kGames = 10000;
#if defined(__SANITIZE_ADDRESS__)
// The sanitizer holds freed memory back for a while; it finds leaks itself.
constexpr bool kWatchMemory = false;
#else
constexpr bool kWatchMemory = true;
#endif

qint64 residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    return -1;
}

} // namespace

class TestLongSession : public QObject {
    Q_OBJECT

private slots:
    void manyGames();
};

void TestLongSession::manyGames() {
    QTemporaryDir dir;
    testing::FakePlatform platform;
    core::ProgramState state;
    state.programFolder = state.dataFolder = dir.path();
    std::unique_ptr<game::Form1> form;
    const auto load = [&] {
        if (form)
            form->Form_Unload();
        form = std::make_unique<game::Form1>(state, platform.services(), ui::gameExtensions());
        form->Form_Load();
    };
    load();

    std::mt19937 random(7);
    std::uniform_int_distribution<int> secondsOf(1, 300), tenthsOf(0, 9);
    QList<int> entered = {9990}; // in tenths: the default record first
    qint64 residentAfter1000 = 0;
    for (int game = 1; game <= kGames; ++game) {
        if (game % 10 == 0)
            load(); // as the pictures Apply does
        if (game % 7 == 0) {
            const bool russian = game % 14 == 0;
            form->lblLOC_Click(russian ? 0 : 1);
            platform.localeInfo.numbers = russian ? QLocale(QLocale::Russian) : QLocale::c();
        }

        const int seconds = secondsOf(random);
        const int tenths = tenthsOf(random);
        const QList<QList<int>> pairs = testing::pairsOfTheDeal(*form);
        for (int s = 0; s < seconds; ++s) {
            platform.clock.now += 1000;
            form->Timer1_Timer();
        }
        for (int i = 0; i < 10; ++i)
            form->Foto_Click(pairs[i][0]), form->Foto_Click(pairs[i][1]);
        for (int t = 0; t < tenths; ++t) {
            platform.clock.now += 100;
            form->Timer2_Timer();
        }
        for (int i = 10; i < 12; ++i)
            form->Foto_Click(pairs[i][0]), form->Foto_Click(pairs[i][1]);
        QVERIFY(form->Frame2.visible);

        if (form->Frame2.cmdENDEnabled[2]) {
            form->optKartinka_Click(game % 3);
            form->txtRec_Change(QStringLiteral("Player %1").arg(game));
            form->cmdEND_Click(2);
            form->cmdTOP_Click(0);
            entered.append(10 * seconds + tenths);
        } else {
            form->cmdEND_Click(0);
        }
        if (game % 25 == 0) {
            form->cmdTOP_Click(3);
            form->cmdTOP_Click(3);
        }
        if (game % 100 == 0) {
            form->cmdTOP_Click(2);
            form->cmdTOP_Click(2);
            settings::Form2& dialog = testing::optionsOf(*form);
            dialog.optFon_Click(game / 100 % 5);
            dialog.cmdNAS_Click(2);
        }
        platform.sound.played.clear(); // what the fake records is no memory of the game's
        platform.sound.preloaded.clear();
        if (game == 1000)
            residentAfter1000 = residentKilobytes();
    }
    QVERIFY(platform.messages.shown.isEmpty());
    QVERIFY(entered.size() > 30);

    // The ten fastest times of the session, the slowest of them marked.
    QFile file(dir.filePath("record.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = file.readAll().split('\n');
    QCOMPARE(lines.size(), 11);
    QVERIFY(lines.last().isEmpty());
    QList<int> stored;
    int marked = -1;
    for (int i = 0; i < 10; ++i) {
        QVERIFY(lines[i].endsWith('\r'));
        const QList<QByteArray> fields = lines[i].chopped(1).split('~');
        QVERIFY(fields.size() == 5 || (fields.size() == 6 && fields[5] == "^"));
        if (fields.size() == 6) {
            QCOMPARE(marked, -1);
            marked = i;
        }
        bool ok = false;
        stored.append(qRound(QByteArray(fields[0]).replace(',', '.').toDouble(&ok) * 10));
        QVERIFY(ok);
    }
    QVERIFY(marked >= 0);
    QCOMPARE(stored[marked], *std::max_element(stored.begin(), stored.end()));
    std::sort(stored.begin(), stored.end());
    std::sort(entered.begin(), entered.end());
    QCOMPARE(stored, entered.mid(0, 10));

    if (kWatchMemory) {
        const qint64 growth = residentKilobytes() - residentAfter1000;
        qInfo("resident memory grew by %lld kB from game 1000 to game %d", growth, kGames);
        QVERIFY2(growth < 4096, "memory grows with every game");
    }
}

QTEST_GUILESS_MAIN(TestLongSession)
#include "tst_long_session.moc"
