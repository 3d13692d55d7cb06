#pragma once

#include "game/form1.h"

#include <QObject>
#include <QStringList>

#include <array>

namespace quilora::settings {

inline constexpr int kChoices = 5;

// The options dialog's logic: its controls hold the live choices of background, picture set
// and sound; its routines read and write the settings file and put the choices into effect
// on the main window. It is created, hidden, when the main window loads.
class Form2 final : public QObject, public game::OptionsDialog {
    Q_OBJECT

public:
    explicit Form2(game::Form1& form);

    void ChooseIni() override;
    void SetColor() override;
    void SetSound() override;
    int selectedPictureSet() const override { return optP; }
    int chkS() const override { return chkSValue; }
    void setChkS(int value) override;
    QString pictureSetCaption(int index) const override;
    game::DialogCaptions* captions() override { return &dialogCaptions; }

    void cmdNAS_Click(int Index);
    void chkS_Click();
    void optFon_Click(int Index);
    void optP_Click(int Index);

    QString settingsPath() const;
    bool english() const { return core::isEnglish(form_.program()); }

    int optFon = 0; // selected background option, 0 to 4 (read from the settings at construction)
    int optP = 0;   // selected picture-set option, 0 to 4
    int chkSValue = 0;
    std::array<QString, kChoices> picChoose;           // thumbnail files; empty for none
    std::array<QStringList, kChoices> pictureSetNames; // Russian name, then English if given
    game::DialogCaptions dialogCaptions;

signals:
    void changed();
    // OK, Cancel and the pictures Apply close the dialog.
    void hideRequested();

private:
    void writeSettings();
    void changeMainWindow();

    game::Form1& form_;
};

} // namespace quilora::settings
