#pragma once

#include "platform/platform.h"

#include <QList>
#include <QStringList>

#include <random>

namespace quilora::testing {

// Hands out scripted values first, then a reproducible uniform stream.
class ScriptedRandom final : public platform::RandomSource {
public:
    void seedFromClock() override { ++seeds; }
    void reseed(unsigned seed) { engine_.seed(seed); }
    float next() override {
        if (!script.isEmpty())
            return script.takeFirst();
        return static_cast<float>(engine_() >> 8) * 0x1p-24f;
    }
    QList<float> script;
    int seeds = 0;

private:
    std::mt19937 engine_{1};
};

class FakeLocaleInfo final : public platform::LocaleInfo {
public:
    QDate today() const override { return date; }
    QLocale locale() const override { return numbers; }
    QDate date{2026, 12, 5};
    QLocale numbers = QLocale::c();
};

class RecordingSound final : public platform::SoundPlayer {
public:
    void play(const QString& path) override { played.append(path); }
    QStringList played;
};

class RecordingMessages final : public platform::MessageBox {
public:
    void information(const QString& text) override { shown.append(text); }
    QStringList shown;
};

struct FakePlatform {
    ScriptedRandom random;
    FakeLocaleInfo localeInfo;
    RecordingSound sound;
    RecordingMessages messages;
    platform::Services services() { return {random, localeInfo, sound, messages}; }
};

} // namespace quilora::testing
