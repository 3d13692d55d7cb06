// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/catalogue.h"

#include <QTranslator>

#include <array>

namespace quilora::language {
namespace {

constexpr const char* kContext = "Quilora";

struct Entry {
    const char* source;  // the English text, UTF-8
    const char* comment; // for translators; none for texts that are the same in every language
};

// clang-format off
constexpr std::array kEntries = {
    Entry QT_TRANSLATE_NOOP3("Quilora", "Clear", "side button: a new game on the same cards"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Options", "side button: opens the options window"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Help", "side button: shows the help text"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Records", "side button: shows the records list"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Options", "title of the options window"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Background", "options window: frame of the backgrounds"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Pictures", "options window: frame of the picture sets"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Sound", "options window: frame of the sound switch"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Yes", "options window: the sound switch"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Apply", "options window: shows the chosen background"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Apply", "options window: deals the chosen picture set"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Cancel", "options window: closes it, nothing saved"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Close help", "side button while the help is shown"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "\\help-e.txt", "the help file of this language"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Help", "side button after the help is closed"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Close rec.", "side button while the records are shown"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Records", "side button after the records are closed"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Unknown", "the name of a record stored without one"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "VICTORY!   You is First!", "won: a new best time"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "VICTORY! You is in Top-10.", "won: a place in the table"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "VICTORY!  You time is", "won: no place in the table"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Record: ", "won: asks for the player's name"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "       boy?              girl?               ?",
                             "won: the icon question; the blanks leave room for the three icon "
                             "buttons, each before its word"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "To records", "won: stores the record"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "End", "won: ends the program"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Else", "won: a new game"),

    Entry{"OK", nullptr},
    Entry{"Rus", nullptr},
    Entry{"Eng", nullptr},
    Entry{"Snd on", nullptr},
    Entry{"Snd off", nullptr},
    Entry{"seconds", nullptr},
    Entry{"Homepage", nullptr},
    Entry{"Time", nullptr},
    Entry{"Do not find help file ", nullptr},
    Entry{"Gamer", nullptr},
    Entry{"№", nullptr},
    Entry{"Time", nullptr},
    Entry{"Set", nullptr},
    Entry{"Date", nullptr},
    Entry{"В файле рекордов больше 10 результатов: запись производиться не будет. Исправьте "
          "файл.", nullptr},

    Entry QT_TRANSLATE_NOOP3("Quilora", "Sound", "the sound label once the settings are read"),
    Entry QT_TRANSLATE_NOOP3("Quilora",
                             "The record could not be saved: the records file %1 cannot be "
                             "written (%2). The records kept so far are unchanged.",
                             "%1 the file, %2 the reason"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "it is larger than 1 MB",
                             "why the records file cannot be written"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "it is not an ordinary file",
                             "why the records file cannot be read: a FIFO, a device, a folder"),
    Entry QT_TRANSLATE_NOOP3("Quilora",
                             "The records file was changed while the game was being won: this "
                             "time is no longer among the ten best.",
                             "the record is not stored"),
    Entry QT_TRANSLATE_NOOP3("Quilora",
                             "The records file %1 cannot be read (%2): this game's time cannot "
                             "be ranked or stored. The file is left as it is.",
                             "at the end of a game; %1 the file, %2 the reason"),
    Entry QT_TRANSLATE_NOOP3("Quilora",
                             "The records file %1 cannot be read (%2): the records cannot be "
                             "shown. The file is left as it is.",
                             "the Records button; %1 the file, %2 the reason"),
    Entry QT_TRANSLATE_NOOP3("Quilora",
                             "The settings could not be saved: %1 cannot be written (%2). They "
                             "stay in effect until the game is closed.",
                             "%1 the file, %2 the reason"),

    Entry QT_TRANSLATE_NOOP3("Quilora", "row %1, card %2", "spoken: where a card lies"),
    Entry QT_TRANSLATE_NOOP3("Quilora", ", face down", "spoken: after where a card lies"),
    Entry QT_TRANSLATE_NOOP3("Quilora", ", found: ", "spoken: before the picture of a found card"),
    Entry{": ", nullptr},
    Entry QT_TRANSLATE_NOOP3("Quilora", "picture %1", "spoken: a picture without a name"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Board of cards", "spoken"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Time", "spoken: the clock"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Victory", "spoken: the victory panel"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Your name", "spoken: the name box"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Boy", "spoken: an icon button"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Girl", "spoken: an icon button"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Friend", "spoken: an icon button"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Records", "spoken: the records list"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Help", "spoken: the help text"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Russian language", "spoken: the label Rus"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "English language", "spoken: the label Eng"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "The game's web site", "spoken: the site link"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "The game's home page", "spoken: the Homepage link"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Sound on, press to switch it off",
                             "spoken: the sound label"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Sound off, press to switch it on",
                             "spoken: the sound label"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Background", "spoken: a background option, then its "
                                                      "number"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Quilora: my pictures", "picture-set maker: WindowTitle"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Make a picture set from your own photos. Choose 12 photos, frame each one, give the set a name and pick its place; the game's Options then offer it.", "picture-set maker: Intro"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Each photo twice", "picture-set maker: KindTwice"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Each photo with its name", "picture-set maker: KindWithNames"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Choose photos…", "picture-set maker: ChoosePhotos"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Choose 12 photos", "picture-set maker: PhotoDialogTitle"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Pictures (%1)", "picture-set maker: PictureFilter"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "%1 of 12 photos", "picture-set maker: PhotoCount"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Card %1: no photo yet", "picture-set maker: EmptyCard"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Card %1", "picture-set maker: CardNumber"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Drag the frame over the photo; the wheel or the slider zooms.", "picture-set maker: CropHint"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Zoom", "picture-set maker: Zoom"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Remove photo", "picture-set maker: RemovePhoto"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Name on its card:", "picture-set maker: CardNameLabel"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "e.g. Grandma", "picture-set maker: CardNamePlaceholder"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Name of the set:", "picture-set maker: SetNameLabel"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "e.g. Our family", "picture-set maker: SetNamePlaceholder"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Place in the game:", "picture-set maker: SlotLabel"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "%1: %2", "picture-set maker: SlotShipped"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "%1: %2 (yours)", "picture-set maker: SlotPlayers"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "(no name)", "picture-set maker: SlotEmpty"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Make the set", "picture-set maker: MakeSet"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Restore the shipped set", "picture-set maker: Restore"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Close", "picture-set maker: Close"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Making the set: card %1 of %2…", "picture-set maker: WritingCard"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "photo %1", "picture-set maker: PhotoSpokenName"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "the name %1", "picture-set maker: NameSpokenName, a name card as a screen reader says it, as the shipped word cards are said"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "A set needs 12 photos; %1 chosen so far.", "picture-set maker: TooFewPhotos"),
    Entry QT_TRANSLATE_N_NOOP3("Quilora", "A set holds 12 photos; %n more were left out: %1.", "picture-set maker: TooManyPhotos; %1 their file names"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "%1 cannot be read as a picture.", "picture-set maker: PhotoUnreadable"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "%1 is too large to open.", "picture-set maker: PhotoTooLarge"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "This photo looks cut off: part of it is missing.", "picture-set maker: PhotoCutOff, on the card of a photo whose file ends early"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "This photo is too small for a sharp card.", "picture-set maker: PhotoTooSmall, on the card of a photo that would be enlarged"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Give the set a name.", "picture-set maker: SetNameMissing"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "The set's name may be 40 characters at most.", "picture-set maker: SetNameTooLong"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Card %1 has no name yet.", "picture-set maker: CardNameMissing"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "“%1” does not fit on a card: please shorten it.", "picture-set maker: CardNameTooLong"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Its name card:", "picture-set maker: CardNameFits"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "The folder %1 cannot be created (%2). Nothing was changed.", "picture-set maker: FolderNotCreated"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "The set could not be written to %1 (%2). The old set is kept.", "picture-set maker: WriteFailed"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "The pictures could not be prepared (%1). Nothing was changed.", "picture-set maker: EncodeFailed"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "“%1” is ready in place %2. Choose it in the game's Options.", "picture-set maker: Written"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Remove your set “%1” from place %2 and bring back the shipped one?", "picture-set maker: RestoreQuestion"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "The shipped set is back in place %1.", "picture-set maker: Restored"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Place %1 already holds the shipped set.", "picture-set maker: NothingToRestore"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Your set in place %1 could not be removed (%2).", "picture-set maker: RestoreFailed"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Another window is making or removing a set just now. Try again once it has finished.", "picture-set maker: Locked"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "%1 was not made by this window and is left untouched. Move it elsewhere to use this place.", "picture-set maker: NotItsOwn"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Close without making the set? The chosen photos are not kept.", "picture-set maker: DiscardQuestion"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Your set in place %1 was made by an earlier version of this window, which kept nothing to open it with. Make it again from its photos, or leave it as it is.", "picture-set maker: SetNotEditable"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Your set in place %1 cannot be opened: its file %2 is damaged. The set itself is left as it is.", "picture-set maker: SetDamaged"),
    Entry QT_TRANSLATE_N_NOOP3("Quilora", "Every card has a photo. Replace the photos of cards 1 to %n with the new ones?", "picture-set maker: ReplaceCardsQuestion"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Place %1 holds your set “%2”. Open it to change its photos, frames or names?", "picture-set maker: OpenQuestion"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Place %1 holds your set “%2”. Open it to change its photos, frames or names? The photos chosen here, not yet made into a set, are then let go.", "picture-set maker: OpenQuestionUnsaved"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Place %1 holds your set “%2”. Replace it with “%3”?", "picture-set maker: ReplaceSetQuestion"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Reading photo %1 of %2…", "picture-set maker: ReadingPhoto"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Opening the set: photo %1 of %2…", "picture-set maker: OpeningPhoto"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Your set “%1” from place %2 is open: change what you like and make it again.", "picture-set maker: Opened"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "All five places hold your sets. Choose one to open it again; a new set replaces the chosen one only once you agree.", "picture-set maker: AllPlacesTaken"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "The window closes once this is done.", "picture-set maker: ClosingAfterWork"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Keep it", "picture-set maker: KeepPhoto"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Replace…", "picture-set maker: ReplacePhoto"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Yes", "picture-set maker: a question's answer Yes"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "No", "picture-set maker: a question's answer No"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Quilora: play together", "playing together: title of its windows"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Take turns: each turn is two cards. A pair scores and you turn again; otherwise the next player goes.", "playing together: the start window's rules in short"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Players:", "playing together: how many play, 2 to 4"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Player %1", "playing together: a player's row, and the name of one left unnamed"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Name of player %1", "playing together: spoken name of a name box"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Player %1: a person or the computer", "playing together: spoken description of the person or computer choice"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "How well player %1 remembers", "playing together: spoken description of a computer's memory choice"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "person", "playing together: a player at the screen"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "computer", "playing together: a player the computer plays"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "forgetful, for the youngest", "playing together: a computer that forgets a lot"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "a fair memory", "playing together: a computer that forgets some"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "forgets nothing", "playing together: a computer that forgets nothing"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Pictures:", "playing together: the picture set choice"),
    Entry{"%1: %2", nullptr},
    Entry QT_TRANSLATE_NOOP3("Quilora", "Set %1", "playing together: a picture set without a name"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Play", "playing together: starts the game"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "%1's turn", "playing together: whose turn it is"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "%1 finds a pair: %2", "playing together: a pair and its finder"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "%1, pairs: %2", "playing together: spoken name of a player's score"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "%1, pairs: %2, to play now", "playing together: spoken name of the score of the player whose turn it is"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Players and their pairs", "playing together: spoken name of the row of scores"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "All the pairs are found!", "playing together: title of the results"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "%1 wins!", "playing together: one player has the most pairs"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "A draw!", "playing together: two or more share the first place"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Place", "playing together: heading of the results' places"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Player", "playing together: heading of the results' names"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Pairs", "playing together: heading of the results' pairs"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "place %1: %2, pairs: %3", "playing together: one line of the results as spoken"),
    Entry QT_TRANSLATE_NOOP3("Quilora", "Again", "playing together: the same players, a new deal"),
};
// clang-format on
static_assert(kEntries.size() == static_cast<std::size_t>(Text::Count), "one entry for every text");

const QTranslator& russian() {
    static const QTranslator* const translator = [] {
        auto* loaded = new QTranslator;
        if (!loaded->load(QStringLiteral(":/i18n/quilora_ru.qm")))
            qWarning("The Russian texts are missing from this build");
        return loaded;
    }();
    return *translator;
}

const QTranslator& english() {
    static const QTranslator* const translator = [] {
        auto* loaded = new QTranslator;
        if (!loaded->load(QStringLiteral(":/i18n/quilora_en.qm")))
            qWarning("The English plural forms are missing from this build");
        return loaded;
    }();
    return *translator;
}

} // namespace

QString text(Text id, Language language) {
    const Entry& entry = kEntries[static_cast<std::size_t>(id)];
    // Every translatable text has its Russian one in the translation file: the tests see to it.
    if (language == Language::Russian && entry.comment)
        return russian().translate(kContext, entry.source, entry.comment);
    return QString::fromUtf8(entry.source);
}

QString text(Text id, Language language, int n) {
    const Entry& entry = kEntries[static_cast<std::size_t>(id)];
    // English has its plural forms in a translation file too, holding only those.
    QString form = (language == Language::Russian ? russian() : english())
                       .translate(kContext, entry.source, entry.comment, n);
    if (form.isEmpty())
        form = QString::fromUtf8(entry.source);
    return form.replace(QLatin1String("%n"), QString::number(n));
}

} // namespace quilora::language
