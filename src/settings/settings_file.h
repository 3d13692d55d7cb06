// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace quilora::settings {

// Quilora.ini holds four lines, each a key, "=" and a number: background, picture set, sound
// switch and language. Values are taken by line position; the keys are not looked at.

using Lines = std::array<QString, 6>;

// Everything after the first "=" of each of the first six lines (the whole line when it has
// no "="), or nothing when there is no such regular file. Only the head of a huge file is read.
std::optional<Lines> readSettingsFile(const QString& path);

// The values of a settings line read as what they mean; unusable values are replaced by the
// defaults of a game without a settings file: background 0, picture set 0, sound on, English.
struct Choices {
    int background = 0;
    int pictureSet = 0;
    int sound = 1; // 0 off, 1 on, 2 greyed (on)
    float language = 1;
};
Choices interpret(const Lines& values);

// The four lines the game writes.
QStringList settingsLines(const QString& background, const QString& pictureSet, int sound,
                          float language);

// A language value in its shortest decimal form ("0", "1", "0.7").
QString languageText(float language);

} // namespace quilora::settings
