// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/form1.h"

#include "core/version.h"
#include "language/links.h"

#include <QLocale>

#include <algorithm>

namespace quilora::game {

Form1::Form1(ProgramGame& program, const core::Folders& folders, platform::Services services,
             language::Captions& captions)
    : program_(program), folders_(folders), services_(services), captions_(captions),
      lblTime_(language::text(language::Text::ClockAtStart, language::Language::English)) {}

Form1::~Form1() = default;

void Form1::attach(OptionsDialog& options, RecordKeeper& records) {
    options_ = &options;
    records_ = &records;
}

void Form1::Form_Load() {
    Q_ASSERT(options_ && records_);
    caption_ = core::applicationCaption();
    PrevSlot = 23;
    switchTimer1On();
    // The slots themselves are laid out by the window on the fixed grid of slotGeometry().
    services_.random.seedFromClock();
    options_->ChooseIni();
    options_->SetColor();
    ChangePicSet();
}

// The window is going: no tick may reach it any more, and its parts go with it.
void Form1::Form_Unload() {
    setTimers(false, false);
    options_ = nullptr;
    records_ = nullptr;
}

void Form1::show(int slot, const QString& picture) {
    if (FotoPicture_[slot] == picture)
        return;
    FotoPicture_[slot] = picture;
    emit cardChanged(slot);
}

void Form1::Foto_Click(int Index) {
    if (Index < 0 || Index >= kSlotCount)
        return;
    // Only a card that is face up can be half of a pair. The first click of a game, and the
    // click after an open card of a 24-picture set was turned down again, just open a card.
    const bool previousOpen = !FotoPicture_[PrevSlot].isEmpty();
    services_.sound.play(options_->SoundFile(1));
    show(Index, CardFile_[Index]);
    const bool pairFound =
        CardMatched_[PrevSlot] != -1 && previousOpen && compareWithPrevious(Index);
    PrevSlot = static_cast<std::int16_t>(Index);
    pairChecks(pairFound);
}

bool Form1::compareWithPrevious(int Index) {
    bool pair = false;
    if (EnglishSet_ == 0) {
        if (CardFile_[Index] == CardFile_[PrevSlot]) {
            if (Index == PrevSlot)
                return false;
            pair = true;
        }
    } else {
        const int p = pictureNumber(CardFile_[PrevSlot]);
        const int n = pictureNumber(CardFile_[Index]);
        PrevPictureNumber = QString::number(p);
        PictureNumber = QString::number(n);
        if (n < 12 && n + 12 != p) {
            pair = false;
        } else if (n <= 11 || n - 12 == p) {
            if (Index == PrevSlot)
                return false;
            pair = true;
        }
    }
    if (!pair) {
        show(PrevSlot, QString());
        return false;
    }
    CardMatched_[PrevSlot] = -1;
    CardMatched_[Index] = -1;
    services_.sound.play(options_->SoundFile(2));
    ++PairsFound_;
    return true;
}

void Form1::pairChecks(bool pairFound) {
    if (PairsFound_ == 12) {
        // Once per won game: a later click on the finished board must not replay the victory
        // or throw away the icon the player has chosen.
        if (pairFound)
            endOfGame();
    } else if (PairsFound_ == 10 && !Timer2_.ticking()) {
        // The tenths start from the part of the current second already gone, so the clock is
        // right to a tenth from its first tick on.
        const qint64 intoSecond = services_.clock.milliseconds() - secondStartedAt_;
        program_.ElapsedTenths =
            Timer1_.ticking()
                ? static_cast<std::int16_t>(std::clamp<qint64>(intoSecond / 100, 0, 9))
                : 0;
        Timer2_ = {true, 100};
        emit clockChanged();
    }
}

void Form1::endOfGame() {
    // A game won before the clock's first tick still has a time to rank and store.
    if (lblTime_ == language::text(language::Text::ClockAtStart, language::Language::English))
        lblTime_ = QString::number(program_.ElapsedSeconds);
    setTimers(false, false);
    records_->gameWon(lblTime_);
}

void Form1::setTimers(bool timer1, bool timer2) {
    Timer1_.Enabled = timer1;
    Timer2_.Enabled = timer2;
    emit clockChanged();
}

void Form1::switchTimer1On() {
    if (!Timer1_.ticking())
        secondStartedAt_ = services_.clock.milliseconds();
    Timer1_ = {true, 1000};
    emit clockChanged();
}

void Form1::Timer1_Timer() {
    secondStartedAt_ = services_.clock.milliseconds();
    program_.ElapsedSeconds = saturatingIncrement(program_.ElapsedSeconds);
    if (PairsFound_ <= 9) {
        lblTime_ = QString::number(program_.ElapsedSeconds);
        emit clockChanged();
    } else {
        program_.ElapsedTenths = -1;
    }
}

void Form1::Timer2_Timer() {
    program_.ElapsedTenths = saturatingIncrement(program_.ElapsedTenths);
    lblTime_ = clockText(program_.ElapsedSeconds + program_.ElapsedTenths / 10.0,
                         services_.localeInfo.locale());
    emit clockChanged();
}

void Form1::cmdTOP_Click(int Index) {
    switch (Index) {
    case 0: // Clear: a new game on the same deal
        for (int slot = 0; slot < kSlotCount; ++slot)
            show(slot, QString());
        for (LoopCounter = 0; LoopCounter < kSlotCount; ++LoopCounter)
            CardMatched_[LoopCounter] = 0;
        PairsFound_ = 0;
        program_.ElapsedSeconds = 0;
        Timer2_.Enabled = false;
        // A game started after a win would otherwise run without its seconds clock.
        switchTimer1On();
        break;
    case 1:
        program_.SavedSeconds = program_.ElapsedSeconds;
        options_->aboutToShow();
        emit optionsRequested();
        break;
    case 2:
        records_->showOrHideHelp();
        break;
    case 3:
        records_->showOrHideRecords();
        break;
    default:
        break;
    }
}

void Form1::cmdEND_Click(int Index) {
    switch (Index) {
    case 0: // a new game
        records_->hideVictoryPanel();
        cmdTOP_Click(0);
        program_.ElapsedSeconds = 0;
        switchTimer1On();
        break;
    case 1:
        emit endProgram();
        return;
    case 2: // store the record
        if (!records_->recordCanBeStored())
            return;
        PairsFound_ = 0;
        program_.ElapsedSeconds = 0;
        Timer2_.Enabled = false;
        switchTimer1On();
        records_->storeRecord();
        break;
    default:
        return;
    }
    renewReloadRequest(); // a set chosen while the victory panel was up is dealt now
}

void Form1::optKartinka_Click(int Index) {
    records_->optKartinka_Click(Index);
}

void Form1::txtRec_Change(const QString& text) {
    records_->txtRec_Change(text);
}

void Form1::lvRecord_ColumnClick(int column) {
    records_->lvRecord_ColumnClick(column);
}

void Form1::lblLOC_Click(int Index) {
    if (Index == 0 || Index == 1)
        captions_.SetLanguage(static_cast<float>(Index));
}

void Form1::lblOrvane_Click(int Index) {
    language::lblOrvane_Click(Index, captions_.program().Localisation(), folders_.dataFolder,
                              services_.links);
}

void Form1::lblSND_Click() {
    options_->setChkS(options_->chkS() == 0 ? 1 : 0);
    options_->SetSound();
}

void Form1::resetElapsedSeconds() {
    program_.ElapsedSeconds = 0;
}

void Form1::restoreSavedSeconds() {
    program_.ElapsedSeconds = program_.SavedSeconds;
}

void Form1::requestReload() {
    reloadPending_ = true;
    emit reloadRequested();
}

void Form1::renewReloadRequest() {
    if (reloadPending_)
        emit reloadRequested();
}

void Form1::ChangePicSet() {
    const int selected = options_->selectedPictureSet();
    pictureSet_ = selected;
    if (selected >= 0)
        program_.PictureFolder =
            core::pictureSetFolder(folders_.programFolder, folders_.userSetsFolder, selected);
    if (core::fileExists(program_.PictureFolder + QStringLiteral("13.gif"))) {
        EnglishSet_ = -1;
        ChangePicSetEnglish();
        return;
    }
    deal(12, 2);
}

void Form1::ChangePicSetEnglish() {
    deal(24, 1);
}

// Rejection sampling: each attempt draws a picture, then a slot, and is thrown away whole when
// the slot is taken or the picture used up. It relies on the fresh state of a new window.
void Form1::deal(int pictureCount, std::int16_t copiesPerPicture) {
    LoopCounter = 0;
    while (PlacedCount < kSlotCount) {
        DrawnPicture = static_cast<std::int16_t>(drawBelow(pictureCount));
        DrawnSlot = static_cast<std::int16_t>(drawBelow(kSlotCount));
        if (CardFile_[DrawnSlot].isEmpty() && PictureUseCount[DrawnPicture] < copiesPerPicture) {
            CardFile_[DrawnSlot] =
                program_.PictureFolder + QString::number(DrawnPicture) + QStringLiteral(".gif");
            ++PictureUseCount[DrawnPicture];
            ++PlacedCount;
        }
        LoopCounter = LoopCounter == 100 ? 0 : static_cast<std::int16_t>(LoopCounter + 1);
    }
}

int Form1::drawBelow(int limit) {
    const auto drawn = static_cast<int>(static_cast<double>(services_.random.next()) * limit);
    return std::clamp(drawn, 0, limit - 1);
}

QString clockText(double seconds, const QLocale& locale) {
    QString text = QString::number(seconds, 'g', 15);
    text.replace(QLatin1Char('.'), locale.decimalPoint());
    return text;
}

} // namespace quilora::game
