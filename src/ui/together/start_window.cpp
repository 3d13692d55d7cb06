// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/together/start_window.h"

#include "ui/together/solo_look.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace quilora::ui {
namespace {

using language::Text;
constexpr int kPictureSets = 5;

} // namespace

StartWindow::StartWindow(const StartChoices& choices, const SoloLook& look, QWidget* parent)
    : QDialog(parent), look_(look) {
    setWindowTitle(look.text(Text::TogetherTitle));
    auto* intro = new QLabel(look.text(Text::TogetherIntro), this);
    intro->setWordWrap(true);

    auto* grid = new QGridLayout;
    count_ = new QSpinBox(this);
    count_->setObjectName(QStringLiteral("playerCount"));
    count_->setRange(2, together::kMaxPlayers);
    count_->setValue(choices.players);
    auto* countLabel = new QLabel(look.text(Text::TogetherPlayerCount), this);
    countLabel->setBuddy(count_);
    grid->addWidget(countLabel, 0, 0);
    grid->addWidget(count_, 0, 1, Qt::AlignLeft);
    for (int i = 0; i < together::kMaxPlayers; ++i) {
        const together::Player& seat = choices.seats[i];
        const QString row = look.text(Text::TogetherPlayer).arg(i + 1);
        labels_[i] = new QLabel(row, this);
        names_[i] = new QLineEdit(seat.name, this);
        names_[i]->setObjectName(QStringLiteral("name%1").arg(i + 1));
        names_[i]->setMaxLength(StartChoices::kNameLength);
        names_[i]->setPlaceholderText(row);
        names_[i]->setAccessibleName(look.text(Text::TogetherNameBox).arg(i + 1));
        labels_[i]->setBuddy(names_[i]);
        kinds_[i] = new QComboBox(this);
        kinds_[i]->setObjectName(QStringLiteral("kind%1").arg(i + 1));
        kinds_[i]->addItems({look.text(Text::TogetherPerson), look.text(Text::TogetherComputer)});
        kinds_[i]->setCurrentIndex(seat.computer ? 1 : 0);
        // A choice box is named by its choice on this desktop, and described by what it chooses.
        kinds_[i]->setAccessibleDescription(look.text(Text::TogetherKindBox).arg(i + 1));
        memories_[i] = new QComboBox(this);
        memories_[i]->setObjectName(QStringLiteral("memory%1").arg(i + 1));
        memories_[i]->addItems({look.text(Text::TogetherForgetful), look.text(Text::TogetherFair),
                                look.text(Text::TogetherPerfect)});
        memories_[i]->setCurrentIndex(int(seat.memory));
        memories_[i]->setAccessibleDescription(look.text(Text::TogetherMemoryBox).arg(i + 1));
        // A memory is a computer's: hidden for a person, its place kept.
        QSizePolicy keepPlace = memories_[i]->sizePolicy();
        keepPlace.setRetainSizeWhenHidden(true);
        memories_[i]->setSizePolicy(keepPlace);
        connect(kinds_[i], &QComboBox::currentIndexChanged, this, &StartWindow::enableRows);
        grid->addWidget(labels_[i], i + 1, 0);
        grid->addWidget(names_[i], i + 1, 1);
        grid->addWidget(kinds_[i], i + 1, 2);
        grid->addWidget(memories_[i], i + 1, 3);
    }
    pictureSet_ = new QComboBox(this);
    pictureSet_->setObjectName(QStringLiteral("pictureSet"));
    for (int set = 0; set < kPictureSets; ++set)
        pictureSet_->addItem(look.text(Text::TogetherSetEntry)
                                 .arg(QString::number(set + 1), look.pictureSetName(set)));
    pictureSet_->setCurrentIndex(choices.pictureSet);
    auto* setLabel = new QLabel(look.text(Text::TogetherPictures), this);
    setLabel->setBuddy(pictureSet_);
    grid->addWidget(setLabel, together::kMaxPlayers + 1, 0);
    grid->addWidget(pictureSet_, together::kMaxPlayers + 1, 1, 1, 3);
    grid->setColumnStretch(1, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* play =
        buttons->addButton(look.text(Text::TogetherPlay), QDialogButtonBox::AcceptRole);
    play->setObjectName(QStringLiteral("play"));
    play->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(look.text(Text::CancelButton), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(count_, &QSpinBox::valueChanged, this, &StartWindow::enableRows);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(grid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    enableRows();
    names_[0]->setFocus(Qt::OtherFocusReason);
}

// Rows beyond the number of players stay in view, greyed, with what was typed in them.
void StartWindow::enableRows() {
    for (int i = 0; i < together::kMaxPlayers; ++i) {
        const bool plays = i < count_->value();
        for (QWidget* widget : {static_cast<QWidget*>(labels_[i]), static_cast<QWidget*>(names_[i]),
                                static_cast<QWidget*>(kinds_[i])})
            widget->setEnabled(plays);
        const bool computer = kinds_[i]->currentIndex() == 1;
        memories_[i]->setEnabled(plays && computer);
        memories_[i]->setVisible(computer);
    }
}

StartChoices StartWindow::choices() const {
    StartChoices choices;
    choices.players = count_->value();
    choices.pictureSet = pictureSet_->currentIndex();
    for (int i = 0; i < together::kMaxPlayers; ++i)
        choices.seats[i] = {names_[i]->text().trimmed(), kinds_[i]->currentIndex() == 1,
                            together::Memory(memories_[i]->currentIndex())};
    return choices;
}

QList<together::Player> StartWindow::players() const {
    const StartChoices chosen = choices();
    QList<together::Player> players(chosen.seats.begin(), chosen.seats.begin() + chosen.players);
    for (int i = 0; i < players.size(); ++i)
        if (players[i].name.isEmpty())
            players[i].name = look_.text(Text::TogetherPlayer).arg(i + 1);
    return players;
}

} // namespace quilora::ui
