// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/catalogue.h"

#include <QTranslator>

#include <cstddef>
#include <iterator>

namespace quilora::language {
namespace {

constexpr const char* kContext = "Quilora";

// The English text of an entry, and for a text that has a Russian one, what tells the translator
// where and how it is used (for Qt, the text's disambiguation). A text the same in every language
// has none and is not translated.
struct Message {
    const char* source;
    const char* comment;
};

struct Entry {
    Text id;
    Message message;
};

// A new text: its id in catalogue.h, its entry here under that id (the compiler holds the two in
// step), its Russian text in translations/quilora_ru.ts.
constexpr Entry kEntries[] = {
    {Text::ClearButton,
     QT_TRANSLATE_NOOP3("Quilora", "Clear", "side button: a new game on the same cards")},
    {Text::OptionsButton,
     QT_TRANSLATE_NOOP3("Quilora", "Options", "side button: opens the options window")},
    {Text::HelpButton, QT_TRANSLATE_NOOP3("Quilora", "Help", "side button: shows the help text")},
    {Text::RecordsButton,
     QT_TRANSLATE_NOOP3("Quilora", "Records", "side button: shows the records list")},
    {Text::DialogTitle, QT_TRANSLATE_NOOP3("Quilora", "Options", "title of the options window")},
    {Text::BackgroundFrame,
     QT_TRANSLATE_NOOP3("Quilora", "Background", "options window: frame of the backgrounds")},
    {Text::PicturesFrame,
     QT_TRANSLATE_NOOP3("Quilora", "Pictures", "options window: frame of the picture sets")},
    {Text::SoundFrame,
     QT_TRANSLATE_NOOP3("Quilora", "Sound", "options window: frame of the sound switch")},
    {Text::SoundBox, QT_TRANSLATE_NOOP3("Quilora", "Yes", "options window: the sound switch")},
    {Text::BackgroundApply,
     QT_TRANSLATE_NOOP3("Quilora", "Apply", "options window: shows the chosen background")},
    {Text::PicturesApply,
     QT_TRANSLATE_NOOP3("Quilora", "Apply", "options window: deals the chosen picture set")},
    {Text::CancelButton,
     QT_TRANSLATE_NOOP3("Quilora", "Cancel", "options window: closes it, nothing saved")},
    {Text::CaptionCloseHelp,
     QT_TRANSLATE_NOOP3("Quilora", "Close help", "side button while the help is shown")},
    {Text::HelpFileName,
     QT_TRANSLATE_NOOP3("Quilora", "\\help-e.txt", "the help file of this language")},
    {Text::CaptionHelp,
     QT_TRANSLATE_NOOP3("Quilora", "Help", "side button after the help is closed")},
    {Text::CaptionCloseRecords,
     QT_TRANSLATE_NOOP3("Quilora", "Close rec.", "side button while the records are shown")},
    {Text::CaptionRecords,
     QT_TRANSLATE_NOOP3("Quilora", "Records", "side button after the records are closed")},
    {Text::DefaultPlayerName,
     QT_TRANSLATE_NOOP3("Quilora", "Unknown", "the name of a record stored without one")},
    {Text::MsgVictoryFirst,
     QT_TRANSLATE_NOOP3("Quilora", "VICTORY!   You is First!", "won: a new best time")},
    {Text::MsgVictoryTop10,
     QT_TRANSLATE_NOOP3("Quilora", "VICTORY! You is in Top-10.", "won: a place in the table")},
    {Text::MsgVictoryTime,
     QT_TRANSLATE_NOOP3("Quilora", "VICTORY!  You time is", "won: no place in the table")},
    {Text::MsgRecordPrompt,
     QT_TRANSLATE_NOOP3("Quilora", "Record: ", "won: asks for the player's name")},
    {Text::IconQuestion,
     QT_TRANSLATE_NOOP3("Quilora", "       boy?              girl?               ?",
                        "won: the icon question; the blanks leave room for the three icon buttons, "
                        "each before its word")},
    {Text::RecordButton, QT_TRANSLATE_NOOP3("Quilora", "To records", "won: stores the record")},
    {Text::EndButton, QT_TRANSLATE_NOOP3("Quilora", "End", "won: ends the program")},
    {Text::ElseButton, QT_TRANSLATE_NOOP3("Quilora", "Else", "won: a new game")},

    {Text::OkButton, {"OK", nullptr}},
    {Text::RussianLabel, {"Rus", nullptr}},
    {Text::EnglishLabel, {"Eng", nullptr}},
    {Text::SoundOnCaption, {"Snd on", nullptr}},
    {Text::SoundOffCaption, {"Snd off", nullptr}},
    {Text::Seconds, {"seconds", nullptr}},
    {Text::HomepageLabel, {"Homepage", nullptr}},
    {Text::ClockAtStart, {"Time", nullptr}},
    {Text::HelpFileMissing, {"Do not find help file ", nullptr}},
    {Text::ColumnGamer, {"Gamer", nullptr}},
    {Text::ColumnPlace, {"№", nullptr}},
    {Text::ColumnTime, {"Time", nullptr}},
    {Text::ColumnSet, {"Set", nullptr}},
    {Text::ColumnDate, {"Date", nullptr}},
    {Text::TooManyRecords,
     {"В файле рекордов больше 10 результатов: запись производиться не будет. Исправьте файл.",
      nullptr}},

    {Text::SoundLabel,
     QT_TRANSLATE_NOOP3("Quilora", "Sound", "the sound label once the settings are read")},
    {Text::RecordNotSaved,
     QT_TRANSLATE_NOOP3("Quilora",
                        "The record could not be saved: the records file %1 cannot be written "
                        "(%2). The records kept so far are unchanged.",
                        "message after a win; %1 the file, %2 the reason")},
    {Text::RecordsFileTooLarge, QT_TRANSLATE_NOOP3("Quilora", "it is larger than 1 MB",
                                                   "why the records file cannot be written")},
    {Text::FileNotRegular,
     QT_TRANSLATE_NOOP3("Quilora", "it is not an ordinary file",
                        "why the records file cannot be read: a FIFO, a device, a folder")},
    {Text::RecordsFileChanged,
     QT_TRANSLATE_NOOP3("Quilora",
                        "The records file was changed while the game was being won: this time is "
                        "no longer among the ten best.",
                        "message after a win: the record is not stored")},
    {Text::RecordsUnreadableAtEnd,
     QT_TRANSLATE_NOOP3("Quilora",
                        "The records file %1 cannot be read (%2): this game's time cannot be "
                        "ranked or stored. The file is left as it is.",
                        "at the end of a game; %1 the file, %2 the reason")},
    {Text::RecordsUnreadableList,
     QT_TRANSLATE_NOOP3("Quilora",
                        "The records file %1 cannot be read (%2): the records cannot be shown. The "
                        "file is left as it is.",
                        "the Records button; %1 the file, %2 the reason")},
    {Text::SettingsNotSaved,
     QT_TRANSLATE_NOOP3(
         "Quilora",
         "The settings could not be saved: %1 cannot be written (%2). They stay in effect until "
         "the game is closed.",
         "message after OK or Apply in the options window; %1 the file, %2 the reason")},

    {Text::CardPosition,
     QT_TRANSLATE_NOOP3("Quilora", "row %1, card %2", "spoken: where a card lies")},
    {Text::CardFaceDown,
     QT_TRANSLATE_NOOP3("Quilora", ", face down", "spoken: after where a card lies")},
    {Text::CardFound,
     QT_TRANSLATE_NOOP3("Quilora", ", found: ", "spoken: before the picture of a found card")},
    {Text::CardFaceUp, {": ", nullptr}},
    {Text::UnnamedPicture,
     QT_TRANSLATE_NOOP3("Quilora", "picture %1", "spoken: a picture without a name")},
    {Text::Board,
     QT_TRANSLATE_NOOP3("Quilora", "Board of cards", "spoken: the board that holds the cards")},
    {Text::Clock, QT_TRANSLATE_NOOP3("Quilora", "Time", "spoken: the clock")},
    {Text::VictoryPanel, QT_TRANSLATE_NOOP3("Quilora", "Victory", "spoken: the victory panel")},
    {Text::NameBox, QT_TRANSLATE_NOOP3("Quilora", "Your name", "spoken: the name box")},
    {Text::Boy, QT_TRANSLATE_NOOP3("Quilora", "Boy", "spoken: an icon button")},
    {Text::Girl, QT_TRANSLATE_NOOP3("Quilora", "Girl", "spoken: an icon button")},
    {Text::Friend, QT_TRANSLATE_NOOP3("Quilora", "Friend", "spoken: an icon button")},
    {Text::RecordsList, QT_TRANSLATE_NOOP3("Quilora", "Records", "spoken: the records list")},
    {Text::HelpText, QT_TRANSLATE_NOOP3("Quilora", "Help", "spoken: the help text")},
    {Text::RussianLanguage,
     QT_TRANSLATE_NOOP3("Quilora", "Russian language", "spoken: the label Rus")},
    {Text::EnglishLanguage,
     QT_TRANSLATE_NOOP3("Quilora", "English language", "spoken: the label Eng")},
    {Text::SiteLink, QT_TRANSLATE_NOOP3("Quilora", "The game's web site", "spoken: the site link")},
    {Text::HomepageLink,
     QT_TRANSLATE_NOOP3("Quilora", "The game's home page", "spoken: the Homepage link")},
    {Text::SoundIsOn,
     QT_TRANSLATE_NOOP3("Quilora", "Sound on, press to switch it off", "spoken: the sound label")},
    {Text::SoundIsOff,
     QT_TRANSLATE_NOOP3("Quilora", "Sound off, press to switch it on", "spoken: the sound label")},
    {Text::BackgroundOption,
     QT_TRANSLATE_NOOP3("Quilora", "Background", "spoken: a background option, then its number")},

    {Text::MakerWindowTitle,
     QT_TRANSLATE_NOOP3("Quilora", "Quilora: my pictures",
                        "picture-set maker: the window's title, also over its questions")},
    {Text::MakerIntro,
     QT_TRANSLATE_NOOP3(
         "Quilora",
         "Make a picture set from your own photos. Choose 12 photos, frame each one, give the set "
         "a name and pick its place; the game's Options then offer it.",
         "picture-set maker: the lines at the top of the window")},
    {Text::MakerKindTwice,
     QT_TRANSLATE_NOOP3("Quilora", "Each photo twice",
                        "picture-set maker: the kind of set, twelve pairs of the same photo")},
    {Text::MakerKindWithNames,
     QT_TRANSLATE_NOOP3(
         "Quilora", "Each photo with its name",
         "picture-set maker: the kind of set, each photo paired with a card that shows its name")},
    {Text::MakerChoosePhotos,
     QT_TRANSLATE_NOOP3("Quilora", "Choose photos…",
                        "picture-set maker: the button that opens the file dialog")},
    {Text::MakerPhotoDialogTitle,
     QT_TRANSLATE_NOOP3("Quilora", "Choose 12 photos",
                        "picture-set maker: the title of the file dialog that chooses the photos")},
    {Text::MakerPictureFilter,
     QT_TRANSLATE_NOOP3(
         "Quilora", "Pictures (%1)",
         "picture-set maker: the file dialog's filter; %1 the patterns, such as *.jpg *.png")},
    {Text::MakerPhotoCount,
     QT_TRANSLATE_NOOP3(
         "Quilora", "%1 of 12 photos",
         "picture-set maker: beside the button that chooses photos; %1 how many are chosen")},
    {Text::MakerEmptyCard,
     QT_TRANSLATE_NOOP3(
         "Quilora", "Card %1: no photo yet",
         "picture-set maker, spoken: a card's button before it has a photo; %1 its number")},
    {Text::MakerCardNumber,
     QT_TRANSLATE_NOOP3("Quilora", "Card %1",
                        "picture-set maker, spoken: a card's button, then its name; also before a "
                        "problem with that card; %1 its number")},
    {Text::MakerCropHint,
     QT_TRANSLATE_NOOP3("Quilora", "Drag the frame over the photo; the wheel or the slider zooms.",
                        "picture-set maker: the line under the photo being framed")},
    {Text::MakerZoom,
     QT_TRANSLATE_NOOP3("Quilora", "Zoom",
                        "picture-set maker: the label of the zoom slider, and its spoken name")},
    {Text::MakerRemovePhoto,
     QT_TRANSLATE_NOOP3(
         "Quilora", "Remove photo",
         "picture-set maker: the button that takes the photo being framed off its card")},
    {Text::MakerCardNameLabel,
     QT_TRANSLATE_NOOP3(
         "Quilora", "Name on its card:",
         "picture-set maker: the label of the box for the name a photo's name card shows")},
    {Text::MakerCardNamePlaceholder,
     QT_TRANSLATE_NOOP3("Quilora", "e.g. Grandma",
                        "picture-set maker: the grey example in the empty box of a card's name")},
    {Text::MakerSetNameLabel,
     QT_TRANSLATE_NOOP3("Quilora", "Name of the set:",
                        "picture-set maker: the label of the box for the set's name")},
    {Text::MakerSetNamePlaceholder,
     QT_TRANSLATE_NOOP3("Quilora", "e.g. Our family",
                        "picture-set maker: the grey example in the empty box of the set's name")},
    {Text::MakerPlaceLabel,
     QT_TRANSLATE_NOOP3("Quilora", "Place in the game:",
                        "picture-set maker: the label of the list of the game's places for a set")},
    {Text::MakerPlaceShipped,
     QT_TRANSLATE_NOOP3("Quilora", "%1: %2",
                        "picture-set maker: a place in that list that holds a set shipped with the "
                        "game; %1 its number, %2 the set's name")},
    {Text::MakerPlacePlayers,
     QT_TRANSLATE_NOOP3("Quilora", "%1: %2 (yours)",
                        "picture-set maker: a place in that list that holds a set the player made; "
                        "%1 its number, %2 the set's name")},
    {Text::MakerPlaceEmpty,
     QT_TRANSLATE_NOOP3("Quilora", "(no name)",
                        "picture-set maker: in the list of places, for a set without a name")},
    {Text::MakerMakeSet,
     QT_TRANSLATE_NOOP3("Quilora", "Make the set",
                        "picture-set maker: the button that writes the set into the chosen place")},
    {Text::MakerRestore,
     QT_TRANSLATE_NOOP3(
         "Quilora", "Restore the shipped set",
         "picture-set maker: the button that removes the player's set from the chosen place")},
    {Text::MakerClose, QT_TRANSLATE_NOOP3("Quilora", "Close",
                                          "picture-set maker: the button that closes the window")},
    {Text::MakerWritingCard,
     QT_TRANSLATE_NOOP3("Quilora", "Making the set: card %1 of %2…",
                        "picture-set maker, status line while the set is written; %1 the card "
                        "being written, %2 how many there are")},
    {Text::MakerPhotoSpokenName,
     QT_TRANSLATE_NOOP3("Quilora", "photo %1",
                        "spoken in the game: a card of a set made from photos; %1 its number")},
    {Text::MakerNameSpokenName,
     QT_TRANSLATE_NOOP3("Quilora", "the name %1",
                        "spoken in the game: a name card of a set made from photos, as the shipped "
                        "word cards are said; %1 the name")},
    {Text::MakerTooFewPhotos,
     QT_TRANSLATE_NOOP3(
         "Quilora", "A set needs 12 photos; %1 chosen so far.",
         "picture-set maker, status line: the set is not made; %1 how many photos are chosen")},
    {Text::MakerTooManyPhotos,
     QT_TRANSLATE_N_NOOP3("Quilora", "A set holds 12 photos; %n more were left out: %1.",
                          "picture-set maker, status line: more than 12 photos were chosen; %n how "
                          "many were left out, %1 their file names")},
    {Text::MakerPhotoUnreadable,
     QT_TRANSLATE_NOOP3(
         "Quilora", "%1 cannot be read as a picture.",
         "picture-set maker, status line: a chosen file is no picture; %1 its name")},
    {Text::MakerPhotoTooLarge,
     QT_TRANSLATE_NOOP3(
         "Quilora", "%1 is too large to open.",
         "picture-set maker, status line: a chosen picture is too large to open; %1 its name")},
    {Text::MakerPhotoCutOff,
     QT_TRANSLATE_NOOP3("Quilora", "This photo looks cut off: part of it is missing.",
                        "picture-set maker: on the card of a photo whose file ends early")},
    {Text::MakerPhotoTooSmall,
     QT_TRANSLATE_NOOP3("Quilora", "This photo is too small for a sharp card.",
                        "picture-set maker: on the card of a photo that would be enlarged")},
    {Text::MakerSetNameMissing,
     QT_TRANSLATE_NOOP3("Quilora", "Give the set a name.",
                        "picture-set maker, status line: the set is not made without a name")},
    {Text::MakerSetNameTooLong,
     QT_TRANSLATE_NOOP3(
         "Quilora", "The set's name may be 40 characters at most.",
         "picture-set maker, status line: the set is not made, its name is too long")},
    {Text::MakerCardNameMissing,
     QT_TRANSLATE_NOOP3(
         "Quilora", "Card %1 has no name yet.",
         "picture-set maker, status line: a card of a set with names has none; %1 its number")},
    {Text::MakerCardNameTooLong,
     QT_TRANSLATE_NOOP3("Quilora", "“%1” does not fit on a card: please shorten it.",
                        "picture-set maker: under the box of a card's name; %1 the name")},
    {Text::MakerCardNameFits,
     QT_TRANSLATE_NOOP3("Quilora", "Its name card:",
                        "picture-set maker: before the picture of a photo's name card")},
    {Text::MakerFolderNotCreated,
     QT_TRANSLATE_NOOP3("Quilora", "The folder %1 cannot be created (%2). Nothing was changed.",
                        "picture-set maker, status line: %1 the folder, %2 the reason")},
    {Text::MakerWriteFailed,
     QT_TRANSLATE_NOOP3("Quilora", "The set could not be written to %1 (%2). The old set is kept.",
                        "picture-set maker, status line: %1 the set's folder, %2 the reason")},
    {Text::MakerEncodeFailed,
     QT_TRANSLATE_NOOP3("Quilora", "The pictures could not be prepared (%1). Nothing was changed.",
                        "picture-set maker, status line: %1 the reason")},
    {Text::MakerWritten,
     QT_TRANSLATE_NOOP3(
         "Quilora", "“%1” is ready in place %2. Choose it in the game's Options.",
         "picture-set maker, status line: the set is written; %1 its name, %2 its place")},
    {Text::MakerRestoreQuestion,
     QT_TRANSLATE_NOOP3(
         "Quilora", "Remove your set “%1” from place %2 and bring back the shipped one?",
         "picture-set maker: asked before the player's set is removed; %1 its name, %2 its place")},
    {Text::MakerRestored,
     QT_TRANSLATE_NOOP3(
         "Quilora", "The shipped set is back in place %1.",
         "picture-set maker, status line: the player's set is removed; %1 the place")},
    {Text::MakerNothingToRestore,
     QT_TRANSLATE_NOOP3("Quilora", "Place %1 already holds the shipped set.",
                        "picture-set maker, status line: %1 the place")},
    {Text::MakerRestoreFailed,
     QT_TRANSLATE_NOOP3("Quilora", "Your set in place %1 could not be removed (%2).",
                        "picture-set maker, status line: %1 the place, %2 the reason")},
    {Text::MakerLocked,
     QT_TRANSLATE_NOOP3(
         "Quilora",
         "Another window is making or removing a set just now. Try again once it has finished.",
         "picture-set maker, status line: another window of it is writing a set")},
    {Text::MakerNotItsOwn,
     QT_TRANSLATE_NOOP3("Quilora",
                        "%1 was not made by this window and is left untouched. Move it elsewhere "
                        "to use this place.",
                        "picture-set maker, status line: %1 the folder found in that place")},
    {Text::MakerDiscardQuestion,
     QT_TRANSLATE_NOOP3(
         "Quilora", "Close without making the set? The chosen photos are not kept.",
         "picture-set maker: asked when the window closes with photos chosen and no set made")},
    {Text::MakerSetNotEditable,
     QT_TRANSLATE_NOOP3(
         "Quilora",
         "Your set in place %1 was made by an earlier version of this window, which kept nothing "
         "to open it with. Make it again from its photos, or leave it as it is.",
         "picture-set maker, status line: a set of the player's cannot be opened again; %1 its "
         "place")},
    {Text::MakerSetDamaged,
     QT_TRANSLATE_NOOP3("Quilora",
                        "Your set in place %1 cannot be opened: its file %2 is damaged. The set "
                        "itself is left as it is.",
                        "picture-set maker, status line: a set of the player's cannot be opened "
                        "again; %1 its place, %2 the damaged file")},
    {Text::MakerReplaceCardsQuestion,
     QT_TRANSLATE_N_NOOP3(
         "Quilora",
         "Every card has a photo. Replace the photos of cards 1 to %n with the new ones?",
         "picture-set maker: asked when photos are chosen while every card has one; %n how many "
         "cards, from card 1, would get a new photo")},
    {Text::MakerOpenQuestion,
     QT_TRANSLATE_NOOP3(
         "Quilora", "Place %1 holds your set “%2”. Open it to change its photos, frames or names?",
         "picture-set maker: asked when a place that holds a set of the player's is chosen; %1 the "
         "place, %2 the set's name")},
    {Text::MakerOpenQuestionUnsaved,
     QT_TRANSLATE_NOOP3("Quilora",
                        "Place %1 holds your set “%2”. Open it to change its photos, frames or "
                        "names? The photos chosen here, not yet made into a set, are then let go.",
                        "picture-set maker: the same question while photos are chosen and not yet "
                        "made into a set; %1 the place, %2 the set's name")},
    {Text::MakerReplaceSetQuestion,
     QT_TRANSLATE_NOOP3("Quilora", "Place %1 holds your set “%2”. Replace it with “%3”?",
                        "picture-set maker: asked before a new set replaces a set of the player's; "
                        "%1 the place, %2 the old set's name, %3 the new one's")},
    {Text::MakerReadingPhoto,
     QT_TRANSLATE_NOOP3("Quilora", "Reading photo %1 of %2…",
                        "picture-set maker, status line while chosen photos are read; %1 the photo "
                        "being read, %2 how many there are")},
    {Text::MakerOpeningPhoto,
     QT_TRANSLATE_NOOP3("Quilora", "Opening the set: photo %1 of %2…",
                        "picture-set maker, status line while a set of the player's is opened "
                        "again; %1 the photo being read, %2 how many there are")},
    {Text::MakerOpened,
     QT_TRANSLATE_NOOP3(
         "Quilora", "Your set “%1” from place %2 is open: change what you like and make it again.",
         "picture-set maker, status line: a set of the player's is open again; %1 its name, %2 its "
         "place")},
    {Text::MakerAllPlacesTaken,
     QT_TRANSLATE_NOOP3("Quilora",
                        "All five places hold your sets. Choose one to open it again; a new set "
                        "replaces the chosen one only once you agree.",
                        "picture-set maker, status line when the window opens and every place "
                        "holds a set of the player's")},
    {Text::MakerClosingAfterWork,
     QT_TRANSLATE_NOOP3("Quilora", "The window closes once this is done.",
                        "picture-set maker, status line: the window was closed while it works, and "
                        "closes once done")},
    {Text::MakerKeepPhoto,
     QT_TRANSLATE_NOOP3("Quilora", "Keep it",
                        "picture-set maker: button beside a photo's warning that keeps the photo")},
    {Text::MakerReplacePhoto,
     QT_TRANSLATE_NOOP3(
         "Quilora", "Replace…",
         "picture-set maker: button beside a photo's warning that chooses another photo")},
    {Text::MakerYes,
     QT_TRANSLATE_NOOP3("Quilora", "Yes", "picture-set maker: the answer Yes to its questions")},
    {Text::MakerNo,
     QT_TRANSLATE_NOOP3("Quilora", "No", "picture-set maker: the answer No to its questions")},

    {Text::TogetherTitle, QT_TRANSLATE_NOOP3("Quilora", "Quilora: play together",
                                             "playing together: title of its windows")},
    {Text::TogetherIntro,
     QT_TRANSLATE_NOOP3("Quilora",
                        "Take turns: each turn is two cards. A pair scores and you turn again; "
                        "otherwise the next player goes.",
                        "playing together: the start window's rules in short")},
    {Text::TogetherPlayerCount,
     QT_TRANSLATE_NOOP3("Quilora", "Players:", "playing together: how many play, 2 to 4")},
    {Text::TogetherPlayer,
     QT_TRANSLATE_NOOP3("Quilora", "Player %1",
                        "playing together: a player's row, and the name of one left unnamed")},
    {Text::TogetherNameBox, QT_TRANSLATE_NOOP3("Quilora", "Name of player %1",
                                               "playing together: spoken name of a name box")},
    {Text::TogetherKindBox,
     QT_TRANSLATE_NOOP3("Quilora", "Player %1: a person or the computer",
                        "playing together: spoken description of the person or computer choice")},
    {Text::TogetherMemoryBox,
     QT_TRANSLATE_NOOP3("Quilora", "How well player %1 remembers",
                        "playing together: spoken description of a computer's memory choice")},
    {Text::TogetherPerson,
     QT_TRANSLATE_NOOP3("Quilora", "person", "playing together: a player at the screen")},
    {Text::TogetherComputer,
     QT_TRANSLATE_NOOP3("Quilora", "computer", "playing together: a player the computer plays")},
    {Text::TogetherForgetful,
     QT_TRANSLATE_NOOP3("Quilora", "forgetful, for the youngest",
                        "playing together: a computer that forgets a lot")},
    {Text::TogetherFair, QT_TRANSLATE_NOOP3("Quilora", "a fair memory",
                                            "playing together: a computer that forgets some")},
    {Text::TogetherPerfect,
     QT_TRANSLATE_NOOP3("Quilora", "forgets nothing",
                        "playing together: a computer that forgets nothing")},
    {Text::TogetherPictures,
     QT_TRANSLATE_NOOP3("Quilora", "Pictures:", "playing together: the picture set choice")},
    {Text::TogetherSetEntry, {"%1: %2", nullptr}},
    {Text::TogetherUnnamedSet,
     QT_TRANSLATE_NOOP3("Quilora", "Set %1", "playing together: a picture set without a name")},
    {Text::TogetherPlay,
     QT_TRANSLATE_NOOP3("Quilora", "Play", "playing together: starts the game")},
    {Text::TogetherTurn,
     QT_TRANSLATE_NOOP3("Quilora", "%1's turn", "playing together: whose turn it is")},
    {Text::TogetherPairFound, QT_TRANSLATE_NOOP3("Quilora", "%1 finds a pair: %2",
                                                 "playing together: a pair and its finder")},
    {Text::TogetherScore, QT_TRANSLATE_NOOP3("Quilora", "%1, pairs: %2",
                                             "playing together: spoken name of a player's score")},
    {Text::TogetherScoreTurn,
     QT_TRANSLATE_NOOP3(
         "Quilora", "%1, pairs: %2, to play now",
         "playing together: spoken name of the score of the player whose turn it is")},
    {Text::TogetherScores,
     QT_TRANSLATE_NOOP3("Quilora", "Players and their pairs",
                        "playing together: spoken name of the row of scores")},
    {Text::TogetherResults, QT_TRANSLATE_NOOP3("Quilora", "All the pairs are found!",
                                               "playing together: title of the results")},
    {Text::TogetherWinner,
     QT_TRANSLATE_NOOP3("Quilora", "%1 wins!", "playing together: one player has the most pairs")},
    {Text::TogetherDraw, QT_TRANSLATE_NOOP3("Quilora", "A draw!",
                                            "playing together: two or more share the first place")},
    {Text::TogetherPlace,
     QT_TRANSLATE_NOOP3("Quilora", "Place", "playing together: heading of the results' places")},
    {Text::TogetherName,
     QT_TRANSLATE_NOOP3("Quilora", "Player", "playing together: heading of the results' names")},
    {Text::TogetherPairs,
     QT_TRANSLATE_NOOP3("Quilora", "Pairs", "playing together: heading of the results' pairs")},
    {Text::TogetherResultLine,
     QT_TRANSLATE_NOOP3("Quilora", "place %1: %2, pairs: %3",
                        "playing together: one line of the results as spoken")},
    {Text::TogetherAgain,
     QT_TRANSLATE_NOOP3("Quilora", "Again", "playing together: the same players, a new deal")},
};

constexpr std::size_t kCount = static_cast<std::size_t>(Text::Count);

// The index of the first entry that is not where its id says, or the number of entries.
consteval std::size_t firstEntryOutOfPlace() {
    for (std::size_t i = 0; i < std::size(kEntries); ++i)
        if (kEntries[i].id != static_cast<Text>(i))
            return i;
    return std::size(kEntries);
}
static_assert(std::size(kEntries) == kCount, "one entry for every text");
static_assert(firstEntryOutOfPlace() == kCount,
              "the entries in the order of their ids: the first number is the first out of place");

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
    const Message& message = kEntries[static_cast<std::size_t>(id)].message;
    // Every translatable text has its Russian one in the translation file: the tests see to it.
    if (language == Language::Russian && message.comment)
        return russian().translate(kContext, message.source, message.comment);
    return QString::fromUtf8(message.source);
}

QString text(Text id, Language language, int n) {
    const Message& message = kEntries[static_cast<std::size_t>(id)].message;
    // English has its plural forms in a translation file too, holding only those.
    QString form = (language == Language::Russian ? russian() : english())
                       .translate(kContext, message.source, message.comment, n);
    if (form.isEmpty())
        form = QString::fromUtf8(message.source);
    return form.replace(QLatin1String("%n"), QString::number(n));
}

} // namespace quilora::language
