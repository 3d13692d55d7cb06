#include "mypictures/texts.h"

#include <array>

namespace quilora::mypictures {
namespace {

struct Entry {
    Text id;
    const char16_t* english;
    const char16_t* russian;
};

// Kept in the order of the enum, which the lookup relies on; checked below.
constexpr std::array kTexts = {
    Entry{Text::WindowTitle, u"Quilora: my pictures", u"Quilora: мои картинки"},
    Entry{Text::Intro,
          u"Make a picture set from your own photos. Choose 12 photos, frame each one, give "
          u"the set a name and pick its place; the game's Options then offer it.",
          u"Сделайте набор картинок из своих фотографий. Выберите 12 фото, подберите кадр для "
          u"каждого, дайте набору название и выберите его место; затем он появится в "
          u"«Настройках» игры."},
    Entry{Text::KindTwice, u"Each photo twice", u"Каждое фото дважды"},
    Entry{Text::KindWithNames, u"Each photo with its name", u"Фото и карточка с именем"},
    Entry{Text::ChoosePhotos, u"Choose photos…", u"Выбрать фото…"},
    Entry{Text::PhotoDialogTitle, u"Choose 12 photos", u"Выберите 12 фотографий"},
    Entry{Text::PictureFilter, u"Pictures (%1)", u"Изображения (%1)"},
    Entry{Text::PhotoCount, u"%1 of 12 photos", u"Фото: %1 из 12"},
    Entry{Text::EmptyCard, u"Card %1: no photo yet", u"Карточка %1: фото нет"},
    Entry{Text::CardNumber, u"Card %1", u"Карточка %1"},
    Entry{Text::CropHint, u"Drag the frame over the photo; the wheel or the slider zooms.",
          u"Перетаскивайте рамку по фото; колесо мыши или ползунок меняют масштаб."},
    Entry{Text::Zoom, u"Zoom", u"Масштаб"},
    Entry{Text::RemovePhoto, u"Remove photo", u"Убрать фото"},
    Entry{Text::CardNameLabel, u"Name on its card:", u"Имя на карточке:"},
    Entry{Text::CardNamePlaceholder, u"e.g. Grandma", u"например, Бабушка"},
    Entry{Text::SetNameLabel, u"Name of the set:", u"Название набора:"},
    Entry{Text::SetNamePlaceholder, u"e.g. Our family", u"например, Наша семья"},
    Entry{Text::SlotLabel, u"Place in the game:", u"Место в игре:"},
    Entry{Text::SlotShipped, u"%1: %2", u"%1: %2"},
    Entry{Text::SlotPlayers, u"%1: %2 (yours)", u"%1: %2 (ваш)"},
    Entry{Text::SlotEmpty, u"(no name)", u"(без названия)"},
    Entry{Text::MakeSet, u"Make the set", u"Создать набор"},
    Entry{Text::Restore, u"Restore the shipped set", u"Вернуть исходный набор"},
    Entry{Text::Close, u"Close", u"Закрыть"},
    Entry{Text::Busy, u"Making the set…", u"Набор создаётся…"},
    Entry{Text::PhotoSpokenName, u"photo %1", u"фото %1"},
    Entry{Text::TooFewPhotos, u"A set needs 12 photos; %1 chosen so far.",
          u"Для набора нужно 12 фотографий; выбрано: %1."},
    Entry{Text::TooManyPhotos, u"A set holds 12 photos; %1 more were left out.",
          u"В наборе 12 фотографий; ещё %1 не вошли."},
    Entry{Text::PhotoUnreadable, u"%1 cannot be read as a picture.",
          u"Файл %1 не читается как картинка."},
    Entry{Text::PhotoTooLarge, u"%1 is too large to open.",
          u"Файл %1 слишком велик, чтобы его открыть."},
    Entry{Text::SetNameMissing, u"Give the set a name.", u"Дайте набору название."},
    Entry{Text::SetNameTooLong, u"The set's name may be 40 characters at most.",
          u"Название набора — не больше 40 знаков."},
    Entry{Text::CardNameMissing, u"Card %1 has no name yet.", u"У карточки %1 ещё нет имени."},
    Entry{Text::CardNameTooLong, u"“%1” does not fit on a card: please shorten it.",
          u"«%1» не помещается на карточке: сократите, пожалуйста."},
    Entry{Text::CardNameFits, u"Its name card:", u"Карточка с именем:"},
    Entry{Text::FolderNotCreated, u"The folder %1 cannot be created (%2). Nothing was changed.",
          u"Папку %1 создать не удалось (%2). Ничего не изменено."},
    Entry{Text::WriteFailed, u"The set could not be written to %1 (%2). The old set is kept.",
          u"Набор не записан в %1 (%2). Прежний набор сохранён."},
    Entry{Text::EncodeFailed, u"The pictures could not be prepared (%1). Nothing was changed.",
          u"Картинки подготовить не удалось (%1). Ничего не изменено."},
    Entry{Text::Written, u"“%1” is ready in place %2. Choose it in the game's Options.",
          u"Набор «%1» готов, место %2. Выберите его в «Настройках» игры."},
    Entry{Text::RestoreQuestion,
          u"Remove your set “%1” from place %2 and bring back the "
          u"shipped one?",
          u"Убрать ваш набор «%1» с места %2 и вернуть исходный?"},
    Entry{Text::Restored, u"The shipped set is back in place %1.",
          u"Исходный набор снова на месте %1."},
    Entry{Text::NothingToRestore, u"Place %1 already holds the shipped set.",
          u"На месте %1 и так исходный набор."},
    Entry{Text::RestoreFailed, u"Your set in place %1 could not be removed (%2).",
          u"Ваш набор на месте %1 удалить не удалось (%2)."},
    Entry{Text::DiscardQuestion, u"Close without making the set? The chosen photos are not kept.",
          u"Закрыть, не создав набор? Выбранные фото не сохранятся."},
};
static_assert(kTexts.size() == static_cast<std::size_t>(Text::Count), "a text for every id");

constexpr bool inOrder() {
    for (std::size_t i = 0; i < kTexts.size(); ++i)
        if (static_cast<std::size_t>(kTexts[i].id) != i)
            return false;
    return true;
}
static_assert(inOrder(), "texts in the order of their ids");

} // namespace

QString text(Text id, bool english) {
    const Entry& entry = kTexts[static_cast<std::size_t>(id)];
    return QString::fromUtf16(english ? entry.english : entry.russian);
}

} // namespace quilora::mypictures
