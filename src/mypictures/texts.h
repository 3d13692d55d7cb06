#pragma once

#include <QString>

namespace quilora::mypictures {

// Every text the picture-set maker shows or writes for a player, in both languages.
enum class Text {
    WindowTitle,
    Intro,
    KindTwice,
    KindWithNames,
    ChoosePhotos,
    PhotoDialogTitle,
    PictureFilter,
    PhotoCount,
    EmptyCard,
    CardNumber,
    CropHint,
    Zoom,
    RemovePhoto,
    CardNameLabel,
    CardNamePlaceholder,
    SetNameLabel,
    SetNamePlaceholder,
    SlotLabel,
    SlotShipped,
    SlotPlayers,
    SlotEmpty,
    MakeSet,
    Restore,
    Close,
    Busy,
    PhotoSpokenName,
    TooFewPhotos,
    TooManyPhotos,
    PhotoUnreadable,
    PhotoTooLarge,
    SetNameMissing,
    SetNameTooLong,
    CardNameMissing,
    CardNameTooLong,
    CardNameFits,
    FolderNotCreated,
    WriteFailed,
    EncodeFailed,
    Written,
    RestoreQuestion,
    Restored,
    NothingToRestore,
    RestoreFailed,
    DiscardQuestion,
    Count
};

// The text in English, or in Russian when `english` is false.
QString text(Text id, bool english);

} // namespace quilora::mypictures
