#include "support/running_game.h"
#include "ui/clickable_label.h"
#include "ui/form2_window.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QTreeWidget>

using namespace quilora;
using testing::faceUp;
using testing::RunningGame;

namespace {

// Opens the options dialog and runs `act` on it within its modal loop.
void withOptions(RunningGame& game, std::function<void(ui::Form2Window&)> act) {
    ui::Form2Window* dialog = game.window().optionsWindow();
    QVERIFY(dialog);
    QTimer::singleShot(0, dialog, [dialog, act] {
        QVERIFY(dialog->isVisible());
        act(*dialog);
    });
    QTest::mouseClick(game.window().sideButton(1), Qt::LeftButton);
    QVERIFY(!dialog->isVisible());
}

QString soundName(const QString& path) {
    return path.section(QLatin1Char('/'), -1);
}

} // namespace

class TestEndToEnd : public QObject {
    Q_OBJECT

private slots:
    void freshWindow();
    void clearStartsANewGameOnTheSameDeal();
    void wholeGameStoresARecordAndListsIt();
    void victorySounds_data();
    void victorySounds();
    void optionsDialogCancelAndOk();
    void picturesApplyReplacesTheWindowInPlace();
    void soundAndLanguageLabels();
};

void TestEndToEnd::freshWindow() {
    RunningGame game;
    ui::Form1Window& window = game.window();
    QCOMPARE(window.windowTitle(), "Quilora 2.0");
    QCOMPARE(window.size(), QSize(641, 425));
    QVERIFY(window.timer1().isActive() && window.timer1().interval() == 1000);
    QVERIFY(!window.timer2().isActive());
    for (int s = 0; s < game::kSlotCount; ++s) {
        QCOMPARE(window.cardSlot(s)->geometry(),
                 QRect(16 + 104 * (s % 6), 40 + 94 * (s / 6), 90, 80));
        QVERIFY(window.cardSlot(s)->isVisible() && !faceUp(window, s));
        QCOMPARE(window.cardSlot(s)->colour(), QColor(200, 200, 200));
    }
    QCOMPARE(window.linkLabel(1)->text(), "Quilora");
    QCOMPARE(window.linkLabel(1)->toolTip(), "Quilora on the web: news and more games");
    QCOMPARE(window.clockLabel()->text(), "Time");
    QTRY_COMPARE_WITH_TIMEOUT(window.clockLabel()->text(), QString("1"), 3000);
    QTest::mouseClick(window.sideButton(2), Qt::LeftButton);
    QTest::mouseClick(window.sideButton(3), Qt::LeftButton); // both may be open
    QVERIFY(window.helpBox()->isVisible() && window.recordsList()->isVisible());
    QCOMPARE(window.sideButton(2)->text(), "Close help");
    QCOMPARE(window.helpBox()->toPlainText(),
             "Do not find help file " + game.dir.filePath("help-e.txt"));
    QCOMPARE(window.recordsList()->geometry(), QRect(112, 128, 417, 196));
    QCOMPARE(window.recordsList()->palette().color(QPalette::Base), QColor(255, 255, 192));
    QCOMPARE(window.recordsList()->topLevelItem(0)->text(0), "Unknown");
    QTest::mouseClick(window.sideButton(3), Qt::LeftButton);
    QTest::mouseClick(window.sideButton(2), Qt::LeftButton);
    QVERIFY(!window.recordsList()->isVisible() && !window.helpBox()->isVisible());
    QCOMPARE(window.sideButton(3)->text(), "Records");
    QVERIFY(window.close()); // unloads the options dialog with the window
    QVERIFY(!game.form().optionsDialog());
}

void TestEndToEnd::clearStartsANewGameOnTheSameDeal() {
    RunningGame game;
    const auto deal = game.form().CardFile;
    const QList<QList<int>> pairs = game.pairsOfTheDeal();
    game.findPairs(10);
    QVERIFY(game.window().timer2().isActive());
    game.form().Timer1_Timer();
    game.form().Timer2_Timer();
    QCOMPARE(game.window().clockLabel()->text(), game.form().lblTime);

    QTest::mouseClick(game.window().sideButton(0), Qt::LeftButton);
    for (int s = 0; s < game::kSlotCount; ++s) {
        QVERIFY(!faceUp(game.window(), s));
        QCOMPARE(game.form().CardMatched[s], 0);
    }
    QVERIFY(!game.window().timer2().isActive());
    QVERIFY(game.window().timer1().isActive());
    QCOMPARE(game.program->state().ElapsedSeconds, 0);
    QCOMPARE(game.form().CardFile, deal);

    game.click(pairs[0][0]); // an old pair is found again
    game.click(pairs[0][1]);
    QCOMPARE(game.form().PairsFound, 1);
}

void TestEndToEnd::wholeGameStoresARecordAndListsIt() {
    RunningGame game(false);
    game.platform.localeInfo.numbers = QLocale(QLocale::Russian, QLocale::Russia);
    game.writeFile("img0/setname.txt", QStringLiteral("Животные\r\nAnimals\r\n").toUtf8());
    game.start();
    ui::Form1Window& window = game.window();

    const QList<QList<int>> pairs = game.pairsOfTheDeal();
    game.click(pairs[1][0]); // a wrong guess: the earlier card turns down as the new one opens
    game.click(pairs[0][0]);
    QVERIFY(!faceUp(window, pairs[1][0]) && faceUp(window, pairs[0][0]));
    game.click(pairs[0][1]);
    QCOMPARE(soundName(game.platform.sound.played.value(3)), "click2.wav");
    game.form().Timer1_Timer();
    game.findPairs(12);
    QVERIFY(window.victoryPanel()->isVisible());
    QVERIFY(!window.timer1().isActive() && !window.timer2().isActive());
    QCOMPARE(window.victoryLabel(1)->text(), window.clockLabel()->text());
    QCOMPARE(window.victoryLabel(0)->text(), "VICTORY!   You is First!");
    QCOMPARE(soundName(game.platform.sound.played.last()), "victory1.wav");
    QVERIFY(window.nameBox()->hasFocus() || !window.isActiveWindow());

    QTest::mouseClick(window.iconButton(1), Qt::LeftButton);
    QVERIFY(!window.victoryButton(2)->font().bold());
    QTest::keyClicks(window.nameBox(), "Ann~a");
    QVERIFY(window.victoryButton(2)->font().bold());
    QTest::keyClick(window.nameBox(), Qt::Key_Return);
    QVERIFY(!window.victoryPanel()->isVisible());
    QVERIFY(!window.victoryButton(2)->font().bold());
    QCOMPARE(game.readFile("record.txt"),
             QByteArray("999~Unknown~Test~6~05.11.2026~^\r\n1~Ann-a~Animals~5~05.12.2026\r\n"));

    QTest::mouseClick(window.sideButton(3), Qt::LeftButton);
    QTreeWidget* list = window.recordsList();
    QVERIFY(list->isVisible());
    QCOMPARE(list->topLevelItemCount(), 2);
    QTreeWidgetItem* row = list->topLevelItem(0);
    QCOMPARE(row->text(0), "Ann-a");
    QCOMPARE(row->text(1), "1");
    QCOMPARE(row->text(2), "  1");
    const QImage girl = row->icon(0).pixmap(16, 16).toImage();
    QCOMPARE(girl, QImage(":/icons/5.png").convertToFormat(girl.format()));
    QCOMPARE(row->data(0, Qt::AccessibleTextRole).toString(), "Ann-a, girl");
    QCOMPARE(list->topLevelItem(1)->text(1), "2");
}

void TestEndToEnd::victorySounds_data() {
    QTest::addColumn<QByteArray>("table");
    QTest::addColumn<QString>("sound");
    QTest::addColumn<bool>("nameEnabled");
    QTest::newRow("top ten") << QByteArray("1~A~B~4~d~^\r\n") << QString("victory10.wav") << true;
    QTest::newRow("no entry") << QByteArray("1~A~B~4~d\r\n").repeated(9) + "9~A~B~4~d~^\r\n"
                              << QString("victory.wav") << false;
}

void TestEndToEnd::victorySounds() {
    QFETCH(QByteArray, table);
    QFETCH(QString, sound);
    QFETCH(bool, nameEnabled);
    RunningGame game;
    game.writeFile("record.txt", table);
    game.form().lblTime = "50";
    game.findPairs(12);
    QCOMPARE(soundName(game.platform.sound.played.last()), sound);
    QCOMPARE(game.window().nameBox()->isEnabled(), nameEnabled);
    QCOMPARE(game.window().victoryButton(2)->isEnabled(), nameEnabled);

    QSignalSpy end(&game.form(), &game::Form1::endProgram);
    QTest::mouseClick(game.window().victoryButton(1), Qt::LeftButton);
    QCOMPARE(end.size(), 1);
}

void TestEndToEnd::optionsDialogCancelAndOk() {
    RunningGame game;
    core::ProgramState& state = game.program->state();
    state.ElapsedSeconds = 17;
    withOptions(game, [&](ui::Form2Window& dialog) {
        state.ElapsedSeconds = 30;
        QTest::mouseClick(dialog.backgroundOption(4), Qt::LeftButton);
        dialog.close();
    });
    QCOMPARE(state.ElapsedSeconds, 17);
    withOptions(game, [&](ui::Form2Window& dialog) {
        state.ElapsedSeconds = 40;
        QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QCOMPARE(state.ElapsedSeconds, 17);
    QCOMPARE(game.window().cardSlot(0)->colour(), QColor(200, 200, 200));
    QVERIFY(game.window().optionsWindow()->backgroundOption(4)->isChecked()); // as it was left
    QVERIFY(!QFile::exists(game.dir.filePath("Quilora.ini")));
    game.window().move(100, 50);
    QPoint dialogAt;
    withOptions(game, [&](ui::Form2Window& dialog) {
        dialogAt = dialog.pos() - game.window().pos();
        QTest::mouseClick(dialog.backgroundOption(2), Qt::LeftButton);
        QTest::mouseClick(dialog.button(2), Qt::LeftButton);
    });
    QCOMPARE(dialogAt, QPoint(8, 27)); // 120 and 400 twips from the main window
    QCOMPARE(game.readFile("Quilora.ini"),
             QByteArray("optFon=2\r\noptP=0\r\nchks.Value=1\r\nLocalisation=1\r\n"));
    QCOMPARE(game.window().cardSlot(7)->colour(), QColor(255, 197, 85));

    game.program.reset();
    game.start();
    QCOMPARE(game.window().cardSlot(7)->colour(), QColor(255, 197, 85));
    QVERIFY(game.window().optionsWindow()->backgroundOption(2)->isChecked());
}

void TestEndToEnd::picturesApplyReplacesTheWindowInPlace() {
    RunningGame game;
    testing::makePictureSet(game.dir.path(), 1);
    game.window().move(120, 70);
    const QPoint place = game.window().pos();
    const QPointer<game::Form1> before = &game.form();
    game.program->state().ElapsedSeconds = 33;
    withOptions(game, [](ui::Form2Window& dialog) {
        QRadioButton* set = dialog.pictureSetOption(1); // unnamed: only its circle takes clicks
        QTest::mouseClick(set, Qt::LeftButton, {}, QPoint(6, set->height() / 2));
        QTest::mouseClick(dialog.button(1), Qt::LeftButton);
    });
    QTRY_VERIFY(!before); // replaced once the dialog's loop has ended
    QCOMPARE(game.window().pos(), place);
    QVERIFY(game.window().isVisible());
    QCOMPARE(game.program->state().ElapsedSeconds, 0);
    for (const QString& card : game.form().CardFile)
        QVERIFY2(card.startsWith(game.dir.filePath("img1/")), qPrintable(card));
    QCOMPARE(game.readFile("Quilora.ini"),
             QByteArray("optFon=0\r\noptP=1\r\nchks.Value=1\r\nLocalisation=1\r\n"));

    const QPointer<game::Form1> second = &game.form(); // asked for outside any dialog
    game.form().requestReload();
    QTRY_VERIFY(!second);
}

void TestEndToEnd::soundAndLanguageLabels() {
    RunningGame game;
    QTest::mouseClick(game.window().soundLabel(), Qt::LeftButton);
    QCOMPARE(game.window().soundLabel()->text(), "Snd on");
    QVERIFY(!game.window().optionsWindow()->soundBox()->isChecked());
    game.click(3);
    QCOMPARE(soundName(game.platform.sound.played.last()), "No.wav");
    QTest::keyClick(game.window().soundLabel(), Qt::Key_Space);
    QCOMPARE(game.window().soundLabel()->text(), "Snd off");
    game.click(4);
    QCOMPARE(soundName(game.platform.sound.played.last()), "click1.wav");
    withOptions(game, [](ui::Form2Window& dialog) { // the box acts at once; Cancel keeps it
        QTest::mouseClick(dialog.soundBox(), Qt::LeftButton);
        dialog.reject();
    });
    QCOMPARE(game.window().soundLabel()->text(), "Snd on");
    ui::Form1Window& window = game.window();
    QCOMPARE(window.languageLabel(1)->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    QTest::mouseClick(window.languageLabel(0), Qt::LeftButton);
    QCOMPARE(window.sideButton(0)->text(), "Очистить");
    QCOMPARE(window.victoryButton(0)->text(), "Ещё");
    QCOMPARE(window.languageLabel(0)->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    QCOMPARE(window.languageLabel(1)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
    ui::Form2Window& dialog = *window.optionsWindow();
    QCOMPARE(dialog.windowTitle(), "Настройки");
    QCOMPARE(dialog.frame(0)->title(), "Фон");
    QCOMPARE(dialog.soundBox()->text(), "Есть");

    withOptions(
        game, [](ui::Form2Window& dialog) { QTest::mouseClick(dialog.button(2), Qt::LeftButton); });
    QVERIFY(game.readFile("Quilora.ini").endsWith("Localisation=0\r\n"));
    game.program.reset();
    game.start();
    QCOMPARE(game.window().sideButton(1)->text(), "Настройки");
    QCOMPARE(game.window().soundLabel()->text(), "Звук");
}

QTEST_MAIN(TestEndToEnd)
#include "tst_end_to_end.moc"
