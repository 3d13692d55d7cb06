#include "support/running_game.h"
#include "ui/clickable_label.h"
#include "ui/form2_window.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>

using namespace quilora;
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
    void wholeGameStoresARecordAndListsIt();
    void optionsDialogCancelAndOk();
    void picturesApplyReplacesTheWindowInPlace();
    void soundAndLanguageLabels();
};

void TestEndToEnd::wholeGameStoresARecordAndListsIt() {
    RunningGame game(false);
    game.platform.localeInfo.numbers = QLocale(QLocale::Russian, QLocale::Russia);
    game.writeFile("img0/setname.txt", QStringLiteral("Животные\r\nAnimals\r\n").toUtf8());
    game.start();
    ui::Form1Window& window = game.window();
    game.form().Timer1_Timer();
    game.findPairs(12);
    QVERIFY(window.victoryPanel()->isVisible());
    QVERIFY(!window.timer1().isActive() && !window.timer2().isActive());
    QCOMPARE(window.victoryLabel(0)->text(), "VICTORY!   You is First!");
    QCOMPARE(soundName(game.platform.sound.played.last()), "victory1.wav");
    QVERIFY(window.nameBox()->hasFocus() || !window.isActiveWindow());
    QTest::mouseClick(window.iconButton(1), Qt::LeftButton);
    QVERIFY(!window.victoryButton(2)->font().bold());
    QTest::keyClicks(window.nameBox(), "Ann~a");
    QVERIFY(window.victoryButton(2)->font().bold());
    QTest::keyClick(window.nameBox(), Qt::Key_Return);
    QVERIFY(!window.victoryPanel()->isVisible());
    QCOMPARE(game.readFile("record.txt"),
             QByteArray("999~Unknown~Test~6~05.11.2026~^\r\n1~Ann-a~Animals~5~05.12.2026\r\n"));
    QTest::mouseClick(window.sideButton(3), Qt::LeftButton);
    QTreeWidget* list = window.recordsList();
    QCOMPARE(list->topLevelItemCount(), 2);
    QTreeWidgetItem* row = list->topLevelItem(0);
    QCOMPARE(QStringList({row->text(0), row->text(1), row->text(2)}),
             QStringList({"Ann-a", "1", "  1"}));
    const QImage girl = row->icon(0).pixmap(16, 16).toImage();
    QCOMPARE(girl, QImage(":/icons/5.png").convertToFormat(girl.format()));
    QCOMPARE(row->data(0, Qt::AccessibleTextRole).toString(), "Ann-a, girl");
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
    for (const QString& card : game.form().CardFile)
        QVERIFY2(card.startsWith(game.dir.filePath("img1/")), qPrintable(card));

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
    QTest::mouseClick(window.languageLabel(0), Qt::LeftButton);
    QCOMPARE(window.sideButton(0)->text(), "Очистить");
    QCOMPARE(window.languageLabel(0)->palette().color(QPalette::WindowText), QColor(128, 0, 0));
    QCOMPARE(window.languageLabel(1)->palette().color(QPalette::WindowText), QColor(0, 0, 0));
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
