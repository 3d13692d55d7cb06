#include "language/accessible_names.h"

#include "core/paths.h"
#include "core/text_file.h"

namespace quilora::language {

PictureNames readPictureNames(const QString& pictureFolder) {
    PictureNames names;
    const QString path = pictureFolder + QStringLiteral("names.txt");
    for (const QString& line : core::readLines(path).value_or(QStringList{}).mid(0, 24)) {
        names.russian.append(line.section(QLatin1Char('\t'), 0, 0).trimmed());
        names.english.append(line.section(QLatin1Char('\t'), 1, 1).trimmed());
    }
    return names;
}

QString cardName(const game::Form1& form, int slot, const PictureNames& names) {
    const bool english = core::isEnglish(form.program());
    const QString position =
        english ? QStringLiteral("row %1, card %2") : QStringLiteral("ряд %1, карточка %2");
    const QString where = position.arg(slot / game::kColumns + 1).arg(slot % game::kColumns + 1);
    if (form.FotoPicture[slot].isEmpty())
        return where + (english ? QStringLiteral(", face down") : QStringLiteral(", закрыта"));

    const int number = game::pictureNumber(form.CardFile[slot]);
    QString picture = (english ? names.english : names.russian).value(number);
    if (picture.isEmpty())
        picture = (english ? QStringLiteral("picture %1") : QStringLiteral("картинка %1"))
                      .arg(number + 1);
    if (form.CardMatched[slot] == -1)
        return where + (english ? QStringLiteral(", found: ") : QStringLiteral(", найдена: ")) +
               picture;
    return where + QStringLiteral(": ") + picture;
}

QString controlName(Control control, bool english) {
    struct Names {
        const char16_t* russian;
        const char16_t* english;
    };
    static constexpr Names names[] = {
        {u"Поле с карточками", u"Board of cards"},
        {u"Время", u"Time"},
        {u"Победа", u"Victory"},
        {u"Твоё имя", u"Your name"},
        {u"Мальчик", u"Boy"},
        {u"Девочка", u"Girl"},
        {u"Друг", u"Friend"},
        {u"Рекорды", u"Records"},
        {u"Помощь", u"Help"},
        {u"Русский язык", u"Russian language"},
        {u"Английский язык", u"English language"},
        {u"Сайт игры", u"The game's web site"},
        {u"Домашняя страница игры", u"The game's home page"},
        {u"Звук включён, нажмите, чтобы выключить", u"Sound on, press to switch it off"},
        {u"Звук выключен, нажмите, чтобы включить", u"Sound off, press to switch it on"},
        {u"Фон", u"Background"},
    };
    const Names& name = names[static_cast<int>(control)];
    return QString::fromUtf16(english ? name.english : name.russian);
}

QString iconName(int icon, bool english) {
    switch (icon) {
    case 4:
        return controlName(Control::Boy, english).toLower();
    case 5:
        return controlName(Control::Girl, english).toLower();
    case 7:
        return controlName(Control::Friend, english).toLower();
    default:
        return {};
    }
}

} // namespace quilora::language
