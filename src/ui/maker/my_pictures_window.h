// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "mypictures/maker.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;
class QToolButton;

namespace quilora::ui {

class PhotoFrameView;

// The picture-set maker's window: it draws the maker's state (mypictures::Maker) and hands it the
// player's actions; the maker's questions it asks with message boxes unless others answer them.
class MyPicturesWindow : public QWidget, private mypictures::Questions {
    Q_OBJECT

public:
    MyPicturesWindow(const mypictures::MakerFolders& folders, bool english,
                     mypictures::Questions* questions = nullptr, QWidget* parent = nullptr);
    ~MyPicturesWindow() override;

    mypictures::Maker& maker() { return maker_; }

    // Asks for photo files; a file dialog, starting where photos last came from, unless
    // replaced.
    std::function<QStringList()> choosePhotoFiles;

    QRadioButton* kindOption(int withNames) const { return kinds_[withNames]; }
    QPushButton* chooseButton() const { return choose_; }
    QToolButton* cardButton(int index) const { return cards_[index]; }
    PhotoFrameView* frameView() const { return view_; }
    QSlider* zoomSlider() const { return zoom_; }
    QPushButton* removeButton() const { return remove_; }
    QLineEdit* cardNameBox() const { return cardName_; }
    QLineEdit* setNameBox() const { return setName_; }
    QComboBox* placeBox() const { return place_; }
    QPushButton* makeButton() const { return make_; }
    QPushButton* restoreButton() const { return restore_; }
    QPushButton* closeButton() const { return close_; }
    QProgressBar* progressBar() const { return progress_; }
    QLabel* statusLabel() const { return status_; }
    QLabel* warningLabel() const { return warning_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool ask(Kind kind, const QString& question, bool yesByDefault) override;
    void buildLayout();
    void showChosenCard();
    void refreshCard(int index);
    void refreshNamePreview();
    void refreshPlaces();
    void refreshCount();
    void refreshWork();
    void refreshMessage();
    void choosePhotos(bool replaceChosen);
    QString t(language::Text id) const { return maker_.text(id); }

    mypictures::Questions& questions_;
    mypictures::Maker maker_;

    std::array<QRadioButton*, 2> kinds_{};
    QPushButton* choose_ = nullptr;
    QLabel* count_ = nullptr;
    std::array<QToolButton*, mypictures::kPhotosPerSet> cards_{};
    QWidget* warningRow_ = nullptr;
    QLabel* warning_ = nullptr;
    PhotoFrameView* view_ = nullptr;
    QSlider* zoom_ = nullptr;
    QPushButton* remove_ = nullptr;
    QWidget* nameRow_ = nullptr;
    QLineEdit* cardName_ = nullptr;
    QLabel* namePreview_ = nullptr;
    QLabel* nameNote_ = nullptr;
    QLineEdit* setName_ = nullptr;
    QComboBox* place_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* restore_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QPushButton* make_ = nullptr;
    QPushButton* close_ = nullptr;
};

// Opens the picture-set maker as the desktop starts it (quilora --my-pictures PHOTO...), in the
// game's language, with the player's data folder as the home of the sets and these photos (or
// the pictures of these folders) on its cards.
std::unique_ptr<MyPicturesWindow> openMyPictures(const QString& desktopFileName,
                                                 const QStringList& photos);

} // namespace quilora::ui
