#include "mypictures/cards.h"
#include "support/full_disk.h"
#include "support/test_folder.h"
#include "test_photos.h"

#include "core/paths.h"

#include <QImageReader>
#include <QTest>

using namespace quilora;
using namespace quilora::mypictures;
using testing::colourDistance;

namespace {

const QList<QRgb> kQuarters = {qRgb(255, 0, 0), qRgb(0, 255, 0), qRgb(0, 0, 255),
                               qRgb(255, 255, 0)};

// The colours a little way in from each corner: top left, top right, bottom left, bottom right.
QList<QRgb> cornerColours(const QImage& image, int inset) {
    const int r = image.width() - 1 - inset, b = image.height() - 1 - inset;
    return {image.pixel(inset, inset), image.pixel(r, inset), image.pixel(inset, b),
            image.pixel(r, b)};
}

void compareCorners(const QImage& image, int inset, const QList<QRgb>& expected, int tolerance) {
    const QList<QRgb> found = cornerColours(image, inset);
    for (int i = 0; i < 4; ++i)
        QVERIFY2(colourDistance(found[i], expected[i]) <= tolerance,
                 qPrintable(QStringLiteral("corner %1: %2, expected %3")
                                .arg(i)
                                .arg(found[i], 8, 16)
                                .arg(expected[i], 8, 16)));
}

quint32 crc32(const QByteArray& bytes) {
    quint32 crc = 0xffffffff;
    for (char c : bytes) {
        crc ^= static_cast<quint8>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xedb88320 & (0u - (crc & 1)));
    }
    return ~crc;
}

QByteArray pngChunk(const QByteArray& type, const QByteArray& data) {
    QByteArray chunk;
    const auto be32 = [&](quint32 v) {
        for (int shift : {24, 16, 8, 0})
            chunk.append(char((v >> shift) & 0xff));
    };
    be32(static_cast<quint32>(data.size()));
    chunk.append(type + data);
    be32(crc32(type + data));
    return chunk;
}

// A PNG that claims a size no decoder may allocate, with an empty image stream.
QByteArray hugePng(quint32 width, quint32 height) {
    QByteArray header;
    for (quint32 v : {width, height})
        for (int shift : {24, 16, 8, 0})
            header.append(char((v >> shift) & 0xff));
    header.append(QByteArray("\x08\x02\0\0\0", 5));
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + pngChunk("IHDR", header) +
           pngChunk("IDAT", QByteArray("\x78\x9c\x03\0\0\0\0\x01", 8)) + pngChunk("IEND", {});
}

QMap<QString, QByteArray> filesOf(const QString& folder) {
    QMap<QString, QByteArray> files;
    const QDir dir(folder);
    for (const QString& name : dir.entryList(QDir::Files)) {
        QFile file(dir.filePath(name));
        file.open(QIODevice::ReadOnly);
        files.insert(name, file.readAll());
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
    void photosComeUpright_data();
    void photosComeUpright();
    void hugePhotoIsDecodedScaled();
    void transparentAndTinyPhotos();
    void unusablePhotos_data();
    void unusablePhotos();
    void frameStaysOnThePhoto_data();
    void frameStaysOnThePhoto();
    void nameCards_data();
    void nameCards();
    void writesAWholeSet_data();
    void writesAWholeSet();
    void refusesAnIncompleteSet_data();
    void refusesAnIncompleteSet();
    void failedWriteKeepsTheOldSet_data();
    void failedWriteKeepsTheOldSet();
    void restoreBringsBackTheShippedSet();

private:
    testing::TestFolder folder_;
};

void TestMyPictures::photosComeUpright_data() {
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("storedTurn"); // degrees clockwise that the camera stored it turned
    QTest::newRow("upright") << 1 << 0;
    QTest::newRow("upside down") << 3 << 180;
    QTest::newRow("turned left") << 6 << -90;
    QTest::newRow("turned right") << 8 << 90;
}

void TestMyPictures::photosComeUpright() {
    QFETCH(int, orientation);
    QFETCH(int, storedTurn);
    const QImage upright = testing::quarters(QSize(360, 240));
    const QImage stored = upright.transformed(QTransform().rotate(storedTurn));
    const QString path = testing::writeBytes(
        folder_.dir.path(), QStringLiteral("turned%1.jpg").arg(orientation),
        testing::jpegWithOrientation(stored, static_cast<quint16>(orientation)));
    const LoadedPhoto photo = loadPhoto(path);
    QVERIFY(!photo.problem);
    QCOMPARE(photo.image.size(), QSize(360, 240));
    compareCorners(photo.image, 20, kQuarters, 40);
}

// 108 megapixels: decoded whole, it would pass the allocation limit set here.
void TestMyPictures::hugePhotoIsDecodedScaled() {
    const QSize upright(12000, 9000);
    QImage stored(upright.transposed(), QImage::Format_Grayscale8);
    // Stored turned left: the upright top left lies at the stored bottom left, its top right
    // at the stored top left.
    const std::array<uchar, 4> greys = {30, 90, 160, 230}; // upright TL, TR, BL, BR
    for (int y = 0; y < stored.height(); ++y) {
        const bool top = y < stored.height() / 2;
        uchar* line = stored.scanLine(y);
        std::memset(line, greys[top ? 1 : 0], stored.width() / 2);
        std::memset(line + stored.width() / 2, greys[top ? 3 : 2],
                    stored.width() - stored.width() / 2);
    }
    const QString path = testing::writeBytes(folder_.dir.path(), QStringLiteral("huge.jpg"),
                                             testing::jpegWithOrientation(stored, 6));
    stored = QImage();
    const int limit = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(64);
    const LoadedPhoto photo = loadPhoto(path);
    QImageReader::setAllocationLimit(limit);
    QVERIFY(!photo.problem);
    QCOMPARE(photo.image.size(), workingSize(upright));
    QCOMPARE(photo.image.size(), QSize(1280, kWorkingShortSide));
    QList<QRgb> expected;
    for (uchar g : greys)
        expected.append(qRgb(g, g, g));
    compareCorners(photo.image, 40, expected, 12);
}

void TestMyPictures::transparentAndTinyPhotos() {
    QImage sticker(200, 200, QImage::Format_ARGB32);
    sticker.fill(Qt::transparent);
    QPainter(&sticker).fillRect(100, 0, 100, 200, Qt::blue);
    const LoadedPhoto clear =
        loadPhoto(testing::savePhoto(folder_.dir.path(), QStringLiteral("clear.png"), sticker));
    QVERIFY(!clear.image.hasAlphaChannel());
    compareCorners(clear.image, 5,
                   {qRgb(255, 255, 255), qRgb(0, 0, 255), qRgb(255, 255, 255), qRgb(0, 0, 255)}, 0);

    const LoadedPhoto tiny = loadPhoto(testing::savePhoto(
        folder_.dir.path(), QStringLiteral("tiny.png"), testing::quarters(QSize(20, 16))));
    QCOMPARE(tiny.image.size(), QSize(20, 16));
    const Crop crop(tiny.image.size());
    QCOMPARE(crop.rect(), QRectF(1, 0, 18, 16));
    for (int scale : {1, 2}) {
        const QImage card = photoCard(tiny.image, crop.rect(), scale);
        QCOMPARE(card.size(), QSize(90, 80) * scale);
        compareCorners(card, 8 * scale, kQuarters, 0);
    }
}

void TestMyPictures::unusablePhotos_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("problem");
    QTest::newRow("text named .jpg")
        << QByteArray("not a photo at all\n") << int(Text::MakerPhotoUnreadable);
    QTest::newRow("empty file") << QByteArray() << int(Text::MakerPhotoUnreadable);
    QTest::newRow("cut JPEG")
        << testing::jpegWithOrientation(testing::quarters({64, 64}), 1).left(40)
        << int(Text::MakerPhotoUnreadable);
    QTest::newRow("30000 x 30000 PNG") << hugePng(30000, 30000) << int(Text::MakerPhotoTooLarge);
}

void TestMyPictures::unusablePhotos() {
    QFETCH(QByteArray, bytes);
    QFETCH(int, problem);
    const QString path = testing::writeBytes(folder_.dir.path(), QStringLiteral("bad.jpg"), bytes);
    const LoadedPhoto photo = loadPhoto(path);
    QVERIFY(photo.image.isNull());
    QCOMPARE(int(photo.problem.value_or(Text::Count)), problem);
    QCOMPARE(int(loadPhoto(path + "-missing").problem.value_or(Text::Count)),
             int(Text::MakerPhotoUnreadable));
}

void TestMyPictures::frameStaysOnThePhoto_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRectF>("largest");
    QTest::newRow("wide") << QSize(360, 240) << QRectF(45, 0, 270, 240);
    QTest::newRow("tall") << QSize(240, 360) << QRectF(0, 180 - 320 / 3.0, 240, 640 / 3.0);
    QTest::newRow("card shaped") << QSize(90, 80) << QRectF(0, 0, 90, 80);
}

void TestMyPictures::frameStaysOnThePhoto() {
    QFETCH(QSize, size);
    QFETCH(QRectF, largest);
    const QImage photo = testing::quarters(size);
    Crop crop(size);
    QCOMPARE(crop.rect(), largest);
    crop.moveBy({1e6, -1e6});
    QCOMPARE(crop.rect(),
             QRectF(size.width() - largest.width(), 0, largest.width(), largest.height()));
    crop.setZoom(10);
    QCOMPARE(crop.zoom(), Crop::kMaxZoom);
    QCOMPARE(crop.rect().size(), largest.size() / Crop::kMaxZoom);
    QVERIFY(QRectF(QPointF(0, 0), QSizeF(size)).contains(crop.rect()));
    crop.moveBy({1e6, -1e6});
    // Zoomed in at the top right, the whole card is that quarter's colour.
    const QImage card = photoCard(photo, crop.rect(), 1);
    compareCorners(card, 2, QList<QRgb>(4, kQuarters[1]), 0);
    crop.setZoom(0.5);
    QCOMPARE(crop.rect().size(), largest.size());
    QVERIFY(QRectF(QPointF(0, 0), QSizeF(size)).contains(crop.rect()));
}

void TestMyPictures::nameCards_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("fits");
    QTest::newRow("short") << "Ян" << true;
    QTest::newRow("word") << "Grandma" << true;
    QTest::newRow("long word") << "Александра" << true;
    QTest::newRow("two words") << "Бабушка  Валентина" << true;
    QTest::newRow("too long word") << "Константинопольский" << false;
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
        // Ink only inside the lettering box, which keeps 8 pixels clear of the frame line.
        const QRect box(13 * scale, 13 * scale, 64 * scale, 54 * scale);
        int inked = 0;
        for (int y = 0; y < card.height(); ++y)
            for (int x = 0; x < card.width(); ++x)
                if (colourDistance(card.pixel(x, y), qRgb(255, 254, 246)) > 60 &&
                    qGray(card.pixel(x, y)) < 120) {
                    QVERIFY2(box.contains(x, y),
                             qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
                    ++inked;
                }
        QVERIFY(inked > 20 * scale * scale);
    }
}

void TestMyPictures::writesAWholeSet_data() {
    QTest::addColumn<QStringList>("names");
    QTest::newRow("each photo twice") << QStringList();
    QStringList family;
    for (int k = 0; k < kPhotosPerSet; ++k)
        family.append(QStringLiteral("Имя %1").arg(k + 1));
    QTest::newRow("with names") << family;
}

void TestMyPictures::writesAWholeSet() {
    QFETCH(QStringList, names);
    const testing::TestFolder root;
    const QString users = root.path(QStringLiteral("user/Quilora"));
    NewSet set = testing::setOf(testing::twelvePhotos(root.dir.path()),
                                QStringLiteral(" Наша  семья "), names);
    set.cards[3].crop.setZoom(2);
    QVERIFY(!writeSet(users, 2, set));

    QVERIFY(hasPlayerSet(users, 2));
    QCOMPARE(core::pictureSetFolder(root.path("shipped"), users, 2),
             users + QStringLiteral("/img2/"));
    QVERIFY(leftovers(users).isEmpty());
    const int count = names.isEmpty() ? 12 : 24;
    const QMap<QString, QByteArray> files = filesOf(users + QStringLiteral("/img2"));
    QCOMPARE(files.size(), 2 * count + 2);
    QCOMPARE(files.value("setname.txt"), QStringLiteral("Наша семья\r\nНаша семья\r\n").toUtf8());
    const QStringList spoken = QString::fromUtf8(files.value("names.txt")).split("\r\n");
    QCOMPARE(spoken.size(), count + 1);
    QCOMPARE(spoken[2],
             names.isEmpty() ? QStringLiteral("фото 3\tphoto 3") : QStringLiteral("Имя 3\tИмя 3"));
    QCOMPARE(spoken[count - 1], spoken[names.isEmpty() ? 11 : 11 + 12]);
    for (int scale : {1, 2}) {
        const QList<QImage> drawn = drawCards(set, scale);
        for (int k = 0; k < count; ++k) {
            const QString name =
                scale == 1 ? QStringLiteral("%1.gif").arg(k) : QStringLiteral("%1@2x.gif").arg(k);
            QImage gif;
            QVERIFY2(gif.loadFromData(files.value(name), "GIF"), qPrintable(name));
            QCOMPARE(gif.size(), QSize(90, 80) * scale);
            // The quantised card stays close to the drawn one, pixel by pixel on average.
            qint64 distance = 0;
            for (int y = 0; y < gif.height(); ++y)
                for (int x = 0; x < gif.width(); ++x)
                    distance += colourDistance(gif.pixel(x, y), drawn[k].pixel(x, y));
            QVERIFY2(distance < 6 * gif.width() * gif.height(), qPrintable(name));
        }
    }
    // The zoomed photo shows its dark square larger than an unzoomed one does.
    const QImage zoomed(users + "/img2/3.gif"), plain(users + "/img2/4.gif");
    QVERIFY(qGray(zoomed.pixel(32, 40)) < 60 && qGray(plain.pixel(32, 40)) > 100);

    // A set of 12 in place of one of 24 replaces it whole: no name card stays.
    if (names.isEmpty())
        return;
    set.withNames = false;
    QVERIFY(!writeSet(users, 2, set));
    QCOMPARE(filesOf(users + QStringLiteral("/img2")).size(), 26);
    QVERIFY(!QFile::exists(users + "/img2/13.gif"));
}

void TestMyPictures::refusesAnIncompleteSet_data() {
    QTest::addColumn<int>("cards");
    QTest::addColumn<QString>("setName");
    QTest::addColumn<QString>("cardName");
    QTest::addColumn<int>("problem");
    QTest::addColumn<QString>("detail");
    QTest::newRow("11 photos") << 11 << "Set"
                               << "" << int(Text::MakerTooFewPhotos) << "11";
    QTest::newRow("no set name") << 12 << "  "
                                 << "" << int(Text::MakerSetNameMissing) << "";
    QTest::newRow("long set name")
        << 12 << QString(41, 'x') << "" << int(Text::MakerSetNameTooLong) << "";
    QTest::newRow("no card name") << 12 << "Set"
                                  << " " << int(Text::MakerCardNameMissing) << "1";
    QTest::newRow("long card name")
        << 12 << "Set"
        << "Константинопольский" << int(Text::MakerCardNameTooLong) << "Константинопольский";
}

void TestMyPictures::refusesAnIncompleteSet() {
    QFETCH(int, cards);
    QFETCH(QString, setName);
    QFETCH(QString, cardName);
    QFETCH(int, problem);
    QFETCH(QString, detail);
    const testing::TestFolder root;
    QStringList photos = testing::twelvePhotos(root.dir.path()).mid(0, cards);
    NewSet set = testing::setOf(photos, setName);
    if (!cardName.isEmpty()) {
        set.withNames = true;
        for (CardChoice& card : set.cards)
            card.name = cardName;
    }
    const std::optional<Problem> refused = writeSet(root.path("user"), 0, set);
    QVERIFY(refused);
    QCOMPARE(int(refused->what), problem);
    QCOMPARE(refused->detail, detail);
    QVERIFY(!QFileInfo::exists(root.path("user/img0")));
}

void TestMyPictures::failedWriteKeepsTheOldSet_data() {
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<int>("problem");
    QTest::newRow("target is a file") << false << int(Text::MakerFolderNotCreated);
    QTest::newRow("full disk") << true << int(Text::MakerWriteFailed);
}

void TestMyPictures::failedWriteKeepsTheOldSet() {
    QFETCH(bool, fullDisk);
    QFETCH(int, problem);
    const testing::TestFolder root;
    const QStringList photos = testing::twelvePhotos(root.dir.path());
    QString users = root.path("user");
    if (fullDisk) {
        QDir().mkpath(users + "/img1");
        for (const char* name : {"0.gif", "setname.txt"})
            testing::writeBytes(users + "/img1", name, QByteArray("old ") + name);
    } else {
        users = testing::writeBytes(root.dir.path(), "user", "a file in the way");
    }
    const QMap<QString, QByteArray> before = filesOf(users + "/img1");
    std::optional<Problem> refused;
    {
        const NewSet set = testing::setOf(photos, "New");
        std::optional<testing::FullDisk> full;
        if (fullDisk)
            full.emplace();
        refused = writeSet(users, 1, set);
    }
    QVERIFY(refused);
    QCOMPARE(int(refused->what), problem);
    QVERIFY(!refused->reason.isEmpty());
    QCOMPARE(filesOf(users + "/img1"), before);
    QVERIFY(leftovers(root.path("user")).isEmpty());
}

void TestMyPictures::restoreBringsBackTheShippedSet() {
    const testing::TestFolder root;
    const QString users = root.path("user");
    QVERIFY(!restoreShipped(users, 4)); // nothing of the player's there: nothing to do
    for (int slot : {3, 4}) {
        QDir().mkpath(users + QStringLiteral("/img%1").arg(slot));
        testing::writeBytes(users + QStringLiteral("/img%1").arg(slot), "0.gif", "GIF89a");
        QVERIFY(hasPlayerSet(users, slot));
    }
    QVERIFY(!restoreShipped(users, 4));
    QVERIFY(!hasPlayerSet(users, 4));
    QVERIFY(!QFileInfo::exists(users + "/img4"));
    QCOMPARE(core::pictureSetFolder(root.path("shipped"), users, 4),
             root.path("shipped") + "/img4/");
    QVERIFY(hasPlayerSet(users, 3));
    QVERIFY(leftovers(users).isEmpty());
}

QTEST_MAIN(TestMyPictures)
#include "tst_mypictures.moc"
