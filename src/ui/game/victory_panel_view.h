// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "records/record_book.h"

#include <QFrame>

#include <array>
#include <optional>

class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quilora::ui {

// The victory panel over the board: the message, the time, the name box, the icon question with
// its three buttons, and "To records", "Else" and "End". It takes the keyboard when it opens,
// name box first, and says so when it closes holding it.
class VictoryPanelView : public QFrame {
    Q_OBJECT

public:
    VictoryPanelView(game::Form1& form, const records::RecordBook& records,
                     const language::Captions& captions, const settings::Form2& options,
                     QWidget* parent);

    // In the order Tab visits them.
    QList<QWidget*> tabOrder() const;
    // Enter where no button takes it: presses "To records" once it is the window's default
    // button, and always in the name box.
    void pressDefault(const QWidget* focus);

signals:
    // The panel closed while one of its controls had the keyboard.
    void closedWithFocus();

private:
    void refresh();
    void refreshCaptions();
    void respeak();
    void fitIconRow();

    const records::RecordBook& records_;
    const language::Captions& captions_;
    const settings::Form2& options_;
    std::array<QLabel*, 4> lblEnd_{};
    std::array<QRadioButton*, 3> optKartinka_{};
    QLineEdit* txtRec_ = nullptr;
    std::array<QPushButton*, 3> cmdEND_{};
};

} // namespace quilora::ui
