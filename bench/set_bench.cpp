// SPDX-License-Identifier: GPL-3.0-or-later
// Times the picture-set maker writing whole sets from twelve 2400 x 1800 photos, through its own
// writeSet, with the GIF writer it ships against the baseline, the ImageMagick writer it had
// before (bench/baseline_gif.cpp), in the same run. Each write is a child process of its own, so
// that its peak memory is its own; the runs of both writers are interleaved.
//
//   build/<variant>/bin/set_bench [--runs N] [--compare FILE.png]
//
// --compare also draws a few cards as drawn, then as each writer's GIF, enlarged so that every
// pixel shows.

#include "mypictures/cards.h"
#include "mypictures/photo.h"
#include "mypictures/picture_set.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QProcess>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <vector>

using namespace quilora;
using namespace quilora::mypictures;

namespace {

constexpr int kPhotoWidth = 2400;
constexpr int kPhotoHeight = 1800;
const QStringList kNames = {
    "Бабушка Валентина", "Дедушка",   "Мама", "Папа",       "Аня",          "Костя",
    "Тётя Оля",          "Дядя Миша", "Лиза", "Кот Барсик", "Grandma Rose", "Tom"};

// Something like a photo: a sky that shades smoothly, textured ground, a face with skin tones
// and soft light, a few objects, and a camera's fine noise, stored as a JPEG.
QImage photo(int k) {
    QImage image(kPhotoWidth, kPhotoHeight, QImage::Format_RGB32);
    QRandomGenerator random(1000 + k);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, kPhotoHeight * 0.6);
    sky.setColorAt(0, QColor::fromHsv((200 + k * 7) % 360, 150, 200));
    sky.setColorAt(1, QColor::fromHsv((30 + k * 11) % 360, 60, 250));
    painter.fillRect(image.rect(), sky);
    // Ground: grass or cloth, thousands of thin strokes in nearby colours.
    const int horizon = kPhotoHeight * 6 / 10;
    painter.fillRect(0, horizon, kPhotoWidth, kPhotoHeight - horizon,
                     QColor::fromHsv((90 + k * 25) % 360, 140, 120));
    for (int i = 0; i < 6000; ++i) {
        const double x = random.bounded(kPhotoWidth), y = horizon + random.bounded(720);
        painter.setPen(QPen(QColor::fromHsv((80 + k * 25 + random.bounded(40)) % 360,
                                            100 + random.bounded(100), 60 + random.bounded(140)),
                            2 + random.bounded(3)));
        painter.drawLine(QPointF(x, y), QPointF(x + random.bounded(30) - 15, y - 40));
    }
    // Objects behind: balls and boxes in saturated colours, lit from the top left.
    for (int i = 0; i < 5; ++i) {
        const QRectF box(random.bounded(kPhotoWidth - 400), random.bounded(900) + 300,
                         200 + random.bounded(300), 200 + random.bounded(300));
        QRadialGradient light(box.topLeft() + QPointF(box.width() / 3, box.height() / 3),
                              box.width());
        const QColor colour = QColor::fromHsv(random.bounded(360), 220, 230);
        light.setColorAt(0, colour.lighter(140));
        light.setColorAt(1, colour.darker(220));
        painter.setPen(Qt::NoPen);
        painter.setBrush(light);
        if (i % 2)
            painter.drawEllipse(box);
        else
            painter.drawRoundedRect(box, 30, 30);
    }
    // A face in the middle, as the card frames it: hair, shaded skin, eyes, mouth.
    const QPointF centre(kPhotoWidth / 2 + random.bounded(200) - 100, kPhotoHeight / 2);
    const QColor skin = QColor::fromHsv(18 + k % 4 * 4, 70 + k % 3 * 25, 235 - k % 5 * 20);
    painter.setBrush(QColor::fromHsv(25, 120, 60 + k * 8));
    painter.drawEllipse(centre + QPointF(0, -120), 520, 600);
    QRadialGradient shade(centre + QPointF(-150, -200), 700);
    shade.setColorAt(0, skin.lighter(115));
    shade.setColorAt(0.6, skin);
    shade.setColorAt(1, skin.darker(160));
    painter.setBrush(shade);
    painter.drawEllipse(centre, 420, 540);
    painter.setBrush(QColor(250, 250, 245));
    for (int side : {-1, 1})
        painter.drawEllipse(centre + QPointF(side * 160, -100), 70, 40);
    painter.setBrush(QColor::fromHsv(100 + k * 20, 150, 90));
    for (int side : {-1, 1})
        painter.drawEllipse(centre + QPointF(side * 160, -100), 32, 32);
    QPainterPath mouth;
    mouth.moveTo(centre + QPointF(-140, 220));
    mouth.quadTo(centre + QPointF(0, 320), centre + QPointF(140, 220));
    painter.setPen(QPen(skin.darker(170), 22, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(mouth);
    painter.end();
    // A camera's noise, a few levels in each channel.
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int n = static_cast<int>(random.bounded(13)) - 6;
            line[x] =
                qRgb(std::clamp(qRed(line[x]) + n, 0, 255), std::clamp(qGreen(line[x]) + n, 0, 255),
                     std::clamp(qBlue(line[x]) + n, 0, 255));
        }
    }
    return image;
}

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

long residentKilobytes() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return 0;
}

NewSet loadSet(const QString& photos, bool withNames) {
    NewSet set{QStringLiteral("Bench"), {}, withNames};
    for (int k = 0; k < kPhotosPerSet; ++k) {
        const LoadedPhoto loaded =
            loadPhoto(QDir(photos).filePath(QStringLiteral("%1.jpg").arg(k)));
        set.cards.append({loaded.image, Crop(loaded.image.size()), kNames[k]});
    }
    return set;
}

// The child: loads the photos as the maker does, then writes the set and says what it cost.
int writeOnce(const QString& photos, bool withNames, const QString& keep) {
    const NewSet set = loadSet(photos, withNames);
    QTemporaryDir scratch;
    const long resident = residentKilobytes();
    const double before = cpuSeconds();
    const std::optional<Problem> problem = writeSet(keep.isEmpty() ? scratch.path() : keep, 0, set);
    const double cpu = cpuSeconds() - before;
    if (problem) {
        std::fprintf(stderr, "not written: %s\n", qPrintable(problem->detail));
        return 1;
    }
    std::printf("%.4f %ld %ld\n", cpu, peakKilobytes(), resident);
    return 0;
}

struct Sample {
    double cpu;
    double peakMib;
    double photosMib; // resident before writing, the photos loaded
};

Sample runChild(const QString& program, const QString& photos, int cards,
                const QString& keep = {}) {
    QProcess child;
    child.start(program, {QStringLiteral("--write"), photos, QString::number(cards), keep});
    if (!child.waitForFinished(600'000) || child.exitStatus() != QProcess::NormalExit ||
        child.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program),
                     child.readAllStandardError().constData());
        std::exit(1);
    }
    const QList<QByteArray> fields = child.readAllStandardOutput().simplified().split(' ');
    return {fields.value(0).toDouble(), fields.value(1).toDouble() / 1024,
            fields.value(2).toDouble() / 1024};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

QString figure(const std::vector<double>& values, int decimals) {
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    return QStringLiteral("%1 (%2–%3)")
        .arg(median(values), 0, 'f', decimals)
        .arg(*low, 0, 'f', decimals)
        .arg(*high, 0, 'f', decimals);
}

double rmsDifference(const QImage& drawn, QImage gif, int shrink) {
    gif.setDevicePixelRatio(1); // as read, an @2x file has 2
    const auto seen = [shrink](const QImage& image) {
        return image.scaled(image.size() / shrink, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(QImage::Format_RGB32);
    };
    const QImage a = seen(drawn), b = seen(gif);
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            sum += std::pow(qRed(p) - qRed(q), 2) + std::pow(qGreen(p) - qGreen(q), 2) +
                   std::pow(qBlue(p) - qBlue(q), 2);
        }
    return std::sqrt(sum / (3.0 * a.width() * a.height()));
}

// How far each writer's GIFs lie from the cards as drawn, in levels of 255 (root mean square),
// averaged over the photo cards and over the name cards at both sizes: as they are, and at half
// size, where dithering averages out as it does for an eye a little further away.
void printColourErrors(const QString& photos, const QString (&sets)[2]) {
    const NewSet set = loadSet(photos, true);
    const QList<QImage> drawn[] = {drawCards(set, 1), drawCards(set, 2)};
    std::printf("\n| cards | colour error, levels | ImageMagick (before) | libgd (now) |\n");
    std::printf("|---|---|---|---|\n");
    for (bool names : {false, true})
        for (int shrink : {1, 2}) {
            double error[2] = {};
            for (int writer = 0; writer < 2; ++writer)
                for (int k = names ? kPhotosPerSet : 0; k < (names ? 2 : 1) * kPhotosPerSet; ++k)
                    for (int scale : {1, 2})
                        error[writer] +=
                            rmsDifference(
                                drawn[scale - 1][k],
                                QImage(QDir(sets[writer])
                                           .filePath(scale == 1
                                                         ? QStringLiteral("%1.gif").arg(k)
                                                         : QStringLiteral("%1@2x.gif").arg(k))),
                                shrink) /
                            (2 * kPhotosPerSet);
            std::printf("| %s | %s | %.2f | %.2f |\n", names ? "names" : "photos",
                        shrink == 1 ? "as written" : "at half size", error[0], error[1]);
        }
}

// Rows of cards (a photo at 1x and 2x, a name card), each as drawn, then as the baseline's GIF,
// then as the new one's, enlarged without smoothing so that every pixel of the dithering shows.
void drawComparison(const QString& photos, const QString (&sets)[2], const QString& file) {
    const NewSet set = loadSet(photos, true);
    struct Row {
        QImage drawn;
        QString gif;
        int enlarge;
    };
    const std::vector<Row> rows = {
        {photoCard(set.cards[0].photo, set.cards[0].crop.rect(), 1), "0.gif", 4},
        {photoCard(set.cards[5].photo, set.cards[5].crop.rect(), 2), "5@2x.gif", 2},
        {nameCard(kNames[0], 1), "12.gif", 4},
    };
    constexpr int kCell = 360, kGap = 12, kLabel = 28;
    QImage sheet(3 * kCell + 4 * kGap, kLabel + 3 * (kCell * 8 / 9 + kGap) + kGap,
                 QImage::Format_RGB32);
    sheet.fill(QColor(128, 128, 128));
    QPainter painter(&sheet);
    painter.setPen(Qt::white);
    const QStringList heads = {"drawn", "ImageMagick (before)", "libgd (now)"};
    for (int column = 0; column < 3; ++column)
        painter.drawText(QRect(kGap + column * (kCell + kGap), 0, kCell, kLabel), Qt::AlignCenter,
                         heads[column]);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        QImage pictures[] = {rows[row].drawn, QImage(QDir(sets[0]).filePath(rows[row].gif)),
                             QImage(QDir(sets[1]).filePath(rows[row].gif))};
        for (int column = 0; column < 3; ++column) {
            pictures[column].setDevicePixelRatio(1); // as read, an @2x file has 2
            painter.drawImage(kGap + column * (kCell + kGap), kLabel + row * (kCell * 8 / 9 + kGap),
                              pictures[column].scaled(pictures[column].size() * rows[row].enlarge));
        }
    }
    painter.end();
    sheet.save(file);
}

} // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.value(1) == QStringLiteral("--write"))
        return writeOnce(args.value(2), args.value(3) == QStringLiteral("24"), args.value(4));
    const QString baseline = QStringLiteral(QUILORA_BASELINE);
    if (baseline.isEmpty()) {
        std::fprintf(stderr, "The baseline writes when set_bench asks it; run set_bench.\n");
        return 2;
    }
    const qsizetype runsAt = args.indexOf(QStringLiteral("--runs"));
    const int runs = runsAt > 0 ? std::max(1, args.value(runsAt + 1).toInt()) : 5;
    const qsizetype compareAt = args.indexOf(QStringLiteral("--compare"));

    QTemporaryDir photos;
    for (int k = 0; k < kPhotosPerSet; ++k)
        photo(k).save(QDir(photos.path()).filePath(QStringLiteral("%1.jpg").arg(k)), "JPEG", 90);
    const QString writers[] = {baseline, app.applicationFilePath()};
    // Sets kept to be looked at; writing them also warms the file cache.
    QTemporaryDir kept;
    QString sets[] = {kept.filePath("before"), kept.filePath("now")};
    for (int writer = 0; writer < 2; ++writer)
        runChild(writers[writer], photos.path(), 24, sets[writer]);
    for (QString& set : sets)
        set += QStringLiteral("/img0");
    // [cards][writer]: the samples of every run
    std::map<int, std::vector<Sample>> samples[2];
    for (int run = 0; run < runs; ++run)
        for (int cards : {12, 24})
            for (int writer = 0; writer < 2; ++writer)
                samples[writer][cards].push_back(runChild(writers[writer], photos.path(), cards));

    std::printf("%d runs of each, interleaved; median (min–max)\n\n", runs);
    std::printf("| set | measure | ImageMagick (before) | libgd (now) | now / before |\n");
    std::printf("|---|---|---|---|---|\n");
    for (int cards : {12, 24})
        for (bool cpu : {true, false}) {
            std::vector<double> values[2];
            for (int writer = 0; writer < 2; ++writer)
                for (const Sample& sample : samples[writer][cards])
                    values[writer].push_back(cpu ? sample.cpu : sample.peakMib);
            std::printf(
                "| %s | %s | %s | %s | %.2f |\n", cards == 12 ? "12 photos" : "12 photos, 12 names",
                cpu ? "CPU to write, s" : "peak RSS, MiB",
                qPrintable(figure(values[0], cpu ? 3 : 1)),
                qPrintable(figure(values[1], cpu ? 3 : 1)), median(values[1]) / median(values[0]));
        }
    std::vector<double> resident;
    for (const Sample& sample : samples[1][12])
        resident.push_back(sample.photosMib);
    std::printf("\nResident before writing, the twelve photos loaded: %.1f MiB\n",
                median(resident));
    printColourErrors(photos.path(), sets);
    if (compareAt > 0)
        drawComparison(photos.path(), sets, args.value(compareAt + 1));
    return 0;
}
