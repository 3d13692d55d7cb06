#include "core/text_file.h"
#include "mypictures/gif.h"
#include "mypictures/photo.h"
#include "mypictures/picture_set.h"
#include "support/full_disk.h"
#include "support/test_folder.h"
#include "test_photos.h"

#include <libheif/heif.h>

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QMetaEnum>
#include <QTest>

#include <cstring>

using namespace quilora;
using namespace quilora::mypictures;
using testing::near;

namespace {

const QList<QRgb> kQuarters = {0xffff0000, 0xff00ff00, 0xff0000ff, 0xffffff00};

// A picture in four plain colours, one to a quarter: red, green / blue, yellow.
QImage quarters(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    const int w = size.width() / 2, h = size.height() / 2;
    for (int i = 0; i < 4; ++i) // the right and lower quarters take an odd pixel
        QPainter(&image).fillRect(i % 2 * w, i / 2 * h, i % 2 ? size.width() - w : w,
                                  i / 2 ? size.height() - h : h, QColor(kQuarters[i]));
    return image;
}

// The file of `image` in this format. A JPEG is stored as a camera held on its side stores it,
// with the EXIF orientation that turns it back: 6 when stored turned left, 8 turned right.
QByteArray encoded(const QImage& image, const char* format, char orientation = 0) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.transformed(QTransform().rotate(orientation == 6 ? -90 : 90 * (orientation == 8)))
        .save(&buffer, format);
    // After the start-of-image marker: a big-endian TIFF header, one IFD with one SHORT entry.
    QByteArray exif("\xff\xe1\0\x22"
                    "Exif\0\0MM\0\x2a\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0",
                    29);
    return orientation ? bytes.insert(2, exif.append(orientation).append(6, '\0')) : bytes;
}

// A HEIF (HEVC) or AVIF (AV1) file of `stored`, with the orientation that turns it upright.
QByteArray heifFile(const QImage& stored, heif_compression_format format, heif_orientation turn) {
    const QImage rgba = stored.convertToFormat(QImage::Format_RGBA8888); // straight alpha
    heif_image* image = nullptr;
    heif_image_create(rgba.width(), rgba.height(), heif_colorspace_RGB,
                      heif_chroma_interleaved_RGBA, &image);
    heif_image_add_plane(image, heif_channel_interleaved, rgba.width(), rgba.height(), 8);
    int stride = 0;
    uint8_t* pixels = heif_image_get_plane(image, heif_channel_interleaved, &stride);
    for (int y = 0; y < rgba.height(); ++y)
        std::memcpy(pixels + y * stride, rgba.constScanLine(y), rgba.width() * 4);
    heif_context* context = heif_context_alloc();
    heif_encoder* encoder = nullptr;
    heif_context_get_encoder_for_format(context, format, &encoder);
    heif_encoder_set_lossy_quality(encoder, 90);
    heif_encoding_options* options = heif_encoding_options_alloc();
    options->image_orientation = turn;
    options->save_alpha_channel = stored.hasAlphaChannel();
    heif_context_encode_image(context, image, encoder, options, nullptr);
    QByteArray bytes;
    heif_writer writer{1, [](heif_context*, const void* data, size_t size, void* bytes) {
                           static_cast<QByteArray*>(bytes)->append(static_cast<const char*>(data),
                                                                   qsizetype(size));
                           return heif_error{heif_error_Ok, heif_suberror_Unspecified, ""};
                       }};
    heif_context_write(context, &writer, &bytes);
    heif_encoding_options_free(options);
    heif_encoder_release(encoder);
    heif_image_release(image);
    heif_context_free(context);
    return bytes;
}

// A HEIF file whose header claims another size for its picture.
QByteArray claiming(QByteArray heif, quint32 width, quint32 height) {
    const qsizetype box = heif.indexOf("ispe");
    for (int i = 0; i < 4; ++i) {
        heif[box + 8 + i] = char(width >> (24 - 8 * i));
        heif[box + 12 + i] = char(height >> (24 - 8 * i));
    }
    return heif;
}

QString key(std::optional<Text> text) {
    return text ? QMetaEnum::fromType<Text>().valueToKey(int(*text)) : "";
}

// Whether dark lettering lies centred on the card, inside its box 8 pixels clear of the frame.
bool lettered(const QImage& card, int scale) {
    QRect ink;
    for (int y = 0; y < card.height(); ++y)
        for (int x = 0; x < card.width(); ++x)
            if (qGray(card.pixel(x, y)) < 120)
                ink |= QRect(x, y, 1, 1);
    return ink.height() > 8 * scale &&
           QRect(13 * scale, 13 * scale, 64 * scale, 54 * scale).contains(ink) &&
           (ink.center() - QPoint(45, 40) * scale).manhattanLength() <= 2 * scale;
}

// The twelve photos, each framed whole, as a set; with name cards when the first card's name is
// given, the others' all "Имя".
NewSet setOf(const QString& name, const QString& firstName = {}) {
    NewSet set{name, {}, !firstName.isNull()};
    for (int k = 0; k < kPhotosPerSet; ++k)
        set.cards.append({testing::photo(k), Crop(testing::photo(k).size()),
                          k ? QStringLiteral("Имя") : firstName});
    return set;
}

bool noLeftovers(const QString& root) {
    return QDir(root).entryList({QStringLiteral(".img*")}, QDir::Dirs | QDir::Hidden).isEmpty();
}

// A set that cannot be written: what is wrong with it or with where it goes.
struct Refusal {
    QString setName;
    QString firstName; // the first card's name, in a set with names
    bool fullDisk;
    Text problem;
    QString detail; // the last part of what the problem names
};

} // namespace

Q_DECLARE_METATYPE(Refusal)

class TestMyPictures : public QObject {
    Q_OBJECT

private slots:
    void readsPhotos_data();
    void readsPhotos();
    void writesReplacesAndRemovesASet();
    void refusesAndKeepsTheOldSet_data();
    void refusesAndKeepsTheOldSet();
    void shadesPhotosSmoothlyAndNamesPlainly();
    void gifWriterSaysWhyItWritesNothing();

private:
    testing::TestFolder folder_;
};

void TestMyPictures::readsPhotos_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("limit"); // Qt's allocation limit in megabytes
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QList<QRgb>>("corners"); // as many as are checked, from the top left
    QTest::addColumn<QString>("problem");
    QTest::addColumn<QString>("warning");
    const QImage wide = quarters({360, 240});
    folder_.writeFile("turned.jpg", encoded(wide, "jpeg", 8));
    // Twice the working size each way, so that the decoder itself scales it; 19 MB whole.
    folder_.writeFile("huge.jpg", encoded(quarters({1920, 2560}), "jpeg", 6));
    // Files that end halfway through their picture, whose lower half the decoder fills with grey.
    // One carries a whole small picture, its end marker too, in a segment before its own, behind
    // another that a wrong step over its length would overshoot into the small picture.
    const QByteArray jpeg = encoded(wide, "jpeg"), thumbnail = encoded(quarters({36, 24}), "jpeg");
    const auto comment = [](const QByteArray& content) {
        const qsizetype length = content.size() + 2;
        return QByteArray("\xFF\xFE") + char(length >> 8) + char(length) + content;
    };
    folder_.writeFile("cut.jpg",
                      jpeg.first(jpeg.size() / 2)
                          .insert(2, comment(QByteArray(256, '\xF0')) + comment(thumbnail)));
    folder_.writeFile("whole-and-more.jpg", jpeg + "\xFF\xD8 a phone's own data");
    QByteArray progressive;
    QBuffer buffer(&progressive);
    QImageWriter writer(&buffer, "jpeg");
    writer.setProgressiveScanWrite(true);
    QVERIFY(buffer.open(QIODevice::WriteOnly) && writer.write(wide));
    folder_.writeFile("cut-progressive.jpg", progressive.chopped(progressive.size() / 3));
    // The card's frame needs 180 x 160 pixels, twice the card, so that dense screens show it sharp.
    for (const QSize size : {QSize(20, 15), QSize(180, 160), QSize(179, 400), QSize(400, 159)})
        folder_.writeFile(QString("%1x%2.png").arg(size.width()).arg(size.height()),
                          encoded(quarters(size), "png"));
    // As a phone keeps them: stored on its side, or mirrored and see-through in its lower right
    // quarter, with the turn that makes them upright.
    const QByteArray heic = heifFile(wide.transformed(QTransform().rotate(-90)),
                                     heif_compression_HEVC, heif_orientation_rotate_90_cw);
    folder_.writeFile("turned.heic", heic);
    QImage seeThrough = wide.convertToFormat(QImage::Format_ARGB32);
    QPainter painter(&seeThrough);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(180, 120, 180, 120, Qt::transparent);
    painter.end();
    folder_.writeFile("mirrored.avif",
                      heifFile(seeThrough.mirrored(true, false), heif_compression_AV1,
                               heif_orientation_flip_horizontally));
    folder_.writeFile("claims-50-megapixels.heic", claiming(heic, 5000, 10000));
    folder_.writeFile("cut.heic", heic.first(heic.size() / 2));

    const QList<QRgb> upright(kQuarters.begin(), kQuarters.end()); // red, green / blue, yellow
    const QList<QRgb> top = upright.first(2), none;
    const auto row = [](const char* tag, const char* file, int limit, QSize size,
                        const QList<QRgb>& corners, const char* problem, const char* warning) {
        QTest::newRow(tag) << file << limit << size << corners << problem << warning;
    };
    row("turned right, wide", "turned.jpg", 256, {360, 240}, upright, "", "");
    row("huge, turned left, tall", "huge.jpg", 8, {960, 1280}, upright, "", "");
    row("too large even scaled, so none", "huge.jpg", 4, {0, 0}, none, "MakerPhotoTooLarge", "");
    row("JPEG cut off", "cut.jpg", 256, {360, 240}, top, "", "MakerPhotoCutOff");
    row("JPEG with more after its end", "whole-and-more.jpg", 256, {360, 240}, upright, "", "");
    row("progressive JPEG cut off", "cut-progressive.jpg", 256, {360, 240}, top, "",
        "MakerPhotoCutOff");
    row("20 x 15", "20x15.png", 256, {20, 15}, upright, "", "MakerPhotoTooSmall");
    row("180 x 160, just sharp", "180x160.png", 256, {180, 160}, upright, "", "");
    row("179 x 400, too narrow", "179x400.png", 256, {179, 400}, upright, "", "MakerPhotoTooSmall");
    row("400 x 159, too low", "400x159.png", 256, {400, 159}, upright, "", "MakerPhotoTooSmall");
    row("HEIC turned right", "turned.heic", 256, {360, 240}, upright, "", "");
    row("AVIF mirrored, see-through laid on white", "mirrored.avif", 256, {360, 240},
        top + QList<QRgb>{kQuarters[2], qRgb(255, 255, 255)}, "", "");
    row("HEIC claiming 50 megapixels", "claims-50-megapixels.heic", 256, {0, 0}, none,
        "MakerPhotoTooLarge", "");
    row("HEIC cut off", "cut.heic", 256, {0, 0}, none, "MakerPhotoUnreadable", "");
}

// A photo comes upright, at most at its working size, with what is wrong with it.
void TestMyPictures::readsPhotos() {
    QFETCH(QString, file);
    QFETCH(int, limit);
    QFETCH(QSize, size);
    QFETCH(QList<QRgb>, corners);
    QFETCH(QString, problem);
    QFETCH(QString, warning);
    const int saved = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(limit);
    const LoadedPhoto photo = loadPhoto(folder_.path(file));
    QImageReader::setAllocationLimit(saved);
    QCOMPARE(photo.image.size(), size);
    QCOMPARE(key(photo.problem), problem);
    QCOMPARE(key(photo.warning), warning);
    for (int i = 0; i < corners.size(); ++i)
        QVERIFY(near(photo.image.pixel(i % 2 * (size.width() - 1), i / 2 * (size.height() - 1)),
                     corners[i]));
}

void TestMyPictures::writesReplacesAndRemovesASet() {
    const testing::TestFolder root;
    const QString users = root.path("user/Quilora"), folder = users + "/img2/";
    const QString setName = "Наша семья: бабушка, дедушка, мама, папа"; // 40, the most
    // The first name fits its card only on two lines.
    NewSet set = setOf(" " + setName.split(' ').join("  ") + " ", "Бабушка  Валентина");
    set.cards[3].crop.setZoom(2);
    QVERIFY(!writeSet(users, 2, set));
    QCOMPARE(root.readFile("user/Quilora/img2/setname.txt"),
             (setName + "\r\n" + setName + "\r\n").toUtf8());
    const auto spoken = [&] {
        return core::readLines(folder + "names.txt", 1 << 20).value_or(QStringList());
    };
    QCOMPARE(spoken().size(), 24);
    QCOMPARE(spoken()[0], "Бабушка Валентина\tБабушка Валентина");
    QCOMPARE(spoken()[12], "имя „Бабушка Валентина“\tthe name Бабушка Валентина");
    for (int k = 0; k < 24; ++k)
        for (int scale : {1, 2}) {
            const QString name = QString(scale == 1 ? "%1.gif" : "%1@2x.gif").arg(k);
            const QImage gif(folder + name);
            QCOMPARE(gif.size(), QSize(90, 80) * scale);
            // A photo's colour round its dark middle, or dark lettering on the pale face.
            const QRgb side = gif.pixel(10 * scale, 40 * scale);
            const bool looks = k < kPhotosPerSet
                                   ? near(side, QColor::fromHsv(k * 30, 200, 230).rgb()) &&
                                         qGray(gif.pixel(45 * scale, 40 * scale)) < 60
                                   : near(side, qRgb(255, 254, 246)) && lettered(gif, scale);
            QVERIFY2(looks, qPrintable(name));
            // Both sizes from one palette, so that they look alike.
            if (scale == 2)
                QCOMPARE(gif.colorTable(),
                         QImage(folder + QString::number(k) + ".gif").colorTable());
        }
    // The zoomed photo shows its dark square larger.
    QVERIFY(qGray(QImage(folder + "3.gif").pixel(32, 40)) < 60);

    // A set of 12 in place of one of 24 replaces it whole.
    set.withNames = false;
    QVERIFY(!writeSet(users, 2, set));
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2 * 12 + 2);
    QCOMPARE(spoken().size(), 12);
    QCOMPARE(spoken()[2], "фото 3\tphoto 3");
    QVERIFY(noLeftovers(users));

    // Removing it takes it whole; another place has none to remove.
    QVERIFY(!restoreShipped(users, 3) && !restoreShipped(users, 2));
    QVERIFY(!QFileInfo::exists(folder) && noLeftovers(users));
}

void TestMyPictures::refusesAndKeepsTheOldSet_data() {
    QTest::addColumn<Refusal>("refusal");
    const QString set = "Set";
    QTest::newRow("no set name") << Refusal{" ", {}, false, Text::MakerSetNameMissing, {}};
    QTest::newRow("set name too long")
        << Refusal{QString(41, 'x'), {}, false, Text::MakerSetNameTooLong, {}};
    QTest::newRow("no card name") << Refusal{set, " ", false, Text::MakerCardNameMissing, "1"};
    QTest::newRow("card name too long") << Refusal{
        set, "Константинопольский", false, Text::MakerCardNameTooLong, "Константинопольский"};
    QTest::newRow("disk full") << Refusal{set, {}, true, Text::MakerWriteFailed, "0.gif"};
}

void TestMyPictures::refusesAndKeepsTheOldSet() {
    QFETCH(Refusal, refusal);
    const testing::TestFolder root;
    const QString users = root.path("user");
    QDir().mkpath(users + "/img1");
    root.writeFile("user/img1/0.gif", "old card");
    const NewSet set = setOf(refusal.setName, refusal.firstName);
    std::optional<testing::FullDisk> full;
    if (refusal.fullDisk) // room for the few bytes of a lock, not for a picture
        full.emplace(256);
    const std::optional<Problem> refused = writeSet(users, 1, set);
    full.reset();
    QVERIFY(refused);
    QCOMPARE(int(refused->what), int(refusal.problem));
    QCOMPARE(refused->detail.section('/', -1), refusal.detail);
    // What the system said, when it refused.
    QCOMPARE(!refused->reason.isEmpty(), refusal.fullDisk);
    QCOMPARE(QDir(users + "/img1").entryList(QDir::Files), QStringList{"0.gif"});
    QVERIFY(noLeftovers(users));
}

// A sky that shades smoothly from blue down to pale on a photo card is dithered, not cut into
// bands of one colour; the plain face of a name card stays one colour, free of dithering noise.
void TestMyPictures::shadesPhotosSmoothlyAndNamesPlainly() {
    const testing::TestFolder root;
    QImage sky(400, 300, QImage::Format_RGB32);
    QLinearGradient shading(0, 0, 0, sky.height());
    shading.setColorAt(0, QColor(90, 140, 200));
    shading.setColorAt(1, QColor(150, 195, 235));
    QPainter(&sky).fillRect(sky.rect(), shading);
    NewSet set = setOf("Sky", "Имя");
    set.cards[0] = {sky, Crop(sky.size()), "Небо"};
    QVERIFY(!writeSet(root.path("user"), 0, set));
    const auto oneColour = [](const QImage& gif, const QRect& part) {
        QSet<QRgb> colours;
        for (int y = part.top(); y <= part.bottom(); ++y)
            for (int x = part.left(); x <= part.right(); ++x)
                colours.insert(gif.pixel(x, y));
        return colours.size() == 1;
    };
    for (int scale : {1, 2}) {
        const QString suffix = scale == 1 ? ".gif" : "@2x.gif";
        const QImage photo(root.path("user/img0/0" + suffix));
        // Undithered, every row inside the edge is one colour from side to side.
        int bands = 0;
        for (int y = 4 * scale; y < 76 * scale; ++y)
            bands += oneColour(photo, QRect(4 * scale, y, 82 * scale, 1));
        QVERIFY2(bands < 72 * scale / 2, qPrintable(QString::number(bands)));
        // Between the frame and the lettering.
        const QImage name(root.path("user/img0/12" + suffix));
        QVERIFY(oneColour(name, QRect(10 * scale, 6 * scale, 70 * scale, 6 * scale)));
        QVERIFY(near(name.pixel(45 * scale, 8 * scale), qRgb(255, 254, 246)));
    }
}

void TestMyPictures::gifWriterSaysWhyItWritesNothing() {
    QString reason;
    QVERIFY(encodeGifs({}, true, &reason).isEmpty());
    QVERIFY(!reason.isEmpty());
}

QTEST_MAIN(TestMyPictures)
#include "tst_mypictures.moc"
