// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ui/together/start_choices.h"

#include <QDialog>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace quilora::ui {

class SoloLook;

// The start of playing together, in the solo game's language: two to four players, each a name
// and a person or a computer of some memory, and the picture set; Play or Cancel.
class StartWindow : public QDialog {
    Q_OBJECT

public:
    StartWindow(const StartChoices& choices, const SoloLook& look, QWidget* parent = nullptr);

    // The choices as the window shows them.
    StartChoices choices() const;
    // Those who play, an unnamed one called by the row's name ("Player 3").
    QList<together::Player> players() const;

private:
    void enableRows();

    const SoloLook& look_;
    QSpinBox* count_ = nullptr;
    std::array<QLabel*, together::kMaxPlayers> labels_{};
    std::array<QLineEdit*, together::kMaxPlayers> names_{};
    std::array<QComboBox*, together::kMaxPlayers> kinds_{};
    std::array<QComboBox*, together::kMaxPlayers> memories_{};
    QComboBox* pictureSet_ = nullptr;
};

} // namespace quilora::ui
