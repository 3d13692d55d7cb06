// The game's writers are killed while they rewrite record.txt and Quilora.ini: each file then
// holds, byte for byte, its old content or its new one. Where the kill lands is chosen by the
// writes the writer reports, not by time, so every machine sees the same cases.
#include "support/test_folder.h"

#include <QDir>
#include <QProcess>

#include <csignal>

namespace {

QByteArray table(int markAt, const QByteArray& extra = {}) {
    QByteArray bytes;
    for (int i = 1; i <= 10 && (extra.isEmpty() || i < 10); ++i)
        bytes += QByteArray::number(10 * i) + "~Ann~Animals~4~01.11.2026" +
                 (i == markAt ? "~^" : "") + "\r\n";
    return bytes + extra;
}

QByteArray settings(int background) {
    return "optFon=" + QByteArray::number(background) +
           "\r\noptP=0\r\nchks.Value=1\r\nLocalisation=1\r\n";
}

// The slowest record leaves, the mark passes to the next slowest, the new record comes last.
const QByteArray kOldTable = table(10);
const QByteArray kNewTable = table(9, "5~Unknown~~6~05.12.2026\r\n");

// Reads the writer's reports until it has made `writes` writes, or says it waits.
void awaitWrites(QProcess& writer, int writes) {
    for (int seen = -1; seen < writes; ++seen) { // "ready" first
        while (!writer.canReadLine())
            QVERIFY2(writer.waitForReadyRead(-1), "the writer stopped");
        if (writer.readLine() == "waiting\n")
            return;
    }
}

} // namespace

class TestCrashSafety : public QObject {
    Q_OBJECT

private slots:
    void killedWhileWriting();
};

void TestCrashSafety::killedWhileWriting() {
    quilora::testing::TestFolder folder;
    QSet<QByteArray> seen;
    for (int kill = 0; kill < 160; ++kill) {
        folder.writeFile("record.txt", kOldTable);
        folder.writeFile("Quilora.ini", settings(3));
        // Even kills come while the writer waits after a known number of writes, so that every
        // state is seen; odd ones right after a reported write, while it goes on into the next.
        const int writes = kill / 2 % 8;
        QStringList arguments = {folder.dir.path()};
        if (kill % 2 == 0)
            arguments << QString::number(writes);
        QProcess writer;
        writer.start(QStringLiteral(QUILORA_CRASH_WRITER), arguments);
        awaitWrites(writer, writes);
        ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
        QVERIFY(writer.waitForFinished(-1));
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
        const QByteArray records = folder.readFile("record.txt");
        const QByteArray ini = folder.readFile("Quilora.ini");
        QVERIFY2(records == kOldTable || records == kNewTable, records);
        QVERIFY2(ini == settings(2) || ini == settings(3), ini);
        seen << records << ini;
    }
    QCOMPARE(seen, (QSet<QByteArray>{kOldTable, kNewTable, settings(2), settings(3)}));
    // A kill may leave a temporary file, never one under another name.
    for (const QString& name : QDir(folder.dir.path()).entryList(QDir::Files | QDir::Hidden))
        QVERIFY2(name.startsWith("record.txt") || name.startsWith("Quilora.ini"), qPrintable(name));
}

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crash_safety.moc"
