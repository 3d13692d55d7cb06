#pragma once

#include "core/program_state.h"
#include "game/board.h"
#include "platform/platform.h"

#include <QObject>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace quilora::game {

class Form1;

// The options dialog as the main window uses it. The dialog owns the settings routines and
// its controls hold the live choices; it lives as long as the main window that created it.
class OptionsDialog {
public:
    virtual ~OptionsDialog() = default;
    // Reads the settings and puts them into effect.
    virtual void ChooseIni() = 0;
    // Gives the main window the colours and picture of the chosen background.
    virtual void SetColor() = 0;
    // Index of the selected picture-set option, or -1 when none is selected.
    virtual int selectedPictureSet() const = 0;
};

// Ranks a finished game against the records and fills the victory panel's texts and flags.
class ResultCheck {
public:
    virtual ~ResultCheck() = default;
    virtual void ProverkaRekorda() = 0;
};

using OptionsDialogFactory = std::function<std::unique_ptr<OptionsDialog>(Form1&)>;
using ResultCheckFactory = std::function<std::unique_ptr<ResultCheck>(Form1&)>;

// The parts of the main window that other subsystems provide.
struct Form1Extensions {
    OptionsDialogFactory optionsDialog;
    ResultCheckFactory resultCheck;
};

// The victory panel shown over the board when a game is won.
struct VictoryPanel {
    bool visible = false;
    std::array<QString, 4> lblEnd = {
        QStringLiteral("ПОБЕДА!  VICTORY!"), QString(), QStringLiteral("секунд(у/ы)"),
        QStringLiteral("Ты:       мальчик,       девочка,       друг?")};
    std::array<bool, 3> optKartinkaSelected{};
    std::array<bool, 3> optKartinkaEnabled = {true, true, true};
    std::optional<Rgb> optKartinkaColour;
    QString txtRec;
    bool txtRecEnabled = true;
    std::array<QString, 3> cmdEND = {QStringLiteral("Ещё"), QStringLiteral("Конец"),
                                     QStringLiteral("To records")};
    std::array<bool, 3> cmdENDEnabled = {true, true, true};
};

// The main window's logic: the board, the deal, the rule of play, the clock and the panels.
// Widgets render this state and forward their events to the handlers; every handler ends by
// emitting changed().
class Form1 : public QObject {
    Q_OBJECT

public:
    Form1(core::ProgramState& program, platform::Services services,
          Form1Extensions extensions = {});
    ~Form1() override;

    core::ProgramState& program() { return program_; }
    platform::Services& services() { return services_; }
    OptionsDialog* optionsDialog() { return options_.get(); }

    void Form_Load();
    void Form_Unload();

    void Foto_Click(int Index);
    void Timer1_Timer();
    void Timer2_Timer();
    void cmdTOP_Click(int Index);
    void cmdEND_Click(int Index);

    void ChangePicSet();
    void ChangePicSetEnglish();

    // Main-window game state: fresh, zero or empty, in every instance.
    std::array<QString, kSlotCount> CardFile;
    std::array<std::int16_t, kSlotCount> CardMatched{};
    std::array<std::int16_t, kSlotCount> PictureUseCount{};
    std::int16_t PlacedCount = 0;
    std::int16_t DrawnSlot = 0;
    std::int16_t DrawnPicture = 0;
    std::int16_t EnglishSet = 0;
    std::int16_t PairsFound = 0;
    std::int16_t PrevSlot = 0;
    QString PrevPictureNumber;
    QString PictureNumber;
    std::int16_t LoopCounter = 0;
    std::int16_t IconChoice = 0;

    // What the window shows.
    QString caption;
    std::array<QString, kSlotCount> FotoPicture; // picture file shown; empty while face down
    Rgb cardColour{200, 200, 200};
    std::optional<Rgb> windowColour; // unset: the desktop's own window colour
    QString windowPicture;           // background picture behind the board, if any
    std::optional<Rgb> panelColour;  // side buttons, victory panel and bottom frames
    QString lblTime = QStringLiteral("Time");
    std::array<QString, 4> cmdTOP = {QStringLiteral("Clear"), QStringLiteral("Options"),
                                     QStringLiteral("Help"), QStringLiteral("Records")};
    VictoryPanel Frame2;
    Timer Timer1;
    Timer Timer2;

signals:
    void changed();
    // The victory panel's "End": the program ends at once, without unloading.
    void endProgram();

private:
    void compareWithPrevious(int Index);
    void pairChecks();
    void endOfGame();
    void deal(int pictureCount, std::int16_t copiesPerPicture);
    int drawBelow(int limit);

    core::ProgramState& program_;
    platform::Services services_;
    Form1Extensions extensions_;
    std::unique_ptr<OptionsDialog> options_;
    std::unique_ptr<ResultCheck> resultCheck_;
};

// Text of the clock in tenths: shortest form, at most 15 significant digits, the locale's
// decimal separator and no digit grouping (41.3, 41,3 or 42).
QString clockText(double seconds, QLocale locale);

} // namespace quilora::game
