#pragma once

#include "game/form1.h"
#include "language/accessible_names.h"

#include <QHash>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <array>
#include <optional>

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace quilora::ui {

class CardSlot;
class ClickableLabel;
class Form2Window;

// The main window: draws the state of its Form1 model and forwards the player's actions to it.
// The panels that start hidden (victory panel, help text, records list, options dialog) are
// built when first needed, so that the board shows as early as it can.
class Form1Window : public QWidget {
    Q_OBJECT

public:
    explicit Form1Window(game::Form1& form, QWidget* parent = nullptr);
    ~Form1Window() override;

    CardSlot* cardSlot(int index) const { return slots_[index]; }
    QLabel* clockLabel() const { return lblTime_; }
    QPushButton* sideButton(int index) const { return cmdTOP_[index]; }
    ClickableLabel* languageLabel(int index) const { return lblLOC_[index]; }
    ClickableLabel* soundLabel() const { return lblSND_; }
    ClickableLabel* linkLabel(int index) const { return lblOrvane_[index]; }
    QFrame* bottomFrame(int index) const { return bottomFrames_[index]; }
    const QTimer& timer1() const { return timer1_; }
    const QTimer& timer2() const { return timer2_; }
    int keyboardCard() const { return keyboardCard_; }

    // The panels, built on the first call if they are not yet.
    QFrame* victoryPanel();
    QLabel* victoryLabel(int index);
    QRadioButton* iconButton(int index);
    QLineEdit* nameBox();
    QPushButton* victoryButton(int index);
    QPlainTextEdit* helpBox();
    QTreeWidget* recordsList();
    Form2Window* optionsWindow();

    // True while a dialog of this window runs its own event loop: the window must not be
    // replaced then.
    bool inModalLoop() const { return modalDepth_ > 0; }

signals:
    // The window's first frame has been drawn; work that can wait for it may start.
    void firstFrameShown();

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildSideButtons();
    void buildBottomRow();
    void buildVictoryPanel();
    void buildHelpBox();
    void buildRecordsList();
    void updateTabOrder();
    void layoutIconRow();
    void moveCardFocus(int from, int columns, int rows);
    void showOptions();
    void refresh();
    void refreshClock();
    void refreshVictoryPanel();
    void refreshHelp();
    void refreshRecords();
    void refreshSpokenNames();
    QPixmap picture(const QString& path);

    game::Form1& form_;
    std::array<CardSlot*, game::kSlotCount> slots_{};
    QLabel* lblTime_ = nullptr;
    std::array<QPushButton*, 4> cmdTOP_{};
    std::array<ClickableLabel*, 4> lblOrvane_{}; // 0 and 1 the site, 3 the homepage
    ClickableLabel* lblSND_ = nullptr;
    std::array<ClickableLabel*, 2> lblLOC_{};
    std::array<QFrame*, 4> bottomFrames_{}; // frmURL(1), frmSND, frmLOC(0), frmLOC(1)

    QFrame* frame2_ = nullptr;
    std::array<QLabel*, 4> lblEnd_{};
    std::array<QRadioButton*, 3> optKartinka_{};
    QLineEdit* txtRec_ = nullptr;
    std::array<QPushButton*, 3> cmdEND_{};
    QPlainTextEdit* txtHELP_ = nullptr;
    QTreeWidget* lvRecord_ = nullptr;
    Form2Window* form2_ = nullptr;

    QTimer timer1_;
    QTimer timer2_;
    QHash<QString, QPixmap> pictures_;
    std::optional<game::Rgb> paintedColour_;
    QString paintedPicture_;
    std::optional<std::optional<game::Rgb>> panelColour_; // unset until first applied
    QList<game::RecordRow> shownRows_;
    int modalDepth_ = 0;
    bool firstFramePainted_ = false;
    int keyboardCard_ = 0; // the one card that Tab reaches; the arrow keys move it
    QString namesFolder_;
    language::PictureNames pictureNames_;
    std::optional<std::pair<bool, bool>> spokenFor_; // the language and sound names were set for
};

} // namespace quilora::ui
