// A picture drawn on a scaled screen comes from its @2x file when there is a good one.
#include "ui/sharp_picture.h"

#include <QTemporaryDir>
#include <QTest>

class TestSharpPicture : public QObject {
    Q_OBJECT

private slots:
    void picture_data();
    void picture();
};

void TestSharpPicture::picture_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("large"); // the @2x file's size: none if invalid, unreadable if 0x0
    QTest::addColumn<qreal>("ratio");
    QTest::addColumn<QSize>("pixels");
    QTest::newRow("100 %") << "3.gif" << QSize(60, 40) << 1.0 << QSize(30, 20);
    QTest::newRow("150 %") << "3.gif" << QSize(60, 40) << 1.5 << QSize(45, 30);
    QTest::newRow("175 %, JPEG") << "back1.jpg" << QSize(60, 40) << 1.75 << QSize(53, 35);
    QTest::newRow("200 %") << "3.gif" << QSize(60, 40) << 2.0 << QSize(60, 40);
    QTest::newRow("no @2x") << "3.gif" << QSize() << 2.0 << QSize(30, 20);
    QTest::newRow("unreadable @2x") << "3.gif" << QSize(0, 0) << 2.0 << QSize(30, 20);
    QTest::newRow("@2x of another size") << "3.gif" << QSize(40, 40) << 1.5 << QSize(30, 20);
}

// The small picture (30x20) is red and the large one blue, so the pixels tell which was drawn.
void TestSharpPicture::picture() {
    QFETCH(QString, name);
    QFETCH(QSize, large);
    QFETCH(qreal, ratio);
    QFETCH(QSize, pixels);
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("img.0")); // a dot in a folder name is not the suffix's
    const QString path = dir.filePath("img.0/" + name);
    const char* format = name.endsWith(".jpg") ? "JPG" : "PNG"; // Qt writes no GIF; readers sniff
    QImage small(30, 20, QImage::Format_RGB32);
    small.fill(Qt::red);
    QVERIFY(small.save(path, format));
    QImage image(large, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QFile file(path.chopped(4) + "@2x" + path.right(4));
    if (large.isValid())
        QVERIFY(
            file.open(QIODevice::WriteOnly) &&
            (large.isEmpty() ? file.write("GIF89a and nothing") > 0 : image.save(&file, format)));
    file.close();

    const QPixmap pixmap = quilora::ui::sharpPicture(path, ratio);
    QCOMPARE(pixmap.size(), pixels);
    QCOMPARE(pixmap.deviceIndependentSize().toSize(), QSize(30, 20));
    const QColor centre = pixmap.toImage().pixelColor(pixels.width() / 2, pixels.height() / 2);
    QCOMPARE(centre.blue() > 128, pixels != QSize(30, 20));
    QCOMPARE(centre.red() > 128, pixels == QSize(30, 20));
}

QTEST_MAIN(TestSharpPicture)
#include "tst_sharp_picture.moc"
