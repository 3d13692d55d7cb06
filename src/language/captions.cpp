// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/captions.h"

#include "core/rounding.h"

namespace quilora::language {

Captions::Captions(ProgramLanguage& program) : program_(program) {
    applySideButtons();
}

// Clear, Options, Help and Records follow each other in the catalogue as on the window.
void Captions::applySideButtons() {
    for (int i = 0; QString & button : cmdTOP_)
        button = caption(static_cast<Text>(static_cast<int>(Text::ClearButton) + i++));
}

void Captions::SetLanguage(float language) {
    constexpr core::Rgb black{0, 0, 0};
    lblLOCColour_ = {black, black};
    // The default rounding mode takes a half to the even neighbour: 0.5 highlights "Rus".
    const double nearest = core::roundHalfEven(static_cast<double>(language));
    if (nearest == 0 || nearest == 1)
        lblLOCColour_[static_cast<int>(nearest)] = core::Rgb{128, 0, 0};
    program_.Localisation_ = language;

    if (language == 0 || language == 1) {
        const Language applied = language == 1 ? Language::English : Language::Russian;
        column_ = applied;
        program_.variables_ = applied;
        applySideButtons();
        emit columnApplied(applied);
    }
    emit languageChanged();
    emit changed();
}

void Captions::setCmdTOP(int index, const QString& text) {
    cmdTOP_[index] = text;
    emit changed();
}

QString Captions::cmdEND(int index) const {
    static constexpr std::array<Text, 3> buttons = {Text::ElseButton, Text::EndButton,
                                                    Text::RecordButton};
    return caption(buttons[index]);
}

// Before a language is applied, the window shows its design: English but for the victory
// panel's icon question and its "Else" and "End", which are Russian.
QString Captions::caption(Text id) const {
    if (column_)
        return text(id, *column_);
    const bool russianByDesign =
        id == Text::IconQuestion || id == Text::ElseButton || id == Text::EndButton;
    return text(id, russianByDesign ? Language::Russian : Language::English);
}

} // namespace quilora::language
