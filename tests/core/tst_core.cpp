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
    void writesLines_data();
    void writesLines();
    void fileExistsOnlyForFiles();
};

void TestCore::readsLines_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("LF") << QByteArray("a\nb\n") << QStringList{"a", "b"};
    QTest::newRow("no last line end") << QByteArray("a\r\nb") << QStringList{"a", "b"};
    QTest::newRow("blank line") << QByteArray("a\r\n\r\nb\r\n") << QStringList{"a", "", "b"};
    QTest::newRow("mixed, CR") << QByteArray("a\r\nb\nc\rd\r\r\n")
                               << QStringList{"a", "b", "c", "d", ""};
    QTest::newRow("empty file") << QByteArray() << QStringList{};
    QTest::newRow("only a line end") << QByteArray("\r\n") << QStringList{""};
    QTest::newRow("UTF-8") << QByteArray("ёж~Ы\r\n") << QStringList{QStringLiteral("ёж~Ы")};
    QTest::newRow("joined files' BOMs")
        << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF\xEF\xBB\xBF~\r\n") << QStringList{"~"};
    // "ёж~Ы" and "№5", then "Раз" (which starts like UTF-8), in Windows-1251
    QTest::newRow("Windows-1251") << QByteArray("\xB8\xE6~\xDB\r\n\xB9\x35\r\n")
                                  << QStringList{QStringLiteral("ёж~Ы"), QStringLiteral("№5")};
    QTest::newRow("Windows-1251 like UTF-8")
        << QByteArray("\xD0\xE0\xE7\r\n") << QStringList{QStringLiteral("Раз")};
}

void TestCore::readsLines() {
    QFETCH(QByteArray, bytes);
    QFETCH(QStringList, lines);
    testing::TestFolder folder;
    folder.writeFile("record.txt", bytes);
    const QString path = folder.path("record.txt");
    const auto read = core::readLines(path);
    QCOMPARE(read.value_or(QStringList{"unread"}), lines);

    // Within a limit only whole lines are read, and the reader is told it was not all.
    bool whole = false;
    if (QTest::currentDataTag() == QByteArrayLiteral("LF")) {
        QCOMPARE(core::readLines(path, 3, &whole).value_or(QStringList{}), QStringList{"a"});
        QVERIFY(!whole);
    }
    QCOMPARE(core::readLines(path, bytes.size(), &whole), read);
    QVERIFY(whole);
}

void TestCore::writesLines_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<QByteArray>("after"); // the file afterwards, empty if there is none
    QTest::newRow("CR LF, UTF-8")
        << "record.txt" << false
        << QStringLiteral("47,3~Ёлка~Set~6~05.12.2026~^\r\nx\r\n").toUtf8();
    QTest::newRow("missing folder") << "missing-folder/record.txt" << false << QByteArray();
    QTest::newRow("full disk keeps the old file") << "record.txt" << true << QByteArray("old\r\n");
}

void TestCore::writesLines() {
    QFETCH(QString, name);
    QFETCH(bool, fullDisk);
    QFETCH(QByteArray, after);
    const bool writes = after.endsWith("x\r\n");
    testing::TestFolder folder;
    const QString path = folder.path(name);
    core::writeLines(path, {"old"});
    QString error;
    std::optional<testing::FullDisk> full;
    if (fullDisk)
        full.emplace();
    const bool written =
        core::writeLines(path, {QStringLiteral("47,3~Ёлка~Set~6~05.12.2026~^"), "x"}, &error);
    full.reset();
    QCOMPARE(written, writes);
    QCOMPARE(error.isEmpty(), writes);
    QCOMPARE(folder.readFile(name), after);
    QCOMPARE(QDir(folder.dir.path()).entryList(QDir::Files),
             after.isEmpty() ? QStringList{} : QStringList{name});
}

void TestCore::fileExistsOnlyForFiles() {
    testing::TestFolder folder;
    folder.writeFile("12.gif", {});
    QVERIFY(QDir(folder.dir.path()).mkdir("13.gif"));
    QCOMPARE((QList<bool>{core::fileExists(folder.path("12.gif")),
                          core::fileExists(folder.path("13.gif")),
                          core::fileExists(folder.path("12.GIF"))}),
             (QList<bool>{true, false, false}));
    QCOMPARE(core::programPath(folder.dir.path() + "/", "\\img3\\12.gif"),
             folder.path("img3/12.gif"));
}

QTEST_GUILESS_MAIN(TestCore)
#include "tst_core.moc"
