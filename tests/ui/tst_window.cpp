// The real windows, as a player sees and uses them.
#include "support/window.h"
#include "ui/card_slot.h"
#include "ui/clickable_label.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>

using namespace quilora;
using testing::RunningGame;

namespace {

QString soundName(const RunningGame& game) {
    return game.platform.sound.played.last().section(QLatin1Char('/'), -1);
}

QColor cardColour(const RunningGame& game, int slot) {
    return game.find<ui::CardSlot>(QStringLiteral("Foto%1").arg(slot))->colour();
}

template <typename Widget = QWidget> Widget* in(QWidget& dialog, const QString& name) {
    return dialog.findChild<Widget*>(name);
}

} // namespace

class TestWindow : public QObject {
    Q_OBJECT

private slots:
    void wholeGameStoresARecordAndListsIt();
    void optionsDialog();
    void picturesApplyReplacesTheWindowInPlace();
    void soundAndLanguageLabels();
};

void TestWindow::wholeGameStoresARecordAndListsIt() {
    RunningGame game(false);
    game.platform.localeInfo.numbers = QLocale(QLocale::Russian, QLocale::Russia);
    game.writeFile("img0/setname.txt", QStringLiteral("Животные\r\nAnimals\r\n").toUtf8());
    game.start();
    QCOMPARE(game.window().windowTitle(), "Quilora 2.0");
    QVERIFY(!game.find("Frame2") && !game.find("lvRecord") && !game.find("txtHELP"));
    game.win(1);
    QVERIFY(game.shown("Frame2"));
    QCOMPARE(game.find<QLabel>("lblEnd0")->text(), "VICTORY!   You is First!");
    QCOMPARE(game.find<QLabel>("lblEnd1")->text(), "1");
    QCOMPARE(game.find<QLabel>("lblTime")->text(), "1");
    QCOMPARE(soundName(game), "victory1.wav");
    QCOMPARE(game.find<QRadioButton>("optKartinka1")->palette().color(QPalette::Window),
             cardColour(game, 1));
    QTest::mouseClick(game.find("optKartinka1"), Qt::LeftButton);
    QVERIFY(!game.find<QPushButton>("cmdEND2")->font().bold());
    QTest::keyClicks(game.find("txtRec"), "Ann~a");
    QVERIFY(game.find<QPushButton>("cmdEND2")->font().bold());
    QTest::keyClick(game.find("txtRec"), Qt::Key_Return);
    QVERIFY(!game.shown("Frame2"));
    QCOMPARE(game.readFile("record.txt"),
             QByteArray("999~Unknown~Test~6~05.11.2026~^\r\n1~Ann-a~Animals~5~05.12.2026\r\n"));
    game.press("cmdTOP3");
    QCOMPARE(game.find<QPushButton>("cmdTOP3")->text(), "Close rec.");
    auto* list = game.find<QTreeWidget>("lvRecord");
    QVERIFY(list->isVisible());
    QCOMPARE(list->topLevelItemCount(), 2);
    QTreeWidgetItem* row = list->topLevelItem(0);
    QCOMPARE(QStringList({row->text(0), row->text(1), row->text(2), row->text(3)}),
             QStringList({"Ann-a", "1", "  1", "Animals"}));
    const QImage girl = row->icon(0).pixmap(16, 16).toImage();
    QCOMPARE(girl, QImage(":/icons/5.png").convertToFormat(girl.format()));
    QCOMPARE(row->data(0, Qt::AccessibleTextRole).toString(), "Ann-a, girl");
    game.press("cmdTOP2"); // the help comes on top; Escape closes both
    QVERIFY(game.shown("txtHELP") && list->isVisible());
    QTest::keyClick(&game.window(), Qt::Key_Escape);
    QVERIFY(!game.shown("txtHELP") && !list->isVisible());
    QCOMPARE(game.find<QPushButton>("cmdTOP3")->text(), "Records");
}

// Cancel, Escape and the title bar give the clock back and leave the colours; OK applies and
// saves the shown choices; the dialog opens by the main window, on the chosen background, with
// the thumbnails and the set names, and the main window takes the new colours.
void TestWindow::optionsDialog() {
    RunningGame game(false);
    QDir(game.dir.path()).mkdir("back");
    QImage thumbnail(200, 30, QImage::Format_RGB32);
    thumbnail.fill(Qt::blue);
    thumbnail.save(game.path("back/back2.jpg"));
    game.writeFile("img0/setname.txt", "Animals");
    game.start();
    game.window().move(100, 50);
    for (int i = 0; i < 17; ++i)
        game.form().Timer1_Timer();
    using Close = std::function<void(QWidget&)>;
    for (const Close& close : {Close([](QWidget& d) { d.close(); }),
                               Close([](QWidget& d) { QTest::keyClick(&d, Qt::Key_Escape); })}) {
        game.withOptions([&](QWidget& dialog) {
            for (int i = 0; i < 13; ++i)
                game.form().Timer1_Timer();
            QTest::mouseClick(in(dialog, "optFon4"), Qt::LeftButton);
            close(dialog);
        });
        game.form().Timer1_Timer();
        QCOMPARE(game.find<QLabel>("lblTime")->text(), "18");
        game.form().cmdTOP_Click(0);
        for (int i = 0; i < 17; ++i)
            game.form().Timer1_Timer();
    }
    QCOMPARE(cardColour(game, 0), QColor(200, 200, 200));
    QVERIFY(!QFile::exists(game.path("Quilora.ini")));
    QPoint dialogAt;
    game.withOptions([&](QWidget& dialog) {
        dialogAt = dialog.pos() - game.window().pos();
        QVERIFY(in<QRadioButton>(dialog, "optFon4")->isChecked()); // the choice last shown
        QCOMPARE(in<QRadioButton>(dialog, "optP0")->text(), "Animals");
        QCOMPARE(in<QLabel>(dialog, "picChoose2")->pixmap().size(), QSize(73, 17)); // clipped
        QVERIFY(in<QLabel>(dialog, "picChoose2")->pixmap().toImage().pixelColor(5, 5).blue() > 200);
        QVERIFY(in<QLabel>(dialog, "picChoose1")->pixmap().isNull());
        QTest::mouseClick(in(dialog, "optFon2"), Qt::LeftButton);
        QTest::mouseClick(in(dialog, "cmdNAS2"), Qt::LeftButton);
    });
    QCOMPARE(dialogAt, QPoint(8, 27)); // 120 and 400 twips from the main window
    QCOMPARE(game.readFile("Quilora.ini"),
             QByteArray("optFon=2\r\noptP=0\r\nchks.Value=1\r\nLocalisation=1\r\n"));
    QCOMPARE(cardColour(game, 23), QColor(255, 197, 85));
    QCOMPARE(game.find<QFrame>("frmSND")->palette().color(QPalette::Window), QColor(255, 197, 85));
    QVERIFY(game.find<QPushButton>("cmdTOP0")->styleSheet().contains("#ffc555"));
    game.start();
    QCOMPARE(cardColour(game, 7), QColor(255, 197, 85));
}

void TestWindow::picturesApplyReplacesTheWindowInPlace() {
    RunningGame game;
    testing::makePictureSet(game.dir.path(), 1);
    game.window().move(120, 70);
    const QPoint place = game.window().pos();
    const QPointer<QWidget> before = &game.window();
    game.withOptions([](QWidget& dialog) {
        auto* set = in<QRadioButton>(dialog, "optP1"); // unnamed: only its circle takes clicks
        QTest::mouseClick(set, Qt::LeftButton, {}, QPoint(6, set->height() / 2));
        QTest::mouseClick(in(dialog, "cmdNAS1"), Qt::LeftButton);
    });
    QVERIFY(before); // never inside the dialog's loop
    QCoreApplication::sendPostedEvents();
    QVERIFY(!before);
    QCOMPARE(game.window().pos(), place);
    QVERIFY(game.window().isVisible());
    game.click(5);
    const QImage face = game.find<ui::CardSlot>("Foto5")->picture().toImage();
    QCOMPARE(QColor(face.pixel(0, 0)).value(), 190); // a picture of set 1
}

void TestWindow::soundAndLanguageLabels() {
    RunningGame game(false);
    game.writeFile("Quilora.ini", "0\r\n0\r\n2\r\n1\r\n"); // a greyed box counts as on
    game.start();
    QCOMPARE(game.find<QLabel>("lblSND")->text(), "Sound");
    game.press("lblSND");
    QCOMPARE(game.find<QLabel>("lblSND")->text(), "Snd on");
    QCOMPARE(game.find("lblSND")->accessibleName(), "Sound off, press to switch it on");
    game.click(3);
    QCOMPARE(soundName(game), "No.wav");
    QTest::keyClick(game.find("lblSND"), Qt::Key_Space);
    QCOMPARE(game.find<QLabel>("lblSND")->text(), "Snd off");
    game.click(4);
    QCOMPARE(soundName(game), "click1.wav");
    game.withOptions([](QWidget& dialog) { // the box acts at once; Cancel keeps it
        auto* box = in<QCheckBox>(dialog, "chkS");
        QVERIFY(box->checkState() == Qt::Checked);
        QTest::mouseClick(box, Qt::LeftButton);
        QTest::mouseClick(in(dialog, "cmdNAS3"), Qt::LeftButton);
    });
    QCOMPARE(game.find<QLabel>("lblSND")->text(), "Snd on");
    game.press("lblLOC0");
    QCOMPARE(game.find<QPushButton>("cmdTOP0")->text(), "Очистить");
    QCOMPARE(game.find("lblLOC0")->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    QCOMPARE(game.find("lblLOC1")->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    QCOMPARE(game.find("lblLOC1")->accessibleName(), QStringLiteral("Английский язык"));
    game.withOptions([](QWidget& dialog) {
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Настройки"));
        QCOMPARE(in<QGroupBox>(dialog, "Frame2")->title(), QStringLiteral("Звук"));
        QTest::mouseClick(in(dialog, "cmdNAS2"), Qt::LeftButton);
    });
    QVERIFY(game.readFile("Quilora.ini").endsWith("chks.Value=0\r\nLocalisation=0\r\n"));
    game.start();
    QCOMPARE(game.find<QPushButton>("cmdTOP1")->text(), QStringLiteral("Настройки"));
    QCOMPARE(game.find<QLabel>("lblSND")->text(), QStringLiteral("Звук"));
}

QTEST_MAIN(TestWindow)
#include "tst_window.moc"
