#include "game/form1.h"

#include "core/paths.h"
#include "core/version.h"

#include <algorithm>

namespace quilora::game {

Form1::Form1(core::ProgramState& program, platform::Services services, Form1Extensions extensions)
    : program_(program), services_(services), extensions_(std::move(extensions)) {}

Form1::~Form1() = default;

void Form1::Form_Load() {
    caption = core::applicationCaption();
    PrevSlot = 23;
    switchTimer1On();
    // The slots themselves are laid out by the window on the fixed grid of slotGeometry().
    services_.random.seedFromClock();
    if (extensions_.optionsDialog)
        options_ = extensions_.optionsDialog(*this);
    if (options_) {
        options_->ChooseIni();
        options_->SetColor();
    }
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
    const bool pairFound =
        CardMatched[PrevSlot] != -1 && previousOpen && compareWithPrevious(Index);
    PrevSlot = static_cast<std::int16_t>(Index);
    pairChecks(pairFound);
    emit changed();
}

bool Form1::compareWithPrevious(int Index) {
    bool pair = false;
    if (EnglishSet == 0) {
        if (CardFile[Index] == CardFile[PrevSlot]) {
            if (Index == PrevSlot)
                return false;
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
                return false;
            pair = true;
        }
    }
    if (!pair) {
        FotoPicture[PrevSlot].clear();
        return false;
    }
    CardMatched[PrevSlot] = -1;
    CardMatched[Index] = -1;
    services_.sound.play(program_.SoundFile[2]);
    ++PairsFound;
    return true;
}

void Form1::pairChecks(bool pairFound) {
    if (PairsFound == 12) {
        // Once per won game: a later click on the finished board must not replay the victory
        // or throw away the icon the player has chosen.
        if (pairFound)
            endOfGame();
    } else if (PairsFound == 10) {
        if (!Timer2.ticking()) {
            // The tenths start from the part of the current second already gone, so the clock
            // is right to a tenth from its first tick on.
            const qint64 intoSecond = services_.clock.milliseconds() - secondStartedAt_;
            program_.ElapsedTenths =
                Timer1.ticking()
                    ? static_cast<std::int16_t>(std::clamp<qint64>(intoSecond / 100, 0, 9))
                    : 0;
        }
        Timer2.Enabled = true;
        Timer2.Interval = 100;
    }
}

void Form1::endOfGame() {
    // A game won before the clock's first tick still has a time to rank and store.
    if (lblTime == u"Time")
        lblTime = QString::number(program_.ElapsedSeconds);
    Frame2.lblEnd[1] = lblTime;
    Timer1.Enabled = false;
    Timer2.Enabled = false;
    if (RecordBook* book = recordBook())
        book->ProverkaRekorda();
    Frame2.optKartinkaColour = cardColour;
    Frame2.optKartinkaSelected = {false, false, false};
    Frame2.visible = true;
}

void Form1::switchTimer1On() {
    if (!Timer1.ticking())
        secondStartedAt_ = services_.clock.milliseconds();
    Timer1 = {true, 1000};
}

void Form1::Timer1_Timer() {
    secondStartedAt_ = services_.clock.milliseconds();
    program_.ElapsedSeconds = core::saturatingIncrement(program_.ElapsedSeconds);
    if (PairsFound <= 9)
        lblTime = QString::number(program_.ElapsedSeconds);
    else
        program_.ElapsedTenths = -1;
    emit clockChanged();
}

void Form1::Timer2_Timer() {
    program_.ElapsedTenths = core::saturatingIncrement(program_.ElapsedTenths);
    lblTime = clockText(program_.ElapsedSeconds + program_.ElapsedTenths / 10.0,
                        services_.localeInfo.locale());
    emit clockChanged();
}

void Form1::cmdTOP_Click(int Index) {
    switch (Index) {
    case 0: // Clear: a new game on the same deal
        for (QString& picture : FotoPicture)
            picture.clear();
        for (LoopCounter = 0; LoopCounter < kSlotCount; ++LoopCounter)
            CardMatched[LoopCounter] = 0;
        PairsFound = 0;
        program_.ElapsedSeconds = 0;
        Timer2.Enabled = false;
        // A game started after a win would otherwise run without its seconds clock.
        switchTimer1On();
        break;
    case 1:
        program_.SavedSeconds = program_.ElapsedSeconds;
        emit optionsRequested();
        break;
    case 2:
        if (RecordBook* book = recordBook())
            book->showOrHideHelp();
        break;
    case 3:
        if (RecordBook* book = recordBook())
            book->showOrHideRecords();
        break;
    default:
        return;
    }
    emit changed();
}

void Form1::cmdEND_Click(int Index) {
    switch (Index) {
    case 0: // a new game
        Frame2.visible = false;
        cmdTOP_Click(0);
        program_.ElapsedSeconds = 0;
        switchTimer1On();
        break;
    case 1:
        emit endProgram();
        return;
    case 2: { // store the record
        if (!Frame2.cmdENDEnabled[2])
            return;
        Frame2.txtRec.replace(QLatin1Char('~'), QLatin1Char('-'));
        program_.PlayerName = Frame2.txtRec;
        Frame2.txtRec.clear();
        Frame2.visible = false;
        PairsFound = 0;
        program_.ElapsedSeconds = 0;
        Timer2.Enabled = false;
        switchTimer1On();
        Frame2.recordIsDefault = false;
        if (RecordBook* book = recordBook())
            book->ZapisRecord();
        break;
    }
    default:
        return;
    }
    emit changed();
}

void Form1::optKartinka_Click(int Index) {
    static constexpr std::array<std::int16_t, 3> icons = {4, 5, 7};
    if (Index < 0 || Index > 2)
        return;
    IconChoice = icons[Index];
    Frame2.optKartinkaSelected = {Index == 0, Index == 1, Index == 2};
    emit changed();
}

void Form1::txtRec_Change(const QString& text) {
    // One line of at most 40 characters: a line break would split the record in the file.
    QString name = text;
    name.replace(QLatin1Char('\r'), QLatin1Char(' '));
    name.replace(QLatin1Char('\n'), QLatin1Char(' '));
    qsizetype length = VictoryPanel::kNameLength;
    if (name.size() > length && name[length - 1].isHighSurrogate())
        --length; // half a character would be stored as a replacement sign
    Frame2.txtRec = name.left(length);
    Frame2.recordIsDefault = true;
    emit changed();
}

void Form1::lvRecord_ColumnClick(int column) {
    if (column < 1 || column > 5)
        return;
    if (RecordBook* book = recordBook())
        book->sortRecords(column - 1);
    emit changed();
}

void Form1::lblLOC_Click(int Index) {
    if ((Index != 0 && Index != 1) || !extensions_.setLanguage)
        return;
    extensions_.setLanguage(*this, static_cast<float>(Index));
    emit changed();
}

void Form1::lblOrvane_Click(int Index) {
    if (extensions_.openLink)
        extensions_.openLink(*this, Index);
}

void Form1::lblSND_Click() {
    if (!options_)
        return;
    options_->setChkS(options_->chkS() == 0 ? 1 : 0);
    options_->SetSound();
    emit changed();
}

void Form1::requestReload() {
    reloadPending = true;
    emit reloadRequested();
}

RecordBook* Form1::recordBook() {
    if (!recordBook_ && extensions_.recordBook)
        recordBook_ = extensions_.recordBook(*this);
    return recordBook_.get();
}

void Form1::ChangePicSet() {
    const int selected = options_ ? options_->selectedPictureSet() : -1;
    if (selected >= 0)
        program_.PictureFolder =
            core::pictureSetFolder(program_.programFolder, program_.userSetsFolder, selected);
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
