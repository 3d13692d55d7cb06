// A picture drawn on a scaled screen comes from its @2x file when there is a good one.
#include "ui/sharp_picture.h"

#include <QTemporaryDir>
#include <QTest>

using namespace quilora::ui;

class TestSharpPicture : public QObject {
    Q_OBJECT

private slots:
    void picture_data();
    void picture();
};

void TestSharpPicture::picture_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("large"); // the @2x file: "" none, else a size or bytes
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QSize>("pixels");
    QTest::addColumn<bool>("fromLarge");
    QTest::newRow("100 %") << "3.gif" << QByteArray("60x40") << 1.0 << QSize(30, 20) << false;
    QTest::newRow("125 %") << "3.gif" << QByteArray("60x40") << 1.25 << QSize(38, 25) << true;
    QTest::newRow("150 %") << "3.gif" << QByteArray("60x40") << 1.5 << QSize(45, 30) << true;
    QTest::newRow("175 %, JPEG") << "back1.jpg" << QByteArray("60x40") << 1.75 << QSize(53, 35)
                                 << true;
    QTest::newRow("200 %") << "3.gif" << QByteArray("60x40") << 2.0 << QSize(60, 40) << true;
    QTest::newRow("no @2x") << "3.gif" << QByteArray() << 2.0 << QSize(30, 20) << false;
    QTest::newRow("unreadable @2x")
        << "3.gif" << QByteArray("GIF89a and nothing") << 2.0 << QSize(30, 20) << false;
    QTest::newRow("@2x of another size")
        << "3.gif" << QByteArray("40x40") << 1.5 << QSize(30, 20) << false;
}

// The small picture is red and the large one blue, so the pixels tell which one was drawn.
void TestSharpPicture::picture() {
    QFETCH(QString, name);
    QFETCH(QByteArray, large);
    QFETCH(qreal, ratio);
    QFETCH(QSize, pixels);
    QFETCH(bool, fromLarge);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("img.0")); // a dot in a folder name is not the suffix's
    const QString path = dir.filePath("img.0/" + name);
    const char* format = name.endsWith(".jpg") ? "JPG" : "PNG"; // Qt writes no GIF; readers sniff
    QImage small(30, 20, QImage::Format_RGB32);
    small.fill(Qt::red);
    QVERIFY(small.save(path, format));
    const QString largePath = path.chopped(4) + "@2x" + path.right(4);
    QCOMPARE(doubleSizePath(path), largePath);
    if (const QStringList size = QString(large).split('x'); size.size() == 2) {
        QImage image(size[0].toInt(), size[1].toInt(), QImage::Format_RGB32);
        image.fill(Qt::blue);
        QVERIFY(image.save(largePath, format));
    } else if (!large.isEmpty()) {
        QFile file(largePath);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(large) == large.size());
    }

    const QPixmap pixmap = sharpPicture(path, ratio);
    QCOMPARE(pixmap.size(), pixels);
    QCOMPARE(pixmap.deviceIndependentSize().toSize(), QSize(30, 20));
    const QColor centre = pixmap.toImage().pixelColor(pixels.width() / 2, pixels.height() / 2);
    QCOMPARE(centre.blue() > 128, fromLarge);
    QCOMPARE(centre.red() > 128, !fromLarge);
}

QTEST_MAIN(TestSharpPicture)
#include "tst_sharp_picture.moc"
