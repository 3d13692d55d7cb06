#pragma once

#include "platform/platform.h"

#include <QFile>
#include <QList>
#include <QStringList>

#include <random>

namespace quilora::testing {

// Hands out scripted values first, then a reproducible uniform stream.
class ScriptedRandom final : public platform::RandomSource {
public:
    void seedFromClock() override {}
    void reseed(unsigned seed) { engine_.seed(seed); }
    float next() override {
        if (!script.isEmpty())
            return script.takeFirst();
        return static_cast<float>(engine_() >> 8) * 0x1p-24f;
    }
    QList<float> script;

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

class FakeClock final : public platform::MonotonicClock {
public:
    qint64 milliseconds() const override { return now; }
    qint64 now = 1'000'000;
};

class RecordingSound final : public platform::SoundPlayer {
public:
    void preload(const QStringList& paths) override { preloaded += paths; }
    void play(const QString& path) override { played.append(path); }
    QStringList preloaded;
    QStringList played;
};

class RecordingMessages final : public platform::MessageBox {
public:
    void information(const QString& text) override { shown.append(text); }
    QStringList shown;
};

// Reads the shortcut at hand-over, as the desktop would.
class RecordingLinks final : public platform::LinkOpener {
public:
    bool openShortcut(const QString& path) override {
        QFile file(path);
        handedOver.append(file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray());
        return opens;
    }
    QList<QByteArray> handedOver;
    bool opens = true;
};

struct FakePlatform {
    ScriptedRandom random;
    FakeLocaleInfo localeInfo;
    RecordingSound sound;
    RecordingMessages messages;
    FakeClock clock;
    RecordingLinks links;
    platform::Services services() { return {random, localeInfo, sound, messages, clock, links}; }
};

} // namespace quilora::testing
