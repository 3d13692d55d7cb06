#pragma once

#include "platform/platform.h"

#include <QHash>

#include <memory>
#include <random>

class QSoundEffect;

namespace quilora::platform {

class ClockSeededRandom final : public RandomSource {
public:
    void seedFromClock() override;
    float next() override;

private:
    std::mt19937 engine_;
};

class SystemLocaleInfo final : public LocaleInfo {
public:
    QDate today() const override;
    QLocale locale() const override;
};

// One preloaded effect per file, so a click plays at once; only one sound plays at a time.
class QtSoundPlayer final : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    void play(const QString& path) override;

private:
    QHash<QString, QSoundEffect*> effects_;
    QSoundEffect* playing_ = nullptr;
};

class QtMessageBox final : public MessageBox {
public:
    void information(const QString& text) override;
};

} // namespace quilora::platform
