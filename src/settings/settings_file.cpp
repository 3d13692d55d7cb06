// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_file.h"

#include "core/files.h"
#include "core/rounding.h"
#include "core/text_file.h"

#include <QLocale>

#include <charconv>
#include <cmath>

namespace quilora::settings {
namespace {

// Four short lines need a few dozen bytes; anything past this is not a settings file's.
constexpr qint64 kReadLimit = 64 * 1024;

std::optional<int> wholeNumber(const QString& text, int low, int high) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < low || value > high)
        return std::nullopt;
    return value;
}

std::optional<float> languageValue(const QString& text) {
    QString number = text.trimmed();
    number.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const float value = QLocale::c().toFloat(number, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    // A value that names neither language label (only a hand-edited file has one).
    const double rounded = core::roundHalfEven(static_cast<double>(value));
    if (rounded != 0 && rounded != 1)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<Lines> readSettingsFile(const QString& path) {
    const core::FileBytes file = core::readFile(path, kReadLimit);
    // A FIFO or a folder of that name is as good as none.
    if (file.status == core::ReadStatus::Missing || file.status == core::ReadStatus::NotAFile)
        return std::nullopt;
    Lines values; // one that cannot be read gives the defaults
    const QStringList lines = core::decodeLines(file.bytes);
    for (qsizetype i = 0; i < lines.size() && i < qsizetype(values.size()); ++i) {
        const qsizetype equals = lines[i].indexOf(QLatin1Char('='));
        values[i] = lines[i].mid(equals + 1);
    }
    return values;
}

Choices interpret(const Lines& values) {
    Choices choices;
    choices.background = wholeNumber(values[0], 0, 4).value_or(choices.background);
    choices.pictureSet = wholeNumber(values[1], 0, 4).value_or(choices.pictureSet);
    choices.sound = wholeNumber(values[2], 0, 2).value_or(choices.sound);
    choices.language = languageValue(values[3]).value_or(choices.language);
    return choices;
}

QString languageText(float language) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, language);
    return QString::fromLatin1(buffer, result.ptr - buffer);
}

QStringList settingsLines(const QString& background, const QString& pictureSet, int sound,
                          float language) {
    return {QStringLiteral("optFon=") + background, QStringLiteral("optP=") + pictureSet,
            QStringLiteral("chks.Value=") + QString::number(sound),
            QStringLiteral("Localisation=") + languageText(language)};
}

} // namespace quilora::settings
