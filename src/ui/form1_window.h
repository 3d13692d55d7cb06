#pragma once

#include "game/form1.h"
#include "language/accessible_names.h"

#include <QHash>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <array>

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
class Form1Window : public QWidget {
    Q_OBJECT

public:
    explicit Form1Window(game::Form1& form, QWidget* parent = nullptr);
    ~Form1Window() override;

    CardSlot* cardSlot(int index) const { return slots_[index]; }
    QLabel* clockLabel() const { return lblTime_; }
    QFrame* victoryPanel() const { return frame2_; }
    QLabel* victoryLabel(int index) const { return lblEnd_[index]; }
    QRadioButton* iconButton(int index) const { return optKartinka_[index]; }
    QLineEdit* nameBox() const { return txtRec_; }
    QPushButton* sideButton(int index) const { return cmdTOP_[index]; }
    QPushButton* victoryButton(int index) const { return cmdEND_[index]; }
    QPlainTextEdit* helpBox() const { return txtHELP_; }
    QTreeWidget* recordsList() const { return lvRecord_; }
    ClickableLabel* languageLabel(int index) const { return lblLOC_[index]; }
    ClickableLabel* soundLabel() const { return lblSND_; }
    ClickableLabel* linkLabel(int index) const { return lblOrvane_[index]; }
    QFrame* bottomFrame(int index) const { return bottomFrames_[index]; }
    Form2Window* optionsWindow() const { return form2_; }
    const QTimer& timer1() const { return timer1_; }
    const QTimer& timer2() const { return timer2_; }

    // True while a dialog of this window runs its own event loop: the window must not be
    // replaced then.
    bool inModalLoop() const { return modalDepth_ > 0; }

    int keyboardCard() const { return keyboardCard_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildSidePanel();
    void buildVictoryPanel();
    void buildBottomRow();
    void layoutIconRow();
    void setTabOrder();
    void moveCardFocus(int from, int columns, int rows);
    void showOptions();
    void refreshAccessibleNames();
    void refresh();
    void refreshRecords();
    QPixmap picture(const QString& path);

    game::Form1& form_;
    std::array<CardSlot*, game::kSlotCount> slots_{};
    QLabel* lblTime_ = nullptr;
    std::array<QPushButton*, 4> cmdTOP_{};
    QFrame* frame2_ = nullptr;
    std::array<QLabel*, 4> lblEnd_{};
    std::array<QRadioButton*, 3> optKartinka_{};
    QLineEdit* txtRec_ = nullptr;
    std::array<QPushButton*, 3> cmdEND_{};
    QPlainTextEdit* txtHELP_ = nullptr;
    QTreeWidget* lvRecord_ = nullptr;
    std::array<ClickableLabel*, 4> lblOrvane_{}; // 0 and 1 the site, 3 the homepage
    ClickableLabel* lblSND_ = nullptr;
    std::array<ClickableLabel*, 2> lblLOC_{};
    std::array<QFrame*, 4> bottomFrames_{}; // frmURL(1), frmSND, frmLOC(0), frmLOC(1)
    Form2Window* form2_ = nullptr;
    QTimer timer1_;
    QTimer timer2_;
    QHash<QString, QPixmap> pictures_;
    std::optional<game::Rgb> paintedColour_;
    QString paintedPicture_;
    std::optional<game::Rgb> panelColour_;
    QList<game::RecordRow> shownRows_;
    int shownSortColumn_ = -1;
    int modalDepth_ = 0;
    int keyboardCard_ = 0; // the one card that Tab reaches; the arrow keys move it
    QString namesFolder_;
    language::PictureNames pictureNames_;
};

} // namespace quilora::ui
