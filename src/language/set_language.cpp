#include "language/set_language.h"

#include <cmath>

namespace quilora::language {
namespace {

enum class Target {
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
};

struct Row {
    Target target;
    const char16_t* russian;
    const char16_t* english;
};

// Applied in this order.
constexpr Row kCaptions[] = {
    {Target::ClearButton, u"Очистить", u"Clear"},
    {Target::OptionsButton, u"Настройки", u"Options"},
    {Target::HelpButton, u"Помощь", u"Help"},
    {Target::RecordsButton, u"Рекорды", u"Records"},
    {Target::DialogTitle, u"Настройки", u"Options"},
    {Target::BackgroundFrame, u"Фон", u"Background"},
    {Target::PicturesFrame, u"Картинки", u"Pictures"},
    {Target::SoundFrame, u"Звук", u"Sound"},
    {Target::SoundBox, u"Есть", u"Yes"},
    {Target::BackgroundApply, u"Сменить", u"Apply"},
    {Target::PicturesApply, u"Сменить", u"Apply"},
    {Target::CancelButton, u"Отмена", u"Cancel"},
    {Target::CaptionCloseHelp, u"Закр. пом.", u"Close help"},
    {Target::HelpFileName, u"\\help.txt", u"\\help-e.txt"},
    {Target::CaptionHelp, u"Помощь", u"Help"},
    {Target::CaptionCloseRecords, u"Закрыть рек.", u"Close rec."},
    {Target::CaptionRecords, u"Рекорды", u"Records"},
    {Target::DefaultPlayerName, u"Неизвестный", u"Unknown"},
    {Target::MsgVictoryFirst, u"ПОБЕДА!   У тебя 1-е место!", u"VICTORY!   You is First!"},
    {Target::MsgVictoryTop10, u"ПОБЕДА! Ты в десятке лучших.", u"VICTORY! You is in Top-10."},
    {Target::MsgVictoryTime, u"ПОБЕДА!   На неё ты затратил", u"VICTORY!  You time is"},
    {Target::MsgRecordPrompt, u"Запишись: ", u"Record: "},
    {Target::IconQuestion, u"Ты:       мальчик,       девочка,       друг?",
     u"       boy?              girl?               ?"},
    {Target::RecordButton, u"В рекорды", u"To records"},
    {Target::EndButton, u"Конец", u"End"},
    {Target::ElseButton, u"Ещё", u"Else"},
};

QString* targetText(game::Form1& form, game::DialogCaptions* dialog, Target target) {
    core::ProgramState& program = form.program();
    switch (target) {
    case Target::ClearButton:
        return &form.cmdTOP[0];
    case Target::OptionsButton:
        return &form.cmdTOP[1];
    case Target::HelpButton:
        return &form.cmdTOP[2];
    case Target::RecordsButton:
        return &form.cmdTOP[3];
    case Target::DialogTitle:
        return dialog ? &dialog->title : nullptr;
    case Target::BackgroundFrame:
        return dialog ? &dialog->Frame[0] : nullptr;
    case Target::PicturesFrame:
        return dialog ? &dialog->Frame[1] : nullptr;
    case Target::SoundFrame:
        return dialog ? &dialog->Frame[2] : nullptr;
    case Target::SoundBox:
        return dialog ? &dialog->chkS : nullptr;
    case Target::BackgroundApply:
        return dialog ? &dialog->cmdNAS[0] : nullptr;
    case Target::PicturesApply:
        return dialog ? &dialog->cmdNAS[1] : nullptr;
    case Target::CancelButton:
        return dialog ? &dialog->cmdNAS[3] : nullptr;
    case Target::CaptionCloseHelp:
        return &program.CaptionCloseHelp;
    case Target::HelpFileName:
        return &program.HelpFileName;
    case Target::CaptionHelp:
        return &program.CaptionHelp;
    case Target::CaptionCloseRecords:
        return &program.CaptionCloseRecords;
    case Target::CaptionRecords:
        return &program.CaptionRecords;
    case Target::DefaultPlayerName:
        return &program.DefaultPlayerName;
    case Target::MsgVictoryFirst:
        return &program.MsgVictoryFirst;
    case Target::MsgVictoryTop10:
        return &program.MsgVictoryTop10;
    case Target::MsgVictoryTime:
        return &program.MsgVictoryTime;
    case Target::MsgRecordPrompt:
        return &program.MsgRecordPrompt;
    case Target::IconQuestion:
        return &form.Frame2.lblEnd[3];
    case Target::RecordButton:
        return &form.Frame2.cmdEND[2];
    case Target::EndButton:
        return &form.Frame2.cmdEND[1];
    case Target::ElseButton:
        return &form.Frame2.cmdEND[0];
    }
    return nullptr;
}

} // namespace

void SetLanguage(game::Form1& form, float language, game::DialogCaptions* dialog) {
    constexpr game::Rgb black{0, 0, 0};
    form.lblLOCColour = {black, black};
    // The default rounding mode takes a half to the even neighbour: 0.5 highlights "Rus".
    const double nearest = std::nearbyint(static_cast<double>(language));
    if (nearest == 0 || nearest == 1)
        form.lblLOCColour[static_cast<int>(nearest)] = game::Rgb{128, 0, 0};
    form.program().Localisation = language;

    if (language != 0 && language != 1)
        return;
    const bool english = language == 1;
    for (const Row& row : kCaptions) {
        if (QString* text = targetText(form, dialog, row.target))
            *text = QString::fromUtf16(english ? row.english : row.russian);
    }
}

} // namespace quilora::language
