#include "mypictures/cards.h"
#include "support/full_disk.h"
#include "support/test_folder.h"
#include "test_photos.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QTest>

using namespace quilora;
using namespace quilora::mypictures;

namespace {

const QList<QRgb> kQuarters = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                               qRgb(255, 255, 0)};
const QRgb kBlue = qRgb(0, 0, 255), kWhite = qRgb(255, 255, 255);

// A picture in four plain colours, one to a quarter: red, green / blue, yellow.
QImage quarters(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    const int w = size.width() / 2, h = size.height() / 2;
    for (int i = 0; i < 4; ++i)
        painter.fillRect(i % 2 * w, i / 2 * h, w, h, QColor(kQuarters[i]));
    return image;
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(image);
    return bytes;
}

// `upright` as a camera held on its side stores it, with the EXIF orientation that turns it
// back: 6 when stored turned left, 8 when turned right.
QByteArray turnedJpeg(const QImage& upright, char orientation) {
    const QImage stored = upright.transformed(QTransform().rotate(orientation == 6 ? -90 : 90));
    // A big-endian TIFF header and one IFD holding one SHORT entry, the orientation.
    QByteArray exif("\xff\xe1\0\x22"
                    "Exif\0\0MM\0\x2a\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0",
                    29);
    exif.append(orientation).append(QByteArray(6, '\0'));
    return encoded(stored, "jpeg").insert(2, exif); // right after the start-of-image marker
}

int distance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

// Whether the colours `inset` pixels in from the corners (TL, TR, BL, BR) are about these.
bool cornersAre(const QImage& image, const QList<QRgb>& expected, int inset = 0) {
    const int r = image.width() - 1 - inset, b = image.height() - 1 - inset;
    const QList<QPoint> corners = {{inset, inset}, {r, inset}, {inset, b}, {r, b}};
    for (int i = 0; i < 4; ++i)
        if (distance(image.pixel(corners[i]), expected[i]) > 40)
            return false;
    return true;
}

// Whether a card has its thin edge all round: the outer line differs from just inside it.
bool edged(const QImage& card) {
    const int w = card.width() - 1, h = card.height() - 1, in = card.width() / 15;
    const auto differ = [&](int x, int y, int dx, int dy) {
        return distance(card.pixel(x, y), card.pixel(x + dx, y + dy)) > 20;
    };
    return differ(w / 2, 0, 0, in) && differ(w / 2, h, 0, -in) && differ(0, h / 2, in, 0) &&
           differ(w, h / 2, -in, 0);
}

int inkOf(const QImage& card) {
    int inked = 0;
    for (int y = 0; y < card.height(); ++y)
        for (int x = 0; x < card.width(); ++x)
            inked += qGray(card.pixel(x, y)) < 120 ? 1 : 0;
    return inked;
}

QMap<QString, QByteArray> filesOf(const QString& folder) {
    QMap<QString, QByteArray> files;
    for (const QFileInfo& info : QDir(folder).entryInfoList(QDir::Files)) {
        QFile file(info.filePath());
        file.open(QIODevice::ReadOnly);
        files.insert(info.fileName(), file.readAll());
    }
    return files;
}

QStringList leftovers(const QString& root) {
    return QDir(root).entryList({QStringLiteral(".img*")}, QDir::Dirs | QDir::Hidden);
}

} // namespace

class TestMyPictures : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { photos_ = testing::twelvePhotos(folder_.dir.path()); }
    void readsPhotos_data();
    void readsPhotos();
    void frameStaysOnThePhoto_data();
    void frameStaysOnThePhoto();
    void nameCards_data();
    void nameCards();
    void writesAndReplacesASet();
    void refusesAnIncompleteSet_data();
    void refusesAnIncompleteSet();
    void failedWriteKeepsTheOldSet_data();
    void failedWriteKeepsTheOldSet();
    void restoresTheShippedSet();

private:
    testing::TestFolder folder_;
    QStringList photos_;
};

void TestMyPictures::readsPhotos_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("limit"); // Qt's allocation limit in megabytes, 0 for none
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<QRgb>>("corners");
    QTest::addColumn<int>("problem");
    const int none = int(Text::Count);
    // Twice the working size each way, so that the decoder itself scales it; 19 MB whole.
    const QByteArray huge = turnedJpeg(quarters({2560, 1920}), 6);
    QImage clear(200, 100, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    QPainter(&clear).fillRect(0, 0, 100, 100, Qt::blue);
    QTest::newRow("turned right") << "turned.jpg" << turnedJpeg(quarters({360, 240}), 8) << 256
                                  << QSize(360, 240) << kQuarters << none;
    QTest::newRow("huge, turned left")
        << "huge.jpg" << huge << 8 << QSize(1280, 960) << kQuarters << none;
    QTest::newRow("too large even scaled")
        << "huge.jpg" << huge << 4 << QSize(0, 0) << QList<QRgb>() << int(Text::MakerPhotoTooLarge);
    QTest::newRow("transparent") << "clear.png" << encoded(clear, "png") << 256 << QSize(200, 100)
                                 << QList<QRgb>{kBlue, kWhite, kBlue, kWhite} << none;
    QTest::newRow("size known once read") << "icon.icns" << encoded(quarters({1024, 1024}), "icns")
                                          << 256 << QSize(960, 960) << kQuarters << none;
    QTest::newRow("cut after its header, no limit")
        << "cut.png" << encoded(quarters({64, 64}), "png").left(33) << 0 << QSize(0, 0)
        << QList<QRgb>() << int(Text::MakerPhotoUnreadable);
}

void TestMyPictures::readsPhotos() {
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(int, limit);
    QFETCH(QSize, size);
    QFETCH(QList<QRgb>, corners);
    QFETCH(int, problem);
    folder_.writeFile(file, bytes);
    const int saved = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(limit);
    const LoadedPhoto photo = loadPhoto(folder_.path(file));
    QImageReader::setAllocationLimit(saved);
    QCOMPARE(int(photo.problem.value_or(Text::Count)), problem);
    QCOMPARE(photo.image.size(), size);
    QVERIFY(corners.isEmpty() || cornersAre(photo.image, corners));
}

void TestMyPictures::frameStaysOnThePhoto_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRectF>("largest");
    QTest::newRow("wide") << QSize(360, 240) << QRectF(45, 0, 270, 240);
    QTest::newRow("tall") << QSize(240, 360) << QRectF(0, 180 - 320 / 3.0, 240, 640 / 3.0);
}

void TestMyPictures::frameStaysOnThePhoto() {
    QFETCH(QSize, size);
    QFETCH(QRectF, largest);
    const QRectF photo(QPointF(0, 0), QSizeF(size));
    Crop crop(size);
    QCOMPARE(crop.rect(), largest);
    crop.moveBy({1e6, -1e6});
    QCOMPARE(crop.rect(), QRectF(QPointF(size.width() - largest.width(), 0), largest.size()));
    crop.setZoom(10);
    QCOMPARE(crop.zoom(), Crop::kMaxZoom);
    QCOMPARE(crop.rect().size(), largest.size() / Crop::kMaxZoom);
    QVERIFY(photo.contains(crop.rect()));
    crop.moveBy({1e6, -1e6});
    // Zoomed in at the top right, the whole card is that quarter's colour, edged.
    const QImage card = photoCard(quarters(size), crop.rect(), 2);
    QCOMPARE(card.size(), QSize(180, 160));
    QVERIFY(cornersAre(card, QList<QRgb>(4, kQuarters[1]), 4));
    QVERIFY(edged(card));
    crop.setZoom(0.5);
    QCOMPARE(crop.rect().size(), largest.size());
    QVERIFY(photo.contains(crop.rect()));
}

void TestMyPictures::nameCards_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("fits");
    QTest::newRow("long word") << "Александра" << true;
    QTest::newRow("two words, a line each") << " Бабушка  Валентина" << true;
    QTest::newRow("word too long") << "Константинопольский" << false;
    QTest::newRow("too many words") << "Tante Margarethe von Hohenzollern-Sigmaringen" << false;
    QTest::newRow("blank") << " \t " << false;
}

void TestMyPictures::nameCards() {
    QFETCH(QString, name);
    QFETCH(bool, fits);
    for (int scale : {1, 2}) {
        const QImage card = nameCard(name, scale);
        QCOMPARE(!card.isNull(), fits);
        if (!fits)
            continue;
        QCOMPARE(card.size(), QSize(90, 80) * scale);
        QVERIFY(edged(card));
        // Smooth dark lettering, only inside its box 8 pixels clear of the frame line.
        const QRect box(13 * scale, 13 * scale, 64 * scale, 54 * scale);
        QVERIFY(inkOf(card) > 20 * scale * scale);
        QCOMPARE(inkOf(card.copy(box)), inkOf(card));
        QSet<QRgb> shades;
        for (int y = 0; y < card.height(); ++y)
            for (int x = 0; x < card.width(); ++x)
                shades.insert(card.pixel(x, y));
        QVERIFY(shades.size() > 8);
    }
}

void TestMyPictures::writesAndReplacesASet() {
    const testing::TestFolder root;
    const QString users = root.path("user/Quilora"), folder = users + "/img2";
    QStringList names;
    for (int k = 1; k <= kPhotosPerSet; ++k)
        names.append(QStringLiteral("Имя %1").arg(k));
    NewSet set = testing::setOf(photos_, QStringLiteral(" Наша  семья "), names);
    set.cards[3].crop.setZoom(2);
    QVERIFY(!writeSet(users, 2, set));
    QVERIFY(hasPlayerSet(users, 2));
    QMap<QString, QByteArray> files = filesOf(folder);
    QCOMPARE(files.size(), 2 * 24 + 2);
    QCOMPARE(files.value("setname.txt"), QStringLiteral("Наша семья\r\nНаша семья\r\n").toUtf8());
    QStringList spoken = QString::fromUtf8(files.value("names.txt")).split("\r\n");
    QCOMPARE(spoken.size(), 24 + 1);
    QCOMPARE(spoken[2], "Имя 3\tИмя 3");
    QCOMPARE(spoken[12 + 2], spoken[2]);
    for (int k = 0; k < 24; ++k)
        for (int scale : {1, 2}) {
            QImage gif;
            const QString name = QString(scale == 1 ? "%1.gif" : "%1@2x.gif").arg(k);
            QVERIFY2(gif.loadFromData(files.value(name), "GIF"), qPrintable(name));
            QCOMPARE(gif.size(), QSize(90, 80) * scale);
            QVERIFY2(edged(gif), qPrintable(name));
            // A photo's colour round its dark middle, or dark lettering on the pale face.
            const QRgb side = gif.pixel(10 * scale, 40 * scale);
            const bool looks =
                k < kPhotosPerSet
                    ? distance(side, QColor::fromHsv(k * 30, 200, 230).rgb()) < 30 &&
                          qGray(gif.pixel(45 * scale, 40 * scale)) < 60
                    : distance(side, qRgb(255, 254, 246)) < 10 && inkOf(gif) > 40 * scale * scale;
            QVERIFY2(looks, qPrintable(name));
        }
    // The zoomed photo shows its dark square larger.
    QVERIFY(qGray(QImage(folder + "/3.gif").pixel(32, 40)) < 60);
    QVERIFY(qGray(QImage(folder + "/4.gif").pixel(32, 40)) > 100);

    // A set of 12 in place of one of 24 replaces it whole, past a folder a cut write left.
    QDir().mkpath(users + "/.img2-old/old");
    set.withNames = false;
    QVERIFY(!writeSet(users, 2, set));
    files = filesOf(folder);
    QCOMPARE(files.size(), 2 * 12 + 2);
    spoken = QString::fromUtf8(files.value("names.txt")).split("\r\n");
    QCOMPARE(spoken.size(), 12 + 1);
    QCOMPARE(spoken[2], "фото 3\tphoto 3");
    QVERIFY(leftovers(users).isEmpty());
}

void TestMyPictures::refusesAnIncompleteSet_data() {
    QTest::addColumn<QString>("setName");
    QTest::addColumn<QString>("fourthName"); // the fourth card's, in a set with names
    QTest::addColumn<int>("problem");
    QTest::addColumn<QString>("detail");
    QTest::newRow("a photo missing") << "Set" << QString() << int(Text::MakerTooFewPhotos) << "11";
    QTest::newRow("no set name") << " " << QString() << int(Text::MakerSetNameMissing) << "";
    QTest::newRow("set name too long")
        << QString(41, 'x') << QString() << int(Text::MakerSetNameTooLong) << "";
    QTest::newRow("set name of 40") << QString(40, 'x') << QString() << int(Text::Count) << "";
    QTest::newRow("no card name") << "Set"
                                  << " " << int(Text::MakerCardNameMissing) << "4";
    QTest::newRow("card name too long")
        << "Set"
        << "Константинопольский" << int(Text::MakerCardNameTooLong) << "Константинопольский";
}

void TestMyPictures::refusesAnIncompleteSet() {
    QFETCH(QString, setName);
    QFETCH(QString, fourthName);
    QFETCH(int, problem);
    QFETCH(QString, detail);
    QStringList names;
    for (int k = 1; k <= kPhotosPerSet && !fourthName.isNull(); ++k)
        names.append(k == 4 ? fourthName : QStringLiteral("Имя %1").arg(k));
    NewSet set = testing::setOf(photos_, setName, names);
    if (problem == int(Text::MakerTooFewPhotos))
        set.cards[3].photo = QImage();
    const Problem none{Text::Count, {}, {}};
    const Problem found = checkSet(set).value_or(none);
    QCOMPARE(int(found.what), problem);
    QCOMPARE(found.detail, detail);
    if (found.what == Text::Count)
        return;
    // Refused before anything is written.
    QCOMPARE(int(writeSet(folder_.path("refused"), 0, set).value_or(none).what), problem);
    QVERIFY(!QFileInfo::exists(folder_.path("refused")));
}

void TestMyPictures::failedWriteKeepsTheOldSet_data() {
    QTest::addColumn<QString>("inTheWay"); // a file where a folder would go
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<int>("problem");
    QTest::newRow("the user's folder a file")
        << "user" << false << int(Text::MakerFolderNotCreated);
    QTest::newRow("disk full") << "" << true << int(Text::MakerWriteFailed);
    QTest::newRow("the old set cannot step aside")
        << "user/.img1-old" << false << int(Text::MakerWriteFailed);
}

void TestMyPictures::failedWriteKeepsTheOldSet() {
    QFETCH(QString, inTheWay);
    QFETCH(bool, fullDisk);
    QFETCH(int, problem);
    const testing::TestFolder root;
    const QString users = root.path("user");
    if (inTheWay != "user") {
        QDir().mkpath(users + "/img1");
        root.writeFile("user/img1/0.gif", "old card");
    }
    if (!inTheWay.isEmpty())
        root.writeFile(inTheWay, "in the way");
    const QMap<QString, QByteArray> before = filesOf(users + "/img1");
    const NewSet set = testing::setOf(photos_, "New");
    std::optional<Problem> refused;
    {
        std::optional<testing::FullDisk> full;
        if (fullDisk)
            full.emplace();
        refused = writeSet(users, 1, set);
    }
    QVERIFY(refused);
    QCOMPARE(int(refused->what), problem);
    QVERIFY(!refused->reason.isEmpty());
    QCOMPARE(filesOf(users + "/img1"), before);
    QVERIFY(leftovers(users).isEmpty());
}

void TestMyPictures::restoresTheShippedSet() {
    const testing::TestFolder root;
    const QString users = root.path("user");
    QVERIFY(!restoreShipped(users, 4)); // nothing of the player's there: nothing to do
    for (const QString folder : {"img3", "img4", ".img4-old"}) {
        QDir().mkpath(users + "/" + folder);
        root.writeFile("user/" + folder + "/0.gif", "GIF89a");
    }
    QVERIFY(hasPlayerSet(users, 4));
    QVERIFY(!restoreShipped(users, 4));
    QVERIFY(!hasPlayerSet(users, 4));
    QVERIFY(!QFileInfo::exists(users + "/img4"));
    QVERIFY(leftovers(users).isEmpty());
    // A file where the set would step aside: it stays, and the place is named as the player
    // counts them.
    root.writeFile("user/.img3-old", "in the way");
    const std::optional<Problem> refused = restoreShipped(users, 3);
    QVERIFY(refused && refused->what == Text::MakerRestoreFailed);
    QCOMPARE(refused->detail, "4");
    QVERIFY(!refused->reason.isEmpty());
    QVERIFY(hasPlayerSet(users, 3));
}

QTEST_MAIN(TestMyPictures)
#include "tst_mypictures.moc"
