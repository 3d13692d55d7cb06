// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/form2.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace quilora::ui {

// The options dialog: draws its Form2 model and forwards the player's choices to it. Closing
// it from the title bar or with Escape acts as Cancel.
class Form2Window : public QDialog {
    Q_OBJECT

public:
    Form2Window(settings::Form2& form, QWidget* parent);

public slots:
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void refresh();
    void refreshSound();

    settings::Form2& options_;
    std::array<QGroupBox*, 3> frames_{};
    std::array<QRadioButton*, settings::kChoices> optFon_{};
    std::array<QLabel*, settings::kChoices> picChoose_{};
    std::array<QRadioButton*, settings::kChoices> optP_{};
    QCheckBox* chkS_ = nullptr;
    std::array<QPushButton*, 4> cmdNAS_{};
};

} // namespace quilora::ui
