#pragma once

#include <QObject>
#include <QString>

namespace quilora::language {
Q_NAMESPACE

enum class Language { Russian, English };

// Every text the game shows or speaks. The English texts are written in catalogue.cpp, the
// Russian ones in translations/quilora_ru.ts (Qt's translation files).
enum class Text {
    // The captions and texts that SetLanguage applies, in the order it applies them.
    ClearButton,
    OptionsButton,
    HelpButton,
    RecordsButton,
    DialogTitle,
    BackgroundFrame,
    PicturesFrame,
    SoundFrame,
    SoundBox,
    BackgroundApply,
    PicturesApply,
    CancelButton,
    CaptionCloseHelp,
    HelpFileName,
    CaptionHelp,
    CaptionCloseRecords,
    CaptionRecords,
    DefaultPlayerName,
    MsgVictoryFirst,
    MsgVictoryTop10,
    MsgVictoryTime,
    MsgRecordPrompt,
    IconQuestion,
    RecordButton,
    EndButton,
    ElseButton,

    // The same in both languages.
    OkButton,
    RussianLabel,
    EnglishLabel,
    SoundOnCaption,  // the sound label while the sound is off
    SoundOffCaption, // and while it is on
    Seconds,
    HomepageLabel,
    ClockAtStart,
    HelpFileMissing,
    ColumnGamer,
    ColumnPlace,
    ColumnTime,
    ColumnSet,
    ColumnDate,
    TooManyRecords,

    // Chosen by the language value, outside SetLanguage.
    SoundLabel,
    RecordNotSaved,
    RecordsFileTooLarge,
    FileNotRegular,
    RecordsFileChanged,
    RecordsUnreadableAtEnd,
    RecordsUnreadableList,
    SettingsNotSaved,

    // What a screen reader says.
    CardPosition,
    CardFaceDown,
    CardFound,
    CardFaceUp,
    UnnamedPicture,
    Board,
    Clock,
    VictoryPanel,
    NameBox,
    Boy,
    Girl,
    Friend,
    RecordsList,
    HelpText,
    RussianLanguage,
    EnglishLanguage,
    SiteLink,
    HomepageLink,
    SoundIsOn,
    SoundIsOff,
    BackgroundOption,

    // The picture-set maker.
    MakerWindowTitle,
    MakerIntro,
    MakerKindTwice,
    MakerKindWithNames,
    MakerChoosePhotos,
    MakerPhotoDialogTitle,
    MakerPictureFilter,
    MakerPhotoCount,
    MakerEmptyCard,
    MakerCardNumber,
    MakerCropHint,
    MakerZoom,
    MakerRemovePhoto,
    MakerCardNameLabel,
    MakerCardNamePlaceholder,
    MakerSetNameLabel,
    MakerSetNamePlaceholder,
    MakerSlotLabel,
    MakerSlotShipped,
    MakerSlotPlayers,
    MakerSlotEmpty,
    MakerMakeSet,
    MakerRestore,
    MakerClose,
    MakerWritingCard,
    MakerPhotoSpokenName,
    MakerTooFewPhotos,
    MakerTooManyPhotos,
    MakerPhotoUnreadable,
    MakerPhotoTooLarge,
    MakerSetNameMissing,
    MakerSetNameTooLong,
    MakerCardNameMissing,
    MakerCardNameTooLong,
    MakerCardNameFits,
    MakerFolderNotCreated,
    MakerWriteFailed,
    MakerEncodeFailed,
    MakerWritten,
    MakerRestoreQuestion,
    MakerRestored,
    MakerNothingToRestore,
    MakerRestoreFailed,
    MakerLocked,
    MakerNotItsOwn,
    MakerDiscardQuestion,
    MakerSetNotEditable,
    MakerSetDamaged,
    MakerReplaceCardsQuestion,
    MakerOpenQuestion,
    MakerOpenQuestionUnsaved,
    MakerReplaceSetQuestion,
    MakerReadingPhoto,
    MakerOpeningPhoto,
    MakerOpened,
    MakerAllPlacesTaken,
    MakerClosingAfterWork,
    MakerKeepPhoto,
    MakerReplacePhoto,
    MakerYes,
    MakerNo,

    Count
};
Q_ENUM_NS(Text)

QString text(Text id, Language language);
// A text that counts something ("%n more were left out"), in the plural form of `n` in that
// language, %n replaced by n.
QString text(Text id, Language language, int n);

} // namespace quilora::language
