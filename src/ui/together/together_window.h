// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "together/match.h"

#include <QPixmap>
#include <QWidget>

#include <array>

class QTimer;

namespace quilora::ui {

class MatchBoard;
class PlayerPlate;
class ResultsPanel;
class SoloLook;
class StatusLine;

// A match at one screen, in the solo window's size and look: each player's pairs along the top,
// the one whose turn it is marked, the board, and a line at the bottom that says, for the eye
// and the screen reader, whose turn it is, each pair with its finder and the result. The
// twelfth pair brings up the results. It drives the match's timers.
class TogetherWindow : public QWidget {
    Q_OBJECT

public:
    TogetherWindow(together::Match& match, const SoloLook& look, QWidget* parent = nullptr);
    ~TogetherWindow() override;

signals:
    void closed();
    // Told to screen readers through the line at the bottom.
    void spoken(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void refreshPlayers();
    void syncTimers();
    void announce(const together::Announcement& announcement);
    void showResults();
    void again();

    together::Match& match_;
    const SoloLook& look_;
    MatchBoard* board_ = nullptr;
    std::array<PlayerPlate*, together::kMaxPlayers> plates_{};
    StatusLine* status_ = nullptr;
    ResultsPanel* results_ = nullptr;
    QTimer* lookTimer_ = nullptr;
    QTimer* computerTimer_ = nullptr;
    QPixmap background_;
};

} // namespace quilora::ui
