#include "records/record_book.h"

#include "core/paths.h"
#include "core/text_file.h"
#include "records/records_file.h"
#include "records/records_list.h"

#include <QDir>
#include <QFileInfo>

namespace quilora::records {
namespace {

// Ten records take a few hundred bytes. A larger file was not made by the game; only its head
// is read, so that the game stays responsive, and it is never written back.
constexpr qint64 kRecordsReadLimit = 1 << 20;
constexpr qint64 kHelpReadLimit = 1 << 20;

const QString kTooManyRecords = QStringLiteral(
    "В файле рекордов больше 10 результатов: запись производиться не будет. Исправьте файл.");

} // namespace

QString recordFilePath(const core::ProgramState& program) {
    return core::programPath(program.dataFolder, QStringLiteral("\\record.txt"));
}

bool EnsureRecordFile(const core::ProgramState& program, const platform::LocaleInfo& localeInfo,
                      QString* error) {
    const QString path = recordFilePath(program);
    // A folder of that name is a table that cannot be read, not a missing one.
    if (QFileInfo::exists(path))
        return true;
    return core::writeLines(path, {defaultRecordLine(localeInfo.today(), localeInfo.locale())},
                            error);
}

std::optional<QStringList> Records::readTable(QString* error, bool* whole) {
    const core::ProgramState& program = form_.program();
    if (!EnsureRecordFile(program, form_.services().localeInfo, error))
        return std::nullopt;
    return core::readLines(recordFilePath(program), kRecordsReadLimit, whole, error);
}

double Records::wonSeconds() const {
    return parseTime(form_.Frame2.lblEnd[1]).value_or(form_.program().ElapsedSeconds);
}

void Records::ProverkaRekorda() {
    form_.IconChoice = 0;
    form_.LoopCounter = 0;
    QString error;
    const std::optional<QStringList> lines = readTable(&error);
    // A table that cannot be read must not announce a first place that the next look at the
    // file would contradict: the time is shown, and nothing can be stored.
    const Outcome outcome = lines ? rank(readRecords(*lines), wonSeconds()) : Outcome::NoEntry;

    core::ProgramState& program = form_.program();
    game::VictoryPanel& panel = form_.Frame2;
    const bool enters = outcome != Outcome::NoEntry;
    switch (outcome) {
    case Outcome::First:
        form_.services().sound.play(program.SoundFile[4]);
        panel.lblEnd[0] = program.MsgVictoryFirst;
        break;
    case Outcome::TopTen:
        form_.services().sound.play(program.SoundFile[5]);
        panel.lblEnd[0] = program.MsgVictoryTop10;
        break;
    case Outcome::NoEntry:
        form_.services().sound.play(program.SoundFile[3]);
        panel.lblEnd[0] = program.MsgVictoryTime;
        break;
    }
    panel.lblEnd[2] = enters ? program.MsgRecordPrompt : QStringLiteral("seconds");
    panel.txtRecEnabled = enters;
    panel.cmdENDEnabled[2] = enters;
    panel.optKartinkaEnabled = {enters, enters, enters};
    if (!lines)
        reportReadFailure(error, true);
}

void Records::ZapisRecord() {
    core::ProgramState& program = form_.program();
    if (program.PlayerName.isEmpty())
        program.PlayerName = program.DefaultPlayerName;
    if (form_.IconChoice == 0)
        form_.IconChoice = 6;

    QString error;
    bool whole = true;
    const std::optional<QStringList> lines = readTable(&error, &whole);
    if (!lines) {
        reportWriteFailure(error);
        return;
    }
    if (!whole) {
        reportWriteFailure(core::isEnglish(program) ? QStringLiteral("it is larger than 1 MB")
                                                    : QStringLiteral("он больше 1 МБ"));
        return;
    }
    // The game's own set, also when another one has been chosen since it was dealt.
    game::OptionsDialog* dialog = form_.optionsDialog();
    const QString set = dialog ? dialog->pictureSetCaption(form_.pictureSet) : QString();
    const platform::LocaleInfo& localeInfo = form_.services().localeInfo;
    const QString line = recordLine({plainNumerals(form_.Frame2.lblEnd[1]), program.PlayerName, set,
                                     QString::number(form_.IconChoice),
                                     recordDate(localeInfo.today(), localeInfo.locale())});

    const Insertion insertion = insertRecord(*lines, line, wonSeconds());
    switch (insertion.status) {
    case Insertion::Refused:
        form_.services().messages.information(kTooManyRecords);
        return;
    case Insertion::NotAmongBest:
        form_.services().messages.information(
            core::isEnglish(program)
                ? QStringLiteral("The records file was changed while the game was being won: "
                                 "this time is no longer among the ten best.")
                : QStringLiteral("Файл рекордов изменился, пока шла игра: это время уже не "
                                 "входит в десятку лучших."));
        return;
    case Insertion::Stored:
        if (!core::writeLines(recordFilePath(program), insertion.lines, &error))
            reportWriteFailure(error);
        return;
    }
}

void Records::reportWriteFailure(const QString& reason) {
    const QString path = QDir::toNativeSeparators(recordFilePath(form_.program()));
    form_.services().messages.information(
        core::isEnglish(form_.program())
            ? QStringLiteral("The record could not be saved: the records file %1 cannot be "
                             "written (%2). The records kept so far are unchanged.")
                  .arg(path, reason)
            : QStringLiteral("Рекорд не сохранён: файл рекордов %1 нельзя записать (%2). "
                             "Прежние рекорды не изменились.")
                  .arg(path, reason));
}

void Records::reportReadFailure(const QString& reason, bool endOfGame) {
    const QString path = QDir::toNativeSeparators(recordFilePath(form_.program()));
    const bool english = core::isEnglish(form_.program());
    const QString consequence =
        endOfGame ? (english ? QStringLiteral("this game's time cannot be ranked or stored")
                             : QStringLiteral("время этой игры нельзя сравнить с рекордами и "
                                              "записать"))
                  : (english ? QStringLiteral("the records cannot be shown")
                             : QStringLiteral("рекорды нельзя показать"));
    form_.services().messages.information(
        english ? QStringLiteral("The records file %1 cannot be read (%2): %3. The file is left "
                                 "as it is.")
                      .arg(path, reason, consequence)
                : QStringLiteral("Файл рекордов %1 нельзя прочитать (%2): %3. Файл оставлен как "
                                 "есть.")
                      .arg(path, reason, consequence));
}

void Records::showOrHideRecords() {
    core::ProgramState& program = form_.program();
    game::RecordsList& list = form_.lvRecord;
    // Read on every press, also before hiding, so a missing file is created either way.
    QString error;
    const std::optional<QStringList> lines = readTable(&error);
    if (list.visible) {
        list.rows.clear();
        list.visible = false;
        form_.cmdTOP[3] = program.CaptionRecords;
        return;
    }
    if (!lines) {
        reportReadFailure(error, false);
        return;
    }
    const QList<Record> records = readRecords(*lines);
    list.visible = true;
    form_.cmdTOP[3] = program.CaptionCloseRecords;
    const QLocale locale = form_.services().localeInfo.locale();
    list.rows = recordRows(records.mid(0, kTableSize), locale);
    sortRows(list.rows, list.sortColumn, locale);
}

void Records::sortRecords(int column) {
    form_.lvRecord.sortColumn = column;
    sortRows(form_.lvRecord.rows, column, form_.services().localeInfo.locale());
}

void Records::showOrHideHelp() {
    core::ProgramState& program = form_.program();
    game::HelpBox& help = form_.txtHELP;
    if (help.visible) {
        help.visible = false;
        help.text.clear();
        form_.cmdTOP[2] = program.CaptionHelp;
        return;
    }
    help.visible = true;
    form_.cmdTOP[2] = program.CaptionCloseHelp;
    const QString path = core::programPath(program.programFolder, program.HelpFileName);
    const std::optional<QStringList> lines =
        core::fileExists(path) ? core::readLines(path, kHelpReadLimit) : std::nullopt;
    if (!lines) {
        help.text = QStringLiteral("Do not find help file ") + QDir::toNativeSeparators(path);
        return;
    }
    help.text.clear();
    for (const QString& line : *lines)
        help.text += QStringLiteral("\r\n") + line;
}

} // namespace quilora::records
