// The game's writers are killed at random moments while they rewrite record.txt and
// Quilora.ini: each file then holds, byte for byte, its old content or its new one.
#include "support/test_folder.h"

#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>

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

} // namespace

class TestCrashSafety : public QObject {
    Q_OBJECT

private slots:
    void killedWhileWriting();
};

void TestCrashSafety::killedWhileWriting() {
    // The slowest record leaves, the mark passes to the next slowest, the new record comes last.
    const QList<QByteArray> contents = {table(10), table(9, "5~Unknown~~6~05.12.2026\r\n"),
                                        settings(2), settings(3)};
    quilora::testing::TestFolder folder;
    folder.writeFile("Quilora.ini", settings(3));
    QSet<QByteArray> seen;
    for (int kill = 0; kill < 200; ++kill) { // before, between and after the rewrites
        folder.writeFile("record.txt", contents[0]);
        QProcess writer;
        writer.start(QStringLiteral(QUILORA_CRASH_WRITER), {folder.dir.path()});
        QVERIFY(writer.waitForReadyRead(10000));
        QThread::usleep(QRandomGenerator::global()->bounded(20000)); // microseconds after loading
        ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
        QVERIFY(writer.waitForFinished(10000));
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit); // still writing when killed
        for (const char* name : {"record.txt", "Quilora.ini"}) {
            const QByteArray bytes = folder.readFile(name);
            QVERIFY2(contents.contains(bytes), bytes.constData());
            seen << bytes;
        }
    }
    QCOMPARE(seen, QSet<QByteArray>(contents.begin(), contents.end()));
    // A kill may leave a temporary file, never one under another name.
    for (const QString& name : QDir(folder.dir.path()).entryList(QDir::Files | QDir::Hidden))
        QVERIFY2(name.startsWith("record.txt") || name.startsWith("Quilora.ini"), qPrintable(name));
}

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crash_safety.moc"
