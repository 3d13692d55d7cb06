// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/record_book.h"

#include <QTimer>
#include <QWidget>

#include <array>

class QFrame;
class QLabel;

namespace quilora::ui {

class BoardView;
class ClickableLabel;
class Form2Window;
class HelpBoxView;
class RecordsListView;
class SideButton;
class VictoryPanelView;

// The models one main window shows; they live as long as it does.
struct WindowModels {
    game::Form1& form;
    settings::Form2& options;
    records::RecordBook& records;
    language::Captions& captions;
};

// The main window: the board, the clock, the side buttons and the bottom row, with the panels
// that start hidden (victory panel, help text, records list, options dialog) built when first
// needed, so that the board shows as early as it can. It drives the real timers from the
// clock's state.
class Form1Window : public QWidget {
    Q_OBJECT

public:
    explicit Form1Window(WindowModels models, QWidget* parent = nullptr);
    ~Form1Window() override;

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
    void showVictoryPanel();
    void showRecordsList();
    void showHelp();
    void keepVictoryPanelOnTop();
    void updateTabOrder();
    void showOptions();
    void refreshClock();
    void refreshCaptions();
    void respeak();
    void refreshAppearance();
    void refreshSound();

    WindowModels models_;
    BoardView* board_ = nullptr;
    QLabel* lblTime_ = nullptr;
    std::array<SideButton*, 4> cmdTOP_{};
    std::array<ClickableLabel*, 4> lblOrvane_{}; // 0 and 1 the site, 3 the homepage
    ClickableLabel* lblSND_ = nullptr;
    std::array<ClickableLabel*, 2> lblLOC_{};
    std::array<QFrame*, 4> bottomFrames_{}; // frmURL(1), frmSND, frmLOC(0), frmLOC(1)
    VictoryPanelView* frame2_ = nullptr;
    RecordsListView* lvRecord_ = nullptr;
    HelpBoxView* txtHELP_ = nullptr;
    Form2Window* form2_ = nullptr;

    QTimer* timer1_ = nullptr;
    QTimer* timer2_ = nullptr;
    QPixmap background_;
    int modalDepth_ = 0;
    bool firstFramePainted_ = false;
};

} // namespace quilora::ui
