// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/together/match_board.h"

#include "ui/widgets/card_grid.h"
#include "ui/widgets/card_slot.h"
#include "ui/widgets/look.h"

namespace quilora::ui {

MatchBoard::MatchBoard(together::Match& match, const settings::Appearance& look,
                       language::Language language, QWidget* parent)
    : QWidget(parent), match_(match), colour_(toColor(look.cardColour)), language_(language) {
    slots_ = layOutCards(this);
    for (int i = 0; i < game::kSlotCount; ++i) {
        slots_[i]->spokenName = [this, i] {
            const together::CardState state = match_.card(i);
            std::optional<int> shown;
            if (state != together::CardState::FaceDown) {
                readSet();
                shown = game::pictureNumber(match_.picture(i));
            }
            return language::cardName(i, shown, state == together::CardState::Found, names_,
                                      language_);
        };
        connect(slots_[i], &CardSlot::clicked, &match_, &together::Match::cardClicked);
        connect(slots_[i], &CardSlot::moveFocus, this, &MatchBoard::moveCardFocus);
        showCard(i);
    }
    setAccessibleName(language::text(language::Text::Board, language_));
    connect(&match_, &together::Match::cardChanged, this, &MatchBoard::showCard);
}

QString MatchBoard::pictureName(int slot) {
    readSet();
    return language::pictureName(game::pictureNumber(match_.picture(slot)), names_, language_);
}

void MatchBoard::showCard(int slot) {
    slots_[slot]->showFace(colour_, picture(match_.picture(slot)));
}

// The match deals from its folder when it starts: the files are read once a card shows them.
void MatchBoard::readSet() {
    if (folder_ == match_.pictureFolder())
        return;
    folder_ = match_.pictureFolder();
    files_.clear();
    pictures_.clear();
    for (int n = 0; n < game::kSlotCount; ++n) {
        const QString path = folder_ + QStringLiteral("%1.gif").arg(n);
        files_.insert(path, readPictureFiles(path, devicePixelRatioF() > 1, kCardLimits));
    }
    names_ = language::readPictureNames(folder_);
}

// Each picture is decoded once, from its double-size file on a scaled screen.
QPixmap MatchBoard::picture(const QString& path) {
    if (path.isEmpty())
        return {};
    readSet();
    return pictures_.get(path, files_, devicePixelRatioF());
}

void MatchBoard::moveCardFocus(int from, int columns, int rows) {
    keyboardCard_ = moveKeyboardCard(slots_, keyboardCard_, from, columns, rows);
}

} // namespace quilora::ui
