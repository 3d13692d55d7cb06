#include "ui/my_pictures_window.h"

#include "core/paths.h"
#include "core/set_names.h"
#include "mypictures/cards.h"
#include "mypictures/photo.h"
#include "settings/settings_file.h"
#include "ui/photo_frame_view.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStandardPaths>
#include <QToolButton>
#include <QVBoxLayout>

namespace quilora::ui {
namespace {

using language::Text;

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
            QImage card(mypictures::kCardWidth * scale, mypictures::kCardHeight * scale,
                        QImage::Format_ARGB32_Premultiplied);
            card.fill(Qt::transparent);
            QPainter painter(&card);
            painter.setRenderHint(QPainter::Antialiasing);
            painter.scale(scale, scale);
            painter.setPen(QPen(palette.color(QPalette::Mid), 1.5, Qt::DashLine));
            painter.setBrush(palette.color(QPalette::Base));
            painter.drawRoundedRect(
                QRectF(1, 1, mypictures::kCardWidth - 2, mypictures::kCardHeight - 2), 6, 6);
            QFont font = painter.font();
            font.setPixelSize(30);
            painter.setFont(font);
            painter.setPen(palette.color(QPalette::Mid));
            painter.drawText(QRectF(0, 0, mypictures::kCardWidth, mypictures::kCardHeight),
                             Qt::AlignCenter, QString::number(number));
            return card;
        },
        ratio);
}

// A photo the player was warned of carries a mark in its card's corner, as long as it is there.
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

// The name of a set as the options dialog shows it in this language.
QString setCaption(const QString& folder, bool english) {
    return core::readSetNames(folder).in(english);
}

} // namespace

MyPicturesWindow::MyPicturesWindow(const QString& programFolder, const QString& userRoot,
                                   bool english, QWidget* parent)
    : QWidget(parent), programFolder_(programFolder), userRoot_(userRoot), english_(english) {
    set_.cards.resize(mypictures::kPhotosPerSet);
    choosePhotoFiles = [this] {
        return QFileDialog::getOpenFileNames(
            this, t(Text::MakerPhotoDialogTitle),
            QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
            t(Text::MakerPictureFilter).arg(mypictures::readablePatterns()));
    };
    confirm = [this](const QString& question) {
        return QMessageBox::question(this, t(Text::MakerWindowTitle), question) == QMessageBox::Yes;
    };
    setWindowTitle(t(Text::MakerWindowTitle));
    buildLayout();
    refreshSlots();
    refreshCount();
    chooseCard(0);
}

MyPicturesWindow::~MyPicturesWindow() = default;

void MyPicturesWindow::buildLayout() {
    auto* intro = new QLabel(t(Text::MakerIntro), this);
    intro->setWordWrap(true);

    auto* kindGroup = new QButtonGroup(this);
    auto* top = new QHBoxLayout;
    for (int withNames : {0, 1}) {
        kinds_[withNames] =
            new QRadioButton(t(withNames ? Text::MakerKindWithNames : Text::MakerKindTwice), this);
        kindGroup->addButton(kinds_[withNames], withNames);
        top->addWidget(kinds_[withNames]);
    }
    kinds_[0]->setChecked(true);
    connect(kindGroup, &QButtonGroup::idClicked, this, [this](int withNames) {
        set_.withNames = withNames == 1;
        showChosenCard();
    });
    top->addStretch();
    count_ = new QLabel(this);
    top->addWidget(count_);
    choose_ = new QPushButton(t(Text::MakerChoosePhotos), this);
    connect(choose_, &QPushButton::clicked, this, [this] { addPhotos(choosePhotoFiles()); });
    top->addWidget(choose_);

    auto* grid = new QGridLayout;
    grid->setSpacing(6);
    cardGroup_ = new QButtonGroup(this);
    for (int k = 0; k < mypictures::kPhotosPerSet; ++k) {
        cards_[k] = new QToolButton(this);
        cards_[k]->setCheckable(true);
        cards_[k]->setIconSize(QSize(mypictures::kCardWidth, mypictures::kCardHeight));
        cards_[k]->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        cards_[k]->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        cards_[k]->setFixedWidth(mypictures::kCardWidth + 14);
        cardGroup_->addButton(cards_[k], k);
        grid->addWidget(cards_[k], k / 4, k % 4);
    }
    connect(cardGroup_, &QButtonGroup::idClicked, this, [this](int k) {
        chooseCard(k);
        // An empty card asks for its photo straight away.
        if (set_.cards[k].photo.isNull())
            addPhotos(choosePhotoFiles());
    });

    view_ = new PhotoFrameView(this);
    connect(view_, &PhotoFrameView::cropChanged, this, [this] {
        if (chosen_ < 0)
            return;
        set_.cards[chosen_].crop = view_->crop();
        const QSignalBlocker quiet(zoom_);
        zoom_->setValue(static_cast<int>(std::lround(view_->crop().zoom() * 100)));
        unsaved_ = true;
        refreshCard(chosen_);
    });
    auto* hint = new QLabel(t(Text::MakerCropHint), this);
    hint->setWordWrap(true);
    zoom_ = new QSlider(Qt::Horizontal, this);
    zoom_->setRange(100, static_cast<int>(mypictures::Crop::kMaxZoom * 100));
    zoom_->setAccessibleName(t(Text::MakerZoom));
    connect(zoom_, &QSlider::valueChanged, this,
            [this](int value) { view_->setZoom(value / 100.0); });
    auto* zoomRow = new QHBoxLayout;
    zoomRow->addWidget(new QLabel(t(Text::MakerZoom), this));
    zoomRow->addWidget(zoom_, 1);
    remove_ = new QPushButton(t(Text::MakerRemovePhoto), this);
    connect(remove_, &QPushButton::clicked, this, [this] {
        set_.cards[chosen_].photo = QImage();
        set_.cards[chosen_].crop = {};
        set_.cards[chosen_].warning.reset();
        refreshCard(chosen_);
        refreshCount();
        showChosenCard();
    });
    zoomRow->addWidget(remove_);

    nameRow_ = new QWidget(this);
    // Its place stays when hidden, so the window keeps its layout from one kind to the other.
    QSizePolicy keepPlace = nameRow_->sizePolicy();
    keepPlace.setRetainSizeWhenHidden(true);
    nameRow_->setSizePolicy(keepPlace);
    auto* nameLayout = new QGridLayout(nameRow_);
    nameLayout->setContentsMargins(0, 0, 0, 0);
    auto* nameLabel = new QLabel(t(Text::MakerCardNameLabel), nameRow_);
    cardName_ = new QLineEdit(nameRow_);
    cardName_->setPlaceholderText(t(Text::MakerCardNamePlaceholder));
    cardName_->setMaxLength(60);
    nameLabel->setBuddy(cardName_);
    connect(cardName_, &QLineEdit::textEdited, this, [this](const QString& name) {
        set_.cards[chosen_].name = name;
        unsaved_ = true;
        refreshCard(chosen_);
        refreshNamePreview();
    });
    namePreview_ = new QLabel(nameRow_);
    namePreview_->setFixedSize(mypictures::kCardWidth, mypictures::kCardHeight);
    nameNote_ = new QLabel(nameRow_);
    nameNote_->setWordWrap(true);
    nameNote_->setStyleSheet(QStringLiteral("color: #a01010;"));
    nameLayout->addWidget(nameLabel, 0, 0);
    nameLayout->addWidget(cardName_, 1, 0);
    nameLayout->addWidget(nameNote_, 2, 0);
    nameLayout->setRowStretch(3, 1);
    nameLayout->addWidget(namePreview_, 0, 1, 4, 1);
    nameLayout->setColumnStretch(0, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(view_, 1);
    right->addWidget(hint);
    right->addLayout(zoomRow);
    right->addWidget(nameRow_);

    auto* middle = new QHBoxLayout;
    middle->addLayout(grid);
    middle->addSpacing(12);
    middle->addLayout(right, 1);

    auto* form = new QFormLayout;
    setName_ = new QLineEdit(this);
    setName_->setMaxLength(mypictures::kLongestSetName);
    setName_->setPlaceholderText(t(Text::MakerSetNamePlaceholder));
    connect(setName_, &QLineEdit::textEdited, this, [this](const QString& name) {
        set_.name = name;
        unsaved_ = true;
    });
    form->addRow(t(Text::MakerSetNameLabel), setName_);
    slot_ = new QComboBox(this);
    connect(slot_, &QComboBox::currentIndexChanged, this, [this] {
        restore_->setEnabled(
            QFileInfo::exists(mypictures::playerSetFolder(userRoot_, slot_->currentIndex())));
    });
    form->addRow(t(Text::MakerSlotLabel), slot_);

    status_ = new QLabel(this);
    status_->setWordWrap(true);
    status_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    status_->setMinimumHeight(status_->fontMetrics().lineSpacing() * 2);

    restore_ = new QPushButton(t(Text::MakerRestore), this);
    connect(restore_, &QPushButton::clicked, this, &MyPicturesWindow::restoreSet);
    make_ = new QPushButton(t(Text::MakerMakeSet), this);
    make_->setDefault(true);
    connect(make_, &QPushButton::clicked, this, &MyPicturesWindow::makeSet);
    auto* close = new QPushButton(t(Text::MakerClose), this);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(restore_);
    buttons->addStretch();
    buttons->addWidget(make_);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
    layout->addLayout(form);
    layout->addWidget(status_);
    layout->addLayout(buttons);
    // A window's minimum counts a wrapped label as one short line, and the layout then lays the
    // hint over the photo: leave room for all its lines at the narrowest, where they are most.
    setMinimumHeight(layout->totalMinimumHeightForWidth(layout->totalMinimumSize().width()));
}

void MyPicturesWindow::addPhotos(const QStringList& files) {
    if (files.isEmpty())
        return;
    QList<int> places;
    if (files.size() == 1 && chosen_ >= 0) {
        places.append(chosen_);
    } else {
        for (int k = 0; k < mypictures::kPhotosPerSet; ++k)
            if (set_.cards[k].photo.isNull())
                places.append(k);
    }
    QStringList problems;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    qsizetype next = 0;
    for (const QString& file : files) {
        if (next == places.size()) {
            problems.append(t(Text::MakerTooManyPhotos).arg(files.size() - files.indexOf(file)));
            break;
        }
        const mypictures::LoadedPhoto loaded = mypictures::loadPhoto(file);
        if (loaded.problem) {
            problems.append(t(*loaded.problem).arg(QFileInfo(file).fileName()));
            continue;
        }
        const int k = places[next++];
        set_.cards[k].photo = loaded.image;
        set_.cards[k].crop = mypictures::Crop(loaded.image.size());
        set_.cards[k].warning = loaded.warning;
        if (loaded.warning)
            problems.append(t(Text::MakerCardNumber).arg(k + 1) + QStringLiteral(": ") +
                            t(*loaded.warning));
        unsaved_ = true;
    }
    QApplication::restoreOverrideCursor();
    refreshCount();
    if (next > 0)
        chooseCard(places[0]);
    report(problems.join(QLatin1Char('\n')), !problems.isEmpty());
}

void MyPicturesWindow::chooseCard(int index) {
    chosen_ = index;
    cards_[index]->setChecked(true);
    showChosenCard();
}

void MyPicturesWindow::showChosenCard() {
    const mypictures::CardChoice& card = set_.cards[chosen_];
    view_->show(card.photo, card.crop);
    const QSignalBlocker quiet(zoom_);
    zoom_->setValue(static_cast<int>(std::lround(card.crop.zoom() * 100)));
    zoom_->setEnabled(!card.photo.isNull());
    remove_->setEnabled(!card.photo.isNull());
    nameRow_->setVisible(set_.withNames);
    cardName_->setText(card.name);
    refreshNamePreview();
    for (int k = 0; k < mypictures::kPhotosPerSet; ++k)
        refreshCard(k);
}

void MyPicturesWindow::refreshCard(int index) {
    const mypictures::CardChoice& card = set_.cards[index];
    QToolButton* button = cards_[index];
    const double ratio = devicePixelRatioF();
    if (card.photo.isNull())
        button->setIcon(emptyCard(index + 1, palette(), ratio));
    else
        button->setIcon(cardPixmap(
            [&](int scale) {
                QImage drawn = mypictures::photoCard(card.photo, card.crop.rect(), scale);
                if (card.warning)
                    markWarning(drawn, scale);
                return drawn;
            },
            ratio));
    // The player keeps such a photo, or chooses this card and another photo for it.
    const QString warning = card.warning ? t(*card.warning) : QString();
    button->setToolTip(warning);
    button->setAccessibleDescription(warning);
    const QString name = mypictures::tidyName(card.name);
    const QString label = set_.withNames && !name.isEmpty() ? name : QString::number(index + 1);
    button->setText(
        button->fontMetrics().elidedText(label, Qt::ElideRight, mypictures::kCardWidth + 6));
    button->setAccessibleName(
        card.photo.isNull()
            ? t(Text::MakerEmptyCard).arg(index + 1)
            : t(Text::MakerCardNumber).arg(index + 1) +
                  (set_.withNames && !name.isEmpty() ? QStringLiteral(": ") + name : QString()));
}

void MyPicturesWindow::refreshNamePreview() {
    const QString name = set_.cards[chosen_].name;
    const QPixmap card = cardPixmap([&](int scale) { return mypictures::nameCard(name, scale); },
                                    devicePixelRatioF());
    namePreview_->setPixmap(card);
    const bool tooLong = !mypictures::tidyName(name).isEmpty() && card.isNull();
    nameNote_->setText(tooLong ? t(Text::MakerCardNameTooLong).arg(mypictures::tidyName(name))
                               : QString());
}

void MyPicturesWindow::refreshSlots() {
    const int current = slot_->currentIndex();
    int firstOwn = -1;
    const QSignalBlocker quiet(slot_);
    slot_->clear();
    for (int i = 0; i < mypictures::kSlots; ++i) {
        const bool own = mypictures::hasPlayerSet(userRoot_, i);
        if (own && firstOwn < 0)
            firstOwn = i;
        QString name = setCaption(core::pictureSetFolder(programFolder_, userRoot_, i), english_);
        if (name.isEmpty())
            name = t(Text::MakerSlotEmpty);
        slot_->addItem(
            t(own ? Text::MakerSlotPlayers : Text::MakerSlotShipped).arg(i + 1).arg(name));
    }
    // A player's set is most likely the one to make again; else the last place.
    slot_->setCurrentIndex(current >= 0    ? current
                           : firstOwn >= 0 ? firstOwn
                                           : mypictures::kSlots - 1);
    restore_->setEnabled(
        QFileInfo::exists(mypictures::playerSetFolder(userRoot_, slot_->currentIndex())));
}

void MyPicturesWindow::refreshCount() {
    int count = 0;
    for (const mypictures::CardChoice& card : set_.cards)
        count += card.photo.isNull() ? 0 : 1;
    count_->setText(t(Text::MakerPhotoCount).arg(count));
}

QString MyPicturesWindow::describe(const mypictures::Problem& problem) const {
    const QString message = t(problem.what);
    if (message.contains(QStringLiteral("%2")))
        return message.arg(problem.detail, problem.reason);
    return message.contains(QStringLiteral("%1")) ? message.arg(problem.detail) : message;
}

void MyPicturesWindow::report(const QString& message, bool problem) {
    status_->setText(message);
    status_->setStyleSheet(problem ? QStringLiteral("color: #a01010;")
                                   : QStringLiteral("color: #106020;"));
}

void MyPicturesWindow::makeSet() {
    if (std::optional<mypictures::Problem> problem = mypictures::checkSet(set_))
        return report(describe(*problem), true);
    const int slot = slot_->currentIndex();
    report(t(Text::MakerBusy), false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    status_->repaint();
    const std::optional<mypictures::Problem> problem = mypictures::writeSet(userRoot_, slot, set_);
    QApplication::restoreOverrideCursor();
    if (problem)
        return report(describe(*problem), true);
    unsaved_ = false;
    refreshSlots();
    report(t(Text::MakerWritten).arg(mypictures::tidyName(set_.name)).arg(slot + 1), false);
}

void MyPicturesWindow::restoreSet() {
    const int slot = slot_->currentIndex();
    if (!QFileInfo::exists(mypictures::playerSetFolder(userRoot_, slot)))
        return report(t(Text::MakerNothingToRestore).arg(slot + 1), false);
    QString name =
        setCaption(mypictures::playerSetFolder(userRoot_, slot) + QLatin1Char('/'), english_);
    if (!confirm(t(Text::MakerRestoreQuestion).arg(name, QString::number(slot + 1))))
        return;
    if (std::optional<mypictures::Problem> problem = mypictures::restoreShipped(userRoot_, slot))
        return report(describe(*problem), true);
    refreshSlots();
    report(t(Text::MakerRestored).arg(slot + 1), false);
}

void MyPicturesWindow::closeEvent(QCloseEvent* event) {
    if (unsaved_ && !confirm(t(Text::MakerDiscardQuestion)))
        return event->ignore();
    event->accept();
}

std::unique_ptr<MyPicturesWindow> openMyPictures(const QString& desktopFileName) {
    QApplication::setApplicationName(QStringLiteral("Quilora"));
    QGuiApplication::setDesktopFileName(desktopFileName);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/app.png")));
    const QString programFolder = core::contentFolder(QApplication::applicationDirPath());
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    // The game's own language choice, English when it has none yet.
    const QString settings =
        QDir(core::dataFolder(programFolder, userFolder)).filePath(QStringLiteral("Quilora.ini"));
    settings::Choices choices;
    if (const std::optional<settings::Slots> values = settings::readSettingsFile(settings))
        choices = settings::interpret(*values);
    auto window =
        std::make_unique<MyPicturesWindow>(programFolder, userFolder, choices.language == 1.0f);
    window->show();
    return window;
}

} // namespace quilora::ui
