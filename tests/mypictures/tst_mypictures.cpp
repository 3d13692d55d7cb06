// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/text_file.h"
#include "mypictures/gif.h"
#include "mypictures/photo.h"
#include "mypictures/picture_set.h"
#include "support/full_disk.h"
#include "test_photos.h"

#include <libheif/heif.h>

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>
#include <QMetaEnum>

#include <cstring>
#include <sys/stat.h>

using namespace quilora;
using namespace quilora::mypictures;
using testing::near;
using testing::setOf;

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
QByteArray encoded(const QImage& image, const char* format, char orientation = 0,
                   bool progressive = false) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(progressive);
    writer.write(
        image.transformed(QTransform().rotate(orientation == 6 ? -90 : 90 * (orientation == 8))));
    // After the start-of-image marker: a big-endian TIFF header, one IFD with one SHORT entry.
    QByteArray exif("\xff\xe1\0\x22"
                    "Exif\0\0MM\0\x2a\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0",
                    29);
    return orientation ? bytes.insert(2, exif.append(orientation).append(6, '\0')) : bytes;
}

// Writes `stored` as a HEIF (HEVC) or AVIF (AV1) file, with the orientation that turns it upright.
void writeHeif(const QString& path, const QImage& stored, heif_compression_format format,
               heif_orientation turn) {
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
    heif_context_write_to_file(context, QFile::encodeName(path).constData());
    heif_encoding_options_free(options);
    heif_encoder_release(encoder);
    heif_image_release(image);
    heif_context_free(context);
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

bool noLeftovers(const QString& root) {
    return QDir(root).entryList({QStringLiteral(".img*")}, QDir::Dirs | QDir::Hidden).isEmpty();
}

QString outcome(const std::variant<NewSet, Problem>& opened) {
    const Problem* problem = std::get_if<Problem>(&opened);
    return problem ? key(problem->what) + (problem->reason.isEmpty() ? "" : ' ' + problem->reason)
                   : "opened";
}

// The player's album: a folder "pics" of a few pictures and other files, and photos 0 to 13 as
// files once albumPhotos() first asks for them.
const testing::TestFolder& album() {
    static const testing::TestFolder folder;
    [[maybe_unused]] static const bool saved = [] {
        QDir().mkpath(folder.path("pics/sub"));
        testing::photo(10).save(folder.path("pics/IMG_10.png"));
        testing::photo(2).save(folder.path("pics/IMG_2.PNG"));
        testing::photo(3).save(folder.path("pics/sub/a.png"));
        folder.writeFile("pics/broken.png", "not a picture");
        folder.writeFile("pics/notes.txt", "not a picture");
        return true;
    }();
    return folder;
}

QStringList albumPhotos(int from, int count) {
    static const QStringList photos = testing::savePhotos(album().dir.path(), "photo%1.png", 14);
    return photos.mid(from, count);
}

// The hue of the photo on card k, to the nearest 15 degrees: photo n of the album has 30 n.
QString hueOf(const Maker& maker, int k) {
    return maker.card(k).photo.isNull()
               ? "none"
               : QString::number(qRound(QColor(maker.card(k).photo.pixel(5, 5)).hsvHue() / 15.0) *
                                 15);
}

// A maker in a fresh folder.
struct Workshop {
    Maker& start() {
        maker = std::make_unique<Maker>(testing::foldersIn(folder), true, questions);
        return *maker;
    }
    // The maker, started at its first use.
    Maker& m() { return maker ? *maker : start(); }
    // A set of the player's in a place, its cards named "Name k".
    void playersSet(int slot, const QString& name) const {
        QVERIFY(!writeSet(folder.path("user"), slot, setOf(name, "Name 1")));
    }
    QString play(const QString& script);

    testing::TestFolder folder;
    testing::Scripted questions;
    std::unique_ptr<Maker> maker;
};

// What the player does, "step N ...", and what the player then sees, "?thing N".
using W = Workshop;
using T = const QStringList&;
const QHash<QString, std::function<QString(W&, int n, T words)>> kSteps = {
    {"set", [](W& w, int n, T a) { return w.playersSet(n, a[1]), ""; }},
    {"unmark",
     [](W& w, int, T a) {
         return QFile::remove(w.folder.path("user/img" + a[0] + "/maker.txt")), "";
     }},
    {"restart", [](W& w, int, T) { return w.start(), ""; }},
    // The player's answer to the next question.
    {"yes", [](W& w, int, T) { return w.questions.answers.append(true), ""; }},
    {"no", [](W& w, int, T) { return w.questions.answers.append(false), ""; }},
    {"photos", [](W& w, int n, T a) { return w.m().addPhotos(albumPhotos(n, a[1].toInt())), ""; }},
    {"folder", [](W& w, int, T a) { return w.m().addPhotos({album().path(a[0])}), ""; }},
    {"place", [](W& w, int n, T) { return w.m().choosePlace(n), ""; }},
    {"card", [](W& w, int n, T) { return w.m().chooseCard(n), ""; }},
    {"name", [](W& w, int, T a) { return w.m().nameSet(a.value(0)), ""; }},
    {"cardname", [](W& w, int, T a) { return w.m().nameChosen(a.value(0)), ""; }},
    {"names", [](W& w, int, T) { return w.m().setWithNames(true), ""; }},
    {"remove", [](W& w, int, T) { return w.m().removeChosenPhoto(), ""; }},
    {"make", [](W& w, int, T) { return w.m().make(), ""; }},
    {"restore", [](W& w, int, T) { return w.m().restore(), ""; }},
    {"frame",
     [](W& w, int, T) {
         return w.m().frameChosen(Crop({400, 300}, {100, 100}, 2)), "";
     }},
    {"?message", [](W& w, int, T) { return w.m().message(); }},
    {"?place", [](W& w, int, T) { return QString::number(w.m().place() + 1); }},
    {"?count", [](W& w, int, T) { return QString::number(w.m().photoCount()); }},
    {"?unsaved", [](W& w, int, T) { return QString::number(w.m().unsaved()); }},
    {"?close", [](W& w, int, T) { return QString::number(w.m().mayClose()); }},
    {"?hue", [](W& w, int n, T) { return hueOf(w.m(), n); }},
    {"?name", [](W& w, int n, T) { return w.m().card(n).name; }},
    {"?caption", [](W& w, int n, T) { return w.m().placeCaptions()[n]; }},
    {"?set", [](W& w, int, T) { return w.m().setName(); }},
    // The set's name as written into place N.
    {"?written",
     [](W& w, int n, T) {
         return QString(w.folder.readFile(QString("user/img%1/setname.txt").arg(n)))
             .section("\r\n", 0, 0);
     }},
    // Whether the file dialog starts in the album; the maker's settings files.
    {"?album",
     [](W& w, int, T) { return QString::number(w.m().photoFolder() == album().dir.path()); }},
    {"?config",
     [](W& w, int, T) { return QDir(w.folder.path("config")).entryList(QDir::Files).join(','); }},
};

// Plays the steps, separated by "; ", waiting for the work each starts; what the "?" steps saw,
// joined by '|'.
QString Workshop::play(const QString& script) {
    QStringList seen;
    for (const QString& step : script.split("; ")) {
        QStringList words = step.split(' ');
        const QString word = words.takeFirst();
        const bool busy = maker && maker->working();
        if (!kSteps.contains(word))
            return "no step " + step;
        const QString saw = kSteps[word](*this, words.value(0).toInt(), words);
        if (word.startsWith('?'))
            seen.append(saw);
        if (maker && !busy && !testing::finish(*maker))
            return "still working after " + step;
    }
    return seen.join('|');
}

using Spoil = std::function<void(testing::TestFolder&)>;

} // namespace

Q_DECLARE_METATYPE(Spoil)

class TestMyPictures : public QObject {
    Q_OBJECT

private slots:
    void readsPhotos_data();
    void readsPhotos();
    void writesReplacesAndRemovesASet();
    void refuses_data();
    void refuses();
    void makerRules_data();
    void makerRules();
    void nothingChangesWhileWorking();

private:
    testing::TestFolder folder_;
};

void TestMyPictures::readsPhotos_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("seen");        // the size, the problem and the warning
    QTest::addColumn<QList<QRgb>>("corners"); // as many as are checked, from the top left
    QTest::addColumn<int>("limit");           // Qt's allocation limit in megabytes
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
    // A photo is read up to 64 MB: this one is a byte more, the rest of it unwritten.
    folder_.writeFile("over-64-MB.jpg", jpeg);
    QVERIFY(QFile::resize(folder_.path("over-64-MB.jpg"), (64 << 20) + 1));
    const QByteArray progressive = encoded(wide, "jpeg", 0, true);
    folder_.writeFile("cut-progressive.jpg", progressive.chopped(progressive.size() / 3));
    // The card's frame needs 180 x 160 pixels, twice the card, so that dense screens show it sharp.
    for (const QSize size : {QSize(180, 160), QSize(179, 400), QSize(400, 159)})
        folder_.writeFile(QString("%1x%2.png").arg(size.width()).arg(size.height()),
                          encoded(quarters(size), "png"));
    // As a phone keeps them: stored on its side, or mirrored and see-through in its lower right
    // quarter, with the turn that makes them upright.
    writeHeif(folder_.path("turned.heic"), wide.transformed(QTransform().rotate(-90)),
              heif_compression_HEVC, heif_orientation_rotate_90_cw);
    QImage seeThrough = wide.convertToFormat(QImage::Format_ARGB32);
    for (int y = 120; y < 240; ++y)
        std::fill_n(reinterpret_cast<QRgb*>(seeThrough.scanLine(y)) + 180, 180, qRgba(0, 0, 0, 0));
    writeHeif(folder_.path("mirrored.avif"), seeThrough.mirrored(true, false), heif_compression_AV1,
              heif_orientation_flip_horizontally);
    QByteArray heic = folder_.readFile("turned.heic"), claimed;
    folder_.writeFile("cut.heic", heic.first(heic.size() / 2));
    QDataStream(&claimed, QIODevice::WriteOnly) << quint32(5000) << quint32(10000);
    folder_.writeFile("claims-50-megapixels.heic",
                      heic.replace(heic.indexOf("ispe") + 8, 8, claimed));

    const QList<QRgb> upright = kQuarters, top = kQuarters.first(2);
    const auto row = [](const char* tag, const char* file, const char* seen,
                        const QList<QRgb>& corners = {}, int limit = 256) {
        QTest::newRow(tag) << file << seen << corners << limit;
    };
    row("turned right, wide", "turned.jpg", "360x240||", upright);
    row("huge, turned left, tall", "huge.jpg", "960x1280||", upright, 8);
    row("too large even scaled, so none", "huge.jpg", "0x0|MakerPhotoTooLarge|", {}, 4);
    row("JPEG cut off", "cut.jpg", "360x240||MakerPhotoCutOff", top);
    row("JPEG with more after its end", "whole-and-more.jpg", "360x240||", upright);
    row("JPEG over 64 MB", "over-64-MB.jpg", "0x0|MakerPhotoTooLarge|");
    row("progressive JPEG cut off", "cut-progressive.jpg", "360x240||MakerPhotoCutOff", top);
    row("180 x 160, just sharp", "180x160.png", "180x160||", upright);
    row("179 x 400, too narrow", "179x400.png", "179x400||MakerPhotoTooSmall", upright);
    row("400 x 159, too low", "400x159.png", "400x159||MakerPhotoTooSmall", upright);
    row("HEIC turned right", "turned.heic", "360x240||", upright);
    row("AVIF mirrored, see-through laid on white", "mirrored.avif", "360x240||",
        top + QList<QRgb>{kQuarters[2], qRgb(255, 255, 255)});
    row("HEIC claiming 50 megapixels", "claims-50-megapixels.heic", "0x0|MakerPhotoTooLarge|");
    row("HEIC cut off", "cut.heic", "0x0|MakerPhotoUnreadable|");
}

// A photo comes upright, at most at its working size, with what is wrong with it.
void TestMyPictures::readsPhotos() {
    QFETCH(QString, file);
    QFETCH(QList<QRgb>, corners);
    QFETCH(int, limit);
    const int saved = QImageReader::allocationLimit();
    QImageReader::setAllocationLimit(limit);
    const LoadedPhoto photo = loadPhoto(folder_.path(file));
    QImageReader::setAllocationLimit(saved);
    const QSize size = photo.image.size();
    QTEST(QString("%1x%2|").arg(size.width()).arg(size.height()) + key(photo.problem) + '|' +
              key(photo.warning),
          "seen");
    for (int i = 0; i < corners.size(); ++i)
        QVERIFY(near(photo.image.pixel(i % 2 * (size.width() - 1), i / 2 * (size.height() - 1)),
                     corners[i]));
}

// A set with name cards written: both sizes of each card from one palette; a photo's colour round
// its dark middle, a sky that shades smoothly dithered rather than cut into bands; dark lettering
// on the plain pale face of a name card, free of dithering noise. Then a set of 12 replaces it
// whole, and removing it takes it whole.
void TestMyPictures::writesReplacesAndRemovesASet() {
    const testing::TestFolder root;
    const QString users = root.path("user/Quilora"), folder = users + "/img2/";
    const QString setName = "Наша семья: бабушка, дедушка, мама, папа"; // 40, the most
    // The first name fits its card only on two lines.
    NewSet set = setOf(" " + setName.split(' ').join("  ") + " ", "Бабушка  Валентина");
    set.cards[3].crop.setZoom(2);
    QLinearGradient sky(0, 0, 0, 300);
    sky.setStops({{0, QColor(90, 140, 200)}, {1, QColor(150, 195, 235)}});
    QPainter(&set.cards[1].photo).fillRect(0, 0, 400, 300, sky);
    QVERIFY(!writeSet(users, 2, set));
    QCOMPARE(root.readFile("user/Quilora/img2/setname.txt"),
             (setName + "\r\n" + setName + "\r\n").toUtf8());
    const auto spoken = [&] {
        return core::readLines(folder + "names.txt", 1 << 20).value_or(QStringList());
    };
    QCOMPARE(spoken().size(), 24);
    QCOMPARE(spoken()[0], "Бабушка Валентина\tБабушка Валентина");
    QCOMPARE(spoken()[12], "имя „Бабушка Валентина“\tthe name Бабушка Валентина");
    const auto colours = [](const QImage& gif, const QRect& part) {
        const QImage piece = gif.copy(part).convertToFormat(QImage::Format_RGB32);
        const auto* pixels = reinterpret_cast<const QRgb*>(piece.constBits());
        return QSet<QRgb>(pixels, pixels + piece.width() * piece.height()).size();
    };
    for (int k = 0; k < 24; ++k)
        for (int scale : {1, 2}) {
            const QString name = QString(scale == 1 ? "%1.gif" : "%1@2x.gif").arg(k);
            const QImage gif(folder + name);
            QCOMPARE(gif.size(), QSize(90, 80) * scale);
            const QRgb side = gif.pixel(10 * scale, 40 * scale);
            int bands = 0; // undithered, every row inside the edge is one colour
            for (int y = 4 * scale; k == 1 && y < 76 * scale; ++y)
                bands += colours(gif, QRect(4 * scale, y, 82 * scale, 1)) == 1;
            const bool looks =
                k == 1 ? bands < 72 * scale / 2
                : k < kPhotosPerSet
                    ? near(side, QColor::fromHsv(k * 30, 200, 230).rgb()) &&
                          qGray(gif.pixel(45 * scale, 40 * scale)) < 60
                    : near(side, qRgb(255, 254, 246)) && lettered(gif, scale) &&
                          colours(gif, QRect(10 * scale, 6 * scale, 70 * scale, 6 * scale)) == 1;
            QVERIFY2(looks, qPrintable(name));
            if (scale == 2)
                QCOMPARE(gif.colorTable(),
                         QImage(folder + QString::number(k) + ".gif").colorTable());
        }
    // The zoomed photo shows its dark square larger.
    QVERIFY(qGray(QImage(folder + "3.gif").pixel(32, 40)) < 60);

    set.withNames = false;
    QVERIFY(!writeSet(users, 2, set));
    // The cards, setname.txt, names.txt, and what opening it again needs.
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2 * 12 + 2 + 12 + 1);
    QCOMPARE(spoken().size(), 12);
    QCOMPARE(spoken()[2], "фото 3\tphoto 3");
    QVERIFY(noLeftovers(users));

    // Another place has none to remove.
    QVERIFY(!restoreShipped(users, 3) && !restoreShipped(users, 2));
    QVERIFY(!QFileInfo::exists(folder) && noLeftovers(users));
    QString reason; // nothing to write, and the GIF writer says why
    QVERIFY(encodeGifs({}, true, &reason).isEmpty() && !reason.isEmpty());
}

// A place holds the player's set "Ours". Another set that cannot be written there: what is wrong
// with it or with where it goes, the last part of the file or name the problem names, and whether
// the system said why; the old set stays as it was, nothing new beside it, and opens. Or "Ours"
// spoilt: what opening it meets.
void TestMyPictures::refuses_data() {
    using F = testing::TestFolder;
    QTest::addColumn<Spoil>("spoil");
    QTest::addColumn<QString>("outcome");
    const auto row = [](const char* tag, const Spoil& spoil,
                        const QString& outcome = "MakerSetDamaged maker.txt") {
        QTest::newRow(tag) << spoil << outcome;
    };
    const auto refused = [](const QString& setName, const QString& firstName, const QString& seen,
                            bool fullDisk = false) {
        return [=](F& root) {
            const QMap<QString, QByteArray> before = testing::contents(root.path("user"));
            std::optional<testing::FullDisk> full;
            if (fullDisk) // room for the few bytes of a lock, not for a picture
                full.emplace(256);
            const auto problem = writeSet(root.path("user"), 1, setOf(setName, firstName));
            full.reset();
            QVERIFY(problem);
            QCOMPARE(key(problem->what) + ' ' + problem->detail.section('/', -1) +
                         (problem->reason.isEmpty() ? "" : ", why"),
                     seen);
            QCOMPARE(testing::contents(root.path("user")), before);
        };
    };
    row("no set name", refused(" ", {}, "MakerSetNameMissing "), "opened");
    row("set name too long", refused(QString(41, 'x'), {}, "MakerSetNameTooLong "), "opened");
    row("no card name", refused("Set", " ", "MakerCardNameMissing 1"), "opened");
    row("card name too long",
        refused("Set", "Константинопольский", "MakerCardNameTooLong Константинопольский"),
        "opened");
    row("disk full", refused("Set", {}, "MakerWriteFailed 0.gif, why", true), "opened");
    // maker.txt with its lines edited.
    const auto edited = [](void (*edit)(QStringList&)) {
        return [edit](F& root) {
            const QString path = root.path("user/img1/maker.txt");
            QStringList lines = core::readLines(path, 1 << 16).value_or(QStringList());
            edit(lines);
            QVERIFY(core::writeLines(path, lines));
        };
    };
    row(
        "made by an earlier maker", [](F& r) { QFile::remove(r.path("user/img1/maker.txt")); },
        "MakerSetNotEditable");
    row("maker.txt a FIFO", [](F& r) {
        QFile::remove(r.path("user/img1/maker.txt"));
        QVERIFY(::mkfifo(qPrintable(r.path("user/img1/maker.txt")), 0600) == 0);
    });
    row("maker.txt far too long", edited([](QStringList& l) { l.append(QString(70000, 'x')); }));
    row("maker.txt of a later maker", edited([](QStringList& l) { l[0] = "quilora-maker\t2"; }));
    row("a frame's zoom no number",
        edited([](QStringList& l) { l[7] = l[7].section('\t', 0, 3) + "\tnan\t"; }));
    row("a card's line missing", edited([](QStringList& l) { l.removeLast(); }));
    row("cards out of order", edited([](QStringList& l) { l.swapItemsAt(4, 5); }));
    row("an unknown kind", edited([](QStringList& l) { l[1] = "kind\tthrice"; }));
    row(
        "a photo that is no picture",
        [](F& r) { r.writeFile("user/img1/photo5.jpg", "not a picture"); },
        "MakerSetDamaged photo5.jpg");
    row(
        "a photo larger than the maker keeps",
        [](F& r) {
            QVERIFY(testing::photo(0).scaled(1200, 1000).save(r.path("user/img1/photo11.jpg")));
        },
        "MakerSetDamaged photo11.jpg");
    row(
        "no set of the player's", [](F& r) { QVERIFY(!restoreShipped(r.path("user"), 1)); },
        "MakerNothingToRestore");
}

void TestMyPictures::refuses() {
    QFETCH(Spoil, spoil);
    testing::TestFolder root;
    QVERIFY(!writeSet(root.path("user"), 1, setOf("Ours")));
    spoil(root);
    QTEST(outcome(openSet(root.path("user"), 1)), "outcome");
    // Another maker at work is waited for, not read under.
    const MakerLock other(root.path("user"));
    QCOMPARE(outcome(openSet(root.path("user"), 1)), "MakerLocked");
}

void TestMyPictures::makerRules_data() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("seen");
    QTest::addColumn<QStringList>("asked");
    const auto row = [](const char* tag, const char* steps, const QString& seen,
                        const QStringList& asked = {}) {
        QTest::newRow(tag) << steps << seen << asked;
    };
    const QString open2 = "Place 2 holds your set “Ours”. Open it to change its photos, frames or "
                          "names?";
    const QString replace2 = "ReplaceCards: Every card has a photo. Replace the photos of cards 1 "
                             "to 2 with the new ones?";
    const QString restore2 = "Restore (No): Remove your set “Ours” from place 2 and bring back "
                             "the shipped one?";
    const QString replaceOurs =
        "ReplaceSet (No): Place 2 holds your set “Ours”. Replace it with “New”?";

    row("the first place that holds no set of the player's; with none, said",
        "?place; ?message; set 0 A; set 1 B; restart; ?place; set 2 A; set 3 A; set 4 A; restart; "
        "?place; ?message",
        "1||3|1|All five places hold your sets. Choose one to open it again; a new set replaces "
        "the chosen one only once you agree.");
    row("new cards over the player's set: asked, No keeps it, Yes replaces it, once",
        "set 1 Ours; photos 0 12; name New; no; place 1; no; make; ?written 1; ?unsaved; yes; "
        "make; name Newer; make; ?written 1; ?unsaved; ?caption 1",
        "Ours|1|Newer|0|2: Newer (yours)",
        {"OpenSet (No): " + open2 +
             " The photos chosen here, not yet made into a set, are then let go.",
         replaceOurs, replaceOurs});
    row("a set of an earlier maker: said, not offered", "set 1 Ours; unmark 1; place 1; ?message",
        "Your set in place 2 was made by an earlier version of this window, which kept nothing to "
        "open it with. Make it again from its photos, or leave it as it is.");
    row("a set opened, said; Restore asks, No by default; the set being changed restored: cards "
        "unsaved",
        "set 1 Ours; yes; place 1; ?unsaved; ?message; no; restore; ?written 1; yes; restore; "
        "?written 1; ?message; ?caption 1; ?unsaved",
        "0|Your set “Ours” from place 2 is open: change what you like and make it again.|Ours||The "
        "shipped set is back in place 2.|2: (no name)|1",
        {"OpenSet: " + open2, restore2, restore2});
    row("every card full, a batch: asked; No changes nothing, Yes keeps the names",
        "photos 0 12; no; photos 12 2; ?hue 0; ?hue 1; ?hue 2; cardname Ann; yes; photos 12 2; "
        "?hue 0; ?hue 1; ?hue 2; ?name 0",
        "0|30|60|15|45|60|Ann", {replace2, replace2});
    row("fourteen photos: the rest named; one replaces the chosen card's, unasked",
        "photos 0 14; ?count; ?message; card 4; photos 13 1; ?hue 4; ?count",
        "12|A set holds 12 photos; 2 more were left out: photo12.png, photo13.png.|45|12");
    row("a folder: its pictures by name, numbers in order",
        "folder pics; ?count; ?hue 0; ?hue 1; ?message",
        "2|60|300|broken.png cannot be read as a picture.");
    row("a message said until what it is about changes",
        "photos 0 11; name X; make; name Y; ?message; card 11; photos 11 1; ?message; name; make; "
        "frame; ?message; name Z; ?message; make; card 3; ?message; frame; ?message",
        "A set needs 12 photos; 11 chosen so far.||Give the set a name.||“Z” is ready in place 1. "
        "Choose it in the game's Options.|");
    row("the photos' folder kept in the player's own settings",
        "?album; ?config; photos 3 1; restart; ?album; ?config", "0||1|my-pictures.conf");
    row("closing: a kind alone loses nothing; photos are asked for, No by default",
        "names; ?close; photos 0 1; no; ?close", "1|0",
        {"Discard (No): Close without making the set? The chosen photos are not kept."});
}

void TestMyPictures::makerRules() {
    QFETCH(QString, steps);
    Workshop workshop;
    QTEST(workshop.play(steps), "seen");
    QTEST(workshop.questions.asked, "asked");
}

// While a set is written nothing can change it, a second Make does nothing, and closing waits
// for the end; reading photos stops at the next one when the window closes.
void TestMyPictures::nothingChangesWhileWorking() {
    Workshop w;
    testing::Hold hold(w.m(), 3);
    w.m().addPhotos(albumPhotos(0, 12));
    hold.reached.acquire(); // the worker holds before its fourth photo
    w.m().mayClose();
    hold.go.release();
    QSignalSpy closeReady(&w.m(), &Maker::closeReady);
    QVERIFY(closeReady.wait(120000));
    QCOMPARE(w.play("?count; ?message"), "4|The window closes once this is done.");

    hold.at = -1;
    w.play("photos 4 8; name Ours");
    hold.at = 3;
    QSignalSpy finished(&w.m(), &Maker::workFinished);
    w.m().make();
    hold.reached.acquire(); // three cards written
    QCOMPARE(w.play("make; name Other; place 3; card 5; remove; frame; cardname Five; names; "
                    "photos 12 2; restore; ?close"),
             "0");
    hold.go.release();
    QVERIFY(closeReady.wait(120000));
    QCOMPARE(finished.size(), 1);
    QCOMPARE(w.play("?written 0; ?place; ?set; ?hue 5; ?name 5; ?unsaved; ?close"),
             "Ours|1|Ours|150||0|1");
    QVERIFY(w.questions.asked.isEmpty());
}

QTEST_MAIN(TestMyPictures)
#include "tst_mypictures.moc"
