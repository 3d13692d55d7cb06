// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game/victory_panel_view.h"

#include "ui/widgets/look.h"
#include "ui/widgets/shadow_label.h"
#include "ui/widgets/twips.h"

#include <QGraphicsDropShadowEffect>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace quilora::ui {
namespace {

using language::Text;

constexpr qreal kMessagePoints = 13.5; // the red message and prompt

// An icon button without a caption: its circle fitted whole into its small place, on the
// panel's own colour.
class IconButton : public QRadioButton {
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
    void paintEvent(QPaintEvent*) override {
        QStyleOptionButton option;
        initStyleOption(&option);
        // Styles draw the circle up to a pixel beyond the square they are given: a pixel is
        // left on each side.
        const int side = std::min(width(), height()) - 2;
        option.rect = QRect((width() - side) / 2, (height() - side) / 2, side, side);
        QStylePainter(this).drawPrimitive(QStyle::PE_IndicatorRadioButton, option);
    }
};

// A message keeps its designed size where it fits its label; a longer one (the Russian top-ten
// message in a wide face) is made smaller until every line of it shows.
void fitLettering(QLabel* label, QFont font) {
    const int flags = Qt::AlignCenter | (label->wordWrap() ? Qt::TextWordWrap : 0);
    while (font.pointSizeF() > 6) {
        const QSize needed =
            QFontMetrics(font).boundingRect(label->contentsRect(), flags, label->text()).size();
        if (needed.height() <= label->height() && needed.width() <= label->width())
            break;
        font.setPointSizeF(font.pointSizeF() - 0.5);
    }
    label->setFont(font);
}

// Red lettering gets a dark rim, so it reads on every card colour.
void addOutline(QLabel* label) {
    auto* outline = new QGraphicsDropShadowEffect(label);
    outline->setBlurRadius(4);
    outline->setOffset(0, 0);
    outline->setColor(QColor(60, 0, 0));
    label->setGraphicsEffect(outline);
}

} // namespace

VictoryPanelView::VictoryPanelView(game::Form1& form, const records::RecordBook& records,
                                   const language::Captions& captions,
                                   const settings::Form2& options, QWidget* parent)
    : QFrame(parent), records_(records), captions_(captions), options_(options) {
    setObjectName(QStringLiteral("Frame2"));
    setGeometry(twips(3240, 1920, 3135, 2880));
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setLineWidth(2);
    setAutoFillBackground(true);

    const QColor red(255, 0, 0);
    lblEnd_[0] = placedLabel<QLabel>(this, twips(240, 120, 2655, 735),
                                     sizedFont(this, kMessagePoints, true), red);
    lblEnd_[0]->setWordWrap(true);
    addOutline(lblEnd_[0]);
    lblEnd_[1] = placedLabel<ShadowLabel>(this, twips(240, 840, 2655, 375),
                                          sizedFont(this, 18, true), Qt::white);
    lblEnd_[2] = placedLabel<QLabel>(this, twips(240, 1320, 2655, 375),
                                     sizedFont(this, kMessagePoints, true), red);
    addOutline(lblEnd_[2]);
    lblEnd_[3] = placedLabel<QLabel>(this, twips(45, 1725, 3015, 255), font());
    lblEnd_[3]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (int i = 0; i < 4; ++i)
        lblEnd_[i]->setObjectName(QStringLiteral("lblEnd%1").arg(i));

    const std::array<int, 3> iconLeft = {420, 1400, 2390};
    for (int i = 0; i < 3; ++i) {
        optKartinka_[i] = new IconButton(this);
        optKartinka_[i]->setObjectName(QStringLiteral("optKartinka%1").arg(i));
        optKartinka_[i]->setGeometry(twips(iconLeft[i], 1750, 220, 195));
        optKartinka_[i]->setAutoExclusive(false);
        connect(optKartinka_[i], &QRadioButton::clicked, &form,
                [&form, i] { form.optKartinka_Click(i); });
    }
    txtRec_ = new QLineEdit(this);
    txtRec_->setObjectName(QStringLiteral("txtRec"));
    txtRec_->setGeometry(twips(120, 2040, 1455, 285));
    txtRec_->setMaxLength(records::VictoryPanel::kNameLength);
    connect(txtRec_, &QLineEdit::textEdited, &form, &game::Form1::txtRec_Change);

    const std::array<QRect, 3> buttons = {twips(120, 2400, 1455, 375), twips(1680, 2400, 1335, 375),
                                          twips(1680, 2040, 1335, 285)};
    for (int i = 0; i < 3; ++i) {
        cmdEND_[i] = new QPushButton(this);
        cmdEND_[i]->setObjectName(QStringLiteral("cmdEND%1").arg(i));
        cmdEND_[i]->setGeometry(buttons[i]);
        if (i < 2)
            cmdEND_[i]->setFont(sizedFont(this, 9.75, true));
        connect(cmdEND_[i], &QPushButton::clicked, &form, [&form, i] { form.cmdEND_Click(i); });
    }

    connect(&records_, &records::RecordBook::victoryPanelChanged, this, &VictoryPanelView::refresh);
    connect(&captions_, &language::Captions::changed, this, &VictoryPanelView::refreshCaptions);
    connect(&captions_, &language::Captions::languageChanged, this, &VictoryPanelView::respeak);
    connect(&options_, &settings::Form2::appearanceChanged, this,
            [this] { setBackground(this, options_.appearance().panelColour); });
    setBackground(this, options_.appearance().panelColour);
    refreshCaptions();
    respeak();
    refresh();
}

QList<QWidget*> VictoryPanelView::tabOrder() const {
    return {txtRec_,    optKartinka_[0], optKartinka_[1], optKartinka_[2],
            cmdEND_[2], cmdEND_[0],      cmdEND_[1]};
}

void VictoryPanelView::refresh() {
    const records::VictoryPanel& panel = records_.Frame2();
    for (int i = 0; i < 3; ++i) {
        if (lblEnd_[i]->text() == panel.lblEnd[i])
            continue;
        lblEnd_[i]->setText(panel.lblEnd[i]);
        if (i != 1)
            fitLettering(lblEnd_[i], sizedFont(this, kMessagePoints, true));
    }
    for (int i = 0; i < 3; ++i) {
        optKartinka_[i]->setChecked(panel.optKartinkaSelected[i]);
        optKartinka_[i]->setEnabled(panel.entryEnabled);
    }
    cmdEND_[2]->setEnabled(panel.entryEnabled);
    txtRec_->setEnabled(panel.entryEnabled);
    QFont recordFont = font();
    recordFont.setBold(panel.recordIsDefault);
    cmdEND_[2]->setFont(recordFont);
    cmdEND_[2]->setDefault(panel.recordIsDefault);
    // Set only when it differs: setting it moves the cursor of a player typing to the end.
    if (txtRec_->text() != panel.txtRec)
        txtRec_->setText(panel.txtRec);
    if (panel.visible == isVisible())
        return;
    const bool hadFocus = isAncestorOf(focusWidget());
    setVisible(panel.visible);
    if (panel.visible) {
        raise();
        (panel.entryEnabled ? static_cast<QWidget*>(txtRec_) : cmdEND_[0])->setFocus();
    } else if (hadFocus) {
        emit closedWithFocus();
    }
}

void VictoryPanelView::pressDefault(const QWidget* focus) {
    const records::VictoryPanel& panel = records_.Frame2();
    if (panel.visible && panel.entryEnabled && (panel.recordIsDefault || focus == txtRec_))
        cmdEND_[2]->click();
}

void VictoryPanelView::refreshCaptions() {
    if (lblEnd_[3]->text() != captions_.lblEnd3()) {
        lblEnd_[3]->setText(captions_.lblEnd3());
        fitIconRow();
    }
    for (int i = 0; i < 3; ++i)
        cmdEND_[i]->setText(captions_.cmdEND(i));
}

void VictoryPanelView::respeak() {
    const language::ProgramLanguage& texts = captions_.program();
    setAccessibleName(texts.text(Text::VictoryPanel));
    txtRec_->setAccessibleName(texts.text(Text::NameBox));
    for (int i = 0; i < 3; ++i)
        optKartinka_[i]->setAccessibleName(
            texts.text(std::array{Text::Boy, Text::Girl, Text::Friend}[i]));
}

// The icon question leaves a run of blanks before each of its three words for the icon buttons.
// Blanks differ in width from font to font: they are narrowed until the shortest run just holds
// a button, and only then is the font made smaller until the text fits its label. Each button
// is placed just before its word.
void VictoryPanelView::fitIconRow() {
    QLabel* question = lblEnd_[3];
    const QString text = question->text();
    static const QRegularExpression blanks(QStringLiteral(" {3,}"));
    qsizetype shortestRun = text.size();
    for (auto runs = blanks.globalMatch(text); runs.hasNext();)
        shortestRun = std::min(shortestRun, runs.next().capturedLength());
    const int room = optKartinka_[0]->width() + 2;

    QFont fitted = font();
    for (;;) {
        fitted.setWordSpacing(0);
        const int blank = QFontMetrics(fitted).horizontalAdvance(QLatin1Char(' '));
        const int wanted = (room + int(shortestRun) - 1) / int(shortestRun);
        fitted.setWordSpacing(std::min(0, wanted - blank));
        if (fitted.pointSizeF() <= 6 ||
            QFontMetrics(fitted).horizontalAdvance(text) <= question->width())
            break;
        fitted.setPointSizeF(fitted.pointSizeF() - 0.5);
    }
    question->setFont(fitted);

    const QFontMetrics metrics(fitted);
    auto runs = blanks.globalMatch(text);
    for (QRadioButton* button : optKartinka_) {
        if (!runs.hasNext())
            break;
        const int wordLeft = metrics.horizontalAdvance(text.left(runs.next().capturedEnd()));
        button->move(question->x() + wordLeft - button->width(), button->y());
    }
}

} // namespace quilora::ui
