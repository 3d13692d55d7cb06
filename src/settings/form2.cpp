#include "settings/form2.h"

#include "core/paths.h"
#include "core/text_file.h"
#include "language/set_language.h"
#include "settings/settings_file.h"

#include <QDir>

#include <algorithm>

namespace quilora::settings {
namespace {

constexpr std::array<const char*, 6> kSounds = {
    "\\sounds\\No.wav",      "\\sounds\\click1.wav",   "\\sounds\\click2.wav",
    "\\sounds\\victory.wav", "\\sounds\\victory1.wav", "\\sounds\\victory10.wav"};

struct Background {
    game::Rgb card;
    const char* picture; // nullptr: the plain grey window
};
constexpr std::array<Background, kChoices> kBackgrounds = {{
    {{200, 200, 200}, nullptr},
    {{225, 205, 190}, "\\back\\back1.jpg"},
    {{255, 197, 85}, "\\back\\back2.jpg"},
    {{134, 138, 163}, "\\back\\back3.jpg"},
    {{239, 96, 162}, "\\back\\back4.jpg"},
}};

// Two names take a few dozen bytes.
constexpr qint64 kSetNameReadLimit = 64 * 1024;

} // namespace

Form2::Form2(game::Form1& form) : form_(form) {
    const QString folder = form_.program().programFolder;
    ChooseIni();
    for (int i = 0; i < kChoices; ++i) {
        const QString thumbnail =
            core::programPath(folder, QStringLiteral("\\back\\back%1.jpg").arg(i));
        if (core::fileExists(thumbnail))
            picChoose[i] = thumbnail;
        const QString names = core::pictureSetFolder(folder, form_.program().userSetsFolder, i) +
                              QStringLiteral("setname.txt");
        pictureSetNames[i] =
            core::readLines(names, kSetNameReadLimit).value_or(QStringList{}).mid(0, 2);
    }
}

QString Form2::settingsPath() const {
    return core::programPath(form_.program().dataFolder, QStringLiteral("\\Quilora.ini"));
}

void Form2::ChooseIni() {
    core::ProgramState& program = form_.program();
    std::optional<Slots> values;
    if (program.unsavedSettings) {
        values.emplace();
        std::copy(program.unsavedSettings->begin(), program.unsavedSettings->end(),
                  values->begin());
    } else {
        values = readSettingsFile(settingsPath());
    }

    Choices choices;
    if (values) {
        for (std::size_t i = 2; i < values->size(); ++i)
            program.SettingValue[i] = (*values)[i];
        choices = interpret(*values);
    }
    // The background and the picture set are read from their slots later on, so they hold the
    // values in use, never an unusable one.
    program.SettingValue[0] = QString::number(choices.background);
    program.SettingValue[1] = QString::number(choices.pictureSet);
    optFon = choices.background;
    optP = choices.pictureSet;
    chkSValue = choices.sound;
    program.Localisation = choices.language;

    SetSound();
    form_.lblSND = core::isEnglish(program) ? QStringLiteral("Sound") : QStringLiteral("Звук");
    language::SetLanguage(form_, program.Localisation, &dialogCaptions);
    emit changed();
}

void Form2::SetSound() {
    core::ProgramState& program = form_.program();
    if (chkSValue == 0) {
        for (std::size_t i = 1; i < program.SoundFile.size(); ++i)
            program.SoundFile[i] = program.SoundFile[0];
        form_.lblSND = QStringLiteral("Snd on");
    } else {
        QStringList paths;
        for (std::size_t i = 0; i < kSounds.size(); ++i) {
            program.SoundFile[i] =
                core::programPath(program.programFolder, QLatin1String(kSounds[i]));
            paths.append(program.SoundFile[i]);
        }
        form_.services().sound.preload(paths);
        form_.lblSND = QStringLiteral("Snd off");
    }
}

void Form2::SetColor() {
    const core::ProgramState& program = form_.program();
    bool ok = false;
    const int choice = program.SettingValue[0].trimmed().toInt(&ok);
    if (ok && choice >= 0 && choice < kChoices) {
        const Background& background = kBackgrounds[choice];
        form_.cardColour = background.card;
        if (!background.picture) {
            form_.windowPicture.clear();
            form_.windowColour = game::Rgb{180, 180, 180};
        } else {
            // A missing picture leaves the window's colour showing.
            const QString picture =
                core::programPath(program.programFolder, QLatin1String(background.picture));
            form_.windowPicture = core::fileExists(picture) ? picture : QString();
        }
    }
    form_.panelColour = form_.cardColour;
}

void Form2::setChkS(int value) {
    chkSValue = value;
    emit changed();
}

QString Form2::pictureSetCaption(int index) const {
    if (index < 0 || index >= kChoices)
        return {};
    const QStringList& names = pictureSetNames[index];
    if (english() && names.size() > 1 && !names[1].isEmpty())
        return names[1];
    return names.value(0);
}

void Form2::optFon_Click(int Index) {
    if (Index >= 0 && Index < kChoices)
        optFon = Index;
    emit changed();
}

void Form2::optP_Click(int Index) {
    if (Index >= 0 && Index < kChoices)
        optP = Index;
    emit changed();
}

void Form2::chkS_Click() {
    SetSound();
    emit form_.changed();
}

void Form2::writeSettings() {
    core::ProgramState& program = form_.program();
    const QStringList lines = settingsLines(program.SettingValue[0], program.SettingValue[1],
                                            chkSValue, program.Localisation);
    QString error;
    if (core::writeLines(settingsPath(), lines, &error)) {
        program.unsavedSettings.reset();
        return;
    }
    program.unsavedSettings = {program.SettingValue[0], program.SettingValue[1],
                               QString::number(chkSValue), languageText(program.Localisation)};
    const QString path = QDir::toNativeSeparators(settingsPath());
    form_.services().messages.information(
        core::isEnglish(program)
            ? QStringLiteral("The settings could not be saved: %1 cannot be written (%2). "
                             "They stay in effect until the game is closed.")
                  .arg(path, error)
            : QStringLiteral("Настройки не сохранены: файл %1 нельзя записать (%2). Они "
                             "действуют, пока игра не закрыта.")
                  .arg(path, error));
}

// Deals a new board when the chosen picture set is not the one on the board.
void Form2::changeMainWindow() {
    const QString chosen =
        core::pictureSetFolder(form_.program().programFolder, form_.program().userSetsFolder, optP);
    if (chosen != form_.program().PictureFolder)
        form_.requestReload();
    else
        form_.cmdTOP_Click(0);
}

void Form2::cmdNAS_Click(int Index) {
    core::ProgramState& program = form_.program();
    switch (Index) {
    case 0: // background Apply
        program.SettingValue[0] = QString::number(optFon);
        SetColor();
        break;
    case 1: // pictures Apply
        program.SettingValue[1] = QString::number(optP);
        writeSettings();
        form_.requestReload();
        program.ElapsedSeconds = 0;
        emit hideRequested();
        break;
    case 2: // OK
        program.SettingValue[0] = QString::number(optFon);
        SetColor();
        program.SettingValue[1] = QString::number(optP);
        writeSettings();
        emit hideRequested();
        changeMainWindow();
        program.ElapsedSeconds = 0;
        break;
    case 3: // Cancel
        emit hideRequested();
        program.ElapsedSeconds = program.SavedSeconds;
        break;
    default:
        return;
    }
    emit form_.changed(); // the dialog's window follows the main window's changes
}

} // namespace quilora::settings
