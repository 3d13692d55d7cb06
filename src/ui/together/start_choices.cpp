// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/together/start_choices.h"

#include "core/text_file.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

namespace quilora::ui {
namespace {

// A dozen short lines.
constexpr qint64 kReadLimit = 16 * 1024;
constexpr int kPictureSets = 5;

const QStringList kKinds = {QStringLiteral("person"), QStringLiteral("computer")};
const QStringList kMemories = {QStringLiteral("forgetful"), QStringLiteral("fair"),
                               QStringLiteral("perfect")};

int number(const QString& text, int least, int most, int otherwise) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value >= least && value <= most ? value : otherwise;
}

} // namespace

StartChoices readStartChoices(const QString& path, int defaultSet) {
    QHash<QString, QString> values;
    for (const QString& line : core::readLines(path, kReadLimit).value_or(QStringList{}))
        if (const qsizetype equals = line.indexOf(QLatin1Char('=')); equals > 0)
            values.insert(line.left(equals).trimmed(), line.mid(equals + 1));
    StartChoices choices;
    choices.players = number(values.value(QStringLiteral("players")), 2, together::kMaxPlayers, 2);
    choices.pictureSet =
        number(values.value(QStringLiteral("pictureSet")), 0, kPictureSets - 1, defaultSet);
    for (int i = 0; i < together::kMaxPlayers; ++i) {
        together::Player& seat = choices.seats[i];
        const QString n = QString::number(i + 1);
        seat.name = values.value(QStringLiteral("name") + n)
                        .trimmed()
                        .left(StartChoices::kNameLength)
                        .trimmed();
        seat.computer = values.value(QStringLiteral("kind") + n) == kKinds[1];
        const qsizetype memory = kMemories.indexOf(values.value(QStringLiteral("memory") + n));
        seat.memory = memory < 0 ? together::Memory::Fair : together::Memory(memory);
    }
    return choices;
}

bool writeStartChoices(const QString& path, const StartChoices& choices) {
    QStringList lines = {QStringLiteral("players=%1").arg(choices.players),
                         QStringLiteral("pictureSet=%1").arg(choices.pictureSet)};
    for (int i = 0; i < together::kMaxPlayers; ++i) {
        const together::Player& seat = choices.seats[i];
        const QString n = QString::number(i + 1);
        lines << QStringLiteral("name") + n + QLatin1Char('=') + seat.name
              << QStringLiteral("kind") + n + QLatin1Char('=') + kKinds[seat.computer]
              << QStringLiteral("memory") + n + QLatin1Char('=') + kMemories[int(seat.memory)];
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    return core::writeLines(path, lines);
}

} // namespace quilora::ui
