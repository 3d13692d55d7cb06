// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/rgb.h"
#include "language/catalogue.h"

#include <QObject>

#include <array>
#include <optional>

namespace quilora::language {

// The language value and the texts shown later, for the whole run: a reload of the main window
// keeps them. Only SetLanguage changes them.
class ProgramLanguage {
public:
    // 0 Russian, 1 English; a hand-edited file may hold any other value.
    float Localisation() const { return Localisation_; }
    // Exactly English; every other value counts as Russian.
    bool english() const { return Localisation_ == 1.0f; }
    // The language of messages and spoken names, which follow the value itself.
    Language spoken() const { return english() ? Language::English : Language::Russian; }
    QString text(Text id) const { return language::text(id, spoken()); }
    // Why a file could not be read or written: the system's reason, or, where the file readers
    // and writers give none, that a FIFO, a device or a folder stands in the file's place.
    QString fileReason(const QString& system) const {
        return system.isEmpty() ? text(Text::FileNotRegular) : system;
    }

    // The ten texts that SetLanguage sets and others read when they use them. They start in
    // English, as the captions do, so a value that changes no caption (a hand-edited 0.7)
    // still leaves a help file, victory texts and a default name.
    QString CaptionCloseHelp() const { return variable(Text::CaptionCloseHelp); }
    QString HelpFileName() const { return variable(Text::HelpFileName); }
    QString CaptionHelp() const { return variable(Text::CaptionHelp); }
    QString CaptionCloseRecords() const { return variable(Text::CaptionCloseRecords); }
    QString CaptionRecords() const { return variable(Text::CaptionRecords); }
    QString DefaultPlayerName() const { return variable(Text::DefaultPlayerName); }
    QString MsgVictoryFirst() const { return variable(Text::MsgVictoryFirst); }
    QString MsgVictoryTop10() const { return variable(Text::MsgVictoryTop10); }
    QString MsgVictoryTime() const { return variable(Text::MsgVictoryTime); }
    QString MsgRecordPrompt() const { return variable(Text::MsgRecordPrompt); }

private:
    friend class Captions;
    QString variable(Text id) const { return language::text(id, variables_); }

    float Localisation_ = 0;
    Language variables_ = Language::English;
};

// The captions of one main window that change with the language, and the highlight of its
// language labels. The options dialog follows through columnApplied().
class Captions : public QObject {
    Q_OBJECT

public:
    explicit Captions(ProgramLanguage& program);

    // Highlights the language label nearest to the value and keeps the value; only exactly 0
    // or 1 changes the captions and the texts shown later.
    void SetLanguage(float language);

    const ProgramLanguage& program() const { return program_; }
    // The column last applied to this window; none while it shows its design-time captions.
    std::optional<Language> column() const { return column_; }
    // Side button 0 Clear, 1 Options, 2 Help, 3 Records.
    const QString& cmdTOP(int index) const { return cmdTOP_[index]; }
    // The Help and Records buttons show "close" while their panel is open.
    void setCmdTOP(int index, const QString& caption);
    QString lblEnd3() const { return caption(Text::IconQuestion); }
    // The victory panel's buttons: 0 "Else", 1 "End", 2 "To records".
    QString cmdEND(int index) const;
    // Unset: the default text colour, before the language is first set.
    std::optional<core::Rgb> lblLOCColour(int index) const { return lblLOCColour_[index]; }

signals:
    // Captions or label colours changed.
    void changed();
    // A language's captions were applied to this window.
    void columnApplied(Language language);
    // SetLanguage ran: what is spoken follows the value, whichever it is.
    void languageChanged();

private:
    QString caption(Text id) const;
    void applySideButtons();

    ProgramLanguage& program_;
    std::optional<Language> column_;
    std::array<QString, 4> cmdTOP_;
    std::array<std::optional<core::Rgb>, 2> lblLOCColour_;
};

} // namespace quilora::language
