// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/paths.h"
#include "game/board.h"
#include "language/captions.h"
#include "platform/platform.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>

namespace quilora::game {

// The game's program-wide values, the clock counts and the picture folder, outlive every main
// window: a reload of the window keeps them. Only Form1 changes them.
struct ProgramGame {
    std::int16_t ElapsedSeconds = 0; // whole seconds of the running game
    std::int16_t ElapsedTenths = 0;  // tenths counter used from the tenth pair on
    std::int16_t SavedSeconds = 0;   // ElapsedSeconds as it was when the options dialog opened
    QString PictureFolder;           // folder of the current picture set, ending in a separator
};

// What the main window asks of the options dialog, which holds the live choices of picture set
// and sound and the routines that put the settings into effect.
class OptionsDialog {
public:
    virtual ~OptionsDialog() = default;
    // Reads the settings and puts them into effect: sound, language, the dialog's options.
    virtual void ChooseIni() = 0;
    // Gives the main window the colours and picture of the chosen background.
    virtual void SetColor() = 0;
    // Index of the selected picture-set option, or -1 when none is selected.
    virtual int selectedPictureSet() const = 0;
    // The sound switch: 0 off, 1 on, 2 greyed (counts as on).
    virtual int chkS() const = 0;
    virtual void setChkS(int value) = 0;
    // Puts the sound switch into effect.
    virtual void SetSound() = 0;
    // The sound played for an event: 1 a card click, 2 a pair found (empty: silence).
    virtual QString SoundFile(int index) const = 0;
    // The dialog is about to be shown: it reads again what may have changed since it was made,
    // the set names (the picture-set maker may have made or removed a set meanwhile).
    virtual void aboutToShow() = 0;
};

// What the main window asks of the records: the victory panel, the records list and the help.
class RecordKeeper {
public:
    virtual ~RecordKeeper() = default;
    // The twelfth pair: shows the victory panel with the won time, ranked against the table.
    virtual void gameWon(const QString& time) = 0;
    virtual bool victoryPanelShown() const = 0;
    virtual void hideVictoryPanel() = 0;
    // Whether "To records" can store this game's record.
    virtual bool recordCanBeStored() const = 0;
    // "To records": the name from the box, the panel closed, the record written.
    virtual void storeRecord() = 0;
    virtual void optKartinka_Click(int Index) = 0;
    virtual void txtRec_Change(const QString& text) = 0;
    virtual void showOrHideRecords() = 0;
    virtual void showOrHideHelp() = 0;
    virtual void lvRecord_ColumnClick(int column) = 0;
};

// The main window's logic: the board, the deal, the rule of play and the clock, and every
// handler of the window, which hands the records, the options and the captions to their own
// parts. Widgets read the board and the clock through the accessors and are told what changed.
class Form1 : public QObject {
    Q_OBJECT

public:
    Form1(ProgramGame& program, const core::Folders& folders, platform::Services services,
          language::Captions& captions);
    ~Form1() override;

    // The parts the window's other controls belong to; set once, before Form_Load.
    void attach(OptionsDialog& options, RecordKeeper& records);

    void Form_Load();
    void Form_Unload();

    void Foto_Click(int Index);
    void Timer1_Timer();
    void Timer2_Timer();
    void cmdTOP_Click(int Index);
    void cmdEND_Click(int Index);
    void optKartinka_Click(int Index);
    void txtRec_Change(const QString& text);
    void lvRecord_ColumnClick(int column);
    void lblLOC_Click(int Index);
    void lblOrvane_Click(int Index);
    void lblSND_Click();

    void ChangePicSet();
    void ChangePicSetEnglish();

    // The options dialog's changes to the clock: back to 0, or back to where it was when the
    // dialog opened.
    void resetElapsedSeconds();
    void restoreSavedSeconds();

    // A new deal: asks for this window to be replaced by a freshly loaded one, which happens
    // when the program's rule lets it (ui/game/program.cpp), perhaps only at a later ask.
    void requestReload();
    // Asks again for a new deal that was held back, if there is one: what held it has ended.
    void renewReloadRequest();
    bool reloadPending() const { return reloadPending_; }

    // The board.
    const QString& CardFile(int slot) const { return CardFile_[slot]; }
    bool CardMatched(int slot) const { return CardMatched_[slot] == -1; }
    // The picture a card shows: empty while it lies face down.
    const QString& FotoPicture(int slot) const { return FotoPicture_[slot]; }
    int PairsFound() const { return PairsFound_; }
    bool EnglishSet() const { return EnglishSet_ == -1; }
    // The picture set the board was dealt from; -1 when none was chosen.
    int pictureSet() const { return pictureSet_; }
    const QString& PictureFolder() const { return program_.PictureFolder; }

    // The clock.
    const QString& lblTime() const { return lblTime_; }
    int ElapsedSeconds() const { return program_.ElapsedSeconds; }
    const Timer& Timer1() const { return Timer1_; }
    const Timer& Timer2() const { return Timer2_; }

    const QString& caption() const { return caption_; }
    const core::Folders& folders() const { return folders_; }

signals:
    // Change notices, for the widgets that show what changed.
    // A card turned up or down.
    void cardChanged(int slot);
    // The clock label or the timers changed.
    void clockChanged();

signals:
    // Requests: the window or the program acts on them.
    // The victory panel's "End": the program ends at once, without unloading.
    void endProgram();
    // The Options button: show the options dialog modally.
    void optionsRequested();
    // A new deal, asked for or asked again: replace this window when the rule lets it.
    void reloadRequested();

private:
    void show(int slot, const QString& picture);
    bool compareWithPrevious(int Index);
    void pairChecks(bool pairFound);
    void endOfGame();
    void switchTimer1On();
    void setTimers(bool timer1, bool timer2);
    void deal(int pictureCount, std::int16_t copiesPerPicture);
    int drawBelow(int limit);

    ProgramGame& program_;
    core::Folders folders_;
    platform::Services services_;
    language::Captions& captions_;
    OptionsDialog* options_ = nullptr;
    RecordKeeper* records_ = nullptr;

    // Fresh, zero or empty, in every instance; the deal relies on it.
    std::array<QString, kSlotCount> CardFile_;
    std::array<std::int16_t, kSlotCount> CardMatched_{};
    std::array<std::int16_t, kSlotCount> PictureUseCount{};
    std::int16_t PlacedCount = 0;
    std::int16_t DrawnSlot = 0;
    std::int16_t DrawnPicture = 0;
    std::int16_t EnglishSet_ = 0;
    std::int16_t PairsFound_ = 0;
    std::int16_t PrevSlot = 0;
    QString PrevPictureNumber;
    QString PictureNumber;
    std::int16_t LoopCounter = 0;
    int pictureSet_ = -1;

    QString caption_;
    std::array<QString, kSlotCount> FotoPicture_;
    QString lblTime_;
    Timer Timer1_;
    Timer Timer2_;
    bool reloadPending_ = false;
    qint64 secondStartedAt_ = 0; // when Timer1 last ticked or was switched on
};

// Text of the clock in tenths: shortest form, at most 15 significant digits, no digit grouping,
// ASCII digits with the locale's decimal separator (41.3, 41,3, 41٫3 or 42), as the records file
// stores it, so that the digits a player sees never change within a game.
QString clockText(double seconds, const QLocale& locale);

} // namespace quilora::game
