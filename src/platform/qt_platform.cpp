#include "platform/qt_platform.h"

#include "core/paths.h"
#include "core/version.h"

#include <QApplication>
#include <QMessageBox>
#include <QSoundEffect>
#include <QUrl>

#include <chrono>

namespace quilora::platform {

void ClockSeededRandom::seedFromClock() {
    const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seed{static_cast<std::uint32_t>(now), static_cast<std::uint32_t>(now >> 32)};
    engine_.seed(seed);
}

float ClockSeededRandom::next() {
    // 24 random bits fill a float's mantissa exactly, so the result can never round up to 1.
    return static_cast<float>(engine_() >> 8) * 0x1p-24f;
}

QDate SystemLocaleInfo::today() const {
    return QDate::currentDate();
}

QLocale SystemLocaleInfo::locale() const {
    return QLocale::system();
}

QtSoundPlayer::QtSoundPlayer() = default;

QtSoundPlayer::~QtSoundPlayer() {
    qDeleteAll(effects_);
}

void QtSoundPlayer::play(const QString& path) {
    if (playing_) {
        playing_->stop();
        playing_ = nullptr;
    }
    if (path.isEmpty() || !core::fileExists(path))
        return;
    QSoundEffect*& effect = effects_[path];
    if (!effect) {
        effect = new QSoundEffect;
        effect->setSource(QUrl::fromLocalFile(path));
    }
    effect->play();
    playing_ = effect;
}

void QtMessageBox::information(const QString& text) {
    QMessageBox::information(QApplication::activeWindow(), QLatin1String(core::kProductName), text);
}

} // namespace quilora::platform
