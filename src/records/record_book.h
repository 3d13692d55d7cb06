#pragma once

#include "game/form1.h"

#include <QStringList>

#include <optional>

namespace quilora::records {

// Creates record.txt with its default record when there is no such file. False when it is
// missing and cannot be created; the reason goes into *error.
bool EnsureRecordFile(const core::ProgramState& program, const platform::LocaleInfo& localeInfo,
                      QString* error = nullptr);

QString recordFilePath(const core::ProgramState& program);

// The records of the main window: the check at the end of a game, storing a record, the
// records list and the help text.
class Records final : public game::RecordBook {
public:
    explicit Records(game::Form1& form) : form_(form) {}

    void ProverkaRekorda() override;
    void ZapisRecord() override;
    void showOrHideRecords() override;
    void showOrHideHelp() override;
    void sortRecords(int column) override;

private:
    std::optional<QStringList> readTable(QString* error = nullptr, bool* whole = nullptr);
    // The time the game was won in, as the victory panel shows it.
    double wonSeconds() const;
    void reportWriteFailure(const QString& reason);
    void reportReadFailure(const QString& reason, bool endOfGame);

    game::Form1& form_;
};

} // namespace quilora::records
