// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/form2.h"

#include "core/paths.h"
#include "core/text_file.h"
#include "settings/settings_file.h"

#include <QDir>

#include <algorithm>

namespace quilora::settings {
namespace {

using language::Language;
using language::Text;

constexpr std::array<const char*, 6> kSounds = {
    "\\sounds\\No.wav",      "\\sounds\\click1.wav",   "\\sounds\\click2.wav",
    "\\sounds\\victory.wav", "\\sounds\\victory1.wav", "\\sounds\\victory10.wav"};

struct Background {
    core::Rgb card;
    const char* picture; // nullptr: the plain grey window
};
constexpr std::array<Background, kChoices> kBackgrounds = {{
    {{200, 200, 200}, nullptr},
    {{225, 205, 190}, "\\back\\back1.jpg"},
    {{255, 197, 85}, "\\back\\back2.jpg"},
    {{134, 138, 163}, "\\back\\back3.jpg"},
    {{239, 96, 162}, "\\back\\back4.jpg"},
}};

} // namespace

Form2::Form2(ProgramSettings& program, game::Form1& form, language::Captions& captions,
             platform::Services services)
    : program_(program), form1_(form), language_(captions), services_(services),
      lblSND_(text(Text::SoundLabel, Language::English)) {
    applyCaptions(captions.column().value_or(Language::English));
    connect(&language_, &language::Captions::columnApplied, this, &Form2::applyCaptions);
    // The set names and the spoken names follow the language value itself.
    connect(&language_, &language::Captions::changed, this, &Form2::dialogChanged);
    const QString folder = form1_.folders().programFolder;
    ChooseIni();
    for (int i = 0; i < kChoices; ++i) {
        const QString thumbnail =
            core::programPath(folder, QStringLiteral("\\back\\back%1.jpg").arg(i));
        if (core::fileExists(thumbnail))
            picChoose_[i] = thumbnail;
    }
    readSetNames();
}

void Form2::readSetNames() {
    for (int i = 0; i < kChoices; ++i)
        pictureSetNames_[i] = core::readSetNames(core::pictureSetFolder(
            form1_.folders().programFolder, form1_.folders().userSetsFolder, i));
}

void Form2::aboutToShow() {
    readSetNames();
    emit dialogChanged();
}

QString Form2::settingsPath() const {
    return core::programPath(form1_.folders().dataFolder, QStringLiteral("\\Quilora.ini"));
}

void Form2::applyCaptions(Language column) {
    captions_.title = text(Text::DialogTitle, column);
    captions_.Frame = {text(Text::BackgroundFrame, column), text(Text::PicturesFrame, column),
                       text(Text::SoundFrame, column)};
    captions_.chkS = text(Text::SoundBox, column);
    captions_.cmdNAS = {text(Text::BackgroundApply, column), text(Text::PicturesApply, column),
                        text(Text::OkButton, column), text(Text::CancelButton, column)};
    emit dialogChanged();
}

void Form2::ChooseIni() {
    std::optional<Lines> values;
    if (program_.unsavedSettings_) {
        values.emplace();
        std::copy(program_.unsavedSettings_->begin(), program_.unsavedSettings_->end(),
                  values->begin());
    } else {
        values = readSettingsFile(settingsPath());
    }

    Choices choices;
    if (values) {
        for (std::size_t i = 2; i < values->size(); ++i)
            program_.SettingValue_[i] = (*values)[i];
        choices = interpret(*values);
    }
    // The background and the picture set are read from their lines later on, so they hold the
    // values in use, never an unusable one.
    program_.SettingValue_[0] = QString::number(choices.background);
    program_.SettingValue_[1] = QString::number(choices.pictureSet);
    optFon_ = choices.background;
    optP_ = choices.pictureSet;
    chkS_ = choices.sound;

    SetSound();
    lblSND_ =
        text(Text::SoundLabel, choices.language == 1.0f ? Language::English : Language::Russian);
    emit soundChanged();
    language_.SetLanguage(choices.language);
    emit dialogChanged();
}

void Form2::SetSound() {
    if (chkS_ == 0) {
        for (std::size_t i = 1; i < program_.SoundFile_.size(); ++i)
            program_.SoundFile_[i] = program_.SoundFile_[0];
        lblSND_ = text(Text::SoundOnCaption, Language::English);
    } else {
        QStringList paths;
        for (std::size_t i = 0; i < kSounds.size(); ++i) {
            program_.SoundFile_[i] =
                core::programPath(form1_.folders().programFolder, QLatin1String(kSounds[i]));
            paths.append(program_.SoundFile_[i]);
        }
        services_.sound.preload(paths);
        lblSND_ = text(Text::SoundOffCaption, Language::English);
    }
    emit soundChanged();
}

void Form2::SetColor() {
    bool ok = false;
    const int choice = program_.SettingValue_[0].trimmed().toInt(&ok);
    if (ok && choice >= 0 && choice < kChoices) {
        const Background& background = kBackgrounds[choice];
        appearance_.cardColour = background.card;
        if (!background.picture) {
            appearance_.windowPicture.clear();
            appearance_.windowColour = core::Rgb{180, 180, 180};
        } else {
            // A missing picture leaves the window's colour showing.
            const QString picture = core::programPath(form1_.folders().programFolder,
                                                      QLatin1String(background.picture));
            appearance_.windowPicture = core::fileExists(picture) ? picture : QString();
        }
    }
    appearance_.panelColour = appearance_.cardColour;
    emit appearanceChanged();
}

void Form2::setChkS(int value) {
    chkS_ = value;
    emit soundChanged();
}

void Form2::chkS_Click() {
    chkS_ = chkS_ == 0 ? 1 : 0;
    SetSound();
}

QString Form2::pictureSetCaption(int index) const {
    if (index < 0 || index >= kChoices)
        return {};
    return pictureSetNames_[index].in(language_.program().english());
}

void Form2::optFon_Click(int Index) {
    if (Index >= 0 && Index < kChoices)
        optFon_ = Index;
    emit dialogChanged();
}

void Form2::optP_Click(int Index) {
    if (Index >= 0 && Index < kChoices)
        optP_ = Index;
    emit dialogChanged();
}

void Form2::writeSettings() {
    const float localisation = language_.program().Localisation();
    const QStringList lines =
        settingsLines(program_.SettingValue_[0], program_.SettingValue_[1], chkS_, localisation);
    QString error;
    if (core::writeLines(settingsPath(), lines, &error)) {
        program_.unsavedSettings_.reset();
        return;
    }
    program_.unsavedSettings_ = {program_.SettingValue_[0], program_.SettingValue_[1],
                                 QString::number(chkS_), languageText(localisation)};
    services_.messages.information(
        language_.program()
            .text(Text::SettingsNotSaved)
            .arg(QDir::toNativeSeparators(settingsPath()), language_.program().fileReason(error)));
}

// Deals a new board when the chosen picture set is not the one on the board.
void Form2::changeMainWindow() {
    const QString chosen = core::pictureSetFolder(form1_.folders().programFolder,
                                                  form1_.folders().userSetsFolder, optP_);
    if (chosen != form1_.PictureFolder())
        form1_.requestReload();
    else
        form1_.cmdTOP_Click(0);
}

void Form2::cmdNAS_Click(int Index) {
    switch (Index) {
    case 0: // background Apply
        program_.SettingValue_[0] = QString::number(optFon_);
        SetColor();
        break;
    case 1: // pictures Apply
        program_.SettingValue_[1] = QString::number(optP_);
        writeSettings();
        form1_.requestReload();
        form1_.resetElapsedSeconds();
        emit hideRequested();
        break;
    case 2: // OK
        program_.SettingValue_[0] = QString::number(optFon_);
        SetColor();
        program_.SettingValue_[1] = QString::number(optP_);
        writeSettings();
        emit hideRequested();
        changeMainWindow();
        form1_.resetElapsedSeconds();
        break;
    case 3: // Cancel
        emit hideRequested();
        form1_.restoreSavedSeconds();
        break;
    default:
        break;
    }
}

} // namespace quilora::settings
