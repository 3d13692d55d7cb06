#include "game/form1.h"

#include "core/paths.h"
#include "core/version.h"
#include "game/stand_ins.h"

#include <algorithm>

namespace quilora::game {

Form1::Form1(core::ProgramState& program, platform::Services services, Form1Extensions extensions)
    : program_(program), services_(services), extensions_(std::move(extensions)) {
    if (!extensions_.optionsDialog)
        extensions_.optionsDialog = [](Form1& form) {
            return std::make_unique<StandInOptionsDialog>(form);
        };
    if (!extensions_.resultCheck)
        extensions_.resultCheck = [](Form1& form) {
            return std::make_unique<StandInResultCheck>(form);
        };
}

Form1::~Form1() = default;

void Form1::Form_Load() {
    caption = core::applicationCaption();
    PrevSlot = 23;
    Timer1 = {true, 1000};
    // The slots themselves are laid out by the window on the fixed grid of slotGeometry().
    services_.random.seedFromClock();
    options_ = extensions_.optionsDialog(*this);
    options_->ChooseIni();
    options_->SetColor();
    ChangePicSet();
    emit changed();
}

void Form1::Form_Unload() {
    options_.reset();
}

void Form1::Foto_Click(int Index) {
    if (Index < 0 || Index >= kSlotCount)
        return;
    // Only a card that is face up can be half of a pair. The first click of a game, and the
    // click after an open card of a 24-picture set was turned down again, just open a card.
    const bool previousOpen = !FotoPicture[PrevSlot].isEmpty();
    services_.sound.play(program_.SoundFile[1]);
    FotoPicture[Index] = CardFile[Index];
    if (CardMatched[PrevSlot] != -1 && previousOpen)
        compareWithPrevious(Index);
    PrevSlot = static_cast<std::int16_t>(Index);
    pairChecks();
    emit changed();
}

void Form1::compareWithPrevious(int Index) {
    bool pair = false;
    if (EnglishSet == 0) {
        if (CardFile[Index] == CardFile[PrevSlot]) {
            if (Index == PrevSlot)
                return;
            pair = true;
        }
    } else {
        const int p = pictureNumber(CardFile[PrevSlot]);
        const int n = pictureNumber(CardFile[Index]);
        PrevPictureNumber = QString::number(p);
        PictureNumber = QString::number(n);
        if (n < 12 && n + 12 != p) {
            pair = false;
        } else if (n <= 11 || n - 12 == p) {
            if (Index == PrevSlot)
                return;
            pair = true;
        }
    }
    if (!pair) {
        FotoPicture[PrevSlot].clear();
        return;
    }
    CardMatched[PrevSlot] = -1;
    CardMatched[Index] = -1;
    services_.sound.play(program_.SoundFile[2]);
    ++PairsFound;
}

void Form1::pairChecks() {
    if (PairsFound == 12) {
        endOfGame();
    } else if (PairsFound == 10) {
        Timer2.Enabled = true;
        Timer2.Interval = 100;
    }
}

void Form1::endOfGame() {
    Frame2.lblEnd[1] = lblTime;
    Timer1.Enabled = false;
    Timer2.Enabled = false;
    if (!resultCheck_)
        resultCheck_ = extensions_.resultCheck(*this);
    resultCheck_->ProverkaRekorda();
    Frame2.optKartinkaColour = cardColour;
    Frame2.optKartinkaSelected = {false, false, false};
    Frame2.visible = true;
}

void Form1::Timer1_Timer() {
    program_.ElapsedSeconds = core::saturatingIncrement(program_.ElapsedSeconds);
    if (PairsFound <= 9)
        lblTime = QString::number(program_.ElapsedSeconds);
    else
        program_.ElapsedTenths = -1;
    emit changed();
}

void Form1::Timer2_Timer() {
    program_.ElapsedTenths = core::saturatingIncrement(program_.ElapsedTenths);
    lblTime = clockText(program_.ElapsedSeconds + program_.ElapsedTenths / 10.0,
                        services_.localeInfo.locale());
    emit changed();
}

void Form1::cmdTOP_Click(int Index) {
    if (Index != 0)
        return;
    // Clear: a new game on the same deal.
    for (QString& picture : FotoPicture)
        picture.clear();
    for (LoopCounter = 0; LoopCounter < kSlotCount; ++LoopCounter)
        CardMatched[LoopCounter] = 0;
    PairsFound = 0;
    program_.ElapsedSeconds = 0;
    Timer2.Enabled = false;
    // A game started after a win would otherwise run without its seconds clock.
    Timer1 = {true, 1000};
    emit changed();
}

void Form1::cmdEND_Click(int Index) {
    switch (Index) {
    case 0: // a new game
        Frame2.visible = false;
        cmdTOP_Click(0);
        program_.ElapsedSeconds = 0;
        Timer1.Enabled = true;
        emit changed();
        break;
    case 1:
        emit endProgram();
        break;
    default:
        break;
    }
}

void Form1::ChangePicSet() {
    const int selected = options_ ? options_->selectedPictureSet() : -1;
    if (selected >= 0)
        program_.PictureFolder =
            core::programPath(program_.programFolder, QStringLiteral("\\img%1\\").arg(selected));
    if (core::fileExists(program_.PictureFolder + QStringLiteral("13.gif"))) {
        EnglishSet = -1;
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
        if (CardFile[DrawnSlot].isEmpty() && PictureUseCount[DrawnPicture] < copiesPerPicture) {
            CardFile[DrawnSlot] =
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

QString clockText(double seconds, QLocale locale) {
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(seconds, 'g', 15);
}

} // namespace quilora::game
