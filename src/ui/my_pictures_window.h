#pragma once

#include "mypictures/picture_set.h"

#include <QWidget>

#include <array>
#include <functional>
#include <memory>

class QButtonGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSlider;
class QToolButton;

namespace quilora::ui {

class PhotoFrameView;

// The picture-set maker: the player chooses twelve photos, frames each, names them when the
// set has name cards, names the set and puts it in one of the game's five places.
class MyPicturesWindow : public QWidget {
    Q_OBJECT

public:
    // `programFolder` holds the shipped sets, `userRoot` receives the player's.
    MyPicturesWindow(const QString& programFolder, const QString& userRoot, bool english,
                     QWidget* parent = nullptr);
    ~MyPicturesWindow() override;

    // Asks for photo files; a file dialog unless replaced.
    std::function<QStringList()> choosePhotoFiles;
    // Asks a yes-or-no question; a message box unless replaced.
    std::function<bool(const QString&)> confirm;

    // Adds photos from these files to the empty cards in order, or replaces the chosen card
    // when one file is given and a card is chosen.
    void addPhotos(const QStringList& files);

    QRadioButton* kindOption(int withNames) const { return kinds_[withNames]; }
    QPushButton* chooseButton() const { return choose_; }
    QToolButton* cardButton(int index) const { return cards_[index]; }
    PhotoFrameView* frameView() const { return view_; }
    QSlider* zoomSlider() const { return zoom_; }
    QLineEdit* cardNameBox() const { return cardName_; }
    QLineEdit* setNameBox() const { return setName_; }
    QComboBox* slotBox() const { return slot_; }
    QPushButton* makeButton() const { return make_; }
    QPushButton* restoreButton() const { return restore_; }
    QLabel* statusLabel() const { return status_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildLayout();
    void chooseCard(int index);
    void showChosenCard();
    void refreshCard(int index);
    void refreshNamePreview();
    void refreshSlots();
    void refreshCount();
    void makeSet();
    void restoreSet();
    void report(const QString& message, bool problem);
    QString describe(const mypictures::Problem& problem) const;
    QString t(language::Text id) const { return mypictures::text(id, english_); }

    const QString programFolder_;
    const QString userRoot_;
    const bool english_;
    mypictures::NewSet set_;
    int chosen_ = -1;
    bool unsaved_ = false;

    std::array<QRadioButton*, 2> kinds_{};
    QPushButton* choose_ = nullptr;
    QLabel* count_ = nullptr;
    std::array<QToolButton*, mypictures::kPhotosPerSet> cards_{};
    QButtonGroup* cardGroup_ = nullptr;
    PhotoFrameView* view_ = nullptr;
    QSlider* zoom_ = nullptr;
    QWidget* nameRow_ = nullptr;
    QLineEdit* cardName_ = nullptr;
    QLabel* namePreview_ = nullptr;
    QLabel* nameNote_ = nullptr;
    QPushButton* remove_ = nullptr;
    QLineEdit* setName_ = nullptr;
    QComboBox* slot_ = nullptr;
    QPushButton* make_ = nullptr;
    QPushButton* restore_ = nullptr;
    QLabel* status_ = nullptr;
};

// Opens the picture-set maker as the desktop starts it (quilora --my-pictures), in the game's
// language, with the player's data folder as the home of the sets.
std::unique_ptr<MyPicturesWindow> openMyPictures(const QString& desktopFileName);

} // namespace quilora::ui
