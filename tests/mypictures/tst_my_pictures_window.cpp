// SPDX-License-Identifier: GPL-3.0-or-later
#include "support/describe.h"
#include "support/layout.h"
#include "test_photos.h"
#include "ui/maker/my_pictures_window.h"
#include "ui/maker/photo_frame_view.h"

#include <QApplication>
#include <QRadioButton>
#include <QToolButton>

using namespace quilora;
using testing::near;

namespace {

QImage iconOf(const QToolButton* card) {
    return card->icon().pixmap(card->iconSize()).toImage();
}

// The window's label or button that shows this text, if any.
template <typename Widget = QLabel> Widget* showing(const QWidget& window, const QString& text) {
    for (Widget* widget : window.findChildren<Widget*>())
        if (widget->text() == text)
            return widget;
    return nullptr;
}

// Clicks the button and waits for the work it starts.
bool press(ui::MyPicturesWindow& window, QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton);
    return testing::finish(window.maker());
}

} // namespace

class TestMyPicturesWindow : public QObject {
    Q_OBJECT

private slots:
    void makesAndRestoresASet();
    void makesASetFromPhotosGivenToIt();
    void changesOneNameOfASavedSet();
    void frameFollowsHandAndKeys();
};

void TestMyPicturesWindow::makesAndRestoresASet() {
    const testing::TestFolder folder;
    QDir(folder.dir.path()).mkpath("shipped/img1");
    folder.writeFile("shipped/img1/setname.txt", QStringLiteral("Фрукты\r\nFruit\r\n").toUtf8());
    folder.writeFile("lake.jpg", "not a photo");
    const QStringList photos = testing::savePhotos(folder.dir.path());

    testing::Scripted answers;
    ui::MyPicturesWindow window(testing::foldersIn(folder), true, &answers);
    QStringList files = QStringList{folder.path("lake.jpg")} + photos.mid(0, 11);
    int asked = 0;
    window.choosePhotoFiles = [&] {
        ++asked;
        return files;
    };
    const auto status = [&] { return window.statusLabel()->text(); };
    window.resize(1000, 800); // room for everything, whatever the fonts
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    testing::compareView(window, QUILORA_VIEWS "/start.txt", false);
    QCOMPARE(qAlpha(iconOf(window.cardButton(0)).pixel(0, 0)), 0); // an empty card's corner
    // An empty card asks for photos; they fill the cards from the first, which is then chosen.
    const QRect frame = window.frameView()->geometry();
    QVERIFY(press(window, window.cardButton(5)));
    testing::compareView(window, QUILORA_VIEWS "/photos-read.txt", false);
    QCOMPARE(window.frameView()->geometry(), frame); // a message moves nothing
    QVERIFY(!window.close());                        // photos alone are work to keep: asked, No
    QVERIFY(near(iconOf(window.cardButton(10)).pixel(10, 10), QColor::fromHsv(300, 200, 230)));
    // The photos changed: the message about them went; nothing to zoom on an empty card.
    QTest::mouseClick(window.removeButton(), Qt::LeftButton);
    QTest::keyClick(window.placeBox(), Qt::Key_Down);
    QTest::keyClicks(window.setNameBox(), "Our family");
    testing::compareView(window, QUILORA_VIEWS "/photo-removed.txt", false);

    // Empty cards ask for their photo, a full one does not.
    files = {photos[11]};
    QVERIFY(press(window, window.cardButton(11)));
    QVERIFY(press(window, window.cardButton(0)));
    QTest::mouseClick(window.cardButton(1), Qt::LeftButton);
    QCOMPARE(asked, 3);
    QVERIFY(near(iconOf(window.cardButton(0)).pixel(10, 10), QColor::fromHsv(330, 200, 230)));
    // A photo too small for a sharp card is used, marked and told of, until the player keeps it
    // or another replaces it.
    testing::photo(0).scaled(120, 90).save(folder.path("small.png"));
    const QString tooSmall = "This photo is too small for a sharp card.";
    // Its mark, an orange badge whose "!" is bold enough to be solid white along its stroke.
    const auto marked = [&] {
        const QImage icon = iconOf(window.cardButton(1));
        int white = 0;
        for (int y = 8; y < 19; ++y)
            for (int x = 75; x < 80; ++x)
                white = std::max(white, qGray(icon.pixel(x, y)));
        return near(icon.pixel(71, 13), QColor(0xd0, 0x80, 0x00)) && white > 240;
    };
    for (const char* answer : {"Keep it", "Replace…"}) {
        files = {folder.path("small.png")};
        QVERIFY(press(window, window.chooseButton()));
        testing::compareView(window, QUILORA_VIEWS "/photo-too-small.txt", false);
        QVERIFY(marked());
        files = {photos[11]};
        QVERIFY(press(window, showing<QPushButton>(window, answer)));
        QVERIFY(!window.warningLabel()->isVisible() && !marked() && status().isEmpty() &&
                window.cardButton(1)->toolTip().isEmpty());
    }
    QVERIFY(near(iconOf(window.cardButton(1)).pixel(10, 10), QColor::fromHsv(330, 200, 230)));

    // With name cards, a card shows its name and is called by it; a name too long for its card
    // is told at once, while that card is chosen.
    QTest::mouseClick(window.kindOption(1), Qt::LeftButton);
    QCOMPARE(window.frameView()->geometry(), frame); // the name's room was kept for it
    QTest::mouseClick(window.cardButton(11), Qt::LeftButton);
    QTest::keyClicks(window.cardNameBox(), "Name 12");
    testing::compareView(window, QUILORA_VIEWS "/card-named.txt", false);
    QTest::keyClicks(window.cardNameBox(), QString(40, 'y'));
    const QString tooLong =
        "“Name 12" + QString(40, 'y') + "” does not fit on a card: please shorten it.";
    QVERIFY(showing(window, tooLong));
    QApplication::processEvents(); // laid out again for the long name, which widens no card
    testing::checkLayout(window);
    for (int k = 0; k < mypictures::kPhotosPerSet; ++k)
        QCOMPARE(window.cardButton(k)->width(), window.cardButton(11)->width());
    QTest::mouseClick(window.cardButton(0), Qt::LeftButton);
    QVERIFY(!showing(window, tooLong));
    QTest::mouseClick(window.kindOption(0), Qt::LeftButton);
    QTest::mouseClick(window.cardButton(11), Qt::LeftButton);

    // Card 12, zoomed in and moved to the photo's left edge, loses the dark middle square; the
    // zoom slider follows the card chosen and the keys.
    window.zoomSlider()->setValue(200);
    ui::PhotoFrameView* view = window.frameView();
    for (int i = 0; i < 40; ++i)
        QTest::keyClick(view, Qt::Key_Left);
    QVERIFY(qGray(iconOf(window.cardButton(11)).pixel(45, 40)) > 100);
    QTest::keyClick(view, Qt::Key_Plus);
    QCOMPARE(window.zoomSlider()->value(), 220);

    // A folder that cannot be made is named, with the system's reason; the set made, the window
    // turns to it, and then to the shipped set again.
    folder.writeFile("user", "a file where the folder goes");
    QVERIFY(press(window, window.makeButton()));
    QVERIFY2(status().startsWith("The folder " + folder.path("user") + " cannot be created (") &&
                 !status().contains("()") && !status().contains("%2"),
             qPrintable(status()));
    QVERIFY(QFile::remove(folder.path("user")));
    QVERIFY(press(window, window.makeButton()));
    QCOMPARE(status(), "“Our family” is ready in place 2. Choose it in the game's Options.");
    answers.answers = {true};
    QTest::mouseClick(window.restoreButton(), Qt::LeftButton);
    testing::compareView(window, QUILORA_VIEWS "/restored.txt", false);
}

// As "Open with" on twelve photos starts it: the photos on the cards. While the set is written,
// Make, the place, the photos and Restore are off, the window still answers and shows which card
// it is at, and Close waits for the end.
void TestMyPicturesWindow::makesASetFromPhotosGivenToIt() {
    const testing::TestFolder folder;
    qputenv("XDG_DATA_HOME", folder.path("data").toUtf8());
    qputenv("XDG_CONFIG_HOME", folder.path("config").toUtf8());
    QDir().mkpath(folder.path("album"));
    const auto window = ui::openMyPictures("org.example.test.mypictures",
                                           testing::savePhotos(folder.path("album"), "IMG_%1.png"));
    QVERIFY(QTest::qWaitForWindowActive(window.get()) && testing::finish(window->maker()));
    QVERIFY(near(iconOf(window->cardButton(7)).pixel(10, 10), QColor::fromHsv(210, 200, 230)));
    QTest::keyClicks(window->setNameBox(), "Holiday");

    testing::Hold hold(window->maker(), 3);
    QTest::keyClick(window->setNameBox(), Qt::Key_Return); // Enter after the name makes the set
    QVERIFY(window->maker().working());
    hold.reached.acquire();
    QTRY_COMPARE_WITH_TIMEOUT(window->progressBar()->text(), "Making the set: card 3 of 12…",
                              120000);
    QTest::mouseClick(window->cardButton(6), Qt::LeftButton); // looking at cards still works
    QTest::mouseClick(window->closeButton(), Qt::LeftButton);
    testing::compareView(*window, QUILORA_VIEWS "/making.txt", false);
    hold.go.release();
    QTRY_VERIFY_WITH_TIMEOUT(!window->isVisible(), 120000);
    QCOMPARE(window->statusLabel()->text(),
             "“Holiday” is ready in place 1. Choose it in the game's Options.");
    // In the game's data folder, under the game's name and icon, whole, nothing half made beside.
    const QDir set(folder.path("data/Quilora/img0"));
    QVERIFY(set.exists("11@2x.gif") && set.exists("photo11.jpg") && set.exists("maker.txt"));
    QCOMPARE(QDir(folder.path("data/Quilora"))
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{"img0"});
    QVERIFY(!window->windowIcon().isNull());
}

// A misspelt name mended: the set opened from its place, its photos, frames, names, kind and name
// back, one name changed, the set made again in the same place without a question, and what did
// not change written as it was, the photos too.
void TestMyPicturesWindow::changesOneNameOfASavedSet() {
    const testing::TestFolder folder;
    mypictures::NewSet set = testing::setOf("Семья", "Имя");
    set.cards[2].name = "Тётя Мша";
    set.cards[3].crop.setZoom(2.5);
    set.cards[3].crop.moveBy({-1000, 7});
    // Written, then opened and written again, its photos now as the set keeps them.
    QVERIFY(!mypictures::writeSet(folder.path("user"), 1, set));
    const auto opened = mypictures::openSet(folder.path("user"), 1);
    QVERIFY(std::holds_alternative<mypictures::NewSet>(opened) &&
            !mypictures::writeSet(folder.path("user"), 1, std::get<mypictures::NewSet>(opened)));
    const QMap<QString, QByteArray> before = testing::contents(folder.path("user/img1"));

    testing::Scripted answers;
    answers.answers = {true};
    ui::MyPicturesWindow window(testing::foldersIn(folder), false, &answers);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    // In Russian, whose words run longest, at twice the size it fits a 1920 x 1080 screen.
    QVERIFY(window.minimumSizeHint().width() <= 960 && window.minimumSizeHint().height() <= 540);
    QStringList progress;
    connect(&window.maker(), &mypictures::Maker::workChanged, &window, [&] {
        if (window.progressBar()->isVisible())
            progress.append(window.progressBar()->text());
    });
    QTest::keyClick(window.placeBox(), Qt::Key_Down);
    QVERIFY(testing::finish(window.maker()));
    QCOMPARE(progress.first() + '|' + progress.last(),
             "Набор открывается: фото 1 из 12…|Набор открывается: фото 12 из 12…");
    QCOMPARE(answers.asked, QStringList{"OpenSet: На месте 2 ваш набор «Семья». Открыть его, "
                                        "чтобы изменить фото, кадры или имена?"});
    QTest::mouseClick(window.cardButton(2), Qt::LeftButton);
    testing::compareView(window, QUILORA_VIEWS "/russian.txt", false);
    // The missing letter typed in its place.
    window.cardNameBox()->setCursorPosition(6);
    QTest::sendKeyEvent(QTest::Click, window.cardNameBox(), Qt::Key_unknown, QStringLiteral("а"),
                        Qt::NoModifier);
    QVERIFY(press(window, window.makeButton()));
    QCOMPARE(answers.asked.size(), 1);
    QStringList changed;
    for (const auto& [file, bytes] : testing::contents(folder.path("user/img1")).asKeyValueRange())
        if (before.value(file) != bytes)
            changed.append(QFileInfo(file).fileName());
    QCOMPARE(changed, (QStringList{"14.gif", "14@2x.gif", "maker.txt", "names.txt"}));
    QCOMPARE(folder.readFile("user/img1/names.txt"),
             before.value(folder.path("user/img1/names.txt")).replace("Тётя Мша", "Тётя Маша"));
    QCOMPARE(window.placeBox()->currentText(), "2: Семья (ваш)");
}

void TestMyPicturesWindow::frameFollowsHandAndKeys() {
    ui::PhotoFrameView view;
    view.resize(400, 300);
    view.show();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    const auto pixel = [&](int x, int y) { return view.grab().toImage().pixel(x, y); };
    const QColor background = view.palette().color(QPalette::Mid);
    view.setFocus(); // empty, it takes no keys, so it shows no keyboard outline
    QVERIFY(near(pixel(1, 1), background));

    // A wide photo across the middle, one view pixel to two photo pixels: the keyboard outline
    // shows all round only once a click has given it the keyboard.
    QImage photo(800, 200, QImage::Format_RGB32);
    photo.fill(Qt::gray);
    view.showPhoto(photo, mypictures::Crop(photo.size()));
    view.clearFocus();
    QVERIFY(near(pixel(1, 1), background));
    // The frame's white line is edged in black, so that it shows on a pale photo too.
    QVERIFY(qGray(pixel(144, 150)) > 200 && qGray(pixel(145, 150)) < 100);
    QTest::mouseClick(&view, Qt::LeftButton, {}, {200, 150});
    QVERIFY(near(pixel(1, 1), view.palette().color(QPalette::Highlight)));

    // The frame follows the hand, two photo pixels to a view pixel.
    const QPointF centre = view.crop().rect().center();
    QTest::mousePress(&view, Qt::LeftButton, {}, {200, 150});
    QTest::mouseMove(&view, {190, 150});
    QTest::mouseMove(&view, {180, 150});
    QTest::mouseRelease(&view, Qt::LeftButton, {}, {180, 150});
    QCOMPARE(view.crop().rect().center(), centre - QPointF(40, 0));

    // Zoomed in, there is room to move every way: eight view pixels a key, a tenth a step. A
    // wheel's notch is 120; a fine wheel's smaller steps add up to notches.
    const auto turn = [&view](int delta) {
        QWheelEvent wheel({200, 150}, view.mapToGlobal(QPointF(200, 150)), {}, {0, delta},
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&view, &wheel);
        return view.crop().zoom();
    };
    QCOMPARE(turn(60), 1.0);
    QCOMPARE(turn(300), 1.331);
    QCOMPARE(turn(-120), 1.21);
    const std::initializer_list<std::tuple<Qt::Key, QPointF, double>> keys = {
        {Qt::Key_Left, {-16, 0}, 1.21}, {Qt::Key_Right, {16, 0}, 1.21},
        {Qt::Key_Up, {0, -16}, 1.21},   {Qt::Key_Down, {0, 16}, 1.21},
        {Qt::Key_Plus, {}, 1.331},      {Qt::Key_Minus, {}, 1.21},
        {Qt::Key_Equal, {}, 1.331}};
    for (const auto& [key, move, zoom] : keys) {
        const QPointF before = view.crop().rect().center();
        QTest::keyClick(&view, key);
        QCOMPARE(view.crop().rect().center(), before + move);
        QCOMPARE(view.crop().zoom(), zoom);
    }
}

QTEST_MAIN(TestMyPicturesWindow)
#include "tst_my_pictures_window.moc"
