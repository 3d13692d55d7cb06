// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game/form1_window.h"

#include "language/links.h"
#include "ui/game/board_view.h"
#include "ui/game/form2_window.h"
#include "ui/game/side_button.h"
#include "ui/game/side_panels.h"
#include "ui/game/victory_panel_view.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/card_slot.h"
#include "ui/widgets/clickable_label.h"
#include "ui/widgets/focus_frames.h"
#include "ui/widgets/look.h"
#include "ui/widgets/shadow_label.h"
#include "ui/widgets/sharp_picture.h"
#include "ui/widgets/twips.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QPainter>
#include <QPushButton>

namespace quilora::ui {
namespace {

using language::Text;

void syncTimer(QTimer& timer, const game::Timer& state) {
    if (!state.ticking())
        timer.stop();
    else if (!timer.isActive() || timer.interval() != state.Interval)
        timer.start(state.Interval);
}

} // namespace

Form1Window::Form1Window(WindowModels models, QWidget* parent) : QWidget(parent), models_(models) {
    installAccessibility();
    setFixedSize(641, 425);
    setWindowTitle(models_.form.caption());
    game::Form1& form = models_.form;

    board_ = new BoardView(form, models_.options, models_.captions, this);
    // The two site labels overlap: the dark one lies under the white one as its shadow.
    const QFont linkFont = sizedFont(this, 9.75, true);
    lblOrvane_[0] = placedLabel<ClickableLabel>(this, twips(435, 224, 1215, 255), linkFont);
    lblOrvane_[1] =
        placedLabel<ClickableLabel>(this, twips(420, 195, 1215, 255), linkFont, Qt::white);
    for (int i : {0, 1}) {
        lblOrvane_[i]->setObjectName(QStringLiteral("lblOrvane%1").arg(i));
        lblOrvane_[i]->setText(language::siteName());
        lblOrvane_[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        connect(lblOrvane_[i], &ClickableLabel::clicked, &form,
                [&form, i] { form.lblOrvane_Click(i); });
    }
    lblOrvane_[0]->setFocusPolicy(Qt::NoFocus);
    lblOrvane_[1]->setToolTip(language::siteTooltip());

    lblTime_ = placedLabel<ShadowLabel>(this, twips(8040, 105, 1350, 375),
                                        sizedFont(this, 12, true), Qt::white);
    lblTime_->setObjectName(QStringLiteral("lblTime"));
    buildSideButtons();
    buildBottomRow();
    updateTabOrder();
    new FocusFrames(this);

    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    timer2_ = new QTimer(this);
    timer2_->setObjectName(QStringLiteral("Timer2"));
    timer2_->setTimerType(Qt::PreciseTimer);
    connect(timer1_, &QTimer::timeout, &form, &game::Form1::Timer1_Timer);
    connect(timer2_, &QTimer::timeout, &form, &game::Form1::Timer2_Timer);
    connect(&form, &game::Form1::clockChanged, this, &Form1Window::refreshClock);
    connect(&form, &game::Form1::optionsRequested, this, &Form1Window::showOptions);
    connect(&models_.captions, &language::Captions::changed, this, &Form1Window::refreshCaptions);
    connect(&models_.captions, &language::Captions::languageChanged, this, &Form1Window::respeak);
    connect(&models_.options, &settings::Form2::appearanceChanged, this,
            &Form1Window::refreshAppearance);
    connect(&models_.options, &settings::Form2::soundChanged, this, &Form1Window::refreshSound);
    connect(&models_.records, &records::RecordBook::victoryPanelChanged, this,
            &Form1Window::showVictoryPanel);
    connect(&models_.records, &records::RecordBook::recordsListChanged, this,
            &Form1Window::showRecordsList);
    connect(&models_.records, &records::RecordBook::helpChanged, this, &Form1Window::showHelp);
    refreshClock();
    refreshCaptions();
    respeak();
    refreshAppearance();
    board_->keyboardCard()->setFocus(Qt::ActiveWindowFocusReason);
}

Form1Window::~Form1Window() = default;

void Form1Window::buildSideButtons() {
    const std::array<int, 4> buttonLeft = {6480, 4920, 3360, 1800};
    for (int i = 0; i < 4; ++i) {
        cmdTOP_[i] = new SideButton(this);
        cmdTOP_[i]->setObjectName(QStringLiteral("cmdTOP%1").arg(i));
        cmdTOP_[i]->setGeometry(twips(buttonLeft[i], 105, 1350, 374));
        connect(cmdTOP_[i], &QPushButton::clicked, &models_.form,
                [this, i] { models_.form.cmdTOP_Click(i); });
    }
}

void Form1Window::buildBottomRow() {
    const QFont bold = sizedFont(this, 8.25, true);
    const std::array<QRect, 4> frames = {twips(240, 6091, 1350, 239), twips(6495, 6091, 1350, 239),
                                         twips(8055, 6091, 630, 239), twips(8775, 6091, 630, 239)};
    const std::array<const char*, 4> frameNames = {"frmURL1", "frmSND", "frmLOC0", "frmLOC1"};
    for (int i = 0; i < 4; ++i) {
        bottomFrames_[i] = new QFrame(this);
        bottomFrames_[i]->setObjectName(QLatin1String(frameNames[i]));
        bottomFrames_[i]->setGeometry(frames[i]);
        bottomFrames_[i]->setAutoFillBackground(true);
    }
    game::Form1& form = models_.form;
    lblOrvane_[3] = placedLabel<ClickableLabel>(bottomFrames_[0], twips(120, 15, 1050, 255), bold);
    lblOrvane_[3]->setObjectName(QStringLiteral("lblOrvane3"));
    lblOrvane_[3]->setText(text(Text::HomepageLabel, language::Language::English));
    connect(lblOrvane_[3], &ClickableLabel::clicked, &form, [&form] { form.lblOrvane_Click(3); });

    lblSND_ = placedLabel<ClickableLabel>(bottomFrames_[1], twips(120, 15, 1170, 255), bold);
    lblSND_->setObjectName(QStringLiteral("lblSND"));
    connect(lblSND_, &ClickableLabel::clicked, &form, &game::Form1::lblSND_Click);

    const std::array<int, 2> languageLeft = {105, 102};
    const std::array<Text, 2> languageCaption = {Text::RussianLabel, Text::EnglishLabel};
    for (int i = 0; i < 2; ++i) {
        lblLOC_[i] = placedLabel<ClickableLabel>(bottomFrames_[2 + i],
                                                 twips(languageLeft[i], 15, 450, 255), bold);
        lblLOC_[i]->setObjectName(QStringLiteral("lblLOC%1").arg(i));
        lblLOC_[i]->setText(text(languageCaption[i], language::Language::English));
        connect(lblLOC_[i], &ClickableLabel::clicked, &form, [&form, i] { form.lblLOC_Click(i); });
    }
}

void Form1Window::showVictoryPanel() {
    if (frame2_ || !models_.records.Frame2().visible)
        return;
    frame2_ = new VictoryPanelView(models_.form, models_.records, models_.captions, models_.options,
                                   this);
    connect(frame2_, &VictoryPanelView::closedWithFocus, this,
            [this] { board_->keyboardCard()->setFocus(Qt::OtherFocusReason); });
    updateTabOrder();
}

void Form1Window::showRecordsList() {
    if (lvRecord_ || !models_.records.lvRecord().visible)
        return;
    lvRecord_ = new RecordsListView(models_.form, models_.records, models_.captions, this);
    connect(lvRecord_, &RecordsListView::raised, this, &Form1Window::keepVictoryPanelOnTop);
    keepVictoryPanelOnTop();
    updateTabOrder();
}

void Form1Window::showHelp() {
    if (txtHELP_ || !models_.records.txtHELP().visible)
        return;
    txtHELP_ = new HelpBoxView(models_.records, models_.captions, this);
    connect(txtHELP_, &HelpBoxView::raised, this, &Form1Window::keepVictoryPanelOnTop);
    keepVictoryPanelOnTop();
    updateTabOrder();
}

// The help text and the records list lie where the victory panel does; the panel stays on top.
void Form1Window::keepVictoryPanelOnTop() {
    if (frame2_ && frame2_->isVisible())
        frame2_->raise();
}

// Tab goes round the board (as one stop), the side buttons, the panels, the bottom labels and
// the site link; hidden controls are passed over.
void Form1Window::updateTabOrder() {
    QList<QWidget*> order = board_->cards();
    order << cmdTOP_[3] << cmdTOP_[2] << cmdTOP_[1] << cmdTOP_[0];
    if (frame2_)
        order << frame2_->tabOrder();
    order << lvRecord_ << txtHELP_ << lblOrvane_[3] << lblSND_ << lblLOC_[0] << lblLOC_[1]
          << lblOrvane_[1];
    order.removeAll(nullptr);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Form1Window::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        if (models_.records.txtHELP().visible)
            models_.form.cmdTOP_Click(2);
        if (models_.records.lvRecord().visible)
            models_.form.cmdTOP_Click(3);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Buttons outside a dialog take only Space by themselves. Elsewhere Enter goes to the
        // victory panel, whose "To records" is the window's default button.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->animateClick();
        else if (frame2_)
            frame2_->pressDefault(focusWidget());
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void Form1Window::showOptions() {
    if (!form2_)
        form2_ = new Form2Window(models_.options, this);
    form2_->move(frameGeometry().topLeft() + QPoint(8, 27)); // 120 and 400 twips
    ++modalDepth_;
    form2_->exec();
    --modalDepth_;
    // Without a window manager to hand it back, the keyboard would stay with no window.
    activateWindow();
    // A new deal asked for inside the dialog waited for its loop to end.
    models_.form.renewReloadRequest();
}

void Form1Window::refreshClock() {
    lblTime_->setText(models_.form.lblTime());
    // Before the first second the label shows its caption, which would be heard twice.
    const language::ProgramLanguage& texts = models_.captions.program();
    const QString shown = models_.form.lblTime();
    lblTime_->setAccessibleName(shown == texts.text(Text::ClockAtStart)
                                    ? texts.text(Text::Clock)
                                    : texts.text(Text::Clock) + QStringLiteral(": ") + shown);
    syncTimer(*timer1_, models_.form.Timer1());
    syncTimer(*timer2_, models_.form.Timer2());
}

void Form1Window::refreshCaptions() {
    const language::Captions& captions = models_.captions;
    for (int i = 0; i < 4; ++i)
        cmdTOP_[i]->setText(captions.cmdTOP(i));
    for (int i = 0; i < 2; ++i)
        setTextColour(lblLOC_[i], captions.lblLOCColour(i) ? toColor(*captions.lblLOCColour(i))
                                                           : palette().color(QPalette::WindowText));
}

// The names of the controls that show no words of their own, in the language spoken.
void Form1Window::respeak() {
    const language::ProgramLanguage& texts = models_.captions.program();
    lblLOC_[0]->setAccessibleName(texts.text(Text::RussianLanguage));
    lblLOC_[1]->setAccessibleName(texts.text(Text::EnglishLanguage));
    lblOrvane_[1]->setAccessibleName(texts.text(Text::SiteLink));
    lblOrvane_[3]->setAccessibleName(texts.text(Text::HomepageLink));
    refreshClock();
    refreshSound();
}

void Form1Window::refreshAppearance() {
    const settings::Appearance& look = models_.options.appearance();
    for (SideButton* button : cmdTOP_)
        button->setFlatColour(look.panelColour ? std::optional(toColor(*look.panelColour))
                                               : std::nullopt);
    for (QFrame* frame : bottomFrames_)
        setBackground(frame, look.panelColour);
    background_ = look.windowPicture.isEmpty()
                      ? QPixmap()
                      : sharpPicture(look.windowPicture, devicePixelRatioF(), kBackgroundLimits);
    update();
}

void Form1Window::refreshSound() {
    lblSND_->setText(models_.options.lblSND());
    lblSND_->setAccessibleName(models_.captions.program().text(
        models_.options.chkS() != 0 ? Text::SoundIsOn : Text::SoundIsOff));
}

void Form1Window::paintEvent(QPaintEvent*) {
    if (!firstFramePainted_) {
        firstFramePainted_ = true;
        QMetaObject::invokeMethod(this, &Form1Window::firstFrameShown, Qt::QueuedConnection);
    }
    QPainter painter(this);
    const settings::Appearance& look = models_.options.appearance();
    painter.fillRect(rect(), look.windowColour ? toColor(*look.windowColour)
                                               : palette().color(QPalette::Window));
    if (!background_.isNull())
        painter.drawPixmap(0, 0, background_);
}

void Form1Window::closeEvent(QCloseEvent* event) {
    // The dialog's window goes before the dialog it shows.
    delete form2_;
    form2_ = nullptr;
    models_.form.Form_Unload();
    event->accept();
}

} // namespace quilora::ui
