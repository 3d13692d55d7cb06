// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/rgb.h"
#include "core/set_names.h"
#include "game/form1.h"
#include "language/captions.h"

#include <QObject>
#include <QStringList>

#include <array>
#include <optional>

namespace quilora::settings {

inline constexpr int kChoices = 5;

// The settings values for the whole run: a reload of the main window keeps them. Only the
// options dialog changes them.
class ProgramSettings {
public:
    // What each line of the settings file held: 0 background, 1 picture set, 2 sound switch,
    // 3 language, 4 and 5 unused.
    const QString& SettingValue(int line) const { return SettingValue_[line]; }
    // The sound played for each event: 1 card click, 2 pair found, 3 to 5 the victories.
    const QString& SoundFile(int index) const { return SoundFile_[index]; }

private:
    friend class Form2;
    std::array<QString, 6> SettingValue_;
    std::array<QString, 6> SoundFile_;
    // The four values of a write that failed. They stay in effect for the rest of the run, so
    // a reload does not fall back to an older file.
    std::optional<std::array<QString, 4>> unsavedSettings_;
};

// What the chosen background gives the main window.
struct Appearance {
    core::Rgb cardColour{200, 200, 200};
    std::optional<core::Rgb> windowColour; // unset: the desktop's own window colour
    QString windowPicture;                 // behind the board, if any
    std::optional<core::Rgb> panelColour;  // side buttons, victory panel and bottom frames
    friend bool operator==(const Appearance&, const Appearance&) = default;
};

// The options dialog's captions that change with the language.
struct DialogCaptions {
    QString title;
    std::array<QString, 3> Frame;
    QString chkS;
    std::array<QString, 4> cmdNAS;
};

// The options dialog's logic: its controls hold the live choices of background, picture set
// and sound; its routines read and write the settings file and put the choices into effect on
// the main window. It lives as long as the main window it belongs to.
class Form2 final : public QObject, public game::OptionsDialog {
    Q_OBJECT

public:
    Form2(ProgramSettings& program, game::Form1& form, language::Captions& captions,
          platform::Services services);

    void ChooseIni() override;
    void SetColor() override;
    void SetSound() override;
    int selectedPictureSet() const override { return optP_; }
    int chkS() const override { return chkS_; }
    void setChkS(int value) override;
    QString SoundFile(int index) const override { return program_.SoundFile(index); }
    void aboutToShow() override;

    void cmdNAS_Click(int Index);
    // The sound box clicked: it turns the sound off when on, on when off.
    void chkS_Click();
    void optFon_Click(int Index);
    void optP_Click(int Index);

    int optFon() const { return optFon_; }
    int optP() const { return optP_; }
    // The thumbnail file of background `index`; empty for none.
    const QString& picChoose(int index) const { return picChoose_[index]; }
    // The name shown for picture set `index` in the current language.
    QString pictureSetCaption(int index) const;
    const DialogCaptions& captions() const { return captions_; }
    const Appearance& appearance() const { return appearance_; }
    const QString& lblSND() const { return lblSND_; }
    // The language of the dialog's spoken names.
    language::Language spokenLanguage() const { return language_.program().spoken(); }

signals:
    // Change notices, for the widgets that show what changed.
    // The selected options, the sound box or the captions changed.
    void dialogChanged();
    void appearanceChanged();
    // The sound switch or the sound label's caption changed.
    void soundChanged();

signals:
    // A request, which the dialog's window acts on: OK, Cancel and the pictures Apply close it.
    void hideRequested();

private:
    QString settingsPath() const;
    void writeSettings();
    void changeMainWindow();
    void applyCaptions(language::Language column);
    void readSetNames();

    ProgramSettings& program_;
    game::Form1& form1_;
    language::Captions& language_;
    platform::Services services_;
    int optFon_ = 0;
    int optP_ = 0;
    int chkS_ = 0;
    std::array<QString, kChoices> picChoose_;
    std::array<core::SetNames, kChoices> pictureSetNames_;
    DialogCaptions captions_;
    Appearance appearance_;
    QString lblSND_;
};

} // namespace quilora::settings
