#pragma once

#include "game/form1.h"

#include <QHash>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quilora::ui {

class CardSlot;

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
    QPushButton* sideButton(int index) const { return cmdTOP_[index]; }
    QPushButton* victoryButton(int index) const { return cmdEND_[index]; }
    const QTimer& timer1() const { return timer1_; }
    const QTimer& timer2() const { return timer2_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildVictoryPanel();
    void layoutIconRow();
    void refresh();
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
    QTimer timer1_;
    QTimer timer2_;
    QHash<QString, QPixmap> pictures_;
    std::optional<game::Rgb> paintedColour_;
    QString paintedPicture_;
};

} // namespace quilora::ui
