#include "support/test_folder.h"
#include "test_photos.h"
#include "ui/my_pictures_window.h"
#include "ui/photo_frame_view.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
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

// Laid out: no two visible controls overlap.
void checkLayout(const QWidget& window) {
    const QList<QWidget*> all = window.findChildren<QWidget*>();
    for (const QWidget* a : all)
        for (const QWidget* b : all)
            if (a < b && a->parentWidget() == b->parentWidget() && a->isVisible() && b->isVisible())
                QVERIFY2(!a->geometry().intersects(b->geometry()),
                         qPrintable(QString(a->metaObject()->className()) + " over " +
                                    b->metaObject()->className()));
}

} // namespace

class TestMyPicturesWindow : public QObject {
    Q_OBJECT

private slots:
    void makesAndRestoresASet();
    void frameFollowsHandAndKeys();
};

void TestMyPicturesWindow::makesAndRestoresASet() {
    const testing::TestFolder folder;
    QDir(folder.dir.path()).mkpath("shipped/img1");
    folder.writeFile("shipped/img1/setname.txt", QStringLiteral("Фрукты\r\nFruit\r\n").toUtf8());
    folder.writeFile("lake.jpg", "not a photo");
    const QString shipped = folder.path("shipped"), users = folder.path("user");
    QStringList photos;
    for (int k = 0; k < 12; ++k) {
        photos.append(folder.path(QStringLiteral("photo%1.png").arg(k)));
        testing::photo(k).save(photos.last());
    }

    ui::MyPicturesWindow window(shipped, users, true);
    QList<bool> answers; // a question with no answer ready fails the test
    window.confirm = [&](const QString&) { return answers.takeFirst(); };
    QStringList files = QStringList{folder.path("lake.jpg")} + photos.mid(0, 11);
    int asked = 0;
    window.choosePhotoFiles = [&] {
        ++asked;
        return files;
    };
    const auto status = [&] { return window.statusLabel()->text(); };
    window.resize(1000, 800); // room for everything, whatever the fonts
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(showing(window, "0 of 12 photos") && window.slotBox()->currentIndex() == 4);
    QCOMPARE(window.cardButton(11)->accessibleName(), "Card 12: no photo yet");
    QCOMPARE(window.zoomSlider()->accessibleName() + '|' + window.setNameBox()->placeholderText() +
                 '|' + window.cardNameBox()->placeholderText(),
             "Zoom|e.g. Our family|e.g. Grandma");
    QPushButton* remove = showing<QPushButton>(window, "Remove photo");
    QVERIFY(!remove->isEnabled());
    // An empty card asks for photos; they fill the cards from the first, which is then chosen.
    QTest::mouseClick(window.cardButton(5), Qt::LeftButton);
    QCOMPARE(status(), "lake.jpg cannot be read as a picture.");
    QVERIFY(showing(window, "11 of 12 photos") && window.cardButton(0)->isChecked());
    answers = {false};
    QVERIFY(!window.close()); // photos alone are work to keep
    QVERIFY(near(iconOf(window.cardButton(10)).pixel(10, 10), QColor::fromHsv(300, 200, 230)));
    QVERIFY(!QApplication::overrideCursor() && remove->isEnabled());
    QTest::mouseClick(remove, Qt::LeftButton);
    QVERIFY(showing(window, "10 of 12 photos") && !remove->isEnabled());
    QVERIFY(!window.zoomSlider()->isEnabled()); // nothing to zoom on an empty card
    window.slotBox()->setCurrentIndex(1);
    QCOMPARE(window.slotBox()->itemText(0) + '|' + window.slotBox()->currentText(),
             "1: (no name)|2: Fruit");
    QTest::keyClicks(window.setNameBox(), "Our family");
    QTest::mouseClick(window.makeButton(), Qt::LeftButton);
    QCOMPARE(status(), "A set needs 12 photos; 10 chosen so far.");

    // Empty cards ask for their photo, a full one does not; past twelve, photos are left out,
    // and a single photo replaces the chosen card's.
    files = {photos[11]};
    QTest::mouseClick(window.cardButton(11), Qt::LeftButton);
    QTest::mouseClick(window.cardButton(0), Qt::LeftButton);
    QTest::mouseClick(window.cardButton(1), Qt::LeftButton);
    QCOMPARE(asked, 3);
    files = {photos[0], photos[1]};
    QTest::mouseClick(window.chooseButton(), Qt::LeftButton);
    QCOMPARE(status(), "A set holds 12 photos; 2 more were left out.");
    // A photo too small for a sharp card is used, marked and told of, until another replaces it.
    testing::photo(0).scaled(120, 90).save(folder.path("small.png"));
    files = {folder.path("small.png")};
    QTest::mouseClick(window.chooseButton(), Qt::LeftButton);
    QCOMPARE(status(), "Card 2: This photo is too small for a sharp card.");
    QCOMPARE(window.cardButton(1)->toolTip(), "This photo is too small for a sharp card.");
    QVERIFY(near(iconOf(window.cardButton(1)).pixel(71, 13), QColor(0xd0, 0x80, 0x00)));
    files = {photos[11]};
    QTest::mouseClick(window.chooseButton(), Qt::LeftButton);
    QVERIFY(near(iconOf(window.cardButton(1)).pixel(10, 10), QColor::fromHsv(330, 200, 230)));
    QVERIFY(window.cardButton(1)->toolTip().isEmpty());

    // With name cards, a card shows its name and is called by it; a name too long for its card
    // is told at once, while that card is chosen.
    QVERIFY(!window.cardNameBox()->isVisible());
    QTest::mouseClick(window.kindOption(1), Qt::LeftButton);
    QVERIFY(window.cardNameBox()->isVisible());
    QTest::mouseClick(window.cardButton(11), Qt::LeftButton);
    QTest::keyClicks(window.cardNameBox(), "Name 12");
    QCOMPARE(window.cardButton(11)->text() + '|' + window.cardButton(11)->accessibleName(),
             "Name 12|Card 12: Name 12");
    QTest::keyClicks(window.cardNameBox(), QString(40, 'y'));
    const QString tooLong =
        "“Name 12" + QString(40, 'y') + "” does not fit on a card: please shorten it.";
    QVERIFY(showing(window, tooLong));
    checkLayout(window);
    QTest::mouseClick(window.cardButton(0), Qt::LeftButton);
    QVERIFY(!showing(window, tooLong));
    QTest::mouseClick(window.kindOption(0), Qt::LeftButton);
    QTest::mouseClick(window.cardButton(11), Qt::LeftButton);

    // Card 12, zoomed in and dragged to the photo's left edge, loses the dark middle square;
    // the zoom slider follows the card chosen and the keys.
    window.zoomSlider()->setValue(200);
    ui::PhotoFrameView* view = window.frameView();
    const QPoint middle = view->rect().center();
    QTest::mousePress(view, Qt::LeftButton, {}, middle);
    QTest::mouseMove(view, middle - QPoint(300, 0));
    QTest::mouseRelease(view, Qt::LeftButton, {}, middle - QPoint(300, 0));
    QVERIFY(qGray(iconOf(window.cardButton(11)).pixel(45, 40)) > 100);
    QTest::keyClick(view, Qt::Key_Plus);
    QCOMPARE(window.zoomSlider()->value(), 220);

    // A folder that cannot be made is named, with the system's reason; the set made, the window
    // turns to it, and then to the shipped set again, when the player confirms.
    folder.writeFile("user", "a file where the folder goes");
    QTest::mouseClick(window.makeButton(), Qt::LeftButton);
    QVERIFY2(status().startsWith("The folder " + users + " cannot be created (") &&
                 !status().contains("()") && !status().contains("%2"),
             qPrintable(status()));
    QVERIFY(QFile::remove(users));
    QTest::mouseClick(window.makeButton(), Qt::LeftButton);
    QCOMPARE(status(), "“Our family” is ready in place 2. Choose it in the game's Options.");
    QCOMPARE(window.slotBox()->currentText(), "2: Our family (yours)");
    QCOMPARE(ui::MyPicturesWindow(shipped, users, true).slotBox()->currentIndex(), 1);
    answers = {false};
    QTest::mouseClick(window.restoreButton(), Qt::LeftButton);
    QVERIFY(QFileInfo::exists(users + "/img1"));
    answers = {true};
    QTest::mouseClick(window.restoreButton(), Qt::LeftButton);
    QVERIFY(!QFileInfo::exists(users + "/img1"));
    QCOMPARE(status(), "The shipped set is back in place 2.");
    QCOMPARE(window.slotBox()->currentText(), "2: Fruit");
    QVERIFY(!window.restoreButton()->isEnabled());
    QVERIFY(window.close()); // nothing unsaved: no question
}

void TestMyPicturesWindow::frameFollowsHandAndKeys() {
    ui::PhotoFrameView view;
    view.resize(400, 300);
    view.QWidget::show();
    QVERIFY(QTest::qWaitForWindowActive(&view));
    const auto corner = [&] { return view.grab().toImage().pixel(1, 1); };
    const QColor background = view.palette().color(QPalette::Mid);
    view.setFocus(); // empty, it takes no keys, so it shows no keyboard outline
    QVERIFY(near(corner(), background));

    // A wide photo across the middle, one view pixel to two photo pixels: the keyboard outline
    // shows all round only once a click has given it the keyboard.
    QImage photo(800, 200, QImage::Format_RGB32);
    photo.fill(Qt::gray);
    view.show(photo, mypictures::Crop(photo.size()));
    view.clearFocus();
    QVERIFY(near(corner(), background));
    QTest::mouseClick(&view, Qt::LeftButton, {}, {200, 150});
    QVERIFY(near(corner(), view.palette().color(QPalette::Highlight)));

    // The frame follows the hand, two photo pixels to a view pixel.
    const QPointF centre = view.crop().rect().center();
    QTest::mousePress(&view, Qt::LeftButton, {}, {200, 150});
    QTest::mouseMove(&view, {190, 150});
    QTest::mouseMove(&view, {180, 150});
    QTest::mouseRelease(&view, Qt::LeftButton, {}, {180, 150});
    QCOMPARE(view.crop().rect().center(), centre - QPointF(40, 0));

    // Zoomed in, there is room to move every way: eight view pixels a key, a tenth a step.
    QWheelEvent wheel({200, 150}, view.mapToGlobal(QPointF(200, 150)), {}, {0, 240}, Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&view, &wheel);
    QCOMPARE(view.crop().zoom(), 1.21);
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
