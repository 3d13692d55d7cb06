// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/form1.h"
#include "records/records_list.h"
#include "settings/form2.h"

#include <QStringList>

#include <optional>

namespace quilora::records {

QString recordFilePath(const core::Folders& folders);

// Creates record.txt with its default record when there is no such file. False when it is
// missing and cannot be created; the reason goes into *error.
bool EnsureRecordFile(const core::Folders& folders, const platform::LocaleInfo& localeInfo,
                      QString* error = nullptr);

// The victory panel shown over the board when a game is won. Its icon question and buttons'
// captions change with the language (language::Captions).
struct VictoryPanel {
    static constexpr int kNameLength = 40;

    bool visible = false;
    std::array<QString, 3> lblEnd; // the message, the time, the name prompt or "seconds"
    // The name box, the icon buttons and "To records": a time that enters the table.
    bool entryEnabled = true;
    std::array<bool, 3> optKartinkaSelected{};
    QString txtRec;
    bool recordIsDefault = false; // "To records" is the default button, in bold
};

struct RecordsList {
    bool visible = false;
    QList<RecordRow> rows; // in the order shown
    int sortColumn = 2;    // 0 "Gamer", 1 "№", 2 "Time", 3 "Set", 4 "Date"
};

struct HelpBox {
    bool visible = false;
    QString text;
};

// The records of one main window: the end-of-game check and the victory panel, storing a
// record, the records list and the help text.
class RecordBook final : public QObject, public game::RecordKeeper {
    Q_OBJECT

public:
    RecordBook(game::Form1& form, settings::Form2& options, language::Captions& captions,
               platform::Services services);

    void gameWon(const QString& time) override;
    bool victoryPanelShown() const override { return Frame2_.visible; }
    void hideVictoryPanel() override;
    bool recordCanBeStored() const override { return Frame2_.visible && Frame2_.entryEnabled; }
    void storeRecord() override;
    void optKartinka_Click(int Index) override;
    void txtRec_Change(const QString& text) override;
    void showOrHideRecords() override;
    void showOrHideHelp() override;
    void lvRecord_ColumnClick(int column) override;

    // Ranks the won game and fills the victory panel's texts and flags.
    void ProverkaRekorda();
    // Stores the won game's record.
    void ZapisRecord();

    const VictoryPanel& Frame2() const { return Frame2_; }
    const RecordsList& lvRecord() const { return lvRecord_; }
    const HelpBox& txtHELP() const { return txtHELP_; }

signals:
    void victoryPanelChanged();
    void recordsListChanged();
    void helpChanged();

private:
    std::optional<QStringList> readTable(QString* error = nullptr, bool* whole = nullptr);
    // The time the game was won in, as the victory panel shows it.
    double wonSeconds() const;
    void report(language::Text message, const QString& reason);

    game::Form1& form1_;
    settings::Form2& options_;
    language::Captions& captions_;
    platform::Services services_;
    VictoryPanel Frame2_;
    RecordsList lvRecord_;
    HelpBox txtHELP_;
    QString PlayerName;
    std::int16_t IconChoice = 0;
};

} // namespace quilora::records
