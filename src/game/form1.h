#pragma once

#include "core/program_state.h"
#include "game/board.h"
#include "platform/platform.h"

#include <QDate>
#include <QList>
#include <QObject>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace quilora::game {

class Form1;

// The options dialog's captions that change with the language.
struct DialogCaptions {
    QString title = QStringLiteral("Options");
    std::array<QString, 3> Frame = {QStringLiteral("Background"), QStringLiteral("Pictures"),
                                    QStringLiteral("Sound")};
    QString chkS = QStringLiteral("Yes");
    std::array<QString, 4> cmdNAS = {QStringLiteral("Apply"), QStringLiteral("Apply"),
                                     QStringLiteral("OK"), QStringLiteral("Cancel")};
};

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
    // The sound switch: 0 off, 1 on, 2 greyed (counts as on).
    virtual int chkS() const { return 1; }
    virtual void setChkS(int) {}
    // Puts the sound switch into effect.
    virtual void SetSound() {}
    // The name shown for picture set `index` in the current language.
    virtual QString pictureSetCaption(int) const { return {}; }
    virtual DialogCaptions* captions() { return nullptr; }
};

// The records and the help text as the main window uses them.
class RecordBook {
public:
    virtual ~RecordBook() = default;
    // Ranks the finished game and fills the victory panel's texts and flags.
    virtual void ProverkaRekorda() = 0;
    // Stores the finished game's record.
    virtual void ZapisRecord() = 0;
    virtual void showOrHideRecords() = 0;
    virtual void showOrHideHelp() = 0;
    // Re-sorts the records list by a column, 0 "Gamer" to 4 "Date".
    virtual void sortRecords(int column) = 0;
};

using OptionsDialogFactory = std::function<std::unique_ptr<OptionsDialog>(Form1&)>;
using RecordBookFactory = std::function<std::unique_ptr<RecordBook>(Form1&)>;

// The parts of the main window that other subsystems provide. A missing part does nothing.
struct Form1Extensions {
    OptionsDialogFactory optionsDialog;
    RecordBookFactory recordBook;
    std::function<void(Form1&, float)> setLanguage;
    std::function<void(Form1&, int)> openLink;
};

// The victory panel shown over the board when a game is won.
struct VictoryPanel {
    static constexpr int kNameLength = 40;

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
    bool recordIsDefault = false; // "To records" is the default button, in bold
};

// One row of the records list.
struct RecordRow {
    QString name;
    int icon = 0; // 1 to 8; any other value shows no icon
    int place = 0;
    QString time; // padded on the left as listed
    QString set;
    QString date;
    double seconds = 0;
    QDate day; // invalid when the date cannot be read
    friend bool operator==(const RecordRow&, const RecordRow&) = default;
};

struct RecordsList {
    bool visible = false;
    QList<RecordRow> rows; // in the order shown
    int sortColumn = 2;    // 0 "Gamer", 1 "№", 2 "Time", 3 "Set", 4 "Date"
};

struct HelpBox {
    bool visible = false;
    QString text;
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
    const core::ProgramState& program() const { return program_; }
    platform::Services& services() { return services_; }
    OptionsDialog* optionsDialog() { return options_.get(); }

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

    // Asks for this window to be replaced by a freshly loaded one once the current event,
    // and any dialog it opened, has finished. A won game's victory panel holds it back until
    // the player leaves the panel, so that its record is not lost.
    void requestReload();
    bool reloadDue() const { return reloadPending && !Frame2.visible; }

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
    int pictureSet = -1; // the set the board was dealt from; -1 when no set was chosen

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
    RecordsList lvRecord;
    HelpBox txtHELP;
    QString lblSND = QStringLiteral("Sound");
    std::array<std::optional<Rgb>, 2> lblLOCColour; // unset: the default text colour
    Timer Timer1;
    Timer Timer2;
    bool reloadPending = false;

signals:
    void changed();
    // A clock tick: only the clock label may have changed.
    void clockChanged();
    // The victory panel's "End": the program ends at once, without unloading.
    void endProgram();
    // The Options button: show the options dialog modally.
    void optionsRequested();
    void reloadRequested();

private:
    bool compareWithPrevious(int Index);
    void pairChecks(bool pairFound);
    void endOfGame();
    void switchTimer1On();
    void deal(int pictureCount, std::int16_t copiesPerPicture);
    int drawBelow(int limit);
    RecordBook* recordBook();

    core::ProgramState& program_;
    platform::Services services_;
    Form1Extensions extensions_;
    std::unique_ptr<OptionsDialog> options_;
    std::unique_ptr<RecordBook> recordBook_;
    qint64 secondStartedAt_ = 0; // when Timer1 last ticked or was switched on
};

// Text of the clock in tenths: shortest form, at most 15 significant digits, the locale's
// decimal separator and no digit grouping (41.3, 41,3 or 42).
QString clockText(double seconds, QLocale locale);

} // namespace quilora::game
