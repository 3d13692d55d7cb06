#include "core/text_file.h"
#include "support/test_folder.h"
#include "support/window.h"
#include "test_photos.h"
#include "ui/form2_window.h"
#include "ui/my_pictures_window.h"
#include "ui/photo_frame_view.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QToolButton>

using namespace quilora;

class TestMyPicturesWindow : public QObject {
    Q_OBJECT

private slots:
    void makesAndRestoresASetWithNames();
    void theGameIsPlayedWithThePlayersSet();
};

void TestMyPicturesWindow::makesAndRestoresASetWithNames() {
    const testing::TestFolder folder;
    QDir(folder.dir.path()).mkpath("shipped/img1");
    folder.writeFile("shipped/img1/setname.txt", QStringLiteral("Фрукты\r\nFruit\r\n").toUtf8());
    const QString users = folder.path("user");
    const QStringList photos = testing::twelvePhotos(folder.dir.path());

    ui::MyPicturesWindow russian(folder.path("shipped"), users, false);
    QCOMPARE(russian.windowTitle(), "Quilora: мои картинки");
    QCOMPARE(russian.slotBox()->itemText(1), "2: Фрукты");

    ui::MyPicturesWindow window(folder.path("shipped"), users, true);
    QList<bool> answers;
    window.confirm = [&](const QString&) { return answers.takeFirst(); };
    window.choosePhotoFiles = [&] { return photos.mid(0, 11); };
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(window.chooseButton(), Qt::LeftButton);
    window.slotBox()->setCurrentIndex(1);
    QCOMPARE(window.slotBox()->currentText(), "2: Fruit");
    QVERIFY(!window.restoreButton()->isEnabled());
    QTest::keyClicks(window.setNameBox(), "Our family");
    QTest::mouseClick(window.makeButton(), Qt::LeftButton);
    QCOMPARE(window.statusLabel()->text(), "A set needs 12 photos; 11 chosen so far.");
    QVERIFY(!QFileInfo::exists(users));

    // The empty card asks for its own photo.
    window.choosePhotoFiles = [&] { return QStringList{photos[11]}; };
    QTest::mouseClick(window.cardButton(11), Qt::LeftButton);
    QTest::mouseClick(window.kindOption(1), Qt::LeftButton);
    QVERIFY(window.cardNameBox()->isVisible());
    for (int k = 0; k < 12; ++k) {
        QTest::mouseClick(window.cardButton(k), Qt::LeftButton);
        QTest::keyClicks(window.cardNameBox(), QStringLiteral("Name %1").arg(k + 1));
    }
    // Card 12, zoomed in and dragged to the photo's left edge, loses the dark middle square.
    window.zoomSlider()->setValue(200);
    ui::PhotoFrameView* view = window.frameView();
    const QPoint middle = view->rect().center();
    QTest::mousePress(view, Qt::LeftButton, {}, middle);
    QTest::mouseMove(view, middle - QPoint(300, 0));
    QTest::mouseRelease(view, Qt::LeftButton, {}, middle - QPoint(300, 0));

    answers = {false};
    window.close(); // declined: the work is not lost
    QVERIFY(window.isVisible());
    QTest::mouseClick(window.makeButton(), Qt::LeftButton);
    QCOMPARE(window.statusLabel()->text(),
             "“Our family” is ready in place 2. Choose it in the game's Options.");
    QCOMPARE(window.slotBox()->currentText(), "2: Our family (yours)");
    const QString set = users + "/img1/";
    QCOMPARE(QDir(set).entryList({"*.gif"}).size(), 48);
    QCOMPARE(QImage(set + "23@2x.gif").size(), QSize(180, 160));
    QCOMPARE(core::readLines(set + "names.txt").value_or(QStringList()).value(11),
             "Name 12\tName 12");
    const auto darkest = [](const QImage& card) {
        int least = 255;
        for (int y = 10; y < 70; ++y)
            for (int x = 10; x < 80; ++x)
                least = std::min(least, qGray(card.pixel(x, y)));
        return least;
    };
    QVERIFY(darkest(QImage(set + "10.gif")) < 40);
    QVERIFY(darkest(QImage(set + "11.gif")) > 100);

    answers = {false, true};
    QTest::mouseClick(window.restoreButton(), Qt::LeftButton);
    QVERIFY(QFileInfo::exists(set + "0.gif"));
    QTest::mouseClick(window.restoreButton(), Qt::LeftButton);
    QVERIFY(!QFileInfo::exists(set));
    QCOMPARE(window.statusLabel()->text(), "The shipped set is back in place 2.");
    QCOMPARE(window.slotBox()->currentText(), "2: Fruit");
    QVERIFY(!window.restoreButton()->isEnabled());
}

void TestMyPicturesWindow::theGameIsPlayedWithThePlayersSet() {
    testing::RunningGame game(false);
    game.writeFile("Quilora.ini", "optFon=0\r\noptP=3\r\nchks.Value=1\r\nLocalisation=1\r\n");
    const QString users = game.path("user");
    const QStringList photos = testing::twelvePhotos(game.dir.path());
    QVERIFY(!mypictures::writeSet(users, 3, testing::setOf(photos, "Our family")));
    game.folders.userSetsFolder = users;
    game.start();
    for (int s = 0; s < game::kSlotCount; ++s)
        QVERIFY(game.form().CardFile(s).startsWith(users + "/img3/"));
    QCOMPARE(game.program->models().options.pictureSetCaption(3), "Our family");
    game.win(1);
    QVERIFY(game.shown("Frame2"));
    QTest::keyClicks(game.find("txtRec"), "Ann");
    QTest::keyClick(game.find("txtRec"), Qt::Key_Return);
    QVERIFY2(game.readFile("record.txt").contains("~Ann~Our family~"), game.readFile("record.txt"));
}

QTEST_MAIN(TestMyPicturesWindow)
#include "tst_my_pictures_window.moc"
