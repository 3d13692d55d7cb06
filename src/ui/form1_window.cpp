#include "ui/form1_window.h"

#include "ui/card_slot.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>

#include <cmath>

namespace quilora::ui {
namespace {

// Window layout is designed in twips; 15 twips make one pixel.
QRect twips(int left, int top, int width, int height) {
    const auto px = [](int value) { return static_cast<int>(std::lround(value / 15.0)); };
    return {px(left), px(top), px(width), px(height)};
}

QColor toColor(const game::Rgb& rgb) {
    return QColor(rgb.red, rgb.green, rgb.blue);
}

QFont sizedFont(const QWidget* widget, qreal pointSize, bool bold) {
    QFont f = widget->font();
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

QLabel* label(QWidget* parent, const QRect& geometry, const QFont& f, const QColor& text) {
    auto* l = new QLabel(parent);
    l->setGeometry(geometry);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    if (text.isValid()) {
        QPalette palette = l->palette();
        palette.setColor(QPalette::WindowText, text);
        l->setPalette(palette);
    }
    return l;
}

void setBackground(QWidget* widget, const std::optional<game::Rgb>& rgb) {
    QPalette palette = widget->palette();
    const QColor colour =
        rgb ? toColor(*rgb) : widget->style()->standardPalette().color(QPalette::Button);
    if (palette.color(QPalette::Window) == colour && palette.color(QPalette::Button) == colour)
        return;
    palette.setColor(QPalette::Window, colour);
    palette.setColor(QPalette::Button, colour);
    widget->setPalette(palette);
}

// White lettering stays readable on the light card colours and backgrounds.
void addShadow(QLabel* label) {
    auto* shadow = new QGraphicsDropShadowEffect(label);
    shadow->setBlurRadius(3);
    shadow->setOffset(1, 1);
    shadow->setColor(QColor(0, 0, 0, 170));
    label->setGraphicsEffect(shadow);
}

void syncTimer(QTimer& timer, const game::Timer& state) {
    if (!state.ticking())
        timer.stop();
    else if (!timer.isActive() || timer.interval() != state.Interval)
        timer.start(state.Interval);
}

} // namespace

Form1Window::Form1Window(game::Form1& form, QWidget* parent) : QWidget(parent), form_(form) {
    setFixedSize(641, 425);

    for (int i = 0; i < game::kSlotCount; ++i) {
        const game::Rect r = game::slotGeometry(i);
        slots_[i] = new CardSlot(i, this);
        slots_[i]->setGeometry(r.left, r.top, r.width, r.height);
        connect(slots_[i], &CardSlot::clicked, &form_, &game::Form1::Foto_Click);
    }

    lblTime_ = label(this, twips(8040, 105, 1350, 375), sizedFont(this, 12, true), Qt::white);
    addShadow(lblTime_);

    const std::array<int, 4> buttonLeft = {6480, 4920, 3360, 1800};
    for (int i = 0; i < 4; ++i) {
        cmdTOP_[i] = new QPushButton(this);
        cmdTOP_[i]->setGeometry(twips(buttonLeft[i], 105, 1350, 374));
        cmdTOP_[i]->setAutoFillBackground(true);
        connect(cmdTOP_[i], &QPushButton::clicked, &form_, [this, i] { form_.cmdTOP_Click(i); });
    }
    // Options, help and records arrive with their own windows and panels.
    for (int i = 1; i < 4; ++i)
        cmdTOP_[i]->setEnabled(false);

    buildVictoryPanel();

    timer2_.setTimerType(Qt::PreciseTimer);
    connect(&timer1_, &QTimer::timeout, &form_, &game::Form1::Timer1_Timer);
    connect(&timer2_, &QTimer::timeout, &form_, &game::Form1::Timer2_Timer);
    connect(&form_, &game::Form1::changed, this, &Form1Window::refresh);
    refresh();
}

Form1Window::~Form1Window() = default;

void Form1Window::buildVictoryPanel() {
    frame2_ = new QFrame(this);
    frame2_->setGeometry(twips(3240, 1920, 3135, 2880));
    frame2_->setFrameShape(QFrame::Panel);
    frame2_->setFrameShadow(QFrame::Raised);
    frame2_->setLineWidth(2);
    frame2_->setAutoFillBackground(true);

    const QColor red(255, 0, 0);
    lblEnd_[0] = label(frame2_, twips(240, 120, 2655, 735), sizedFont(this, 13.5, true), red);
    lblEnd_[0]->setWordWrap(true);
    lblEnd_[1] = label(frame2_, twips(240, 840, 2655, 375), sizedFont(this, 18, true), Qt::white);
    addShadow(lblEnd_[1]);
    lblEnd_[2] = label(frame2_, twips(240, 1320, 2655, 375), sizedFont(this, 13.5, true), red);
    lblEnd_[3] = label(frame2_, twips(45, 1725, 3015, 255), font(), QColor());
    lblEnd_[3]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    const std::array<int, 3> iconLeft = {420, 1400, 2390};
    for (int i = 0; i < 3; ++i) {
        optKartinka_[i] = new QRadioButton(frame2_);
        optKartinka_[i]->setGeometry(twips(iconLeft[i], 1750, 220, 195));
        optKartinka_[i]->setAutoExclusive(false);
        optKartinka_[i]->setAutoFillBackground(true);
    }
    txtRec_ = new QLineEdit(frame2_);
    txtRec_->setGeometry(twips(120, 2040, 1455, 285));

    const std::array<QRect, 3> buttons = {twips(120, 2400, 1455, 375), twips(1680, 2400, 1335, 375),
                                          twips(1680, 2040, 1335, 285)};
    for (int i = 0; i < 3; ++i) {
        cmdEND_[i] = new QPushButton(frame2_);
        cmdEND_[i]->setGeometry(buttons[i]);
        if (i < 2)
            cmdEND_[i]->setFont(sizedFont(this, 9.75, true));
        connect(cmdEND_[i], &QPushButton::clicked, &form_, [this, i] { form_.cmdEND_Click(i); });
    }
}

// The icon question leaves a run of blanks before each of its three words for the icon buttons.
// Blanks differ in width from font to font, so the text is fitted to its label and each button
// is placed just before its word.
void Form1Window::layoutIconRow() {
    QLabel* question = lblEnd_[3];
    const QString text = question->text();
    QFont fitted = font();
    while (fitted.pointSizeF() > 6 &&
           QFontMetrics(fitted).horizontalAdvance(text) > question->width())
        fitted.setPointSizeF(fitted.pointSizeF() - 0.5);
    question->setFont(fitted);

    const QFontMetrics metrics(fitted);
    static const QRegularExpression blanks(QStringLiteral(" {3,}"));
    auto runs = blanks.globalMatch(text);
    for (QRadioButton* button : optKartinka_) {
        if (!runs.hasNext())
            break;
        const int wordLeft = metrics.horizontalAdvance(text.left(runs.next().capturedEnd()));
        button->move(question->x() + wordLeft - button->width(), button->y());
    }
}

QPixmap Form1Window::picture(const QString& path) {
    if (path.isEmpty())
        return {};
    auto it = pictures_.find(path);
    if (it == pictures_.end())
        it = pictures_.insert(path, QPixmap(path)); // a null pixmap when unreadable
    return *it;
}

void Form1Window::refresh() {
    setWindowTitle(form_.caption);
    const QColor cardColour = toColor(form_.cardColour);
    for (int i = 0; i < game::kSlotCount; ++i)
        slots_[i]->show(cardColour, picture(form_.FotoPicture[i]));

    lblTime_->setText(form_.lblTime);
    for (int i = 0; i < 4; ++i) {
        cmdTOP_[i]->setText(form_.cmdTOP[i]);
        setBackground(cmdTOP_[i], form_.panelColour);
    }

    const game::VictoryPanel& panel = form_.Frame2;
    setBackground(frame2_, form_.panelColour);
    for (int i = 0; i < 3; ++i)
        lblEnd_[i]->setText(panel.lblEnd[i]);
    if (lblEnd_[3]->text() != panel.lblEnd[3]) {
        lblEnd_[3]->setText(panel.lblEnd[3]);
        layoutIconRow();
    }
    for (int i = 0; i < 3; ++i) {
        optKartinka_[i]->setChecked(panel.optKartinkaSelected[i]);
        optKartinka_[i]->setEnabled(panel.optKartinkaEnabled[i]);
        setBackground(optKartinka_[i], panel.optKartinkaColour);
        cmdEND_[i]->setText(panel.cmdEND[i]);
        cmdEND_[i]->setEnabled(panel.cmdENDEnabled[i]);
    }
    if (txtRec_->text() != panel.txtRec)
        txtRec_->setText(panel.txtRec);
    txtRec_->setEnabled(panel.txtRecEnabled);
    frame2_->setVisible(panel.visible);

    syncTimer(timer1_, form_.Timer1);
    syncTimer(timer2_, form_.Timer2);
    if (form_.windowColour != paintedColour_ || form_.windowPicture != paintedPicture_) {
        paintedColour_ = form_.windowColour;
        paintedPicture_ = form_.windowPicture;
        update();
    }
}

void Form1Window::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), form_.windowColour ? toColor(*form_.windowColour)
                                                : palette().color(QPalette::Window));
    const QPixmap background = picture(form_.windowPicture);
    if (!background.isNull())
        painter.drawPixmap(0, 0, background);
}

void Form1Window::closeEvent(QCloseEvent* event) {
    form_.Form_Unload();
    event->accept();
}

} // namespace quilora::ui
