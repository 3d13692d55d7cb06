// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/accessible_names.h"

#include "core/text_file.h"

namespace quilora::language {

PictureNames readPictureNames(const QString& pictureFolder) {
    PictureNames names;
    // 24 names take a few kilobytes.
    constexpr qint64 kReadLimit = 64 * 1024;
    const QString path = pictureFolder + QStringLiteral("names.txt");
    for (const QString& line :
         core::readLines(path, kReadLimit).value_or(QStringList{}).mid(0, 24)) {
        names.russian.append(line.section(QLatin1Char('\t'), 0, 0).trimmed());
        names.english.append(line.section(QLatin1Char('\t'), 1, 1).trimmed());
    }
    return names;
}

QString cardName(int slot, std::optional<int> picture, bool found, const PictureNames& names,
                 Language language) {
    constexpr int columns = 6;
    const QString where =
        text(Text::CardPosition, language).arg(slot / columns + 1).arg(slot % columns + 1);
    if (!picture)
        return where + text(Text::CardFaceDown, language);
    return where + text(found ? Text::CardFound : Text::CardFaceUp, language) +
           pictureName(*picture, names, language);
}

QString pictureName(int picture, const PictureNames& names, Language language) {
    const QString name =
        (language == Language::English ? names.english : names.russian).value(picture);
    return name.isEmpty() ? text(Text::UnnamedPicture, language).arg(picture + 1) : name;
}

QString iconName(int icon, Language language) {
    switch (icon) {
    case 4:
        return text(Text::Boy, language).toLower();
    case 5:
        return text(Text::Girl, language).toLower();
    case 7:
        return text(Text::Friend, language).toLower();
    default:
        return {};
    }
}

} // namespace quilora::language
