#include "support/game_fixture.h"

#include <QDir>
#include <QTest>

using namespace quilora;

namespace {

// A main window loaded with picture set `set` selected, from a folder that holds empty files
// 0.gif to (count - 1).gif but for `missing` in that set; no set folder if there are none.
struct Deal : testing::TestFolder, testing::LoadedGame {
    Deal(int set, int count, unsigned seed, QList<float> script = {}, int missing = -1) {
        if (count > 0)
            QDir(dir.path()).mkpath(QStringLiteral("img%1").arg(set));
        for (int n = 0; n < count; ++n)
            if (n != missing)
                writeFile(QStringLiteral("img%1/%2.gif").arg(set).arg(n), {});
        platform.random.reseed(seed);
        platform.random.script = script;
        game::Form1Extensions extensions;
        extensions.optionsDialog = [set](game::Form1& form) {
            return std::make_unique<testing::StandInOptionsDialog>(form, set);
        };
        load(dir.path(), extensions);
    }
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
    for (unsigned seed = 1; seed <= 50; ++seed) {
        Deal deal(set, files, seed, {}, missing);
        const QString folder = deal.dir.path() + QStringLiteral("/img%1/").arg(set);
        const auto& cards = deal.form->CardFile;
        QCOMPARE(deal.state.PictureFolder, folder);
        QCOMPARE(deal.form->EnglishSet, pictures == 24 ? -1 : 0);
        // Each picture on 24 / pictures cards fills all 24 slots with nothing else.
        for (int n = 0; n < pictures; ++n)
            QCOMPARE(std::count(cards.begin(), cards.end(), folder + QString::number(n) + ".gif"),
                     24 / pictures);
        QCOMPARE(deal.form->FotoPicture, (std::array<QString, 24>{}));
    }
}

void TestDeal::drawsPictureThenSlotAndRejectsTakenSlots() {
    // picture 5 into slot 7; picture 3 into slot 7 again (rejected); picture 11 into slot 23
    // (a source that gives 1 itself stays on the board); picture 5 into slot 0
    Deal deal(0, 12, 7, {5.5f / 12, 7.5f / 24, 3.5f / 12, 7.5f / 24, 1.0f, 1.0f, 5.5f / 12, 0.0f});
    const auto& cards = deal.form->CardFile;
    const QString folder = deal.state.PictureFolder;
    QCOMPARE((QStringList{cards[7], cards[23], cards[0]}),
             (QStringList{folder + "5.gif", folder + "11.gif", folder + "5.gif"}));
    QCOMPARE(std::count(cards.begin(), cards.end(), folder + "5.gif"), 2);
}

QTEST_GUILESS_MAIN(TestDeal)
#include "tst_deal.moc"
