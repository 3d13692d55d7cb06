// SPDX-License-Identifier: GPL-3.0-or-later
#include "records/record_book.h"

#include "core/paths.h"
#include "core/text_file.h"
#include "records/records_file.h"

#include <QDir>
#include <QFileInfo>

namespace quilora::records {
namespace {

using language::Text;

// Ten records take a few hundred bytes. A larger file was not made by the game; only its head
// is read, so that the game stays responsive, and it is never written back.
constexpr qint64 kRecordsReadLimit = 1 << 20;
constexpr qint64 kHelpReadLimit = 1 << 20;

} // namespace

QString recordFilePath(const core::Folders& folders) {
    return core::programPath(folders.dataFolder, QStringLiteral("\\record.txt"));
}

bool EnsureRecordFile(const core::Folders& folders, const platform::LocaleInfo& localeInfo,
                      QString* error) {
    const QString path = recordFilePath(folders);
    // A folder of that name is a table that cannot be read, not a missing one.
    if (QFileInfo::exists(path))
        return true;
    return core::writeLines(path, {defaultRecordLine(localeInfo.today(), localeInfo.locale())},
                            error);
}

RecordBook::RecordBook(game::Form1& form, settings::Form2& options, language::Captions& captions,
                       platform::Services services)
    : form1_(form), options_(options), captions_(captions), services_(services) {}

std::optional<QStringList> RecordBook::readTable(QString* error, bool* whole) {
    if (!EnsureRecordFile(form1_.folders(), services_.localeInfo, error))
        return std::nullopt;
    std::optional<QStringList> lines =
        core::readLines(recordFilePath(form1_.folders()), kRecordsReadLimit, whole, error);
    if (!lines && error)
        *error = captions_.program().fileReason(*error);
    return lines;
}

double RecordBook::wonSeconds() const {
    return parseTime(Frame2_.lblEnd[1]).value_or(form1_.ElapsedSeconds());
}

void RecordBook::report(Text message, const QString& reason) {
    services_.messages.information(captions_.program().text(message).arg(
        QDir::toNativeSeparators(recordFilePath(form1_.folders())), reason));
}

void RecordBook::gameWon(const QString& time) {
    Frame2_.lblEnd[1] = time;
    ProverkaRekorda();
    Frame2_.optKartinkaSelected = {false, false, false};
    Frame2_.visible = true;
    emit victoryPanelChanged();
}

void RecordBook::ProverkaRekorda() {
    IconChoice = 0;
    QString error;
    const std::optional<QStringList> lines = readTable(&error);
    // A table that cannot be read must not announce a first place that the next look at the
    // file would contradict: the time is shown, and nothing can be stored.
    const Outcome outcome = lines ? rank(readRecords(*lines), wonSeconds()) : Outcome::NoEntry;

    const language::ProgramLanguage& texts = captions_.program();
    switch (outcome) {
    case Outcome::First:
        services_.sound.play(options_.SoundFile(4));
        Frame2_.lblEnd[0] = texts.MsgVictoryFirst();
        break;
    case Outcome::TopTen:
        services_.sound.play(options_.SoundFile(5));
        Frame2_.lblEnd[0] = texts.MsgVictoryTop10();
        break;
    case Outcome::NoEntry:
        services_.sound.play(options_.SoundFile(3));
        Frame2_.lblEnd[0] = texts.MsgVictoryTime();
        break;
    }
    const bool enters = outcome != Outcome::NoEntry;
    Frame2_.lblEnd[2] =
        enters ? texts.MsgRecordPrompt() : text(Text::Seconds, language::Language::English);
    Frame2_.entryEnabled = enters;
    if (!lines)
        report(Text::RecordsUnreadableAtEnd, error);
}

void RecordBook::hideVictoryPanel() {
    Frame2_.visible = false;
    emit victoryPanelChanged();
}

void RecordBook::storeRecord() {
    Frame2_.txtRec.replace(QLatin1Char('~'), QLatin1Char('-'));
    PlayerName = Frame2_.txtRec;
    Frame2_.txtRec.clear();
    Frame2_.visible = false;
    Frame2_.recordIsDefault = false;
    emit victoryPanelChanged();
    ZapisRecord();
}

void RecordBook::ZapisRecord() {
    const language::ProgramLanguage& texts = captions_.program();
    if (PlayerName.isEmpty())
        PlayerName = texts.DefaultPlayerName();
    if (IconChoice == 0)
        IconChoice = 6;

    QString error;
    bool whole = true;
    const std::optional<QStringList> lines = readTable(&error, &whole);
    if (!lines || !whole) {
        report(Text::RecordNotSaved, lines ? texts.text(Text::RecordsFileTooLarge) : error);
        return;
    }
    // The game's own set, also when another one has been chosen since it was dealt.
    const QString set = options_.pictureSetCaption(form1_.pictureSet());
    const QString line =
        recordLine({Frame2_.lblEnd[1], PlayerName, set, QString::number(IconChoice),
                    recordDate(services_.localeInfo.today(), services_.localeInfo.locale())});

    const Insertion insertion = insertRecord(*lines, line, wonSeconds());
    switch (insertion.status) {
    case Insertion::Refused:
        services_.messages.information(texts.text(Text::TooManyRecords));
        return;
    case Insertion::NotAmongBest:
        services_.messages.information(texts.text(Text::RecordsFileChanged));
        return;
    case Insertion::Stored:
        if (!core::writeLines(recordFilePath(form1_.folders()), insertion.lines, &error))
            report(Text::RecordNotSaved, texts.fileReason(error));
        return;
    }
}

void RecordBook::optKartinka_Click(int Index) {
    static constexpr std::array<std::int16_t, 3> icons = {4, 5, 7};
    if (Index < 0 || Index > 2)
        return;
    IconChoice = icons[Index];
    Frame2_.optKartinkaSelected = {Index == 0, Index == 1, Index == 2};
    emit victoryPanelChanged();
}

void RecordBook::txtRec_Change(const QString& text) {
    // One line of at most 40 characters: a line break would split the record in the file.
    QString name = text;
    name.replace(QLatin1Char('\r'), QLatin1Char(' '));
    name.replace(QLatin1Char('\n'), QLatin1Char(' '));
    qsizetype length = VictoryPanel::kNameLength;
    if (name.size() > length && name[length - 1].isHighSurrogate())
        --length; // half a character would be stored as a replacement sign
    Frame2_.txtRec = name.left(length);
    Frame2_.recordIsDefault = true;
    emit victoryPanelChanged();
}

void RecordBook::showOrHideRecords() {
    const language::ProgramLanguage& texts = captions_.program();
    // Read on every press, also before hiding, so a missing file is created either way.
    QString error;
    const std::optional<QStringList> lines = readTable(&error);
    if (lvRecord_.visible) {
        lvRecord_.rows.clear();
        lvRecord_.visible = false;
        captions_.setCmdTOP(3, texts.CaptionRecords());
    } else if (!lines) {
        report(Text::RecordsUnreadableList, error);
        return;
    } else {
        lvRecord_.visible = true;
        captions_.setCmdTOP(3, texts.CaptionCloseRecords());
        const QLocale locale = services_.localeInfo.locale();
        lvRecord_.rows = recordRows(readRecords(*lines).mid(0, kTableSize), locale);
        sortRows(lvRecord_.rows, lvRecord_.sortColumn, locale);
    }
    emit recordsListChanged();
}

void RecordBook::lvRecord_ColumnClick(int column) {
    if (column < 1 || column > 5)
        return;
    lvRecord_.sortColumn = column - 1;
    sortRows(lvRecord_.rows, lvRecord_.sortColumn, services_.localeInfo.locale());
    emit recordsListChanged();
}

void RecordBook::showOrHideHelp() {
    const language::ProgramLanguage& texts = captions_.program();
    if (txtHELP_.visible) {
        txtHELP_.visible = false;
        txtHELP_.text.clear();
        captions_.setCmdTOP(2, texts.CaptionHelp());
        emit helpChanged();
        return;
    }
    txtHELP_.visible = true;
    captions_.setCmdTOP(2, texts.CaptionCloseHelp());
    const QString path = core::programPath(form1_.folders().programFolder, texts.HelpFileName());
    const std::optional<QStringList> lines =
        core::fileExists(path) ? core::readLines(path, kHelpReadLimit) : std::nullopt;
    if (!lines) {
        txtHELP_.text = text(Text::HelpFileMissing, language::Language::English) +
                        QDir::toNativeSeparators(path);
    } else {
        txtHELP_.text.clear();
        for (const QString& line : *lines)
            txtHELP_.text += QStringLiteral("\r\n") + line;
    }
    emit helpChanged();
}

} // namespace quilora::records
