// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game/form2_window.h"

#include "ui/widgets/sharp_picture.h"
#include "ui/widgets/twips.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOptionButton>

#include <algorithm>

namespace quilora::ui {
namespace {

QButtonGroup* exclusiveGroup(QWidget* parent) {
    auto* group = new QButtonGroup(parent);
    group->setExclusive(true);
    return group;
}

// A set's name on its option: one too long for the room beside the circle ends in "…", and is
// then its tooltip whole; a screen reader always says it whole. An "&" is shown as itself.
void showSetName(QRadioButton* option, const QString& name) {
    QStyleOptionButton look;
    look.initFrom(option);
    const int room =
        option->style()->subElementRect(QStyle::SE_RadioButtonContents, &look, option).width();
    const QString shown = option->fontMetrics().elidedText(name, Qt::ElideRight, room);
    option->setText(QString(shown).replace(QLatin1Char('&'), QLatin1String("&&")));
    option->setToolTip(shown == name ? QString() : name);
    option->setAccessibleName(name);
}

// Selects one option of a group, or none (-1), which an exclusive group cannot do by itself.
template <std::size_t N>
void select(QButtonGroup* group, const std::array<QRadioButton*, N>& options, int index) {
    group->setExclusive(false);
    for (std::size_t i = 0; i < N; ++i)
        options[i]->setChecked(static_cast<int>(i) == index);
    group->setExclusive(true);
}

} // namespace

Form2Window::Form2Window(settings::Form2& form, QWidget* parent) : QDialog(parent), options_(form) {
    setFixedSize(304, 197);
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    const std::array<QRect, 3> frameGeometry = {
        twips(113, 120, 1575, 2775), twips(1793, 120, 1575, 2775), twips(3473, 120, 975, 1815)};
    for (int i = 0; i < 3; ++i) {
        frames_[i] = new QGroupBox(this);
        frames_[i]->setObjectName(QStringLiteral("Frame%1").arg(i));
        frames_[i]->setGeometry(frameGeometry[i]);
    }

    auto* backgrounds = exclusiveGroup(this);
    auto* pictureSets = exclusiveGroup(this);
    for (int i = 0; i < settings::kChoices; ++i) {
        optFon_[i] = new QRadioButton(frames_[0]);
        optFon_[i]->setObjectName(QStringLiteral("optFon%1").arg(i));
        optFon_[i]->setGeometry(twips(120, 480 + 360 * i, 375, 255));
        backgrounds->addButton(optFon_[i], i);
        connect(optFon_[i], &QRadioButton::clicked, &options_,
                [this, i] { options_.optFon_Click(i); });

        picChoose_[i] = new QLabel(frames_[0]);
        picChoose_[i]->setObjectName(QStringLiteral("picChoose%1").arg(i));
        picChoose_[i]->setGeometry(twips(360, 480 + 360 * i, 1090, 255));
        // Unscaled from the top-left corner; the box clips what does not fit.
        picChoose_[i]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        picChoose_[i]->setFrameShape(QFrame::NoFrame);
        if (!options_.picChoose(i).isEmpty()) { // only the part the box shows is kept
            const QPixmap whole =
                sharpPicture(options_.picChoose(i), devicePixelRatioF(), kBackgroundLimits);
            QPixmap part =
                whole.copy(QRect(QPoint(0, 0), picChoose_[i]->size() * whole.devicePixelRatio()));
            part.setDevicePixelRatio(whole.devicePixelRatio());
            picChoose_[i]->setPixmap(part);
        }

        optP_[i] = new QRadioButton(frames_[1]);
        optP_[i]->setObjectName(QStringLiteral("optP%1").arg(i));
        optP_[i]->setGeometry(twips(120, 480 + 360 * i, 1380, 255));
        pictureSets->addButton(optP_[i], i);
        connect(optP_[i], &QRadioButton::clicked, &options_, [this, i] { options_.optP_Click(i); });
    }

    chkS_ = new QCheckBox(frames_[2]);
    chkS_->setObjectName(QStringLiteral("chkS"));
    chkS_->setGeometry(twips(120, 360, 735, 375));
    connect(chkS_, &QCheckBox::clicked, &options_, &settings::Form2::chkS_Click);

    const std::array<QRect, 4> buttonGeometry = {
        twips(240, 2400, 1335, 375), twips(1920, 2400, 1335, 375), twips(3480, 2520, 975, 375),
        twips(3480, 2040, 975, 375)};
    for (int i = 0; i < 4; ++i) {
        cmdNAS_[i] = new QPushButton(this);
        cmdNAS_[i]->setObjectName(QStringLiteral("cmdNAS%1").arg(i));
        cmdNAS_[i]->setGeometry(buttonGeometry[i]);
        cmdNAS_[i]->setAutoDefault(false);
        connect(cmdNAS_[i], &QPushButton::clicked, &options_,
                [this, i] { options_.cmdNAS_Click(i); });
    }
    cmdNAS_[2]->setDefault(true);

    connect(&options_, &settings::Form2::dialogChanged, this, &Form2Window::refresh);
    connect(&options_, &settings::Form2::soundChanged, this, &Form2Window::refreshSound);
    connect(&options_, &settings::Form2::hideRequested, this, [this] {
        if (isVisible())
            done(QDialog::Accepted);
    });
    refresh();
    refreshSound();
}

// The keyboard starts on the chosen background; the arrow keys choose another.
void Form2Window::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    optFon_[std::max(0, options_.optFon())]->setFocus();
}

// Escape and the title bar cancel; Cancel hides the dialog itself.
void Form2Window::reject() {
    options_.cmdNAS_Click(3);
}

void Form2Window::refresh() {
    const settings::DialogCaptions& captions = options_.captions();
    setWindowTitle(captions.title);
    for (int i = 0; i < 3; ++i)
        frames_[i]->setTitle(captions.Frame[i]);
    chkS_->setText(captions.chkS);
    for (int i = 0; i < 4; ++i)
        cmdNAS_[i]->setText(captions.cmdNAS[i]);

    select(optFon_[0]->group(), optFon_, options_.optFon());
    select(optP_[0]->group(), optP_, options_.optP());
    const QString background = text(language::Text::BackgroundOption, options_.spokenLanguage());
    for (int i = 0; i < settings::kChoices; ++i) {
        showSetName(optP_[i], options_.pictureSetCaption(i));
        // The backgrounds are told apart by their pictures alone.
        optFon_[i]->setAccessibleName(background + QStringLiteral(" %1").arg(i + 1));
    }
}

void Form2Window::refreshSound() {
    chkS_->setTristate(options_.chkS() == 2);
    chkS_->setCheckState(options_.chkS() == 0   ? Qt::Unchecked
                         : options_.chkS() == 2 ? Qt::PartiallyChecked
                                                : Qt::Checked);
}

} // namespace quilora::ui
