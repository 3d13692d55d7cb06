// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/together/together_window.h"

#include "ui/together/match_board.h"
#include "ui/together/solo_look.h"
#include "ui/widgets/accessibility.h"
#include "ui/widgets/card_slot.h"
#include "ui/widgets/focus_frames.h"
#include "ui/widgets/look.h"
#include "ui/widgets/sharp_picture.h"
#include "ui/widgets/twips.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace quilora::ui {
namespace {

using language::Text;

// Where the solo window has its side buttons: the scores, across the board's width.
constexpr int kPlatesLeft = 16;
constexpr int kPlatesWidth = 610;
constexpr int kPlatesGap = 8;

QAccessibleInterface* notification(const QString& className, QObject* object) {
    if (className == QLatin1String("quilora::ui::StatusLine"))
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Notification);
    return nullptr;
}

void syncTimer(QTimer& timer, const game::Timer& state) {
    if (!state.ticking())
        timer.stop();
    else if (!timer.isActive())
        timer.start(state.Interval);
}

} // namespace

// The line at the bottom, which screen readers hear as a notification each time it shows anew.
class StatusLine : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    void say(const QString& shown, const QString& spoken) {
        setText(shown);
        setAccessibleName(spoken);
        if (isVisible()) {
            hide();
            show();
        }
        emit said(spoken);
    }

signals:
    void said(const QString& spoken);
};

// A player's name and pairs. The one whose turn it is stands out by more than colour: white,
// framed in black, bold and marked with an arrow; the others look like the solo window's side
// buttons.
class PlayerPlate : public QWidget {
public:
    PlayerPlate(const QColor& colour, QWidget* parent) : QWidget(parent), colour_(colour) {}

    void showPlayer(const QString& name, int pairs, bool current, const QString& spoken) {
        if (name == name_ && pairs == pairs_ && current == current_)
            return;
        name_ = name;
        pairs_ = pairs;
        current_ = current;
        setAccessibleName(spoken);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QRectF frame = QRectF(rect()).adjusted(1, 1, -1, -1);
        painter.setPen(current_ ? QPen(QColor(20, 20, 20), 2) : QPen(colour_.darker(170), 1));
        painter.setBrush(current_ ? QColor(Qt::white) : colour_);
        painter.drawRoundedRect(frame, 4, 4);
        painter.setFont(sizedFont(this, 9.75, current_));
        painter.setPen(Qt::black);
        const QRect inner = rect().adjusted(8, 0, -8, 0);
        const int scoreWidth = painter.fontMetrics().horizontalAdvance(QStringLiteral("00"));
        painter.drawText(inner, Qt::AlignRight | Qt::AlignVCenter, QString::number(pairs_));
        const QString marked = current_ ? QStringLiteral("\u25B6 ") + name_ : name_;
        const QRect nameRect = inner.adjusted(0, 0, -scoreWidth - 6, 0);
        painter.drawText(
            nameRect, Qt::AlignLeft | Qt::AlignVCenter,
            painter.fontMetrics().elidedText(marked, Qt::ElideRight, nameRect.width()));
    }

private:
    QColor colour_;
    QString name_;
    int pairs_ = -1;
    bool current_ = false;
};

// The results: the places (a tie shares its place), each player's pairs, "Again" and "End".
class ResultsPanel : public QFrame {
public:
    ResultsPanel(together::Match& match, const SoloLook& look, QWidget* parent)
        : QFrame(parent), match_(match) {
        setObjectName(QStringLiteral("results"));
        setAccessibleName(look.text(Text::TogetherResults));
        setFrameShape(QFrame::Panel);
        setFrameShadow(QFrame::Raised);
        setLineWidth(2);
        setAutoFillBackground(true);
        setBackground(this, look.appearance().panelColour);

        title_ = new QLabel(this);
        title_->setObjectName(QStringLiteral("winner"));
        title_->setFont(sizedFont(this, 13.5, true));
        title_->setAlignment(Qt::AlignCenter);
        setTextColour(title_, QColor(150, 0, 0));
        auto* grid = new QGridLayout;
        grid->setHorizontalSpacing(16);
        const std::array<Text, 3> headings = {Text::TogetherPlace, Text::TogetherName,
                                              Text::TogetherPairs};
        for (int column = 0; column < 3; ++column) {
            auto* heading = new QLabel(look.text(headings[column]), this);
            heading->setFont(sizedFont(this, 8.25, true));
            grid->addWidget(heading, 0, column, column == 1 ? Qt::AlignLeft : Qt::AlignCenter);
        }
        for (int row = 0; row < together::kMaxPlayers; ++row)
            for (int column = 0; column < 3; ++column) {
                QLabel*& cell = cells_[row][column];
                cell = new QLabel(this);
                cell->setObjectName(QStringLiteral("%1%2")
                                        .arg(QStringList{"place", "name", "pairs"}[column])
                                        .arg(row));
                cell->setFont(sizedFont(this, 9.75, column != 1));
                grid->addWidget(cell, row + 1, column,
                                column == 1 ? Qt::AlignLeft : Qt::AlignCenter);
            }
        grid->setColumnStretch(1, 1);
        again_ = new QPushButton(look.text(Text::TogetherAgain), this);
        again_->setObjectName(QStringLiteral("again"));
        end_ = new QPushButton(look.text(Text::EndButton), this);
        end_->setObjectName(QStringLiteral("end"));
        for (QPushButton* button : {again_, end_})
            button->setFont(sizedFont(this, 9.75, true));
        auto* buttons = new QHBoxLayout;
        buttons->addWidget(again_);
        buttons->addWidget(end_);
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(14, 10, 14, 12);
        layout->addWidget(title_);
        layout->addLayout(grid);
        layout->addSpacing(4);
        layout->addLayout(buttons);
        connect(end_, &QPushButton::clicked, &match_, &together::Match::end);
    }

    QPushButton* again() const { return again_; }

    // Fills the rows from the standings, sized to them, centred on `area`.
    void fill(const QString& title, const QRect& area) {
        title_->setText(title);
        const QList<together::Standing> standings = match_.standings();
        for (int row = 0; row < together::kMaxPlayers; ++row) {
            const bool used = row < standings.size();
            for (QLabel* cell : cells_[row])
                cell->setVisible(used);
            if (!used)
                continue;
            const together::Standing& s = standings[row];
            cells_[row][0]->setText(QString::number(s.place));
            cells_[row][1]->setText(match_.player(s.player).name);
            cells_[row][1]->setFont(sizedFont(this, 9.75, s.place == 1));
            cells_[row][2]->setText(QString::number(s.pairs));
        }
        const QSize size = sizeHint().expandedTo(QSize(260, 0));
        setGeometry(QRect(area.center() - QPoint(size.width() / 2, size.height() / 2), size));
        show();
        raise();
        again_->setFocus(Qt::OtherFocusReason);
    }

private:
    together::Match& match_;
    QLabel* title_ = nullptr;
    std::array<std::array<QLabel*, 3>, together::kMaxPlayers> cells_{};
    QPushButton* again_ = nullptr;
    QPushButton* end_ = nullptr;
};

TogetherWindow::TogetherWindow(together::Match& match, const SoloLook& look, QWidget* parent)
    : QWidget(parent), match_(match), look_(look) {
    installAccessibility();
    static const bool notifies = [] {
        QAccessible::installFactory(notification);
        return true;
    }();
    Q_UNUSED(notifies);
    setFixedSize(641, 425);
    setWindowTitle(look.text(Text::TogetherTitle));
    const settings::Appearance& appearance = look.appearance();
    board_ = new MatchBoard(match, appearance, look.language(), this);

    auto* scores = new QWidget(this);
    scores->setObjectName(QStringLiteral("scores"));
    scores->setAccessibleName(look.text(Text::TogetherScores));
    scores->setGeometry(kPlatesLeft, 7, kPlatesWidth, 25);
    const int count = match.playerCount();
    const int width = (kPlatesWidth - kPlatesGap * (count - 1)) / count;
    const QColor plateColour = toColor(appearance.panelColour.value_or(appearance.cardColour));
    for (int i = 0; i < count; ++i) {
        plates_[i] = new PlayerPlate(plateColour, scores);
        plates_[i]->setObjectName(QStringLiteral("plate%1").arg(i));
        plates_[i]->setGeometry(i * (width + kPlatesGap), 0, width, 25);
    }

    auto* bottom = new QFrame(this);
    bottom->setGeometry(twips(240, 6091, kPlatesWidth * 15, 239));
    bottom->setAutoFillBackground(true);
    setBackground(bottom, appearance.panelColour);
    status_ = placedLabel<StatusLine>(bottom, bottom->rect().adjusted(8, 0, -8, 0),
                                      sizedFont(this, 8.25, true));
    status_->setObjectName(QStringLiteral("status"));
    status_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    connect(status_, &StatusLine::said, this, &TogetherWindow::spoken);

    background_ =
        appearance.windowPicture.isEmpty()
            ? QPixmap()
            : sharpPicture(appearance.windowPicture, devicePixelRatioF(), kBackgroundLimits);
    new FocusFrames(this);

    lookTimer_ = new QTimer(this);
    lookTimer_->setObjectName(QStringLiteral("lookTimer"));
    computerTimer_ = new QTimer(this);
    computerTimer_->setObjectName(QStringLiteral("computerTimer"));
    connect(lookTimer_, &QTimer::timeout, &match, &together::Match::lookTimerTick);
    connect(computerTimer_, &QTimer::timeout, &match, &together::Match::computerTimerTick);
    connect(&match, &together::Match::timersChanged, this, &TogetherWindow::syncTimers);
    connect(&match, &together::Match::playersChanged, this, &TogetherWindow::refreshPlayers);
    connect(&match, &together::Match::announced, this, &TogetherWindow::announce);
    connect(&match, &together::Match::endRequested, this, &QWidget::close);
    refreshPlayers();
    syncTimers();
    board_->keyboardCard()->setFocus(Qt::ActiveWindowFocusReason);
}

TogetherWindow::~TogetherWindow() = default;

void TogetherWindow::refreshPlayers() {
    for (int i = 0; i < match_.playerCount(); ++i) {
        const bool current = i == match_.current() && !match_.ended();
        const QString& name = match_.player(i).name;
        plates_[i]->showPlayer(name, match_.pairs(i), current,
                               look_.text(current ? Text::TogetherScoreTurn : Text::TogetherScore)
                                   .arg(name, QString::number(match_.pairs(i))));
    }
}

void TogetherWindow::syncTimers() {
    syncTimer(*lookTimer_, match_.lookTimer());
    syncTimer(*computerTimer_, match_.computerTimer());
}

void TogetherWindow::announce(const together::Announcement& announcement) {
    using Kind = together::Announcement::Kind;
    switch (announcement.kind) {
    case Kind::Turn: {
        const QString said =
            look_.text(Text::TogetherTurn).arg(match_.player(announcement.player).name);
        status_->say(said, said);
        break;
    }
    case Kind::Pair: {
        QString pictures = board_->pictureName(announcement.first);
        if (const QString second = board_->pictureName(announcement.second); second != pictures)
            pictures += QStringLiteral(", ") + second;
        const QString said = look_.text(Text::TogetherPairFound)
                                 .arg(match_.player(announcement.player).name, pictures);
        status_->say(said, said);
        break;
    }
    case Kind::Result:
        showResults();
        break;
    }
}

void TogetherWindow::showResults() {
    const QList<together::Standing> standings = match_.standings();
    const bool draw = standings.size() > 1 && standings[1].place == 1;
    const QString title =
        draw ? look_.text(Text::TogetherDraw)
             : look_.text(Text::TogetherWinner).arg(match_.player(standings[0].player).name);
    QStringList lines;
    for (const together::Standing& s : standings)
        lines << look_.text(Text::TogetherResultLine)
                     .arg(QString::number(s.place), match_.player(s.player).name,
                          QString::number(s.pairs));
    status_->say(look_.text(Text::TogetherResults) + QLatin1Char(' ') + title,
                 look_.text(Text::TogetherResults) + QLatin1Char(' ') + title + QLatin1Char(' ') +
                     lines.join(QStringLiteral("; ")));
    if (!results_) {
        results_ = new ResultsPanel(match_, look_, this);
        connect(results_->again(), &QPushButton::clicked, this, &TogetherWindow::again);
    }
    results_->fill(title, board_->geometry());
}

void TogetherWindow::again() {
    results_->hide();
    match_.again();
    board_->keyboardCard()->setFocus(Qt::OtherFocusReason);
}

// A click beside the cards turns back two that are no pair.
void TogetherWindow::mousePressEvent(QMouseEvent* event) {
    match_.boardClicked();
    QWidget::mousePressEvent(event);
}

void TogetherWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
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

void TogetherWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const settings::Appearance& look = look_.appearance();
    painter.fillRect(rect(), look.windowColour ? toColor(*look.windowColour)
                                               : palette().color(QPalette::Window));
    if (!background_.isNull())
        painter.drawPixmap(0, 0, background_);
}

void TogetherWindow::closeEvent(QCloseEvent* event) {
    lookTimer_->stop();
    computerTimer_->stop();
    disconnect(&match_, nullptr, this, nullptr);
    event->accept();
    emit closed();
}

} // namespace quilora::ui

#include "together_window.moc"
