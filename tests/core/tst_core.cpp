// The game's text files, read and written, and its paths.
#include "core/paths.h"
#include "core/text_file.h"
#include "support/full_disk.h"
#include "support/test_folder.h"

#include <QDir>
#include <QTest>

using namespace quilora;

class TestCore : public QObject {
    Q_OBJECT

private slots:
    void readsLines_data();
    void readsLines();
    void writesLines();
    void paths();
};

void TestCore::readsLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("CR LF, LF, CR, a blank line, no last end")
        << QByteArray("a\r\nb\nc\rd\r\r\ne") << QStringList{"a", "b", "c", "d", "", "e"};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("UTF-8 after the BOMs of joined files")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF\xEF\xBB\xBF\xD1\x91\xD0\xB6~\r\n")
        << QStringList{QStringLiteral("ёж~")};
    // "Раз" starts like UTF-8.
    QTest::newRow("Windows-1251") << QByteArray("\xD0\xE0\xE7\r\n\xB9\x35")
                                  << QStringList{QStringLiteral("Раз"), QStringLiteral("№5")};
}

// All of it, or within a limit whole lines only, the reader told it was not all.
void TestCore::readsLines() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    testing::TestFolder folder;
    folder.writeFile("record.txt", bytes);
    bool whole = false;
    QCOMPARE(core::readLines(folder.path("record.txt"), bytes.size(), &whole), lines);
    QVERIFY(whole);
    if (bytes.startsWith('a')) {
        QCOMPARE(core::readLines(folder.path("record.txt"), 4, &whole), lines.mid(0, 1));
        QVERIFY(!whole);
    }
}

// CR LF and UTF-8; a failed write says why and leaves the old file, and nothing beside it.
void TestCore::writesLines() {
    testing::TestFolder folder;
    const QString path = folder.path("record.txt");
    QString error;
    QVERIFY(core::writeLines(path, {QStringLiteral("47,3~Ёлка~Set~6~05.12.2026~^"), "x"}, &error));
    const QByteArray written = QStringLiteral("47,3~Ёлка~Set~6~05.12.2026~^\r\nx\r\n").toUtf8();
    QCOMPARE(folder.readFile("record.txt"), written);
    QVERIFY(error.isEmpty());
    QVERIFY(!core::writeLines(folder.path("missing/record.txt"), {"x"}, &error));
    QVERIFY(!error.isEmpty());
    error.clear();
    bool fullWritten = true;
    {
        const testing::FullDisk full;
        fullWritten = core::writeLines(path, {"a line longer than the disk allows"}, &error);
    }
    QVERIFY(!fullWritten && !error.isEmpty());
    QCOMPARE(folder.readFile("record.txt"), written);
    QCOMPARE(QDir(folder.dir.path()).entryList(QDir::Files), QStringList{"record.txt"});
}

// Only a file exists, by its exact name; a program path joins with either slash. The content
// lies beside the program, or where Debian installs it; the data go beside the program if it
// can write there, else to the user's folder, made for them.
void TestCore::paths() {
    testing::TestFolder folder;
    const auto at = [&](const char* name) { return folder.path(name); };
    folder.writeFile("12.gif", {});
    for (const char* made : {"13.gif", "bin", "games", "share/quilora/img0", "here/img0", "a/b",
                             "share/games/quilora/img0", "a/share/quilora"})
        QVERIFY(QDir(folder.dir.path()).mkpath(made));
    QCOMPARE((QList<bool>{core::fileExists(at("12.gif")), core::fileExists(at("13.gif")),
                          core::fileExists(at("12.GIF"))}),
             (QList<bool>{true, false, false}));
    QCOMPARE(core::programPath(folder.dir.path() + "/", "\\img3\\12.gif"), at("img3/12.gif"));
    QCOMPARE((QStringList{core::contentFolder(at("bin")), core::contentFolder(at("games")),
                          core::contentFolder(at("here")), core::contentFolder(at("a/b"))}),
             (QStringList{at("share/quilora"), at("share/games/quilora"), at("here"), at("a/b")}));
    QCOMPARE(core::dataFolder(at("a"), at("user")), at("a"));
    QVERIFY(QDir(at("a")).entryList(QDir::Files | QDir::Hidden).isEmpty() &&
            !QFile::exists(at("user")));
    QCOMPARE(core::dataFolder(QStringLiteral("/proc/self"), at("user")), at("user"));
    QVERIFY(QFileInfo(at("user")).isDir());
}

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"
