#include "support/fakes.h"
#include "support/stand_ins.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quilora;

namespace {

// Empty files 0.gif to (count - 1).gif, but for `missing`, in picture set `set`.
void makePictureSet(const QString& programFolder, int set, int count, int missing = -1) {
    const QString folder = QStringLiteral("%1/img%2").arg(programFolder).arg(set);
    QDir().mkpath(folder);
    for (int n = 0; n < count; ++n)
        if (n != missing)
            QVERIFY(
                QFile(QStringLiteral("%1/%2.gif").arg(folder).arg(n)).open(QIODevice::WriteOnly));
}

// A main window loaded with picture set `set` selected.
struct Deal {
    Deal(const QString& folder, int set, unsigned seed, QList<float> script = {}) {
        platform.random.reseed(seed);
        platform.random.script = script;
        state.programFolder = folder;
        game::Form1Extensions extensions;
        extensions.optionsDialog = [set](game::Form1& form) {
            return std::make_unique<testing::StandInOptionsDialog>(form, set);
        };
        form = std::make_unique<game::Form1>(state, platform.services(), extensions);
        form->Form_Load();
    }
    testing::FakePlatform platform;
    core::ProgramState state;
    std::unique_ptr<game::Form1> form;
};

} // namespace

class TestDeal : public QObject {
    Q_OBJECT

private slots:
    void dealsEverySlot_data();
    void dealsEverySlot();
    void drawsPictureThenSlotAndRejectsTakenSlots();
};

void TestDeal::dealsEverySlot_data() {
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("files");
    QTest::addColumn<int>("missing");
    QTest::addColumn<int>("pictures");
    QTest::newRow("12 pictures") << 0 << 12 << -1 << 12;
    QTest::newRow("24 pictures") << 3 << 24 << -1 << 24;
    QTest::newRow("24 files without 13.gif") << 4 << 24 << 13 << 12;
    QTest::newRow("missing folder") << 2 << 0 << -1 << 12;
}

void TestDeal::dealsEverySlot() {
    QFETCH(int, set);
    QFETCH(int, files);
    QFETCH(int, missing);
    QFETCH(int, pictures);
    QTemporaryDir dir;
    if (files > 0)
        makePictureSet(dir.path(), set, files, missing);
    const QString folder = QStringLiteral("%1/img%2/").arg(dir.path()).arg(set);

    for (unsigned seed = 1; seed <= 50; ++seed) {
        Deal deal(dir.path(), set, seed);
        game::Form1& form = *deal.form;
        QCOMPARE(deal.state.PictureFolder, folder);
        QCOMPARE(form.EnglishSet, pictures == 24 ? -1 : 0);
        QCOMPARE(form.PlacedCount, 24);
        QList<int> perPicture(pictures, 0);
        for (const QString& file : form.CardFile) {
            bool ok = false;
            const int n = file.mid(folder.size()).chopped(4).toInt(&ok);
            QVERIFY2(file.startsWith(folder) && file.endsWith(".gif") && ok && n >= 0 &&
                         n < pictures,
                     qPrintable(file));
            ++perPicture[n];
        }
        QCOMPARE(perPicture, QList<int>(pictures, 24 / pictures));
        for (int n = 0; n < pictures; ++n)
            QCOMPARE(form.PictureUseCount[n], 24 / pictures);
        QCOMPARE(form.FotoPicture, (std::array<QString, 24>{}));
    }
}

void TestDeal::drawsPictureThenSlotAndRejectsTakenSlots() {
    QTemporaryDir dir;
    makePictureSet(dir.path(), 0, 12);
    // picture 5 into slot 7; picture 3 into slot 7 again (rejected); picture 11 into slot 23
    // (a source that gives 1 itself stays on the board); picture 5 into slot 0
    Deal deal(dir.path(), 0, 7,
              {5.5f / 12, 7.5f / 24, 3.5f / 12, 7.5f / 24, 1.0f, 1.0f, 5.5f / 12, 0.0f});
    const QString folder = deal.state.PictureFolder;
    QCOMPARE(deal.form->CardFile[7], folder + "5.gif");
    QCOMPARE(deal.form->CardFile[23], folder + "11.gif");
    QCOMPARE(deal.form->CardFile[0], folder + "5.gif");
    QCOMPARE(std::count(deal.form->CardFile.begin(), deal.form->CardFile.end(), folder + "5.gif"),
             2);
}

QTEST_GUILESS_MAIN(TestDeal)
#include "tst_deal.moc"
