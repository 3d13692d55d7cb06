// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/maker/my_pictures_window.h"

#include "core/paths.h"
#include "core/rounding.h"
#include "mypictures/cards.h"
#include "mypictures/photo.h"
#include "settings/settings_file.h"
#include "ui/maker/photo_frame_view.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

namespace quilora::ui {
namespace {

using language::Text;
using mypictures::kCardHeight;
using mypictures::kCardWidth;

// Cards are drawn for the screen they are shown on: twice as sharp on a dense one.
QPixmap cardPixmap(const std::function<QImage(int)>& draw, double ratio) {
    const int scale = ratio > 1 ? 2 : 1;
    QPixmap pixmap = QPixmap::fromImage(draw(scale));
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

QPixmap emptyCard(int number, const QPalette& palette, double ratio) {
    return cardPixmap(
        [&](int scale) {
            QImage card(kCardWidth * scale, kCardHeight * scale,
                        QImage::Format_ARGB32_Premultiplied);
            card.fill(Qt::transparent);
            QPainter painter(&card);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(scale, scale);
            painter.setPen(QPen(palette.color(QPalette::Mid), 1.5, Qt::DashLine));
            painter.setBrush(palette.color(QPalette::Base));
            painter.drawRoundedRect(QRectF(1, 1, kCardWidth - 2, kCardHeight - 2), 6, 6);
            QFont font = painter.font();
            font.setPixelSize(30);
            painter.setFont(font);
            painter.setPen(palette.color(QPalette::Mid));
            painter.drawText(QRectF(0, 0, kCardWidth, kCardHeight), Qt::AlignCenter,
                             QString::number(number));
            return card;
        },
        ratio);
}

// A photo the player was warned of carries a mark in its card's corner, until the player keeps
// or replaces it.
void markWarning(QImage& card, int scale) {
    QPainter painter(&card);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(scale, scale);
    const QRectF badge(mypictures::kCardWidth - 22, 4, 18, 18);
    painter.setPen(QPen(Qt::white, 1.5));
    painter.setBrush(QColor(0xd0, 0x80, 0x00));
    painter.drawEllipse(badge);
    QFont font = painter.font();
    font.setPixelSize(13);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(badge, Qt::AlignCenter, QStringLiteral("!"));
}

const QString kProblemColour = QStringLiteral("color: #a01010;");
const QString kDoneColour = QStringLiteral("color: #106020;");

} // namespace

MyPicturesWindow::MyPicturesWindow(const mypictures::MakerFolders& folders, bool english,
                                   mypictures::Questions* questions, QWidget* parent)
    : QWidget(parent), questions_(questions ? *questions : *this),
      maker_(folders, english, questions_) {
    choosePhotoFiles = [this] {
        return QFileDialog::getOpenFileNames(
            this, t(Text::MakerPhotoDialogTitle), maker_.photoFolder(),
            t(Text::MakerPictureFilter).arg(mypictures::readablePatterns()));
    };
    setWindowTitle(t(Text::MakerWindowTitle));
    buildLayout();

    connect(&maker_, &mypictures::Maker::cardChanged, this, [this](int k) {
        refreshCard(k);
        refreshCount();
        if (k == maker_.chosenCard())
            showChosenCard();
    });
    connect(&maker_, &mypictures::Maker::chosenCardChanged, this, [this](int k) {
        cards_[k]->setChecked(true);
        showChosenCard();
    });
    connect(&maker_, &mypictures::Maker::kindChanged, this, [this] {
        kinds_[maker_.withNames() ? 1 : 0]->setChecked(true);
        for (int k = 0; k < mypictures::kPhotosPerSet; ++k)
            refreshCard(k);
        showChosenCard();
    });
    connect(&maker_, &mypictures::Maker::setNameChanged, this,
            [this] { setName_->setText(maker_.setName()); });
    connect(&maker_, &mypictures::Maker::placesChanged, this, &MyPicturesWindow::refreshPlaces);
    connect(&maker_, &mypictures::Maker::workChanged, this, &MyPicturesWindow::refreshWork);
    connect(&maker_, &mypictures::Maker::messageChanged, this, &MyPicturesWindow::refreshMessage);
    connect(&maker_, &mypictures::Maker::closeReady, this, &QWidget::close);

    for (int k = 0; k < mypictures::kPhotosPerSet; ++k)
        refreshCard(k);
    cards_[0]->setChecked(true);
    showChosenCard();
    refreshPlaces();
    refreshCount();
    refreshWork();
    refreshMessage();
}

MyPicturesWindow::~MyPicturesWindow() = default;

bool MyPicturesWindow::ask(Kind, const QString& question, bool yesByDefault) {
    // The answers in the maker's language, whatever Qt's own translations installed.
    QMessageBox box(QMessageBox::Question, t(Text::MakerWindowTitle), question,
                    QMessageBox::NoButton, this);
    QPushButton* yes = box.addButton(t(Text::MakerYes), QMessageBox::YesRole);
    QPushButton* no = box.addButton(t(Text::MakerNo), QMessageBox::NoRole);
    box.setDefaultButton(yesByDefault ? yes : no);
    box.setEscapeButton(no);
    box.exec();
    return box.clickedButton() == yes;
}

void MyPicturesWindow::buildLayout() {
    auto* intro = new QLabel(t(Text::MakerIntro), this);
    intro->setWordWrap(true);

    auto* kindGroup = new QButtonGroup(this);
    auto* top = new QHBoxLayout;
    for (int withNames : {0, 1}) {
        kinds_[withNames] =
            new QRadioButton(t(withNames ? Text::MakerKindWithNames : Text::MakerKindTwice), this);
        kinds_[withNames]->setObjectName(withNames ? "withNames" : "twice");
        kindGroup->addButton(kinds_[withNames], withNames);
        top->addWidget(kinds_[withNames]);
    }
    kinds_[0]->setChecked(true);
    connect(kindGroup, &QButtonGroup::idClicked, this,
            [this](int withNames) { maker_.setWithNames(withNames == 1); });
    top->addStretch();
    count_ = new QLabel(this);
    top->addWidget(count_);
    choose_ = new QPushButton(t(Text::MakerChoosePhotos), this);
    choose_->setObjectName("choose");
    connect(choose_, &QPushButton::clicked, this, [this] { choosePhotos(false); });
    top->addWidget(choose_);

    // Two rows of six, so that the window fits a small screen at twice the size.
    auto* grid = new QGridLayout;
    grid->setSpacing(4);
    auto* cardGroup = new QButtonGroup(this);
    for (int k = 0; k < mypictures::kPhotosPerSet; ++k) {
        cards_[k] = new QToolButton(this);
        cards_[k]->setObjectName(QStringLiteral("card%1").arg(k + 1));
        cards_[k]->setCheckable(true);
        cards_[k]->setIconSize(QSize(kCardWidth, kCardHeight));
        cards_[k]->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        cards_[k]->setFixedWidth(kCardWidth + 8);
        cardGroup->addButton(cards_[k], k);
        grid->addWidget(cards_[k], k / 6, k % 6);
    }
    connect(cardGroup, &QButtonGroup::idClicked, this, [this](int k) {
        maker_.chooseCard(k);
        // An empty card asks for its photo straight away.
        if (maker_.card(k).photo.isNull() && !maker_.working())
            choosePhotos(false);
    });

    // A photo that may look bad: said here, kept or replaced. Its room stays, so nothing moves.
    warningRow_ = new QWidget(this);
    auto* warningLayout = new QHBoxLayout(warningRow_);
    warningLayout->setContentsMargins(0, 0, 0, 0);
    warning_ = new QLabel(warningRow_);
    warning_->setWordWrap(true);
    warning_->setStyleSheet(QStringLiteral("color: #805000;"));
    auto* keep = new QPushButton(t(Text::MakerKeepPhoto), warningRow_);
    connect(keep, &QPushButton::clicked, &maker_, &mypictures::Maker::keepChosenPhoto);
    auto* replace = new QPushButton(t(Text::MakerReplacePhoto), warningRow_);
    connect(replace, &QPushButton::clicked, this, [this] { choosePhotos(true); });
    warningLayout->addWidget(warning_, 1);
    warningLayout->addWidget(keep);
    warningLayout->addWidget(replace);
    QSizePolicy keepPlace = warningRow_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    warningRow_->setSizePolicy(keepPlace);
    warningRow_->setFixedHeight(
        std::max(warning_->fontMetrics().lineSpacing() * 2, replace->sizeHint().height()));

    auto* form = new QFormLayout;
    setName_ = new QLineEdit(this);
    setName_->setObjectName("setName");
    setName_->setMaxLength(mypictures::kLongestSetName);
    setName_->setPlaceholderText(t(Text::MakerSetNamePlaceholder));
    connect(setName_, &QLineEdit::textEdited, &maker_, &mypictures::Maker::nameSet);
    form->addRow(t(Text::MakerSetNameLabel), setName_);
    place_ = new QComboBox(this);
    place_->setObjectName("place");
    // A long set name is cut in the box rather than widening the window.
    place_->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    place_->setMinimumContentsLength(24);
    connect(place_, &QComboBox::activated, &maker_, &mypictures::Maker::choosePlace);
    form->addRow(t(Text::MakerPlaceLabel), place_);

    // Three lines are kept for messages, whether or not one is shown, so nothing moves.
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    status_->setFixedHeight(status_->fontMetrics().lineSpacing() * 3 + 2);
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);

    auto* left = new QVBoxLayout;
    left->addLayout(grid);
    left->addWidget(warningRow_);
    left->addLayout(form);
    left->addWidget(status_);
    left->addStretch(1);

    view_ = new PhotoFrameView(this);
    view_->setObjectName("frame");
    connect(view_, &PhotoFrameView::cropChanged, this,
            [this] { maker_.frameChosen(view_->crop()); });
    auto* hint = new QLabel(t(Text::MakerCropHint), this);
    hint->setWordWrap(true);
    zoom_ = new QSlider(Qt::Horizontal, this);
    zoom_->setObjectName("zoom");
    zoom_->setRange(100, static_cast<int>(mypictures::Crop::kMaxZoom * 100));
    zoom_->setAccessibleName(t(Text::MakerZoom));
    connect(zoom_, &QSlider::valueChanged, this,
            [this](int value) { view_->setZoom(value / 100.0); });
    auto* zoomRow = new QHBoxLayout;
    zoomRow->addWidget(new QLabel(t(Text::MakerZoom), this));
    zoomRow->addWidget(zoom_, 1);
    remove_ = new QPushButton(t(Text::MakerRemovePhoto), this);
    remove_->setObjectName("remove");
    connect(remove_, &QPushButton::clicked, &maker_, &mypictures::Maker::removeChosenPhoto);
    zoomRow->addWidget(remove_);

    nameRow_ = new QWidget(this);
    // Its place stays when hidden, so the window keeps its layout from one kind to the other.
    QSizePolicy keepName = nameRow_->sizePolicy();
    keepName.setRetainSizeWhenHidden(true);
    nameRow_->setSizePolicy(keepName);
    auto* nameLayout = new QGridLayout(nameRow_);
    nameLayout->setContentsMargins(0, 0, 0, 0);
    auto* nameLabel = new QLabel(t(Text::MakerCardNameLabel), nameRow_);
    cardName_ = new QLineEdit(nameRow_);
    cardName_->setObjectName("name");
    cardName_->setPlaceholderText(t(Text::MakerCardNamePlaceholder));
    cardName_->setMaxLength(60);
    nameLabel->setBuddy(cardName_);
    connect(cardName_, &QLineEdit::textEdited, &maker_, &mypictures::Maker::nameChosen);
    namePreview_ = new QLabel(nameRow_);
    namePreview_->setAccessibleName(t(Text::MakerCardNameFits));
    namePreview_->setFixedSize(kCardWidth, kCardHeight);
    nameNote_ = new QLabel(nameRow_);
    nameNote_->setWordWrap(true);
    nameNote_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    nameNote_->setStyleSheet(kProblemColour);
    nameNote_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    nameLayout->addWidget(nameLabel, 0, 0);
    nameLayout->addWidget(cardName_, 1, 0);
    nameLayout->addWidget(nameNote_, 2, 0);
    nameLayout->setRowStretch(2, 1);
    nameLayout->addWidget(namePreview_, 0, 1, 3, 1);
    nameLayout->setColumnStretch(0, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(view_, 1);
    right->addWidget(hint);
    right->addLayout(zoomRow);
    right->addWidget(nameRow_);

    auto* middle = new QHBoxLayout;
    middle->addLayout(left);
    middle->addSpacing(8);
    middle->addLayout(right, 1);

    restore_ = new QPushButton(t(Text::MakerRestore), this);
    restore_->setObjectName("restore");
    connect(restore_, &QPushButton::clicked, &maker_, &mypictures::Maker::restore);
    progress_ = new QProgressBar(this);
    progress_->setTextVisible(true);
    progress_->setMinimumWidth(220);
    QSizePolicy keepProgress = progress_->sizePolicy();
    keepProgress.setRetainSizeWhenHidden(true);
    progress_->setSizePolicy(keepProgress);
    make_ = new QPushButton(t(Text::MakerMakeSet), this);
    make_->setObjectName("make");
    make_->setDefault(true);
    connect(make_, &QPushButton::clicked, &maker_, &mypictures::Maker::make);
    // A default button answers Enter only in a dialog; this window is not one.
    connect(setName_, &QLineEdit::returnPressed, make_, &QPushButton::click);
    close_ = new QPushButton(t(Text::MakerClose), this);
    close_->setObjectName("close");
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(restore_);
    buttons->addStretch();
    buttons->addWidget(progress_);
    buttons->addWidget(make_);
    buttons->addWidget(close_);

    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(6);
    layout->addWidget(intro);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addLayout(buttons);
    // A window's minimum counts a wrapped label as one short line, and the layout then lays the
    // hint over the photo: leave room for all its lines at the narrowest, where they are most.
    setMinimumHeight(layout->totalMinimumHeightForWidth(layout->totalMinimumSize().width()));
}

void MyPicturesWindow::choosePhotos(bool replaceChosen) {
    if (maker_.working())
        return;
    const QStringList files = choosePhotoFiles();
    maker_.addPhotos(replaceChosen ? files.mid(0, 1) : files);
}

void MyPicturesWindow::showChosenCard() {
    const int chosen = maker_.chosenCard();
    const mypictures::CardChoice& card = maker_.card(chosen);
    const bool idle = !maker_.working();
    view_->showPhoto(card.photo, card.crop);
    view_->setEnabled(idle);
    {
        const QSignalBlocker quiet(zoom_);
        zoom_->setValue(static_cast<int>(core::roundHalfAway(card.crop.zoom() * 100)));
    }
    zoom_->setEnabled(idle && !card.photo.isNull());
    remove_->setEnabled(idle && !card.photo.isNull());
    nameRow_->setVisible(maker_.withNames());
    cardName_->setEnabled(idle);
    // Set again only when it differs, so that typing keeps its place.
    if (cardName_->text() != card.name)
        cardName_->setText(card.name);
    refreshNamePreview();
    const std::optional<Text> warning = maker_.warning(chosen);
    warningRow_->setVisible(warning.has_value());
    warningRow_->setEnabled(idle);
    warning_->setText(warning ? t(Text::MakerCardNumber).arg(chosen + 1) + QStringLiteral(": ") +
                                    t(*warning)
                              : QString());
}

void MyPicturesWindow::refreshCard(int index) {
    const mypictures::CardChoice& card = maker_.card(index);
    QToolButton* button = cards_[index];
    const double ratio = devicePixelRatioF();
    const std::optional<Text> warning = maker_.warning(index);
    button->setIcon(card.photo.isNull() ? emptyCard(index + 1, palette(), ratio)
                                        : cardPixmap(
                                              [&](int scale) {
                                                  QImage drawn = mypictures::photoCard(
                                                      card.photo, card.crop.rect(), scale);
                                                  if (warning)
                                                      markWarning(drawn, scale);
                                                  return drawn;
                                              },
                                              ratio));
    const QString name = mypictures::tidyName(card.name);
    const bool named = maker_.withNames() && !name.isEmpty();
    const QString label = named ? name : QString::number(index + 1);
    button->setText(button->fontMetrics().elidedText(label, Qt::ElideRight, kCardWidth + 2));
    // The whole name where it is cut, and what the player was warned of.
    QStringList tip;
    if (named && label != button->text())
        tip.append(name);
    if (warning)
        tip.append(t(*warning));
    button->setToolTip(tip.join(QLatin1Char('\n')));
    button->setAccessibleDescription(warning ? t(*warning) : QString());
    button->setAccessibleName(card.photo.isNull()
                                  ? t(Text::MakerEmptyCard).arg(index + 1)
                                  : t(Text::MakerCardNumber).arg(index + 1) +
                                        (named ? QStringLiteral(": ") + name : QString()));
}

void MyPicturesWindow::refreshNamePreview() {
    const QString name = maker_.card(maker_.chosenCard()).name;
    const QPixmap card = cardPixmap([&](int scale) { return mypictures::nameCard(name, scale); },
                                    devicePixelRatioF());
    namePreview_->setPixmap(card);
    const bool tooLong = !mypictures::tidyName(name).isEmpty() && card.isNull();
    nameNote_->setText(tooLong ? t(Text::MakerCardNameTooLong).arg(mypictures::tidyName(name))
                               : QString());
}

void MyPicturesWindow::refreshPlaces() {
    const QSignalBlocker quiet(place_);
    place_->clear();
    place_->addItems(maker_.placeCaptions());
    place_->setCurrentIndex(maker_.place());
    restore_->setEnabled(!maker_.working() && maker_.restorable(maker_.place()));
}

void MyPicturesWindow::refreshCount() {
    count_->setText(t(Text::MakerPhotoCount).arg(maker_.photoCount()));
}

// While work is under way, nothing that would change the set can be touched; Close waits for it.
void MyPicturesWindow::refreshWork() {
    const bool idle = !maker_.working();
    for (QWidget* control :
         std::initializer_list<QWidget*>{kinds_[0], kinds_[1], choose_, setName_, place_, make_})
        control->setEnabled(idle);
    restore_->setEnabled(idle && maker_.restorable(maker_.place()));
    progress_->setVisible(!idle);
    progress_->setRange(0, std::max(1, maker_.workTotal()));
    progress_->setValue(maker_.workDone());
    progress_->setFormat(maker_.progressText());
    progress_->setAccessibleName(maker_.progressText());
    setCursor(idle ? Qt::ArrowCursor : Qt::BusyCursor);
    showChosenCard();
}

void MyPicturesWindow::refreshMessage() {
    status_->setText(maker_.message());
    status_->setToolTip(maker_.message());
    status_->setStyleSheet(maker_.messageIsProblem() ? kProblemColour : kDoneColour);
}

void MyPicturesWindow::closeEvent(QCloseEvent* event) {
    if (!maker_.mayClose())
        return event->ignore();
    event->accept();
}

std::unique_ptr<MyPicturesWindow> openMyPictures(const QString& desktopFileName,
                                                 const QStringList& photos) {
    QApplication::setApplicationName(QStringLiteral("Quilora"));
    QGuiApplication::setDesktopFileName(desktopFileName);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.png")));
    const QString programFolder = core::contentFolder(QApplication::applicationDirPath());
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // The game's own language choice, English when it has none yet.
    const QString settings =
        QDir(core::dataFolder(programFolder, userFolder)).filePath(QStringLiteral("Quilora.ini"));
    settings::Choices choices;
    if (const std::optional<settings::Lines> values = settings::readSettingsFile(settings))
        choices = settings::interpret(*values);
    const QString makerSettings =
        QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation))
            .filePath(QStringLiteral("my-pictures.conf"));
    auto window = std::make_unique<MyPicturesWindow>(
        mypictures::MakerFolders{programFolder, userFolder, makerSettings},
        choices.language == 1.0f);
    // As large as it likes, within the screen.
    if (const QScreen* screen = window->screen())
        window->resize(window->sizeHint().boundedTo(screen->availableSize()));
    window->show();
    window->maker().addPhotos(photos);
    return window;
}

} // namespace quilora::ui
