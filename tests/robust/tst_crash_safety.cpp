// The game's writers are killed at random moments while they rewrite record.txt and
// Quilora.ini. Each file must then hold, byte for byte, its old content or its new one.
#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <csignal>
#include <random>

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

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

} // namespace

class TestCrashSafety : public QObject {
    Q_OBJECT

private slots:
    void killedWhileWriting();
};

void TestCrashSafety::killedWhileWriting() {
    const QByteArray before = table(10);
    // The slowest record leaves, the mark passes to the next slowest, the new record comes last.
    const QByteArray after = table(9, "5~Unknown~~6~05.12.2026\r\n");
    const QList<QByteArray> records = {before, after};
    const QList<QByteArray> settingsFiles = {settings(2), settings(3)};

    QTemporaryDir dir;
    const QDir folder(dir.path());
    const QString recordPath = folder.filePath("record.txt");
    const QString settingsPath = folder.filePath("Quilora.ini");
    writeFile(settingsPath, settings(3));

    std::mt19937 random(20261205);
    std::uniform_int_distribution<int> delay(0, 20000); // microseconds after loading
    QSet<QByteArray> seen;
    int leftovers = 0;
    for (int kill = 0; kill < 200; ++kill) {
        writeFile(recordPath, before);
        QProcess writer;
        writer.start(QStringLiteral(QUILORA_CRASH_WRITER), {dir.path()});
        QVERIFY(writer.waitForReadyRead(10000));
        QThread::usleep(delay(random));
        ::kill(static_cast<pid_t>(writer.processId()), SIGKILL);
        QVERIFY(writer.waitForFinished(10000));
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit); // still writing when killed

        const QByteArray record = readFile(recordPath);
        const QByteArray setting = readFile(settingsPath);
        QVERIFY2(records.contains(record), record.constData());
        QVERIFY2(settingsFiles.contains(setting), setting.constData());
        seen << record << setting;
        // A temporary file may be left by the kill, but never under a real name.
        for (const QString& name :
             folder.entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot)) {
            if (name == "record.txt" || name == "Quilora.ini")
                continue;
            QVERIFY2(name.startsWith("record.txt.") || name.startsWith("Quilora.ini."),
                     qPrintable(name));
            QVERIFY(QFile::remove(folder.filePath(name)));
            ++leftovers;
        }
    }
    qInfo("temporary files left by a kill: %d", leftovers);
    // The kills fell before, between and after the rewrites.
    QCOMPARE(seen.size(), 4);
}

QTEST_GUILESS_MAIN(TestCrashSafety)
#include "tst_crash_safety.moc"
