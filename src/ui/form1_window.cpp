#include "ui/form1_window.h"

#include "language/links.h"
#include "settings/form2.h"
#include "ui/accessibility.h"
#include "ui/card_slot.h"
#include "ui/clickable_label.h"
#include "ui/form2_window.h"
#include "ui/shadow_label.h"
#include "ui/twips.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTreeWidget>

namespace quilora::ui {
namespace {

const QColor kLightYellow(255, 255, 192);

QFont sizedFont(const QWidget* widget, qreal pointSize, bool bold) {
    QFont f = widget->font();
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

template <typename Label = QLabel>
Label* label(QWidget* parent, const QRect& geometry, const QFont& f, const QColor& text) {
    auto* l = new Label(parent);
    l->setGeometry(geometry);
    l->setFont(f);
    l->setAlignment(Qt::AlignCenter);
    if (text.isValid())
        setTextColour(l, text);
    return l;
}

QColor standardButtonColour(const QWidget* widget) {
    return widget->style()->standardPalette().color(QPalette::Button);
}

// Only the background itself: the buttons inside the victory panel keep their own colour.
void setBackground(QWidget* widget, const std::optional<game::Rgb>& rgb) {
    QPalette palette = widget->palette();
    const QColor colour = rgb ? toColor(*rgb) : standardButtonColour(widget);
    if (palette.color(QPalette::Window) == colour)
        return;
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
}

// The side buttons show the card colour itself, flat, rather than the style's gradient.
QString flatButtonStyle(const QColor& colour) {
    return QStringLiteral("QPushButton { background-color: %1; border: 1px solid %2;"
                          " border-radius: 3px; padding: 1px 3px; }"
                          " QPushButton:hover { background-color: %3; }"
                          " QPushButton:pressed { background-color: %4; }"
                          " QPushButton:focus { border: 2px solid %5; }")
        .arg(colour.name(), colour.darker(170).name(), colour.lighter(108).name(),
             colour.darker(115).name(), colour.darker(250).name());
}

// Red lettering gets a dark rim, so it reads on every card colour.
void addOutline(QLabel* label) {
    auto* outline = new QGraphicsDropShadowEffect(label);
    outline->setBlurRadius(4);
    outline->setOffset(0, 0);
    outline->setColor(QColor(60, 0, 0));
    label->setGraphicsEffect(outline);
}

void syncTimer(QTimer& timer, const game::Timer& state) {
    if (!state.ticking())
        timer.stop();
    else if (!timer.isActive() || timer.interval() != state.Interval)
        timer.start(state.Interval);
}

} // namespace

Form1Window::Form1Window(game::Form1& form, QWidget* parent) : QWidget(parent), form_(form) {
    installAccessibility();
    setFixedSize(641, 425);

    for (int i = 0; i < game::kSlotCount; ++i) {
        const game::Rect r = game::slotGeometry(i);
        slots_[i] = new CardSlot(i, this);
        slots_[i]->setGeometry(r.left, r.top, r.width, r.height);
        slots_[i]->spokenName = [this, i] { return language::cardName(form_, i, pictureNames_); };
        connect(slots_[i], &CardSlot::clicked, &form_, &game::Form1::Foto_Click);
        connect(slots_[i], &CardSlot::moveFocus, this, &Form1Window::moveCardFocus);
    }
    slots_[keyboardCard_]->setFocusPolicy(Qt::TabFocus);

    // The two site labels overlap: the dark one lies under the white one as its shadow.
    const QFont linkFont = sizedFont(this, 9.75, true);
    lblOrvane_[0] = label<ClickableLabel>(this, twips(435, 224, 1215, 255), linkFont, QColor());
    lblOrvane_[1] = label<ClickableLabel>(this, twips(420, 195, 1215, 255), linkFont, Qt::white);
    for (int i : {0, 1}) {
        lblOrvane_[i]->setText(language::siteName());
        lblOrvane_[i]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        connect(lblOrvane_[i], &ClickableLabel::clicked, &form_,
                [this, i] { form_.lblOrvane_Click(i); });
    }
    lblOrvane_[0]->setFocusPolicy(Qt::NoFocus);
    lblOrvane_[1]->setToolTip(language::siteTooltip());

    lblTime_ =
        label<ShadowLabel>(this, twips(8040, 105, 1350, 375), sizedFont(this, 12, true), Qt::white);
    buildSideButtons();
    buildBottomRow();
    updateTabOrder();

    timer2_.setTimerType(Qt::PreciseTimer);
    connect(&timer1_, &QTimer::timeout, &form_, &game::Form1::Timer1_Timer);
    connect(&timer2_, &QTimer::timeout, &form_, &game::Form1::Timer2_Timer);
    connect(&form_, &game::Form1::changed, this, &Form1Window::refresh);
    connect(&form_, &game::Form1::clockChanged, this, &Form1Window::refreshClock);
    connect(&form_, &game::Form1::optionsRequested, this, &Form1Window::showOptions);
    refresh();
    slots_[keyboardCard_]->takeFocus(false);
}

Form1Window::~Form1Window() = default;

void Form1Window::buildSideButtons() {
    const std::array<int, 4> buttonLeft = {6480, 4920, 3360, 1800};
    for (int i = 0; i < 4; ++i) {
        cmdTOP_[i] = new QPushButton(this);
        cmdTOP_[i]->setGeometry(twips(buttonLeft[i], 105, 1350, 374));
        connect(cmdTOP_[i], &QPushButton::clicked, &form_, [this, i] { form_.cmdTOP_Click(i); });
    }
}

void Form1Window::buildBottomRow() {
    const QFont bold = sizedFont(this, 8.25, true);
    const std::array<QRect, 4> frames = {twips(240, 6091, 1350, 239), twips(6495, 6091, 1350, 239),
                                         twips(8055, 6091, 630, 239), twips(8775, 6091, 630, 239)};
    for (int i = 0; i < 4; ++i) {
        bottomFrames_[i] = new QFrame(this);
        bottomFrames_[i]->setGeometry(frames[i]);
        bottomFrames_[i]->setAutoFillBackground(true);
    }
    lblOrvane_[3] =
        label<ClickableLabel>(bottomFrames_[0], twips(120, 15, 1050, 255), bold, QColor());
    lblOrvane_[3]->setText(QStringLiteral("Homepage"));
    connect(lblOrvane_[3], &ClickableLabel::clicked, &form_, [this] { form_.lblOrvane_Click(3); });

    lblSND_ = label<ClickableLabel>(bottomFrames_[1], twips(120, 15, 1170, 255), bold, QColor());
    connect(lblSND_, &ClickableLabel::clicked, &form_, &game::Form1::lblSND_Click);

    const std::array<int, 2> languageLeft = {105, 102};
    const std::array<QString, 2> languageCaption = {QStringLiteral("Rus"), QStringLiteral("Eng")};
    for (int i = 0; i < 2; ++i) {
        lblLOC_[i] = label<ClickableLabel>(bottomFrames_[2 + i],
                                           twips(languageLeft[i], 15, 450, 255), bold, QColor());
        lblLOC_[i]->setText(languageCaption[i]);
        connect(lblLOC_[i], &ClickableLabel::clicked, &form_, [this, i] { form_.lblLOC_Click(i); });
    }
}

void Form1Window::buildVictoryPanel() {
    frame2_ = new QFrame(this);
    frame2_->hide();
    frame2_->setGeometry(twips(3240, 1920, 3135, 2880));
    frame2_->setFrameShape(QFrame::Panel);
    frame2_->setFrameShadow(QFrame::Raised);
    frame2_->setLineWidth(2);
    frame2_->setAutoFillBackground(true);

    const QColor red(255, 0, 0);
    lblEnd_[0] = label(frame2_, twips(240, 120, 2655, 735), sizedFont(this, 13.5, true), red);
    lblEnd_[0]->setWordWrap(true);
    addOutline(lblEnd_[0]);
    lblEnd_[1] = label<ShadowLabel>(frame2_, twips(240, 840, 2655, 375), sizedFont(this, 18, true),
                                    Qt::white);
    lblEnd_[2] = label(frame2_, twips(240, 1320, 2655, 375), sizedFont(this, 13.5, true), red);
    addOutline(lblEnd_[2]);
    lblEnd_[3] = label(frame2_, twips(45, 1725, 3015, 255), font(), QColor());
    lblEnd_[3]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    const std::array<int, 3> iconLeft = {420, 1400, 2390};
    for (int i = 0; i < 3; ++i) {
        optKartinka_[i] = new QRadioButton(frame2_);
        optKartinka_[i]->setGeometry(twips(iconLeft[i], 1750, 220, 195));
        optKartinka_[i]->setAutoExclusive(false);
        optKartinka_[i]->setAutoFillBackground(true);
        connect(optKartinka_[i], &QRadioButton::clicked, &form_,
                [this, i] { form_.optKartinka_Click(i); });
    }
    txtRec_ = new QLineEdit(frame2_);
    txtRec_->setGeometry(twips(120, 2040, 1455, 285));
    txtRec_->setMaxLength(game::VictoryPanel::kNameLength);
    connect(txtRec_, &QLineEdit::textEdited, &form_, &game::Form1::txtRec_Change);
    // Enter in the name box stores the record, as the default button would.
    connect(txtRec_, &QLineEdit::returnPressed, &form_, [this] { form_.cmdEND_Click(2); });

    const std::array<QRect, 3> buttons = {twips(120, 2400, 1455, 375), twips(1680, 2400, 1335, 375),
                                          twips(1680, 2040, 1335, 285)};
    for (int i = 0; i < 3; ++i) {
        cmdEND_[i] = new QPushButton(frame2_);
        cmdEND_[i]->setGeometry(buttons[i]);
        if (i < 2)
            cmdEND_[i]->setFont(sizedFont(this, 9.75, true));
        connect(cmdEND_[i], &QPushButton::clicked, &form_, [this, i] { form_.cmdEND_Click(i); });
    }
    if (panelColour_)
        setBackground(frame2_, *panelColour_);
    spokenFor_.reset();
    updateTabOrder();
}

void Form1Window::buildHelpBox() {
    txtHELP_ = new QPlainTextEdit(this);
    txtHELP_->hide();
    txtHELP_->setGeometry(twips(1680, 1920, 6255, 2888));
    txtHELP_->setReadOnly(true);
    QPalette palette = txtHELP_->palette();
    palette.setColor(QPalette::Base, kLightYellow);
    txtHELP_->setPalette(palette);
    spokenFor_.reset();
    updateTabOrder();
}

void Form1Window::buildRecordsList() {
    lvRecord_ = new QTreeWidget(this);
    lvRecord_->hide();
    lvRecord_->setGeometry(twips(1680, 1920, 6255, 2940));
    lvRecord_->setFont(sizedFont(this, 8.25, false));
    lvRecord_->setRootIsDecorated(false);
    lvRecord_->setUniformRowHeights(true);
    lvRecord_->setIconSize(QSize(16, 16));
    lvRecord_->setSelectionMode(QAbstractItemView::SingleSelection);
    lvRecord_->setHeaderLabels({QStringLiteral("Gamer"), QStringLiteral("№"),
                                QStringLiteral("Time"), QStringLiteral("Set"),
                                QStringLiteral("Date")});
    const std::array<int, 5> widths = {126, 30, 75, 100, 80};
    for (int i = 0; i < 5; ++i)
        lvRecord_->setColumnWidth(i, widths[i]);
    lvRecord_->header()->setSectionsClickable(true);
    lvRecord_->header()->setSortIndicatorShown(true);
    lvRecord_->header()->setStretchLastSection(false);
    connect(lvRecord_->header(), &QHeaderView::sectionClicked, &form_,
            [this](int section) { form_.lvRecord_ColumnClick(section + 1); });
    QPalette palette = lvRecord_->palette();
    palette.setColor(QPalette::Base, kLightYellow);
    lvRecord_->setPalette(palette);
    spokenFor_.reset();
    updateTabOrder();
}

QFrame* Form1Window::victoryPanel() {
    if (!frame2_) {
        buildVictoryPanel();
        refreshVictoryPanel();
        refreshSpokenNames();
    }
    return frame2_;
}

QLabel* Form1Window::victoryLabel(int index) {
    victoryPanel();
    return lblEnd_[index];
}

QRadioButton* Form1Window::iconButton(int index) {
    victoryPanel();
    return optKartinka_[index];
}

QLineEdit* Form1Window::nameBox() {
    victoryPanel();
    return txtRec_;
}

QPushButton* Form1Window::victoryButton(int index) {
    victoryPanel();
    return cmdEND_[index];
}

QPlainTextEdit* Form1Window::helpBox() {
    if (!txtHELP_) {
        buildHelpBox();
        refreshHelp();
        refreshSpokenNames();
    }
    return txtHELP_;
}

QTreeWidget* Form1Window::recordsList() {
    if (!lvRecord_) {
        buildRecordsList();
        refreshRecords();
        refreshSpokenNames();
    }
    return lvRecord_;
}

Form2Window* Form1Window::optionsWindow() {
    if (!form2_) {
        if (auto* dialog = dynamic_cast<settings::Form2*>(form_.optionsDialog())) {
            form2_ = new Form2Window(*dialog, this);
            connect(&form_, &game::Form1::changed, form2_, &Form2Window::refresh);
        }
    }
    return form2_;
}

// Tab goes round the board (as one stop), the side buttons, the panels, the bottom labels and
// the site link; hidden controls are passed over.
void Form1Window::updateTabOrder() {
    QList<QWidget*> order(slots_.begin(), slots_.end());
    order << cmdTOP_[3] << cmdTOP_[2] << cmdTOP_[1] << cmdTOP_[0] << txtRec_ << optKartinka_[0]
          << optKartinka_[1] << optKartinka_[2] << cmdEND_[2] << cmdEND_[0] << cmdEND_[1]
          << lvRecord_ << txtHELP_ << lblOrvane_[3] << lblSND_ << lblLOC_[0] << lblLOC_[1]
          << lblOrvane_[1];
    order.removeAll(nullptr);
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

// The icon question leaves a run of blanks before each of its three words for the icon buttons.
// Blanks differ in width from font to font: they are narrowed until the shortest run just holds
// a button, and only then is the font made smaller until the text fits its label. Each button
// is placed just before its word.
void Form1Window::layoutIconRow() {
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

// The arrow keys move over the board and wrap round at its edges.
void Form1Window::moveCardFocus(int from, int columns, int rows) {
    const int column = (from % game::kColumns + columns + game::kColumns) % game::kColumns;
    const int rowCount = game::kSlotCount / game::kColumns;
    const int row = (from / game::kColumns + rows + rowCount) % rowCount;
    slots_[keyboardCard_]->setFocusPolicy(Qt::NoFocus);
    keyboardCard_ = row * game::kColumns + column;
    slots_[keyboardCard_]->setFocusPolicy(Qt::TabFocus);
    slots_[keyboardCard_]->takeFocus(true);
}

void Form1Window::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        if (form_.txtHELP.visible)
            form_.cmdTOP_Click(2);
        if (form_.lvRecord.visible)
            form_.cmdTOP_Click(3);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Buttons outside a dialog take only Space by themselves.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->animateClick();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void Form1Window::showOptions() {
    Form2Window* dialog = optionsWindow();
    if (!dialog)
        return;
    dialog->move(frameGeometry().topLeft() + QPoint(8, 27)); // 120 and 400 twips
    ++modalDepth_;
    dialog->exec();
    --modalDepth_;
    // Without a window manager to hand it back, the keyboard would stay with no window.
    activateWindow();
    // A reload asked for inside the dialog waited for its loop to end; it can run now.
    if (form_.reloadDue())
        QMetaObject::invokeMethod(&form_, &game::Form1::reloadRequested, Qt::QueuedConnection);
}

QPixmap Form1Window::picture(const QString& path) {
    if (path.isEmpty())
        return {};
    auto it = pictures_.find(path);
    if (it == pictures_.end())
        it = pictures_.insert(path, QPixmap(path)); // a null pixmap when unreadable
    return *it;
}

void Form1Window::refreshRecords() {
    const game::RecordsList& list = form_.lvRecord;
    if (!lvRecord_) {
        if (!list.visible)
            return;
        buildRecordsList();
    }
    if (list.rows != shownRows_) {
        shownRows_ = list.rows;
        lvRecord_->clear();
        const bool english = core::isEnglish(form_.program());
        for (const game::RecordRow& row : list.rows) {
            auto* item = new QTreeWidgetItem(lvRecord_);
            item->setText(0, row.name);
            if (row.icon >= 1 && row.icon <= 8)
                item->setIcon(0, QIcon(QStringLiteral(":/icons/%1.png").arg(row.icon)));
            item->setText(1, QString::number(row.place));
            item->setText(2, row.time);
            item->setText(3, row.set);
            item->setText(4, row.date);
            const QString icon = language::iconName(row.icon, english);
            if (!icon.isEmpty())
                item->setData(0, Qt::AccessibleTextRole, row.name + QStringLiteral(", ") + icon);
        }
    }
    // A click on the heading already sorted by flips the header's arrow by itself; the rows
    // stay ascending, and so must the arrow.
    QHeaderView* header = lvRecord_->header();
    if (header->sortIndicatorSection() != list.sortColumn ||
        header->sortIndicatorOrder() != Qt::AscendingOrder)
        header->setSortIndicator(list.sortColumn, Qt::AscendingOrder);
    if (list.visible != lvRecord_->isVisible()) {
        lvRecord_->setVisible(list.visible);
        if (list.visible)
            lvRecord_->raise();
    }
}

void Form1Window::refreshHelp() {
    const game::HelpBox& help = form_.txtHELP;
    if (!txtHELP_) {
        if (!help.visible)
            return;
        buildHelpBox();
    }
    QString helpText = help.text;
    helpText.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (txtHELP_->toPlainText() != helpText)
        txtHELP_->setPlainText(helpText);
    if (help.visible != txtHELP_->isVisible()) {
        txtHELP_->setVisible(help.visible);
        if (help.visible)
            txtHELP_->raise();
    }
}

void Form1Window::refreshVictoryPanel() {
    const game::VictoryPanel& panel = form_.Frame2;
    if (!frame2_) {
        if (!panel.visible)
            return;
        buildVictoryPanel();
    }
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
    if (cmdEND_[2]->font().bold() != panel.recordIsDefault) {
        QFont recordFont = font();
        recordFont.setBold(panel.recordIsDefault);
        cmdEND_[2]->setFont(recordFont);
    }
    if (txtRec_->text() != panel.txtRec)
        txtRec_->setText(panel.txtRec);
    txtRec_->setEnabled(panel.txtRecEnabled);
    if (panel.visible != frame2_->isVisible()) {
        const bool hadFocus = frame2_->isAncestorOf(focusWidget());
        frame2_->setVisible(panel.visible);
        if (panel.visible) {
            frame2_->raise();
            (panel.txtRecEnabled ? static_cast<QWidget*>(txtRec_) : cmdEND_[0])->setFocus();
        } else if (hadFocus) {
            slots_[keyboardCard_]->takeFocus(true);
        }
    }
    if (frame2_->isVisible())
        frame2_->raise();
}

void Form1Window::refreshClock() {
    lblTime_->setText(form_.lblTime);
    lblTime_->setAccessibleName(
        language::controlName(language::Control::Clock, core::isEnglish(form_.program())) +
        QStringLiteral(": ") + form_.lblTime);
}

void Form1Window::refresh() {
    setWindowTitle(form_.caption);
    const QColor cardColour = toColor(form_.cardColour);
    for (int i = 0; i < game::kSlotCount; ++i)
        slots_[i]->show(cardColour, picture(form_.FotoPicture[i]));

    refreshClock();
    for (int i = 0; i < 4; ++i)
        cmdTOP_[i]->setText(form_.cmdTOP[i]);
    if (panelColour_ != form_.panelColour) {
        panelColour_ = form_.panelColour;
        const QString style = *panelColour_ ? flatButtonStyle(toColor(**panelColour_)) : QString();
        for (QPushButton* button : cmdTOP_)
            button->setStyleSheet(style);
        if (frame2_)
            setBackground(frame2_, *panelColour_);
        for (QFrame* frame : bottomFrames_)
            setBackground(frame, *panelColour_);
    }
    refreshHelp();
    refreshRecords();
    refreshVictoryPanel();

    lblSND_->setText(form_.lblSND);
    for (int i = 0; i < 2; ++i)
        setTextColour(lblLOC_[i], form_.lblLOCColour[i] ? toColor(*form_.lblLOCColour[i])
                                                        : palette().color(QPalette::WindowText));
    refreshSpokenNames();

    syncTimer(timer1_, form_.Timer1);
    syncTimer(timer2_, form_.Timer2);
    if (form_.windowColour != paintedColour_ || form_.windowPicture != paintedPicture_) {
        paintedColour_ = form_.windowColour;
        paintedPicture_ = form_.windowPicture;
        update();
    }
}

// The names of the controls without words of their own, set again only when the language or
// the sound switch has changed; the cards are named when a screen reader asks.
void Form1Window::refreshSpokenNames() {
    using language::Control;
    using language::controlName;
    if (namesFolder_ != form_.program().PictureFolder) {
        namesFolder_ = form_.program().PictureFolder;
        pictureNames_ = language::readPictureNames(namesFolder_);
    }
    const bool english = core::isEnglish(form_.program());
    const game::OptionsDialog* dialog = form_.optionsDialog();
    const bool soundOn = !dialog || dialog->chkS() != 0;
    if (spokenFor_ == std::pair(english, soundOn))
        return;
    const bool languageChanged = !spokenFor_ || spokenFor_->first != english;
    spokenFor_ = std::pair(english, soundOn);
    lblSND_->setAccessibleName(
        controlName(soundOn ? Control::SoundOn : Control::SoundOff, english));
    if (!languageChanged)
        return;
    for (CardSlot* card : slots_)
        card->spokenNameChanged();
    lblLOC_[0]->setAccessibleName(controlName(Control::Russian, english));
    lblLOC_[1]->setAccessibleName(controlName(Control::English, english));
    lblOrvane_[1]->setAccessibleName(controlName(Control::SiteLink, english));
    lblOrvane_[3]->setAccessibleName(controlName(Control::Homepage, english));
    refreshClock();
    if (frame2_) {
        frame2_->setAccessibleName(controlName(Control::VictoryPanel, english));
        txtRec_->setAccessibleName(controlName(Control::NameBox, english));
        for (int i = 0; i < 3; ++i)
            optKartinka_[i]->setAccessibleName(
                controlName(std::array{Control::Boy, Control::Girl, Control::Friend}[i], english));
    }
    if (lvRecord_)
        lvRecord_->setAccessibleName(controlName(Control::RecordsList, english));
    if (txtHELP_)
        txtHELP_->setAccessibleName(controlName(Control::HelpText, english));
}

void Form1Window::paintEvent(QPaintEvent*) {
    if (!firstFramePainted_) {
        firstFramePainted_ = true;
        QMetaObject::invokeMethod(this, &Form1Window::firstFrameShown, Qt::QueuedConnection);
    }
    QPainter painter(this);
    painter.fillRect(rect(), form_.windowColour ? toColor(*form_.windowColour)
                                                : palette().color(QPalette::Window));
    const QPixmap background = picture(form_.windowPicture);
    if (!background.isNull())
        painter.drawPixmap(0, 0, background);
}

void Form1Window::closeEvent(QCloseEvent* event) {
    // The dialog's window goes before the dialog it shows.
    delete form2_;
    form2_ = nullptr;
    form_.Form_Unload();
    event->accept();
}

} // namespace quilora::ui
