// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platform.h"

#include <QFile>
#include <QList>
#include <QStringList>

#include <random>

namespace quilora::testing {

// Hands out scripted values first, then a reproducible uniform stream.
struct ScriptedRandom final : platform::RandomSource {
    void seedFromClock() override {}
    void reseed(unsigned seed) { engine.seed(seed); }
    float next() override {
        return script.isEmpty() ? float(engine() >> 8) * 0x1p-24f : script.takeFirst();
    }
    QList<float> script;
    std::mt19937 engine{1};
};

// Draws that leave a shuffle of `count` items as it was: it swaps each item, from the last down,
// with one drawn at or below it.
inline QList<float> unshuffled(int count) {
    QList<float> draws;
    for (int i = count - 1; i > 0; --i)
        draws << (i + 0.5f) / (i + 1);
    return draws;
}

struct FakeLocaleInfo final : platform::LocaleInfo {
    QDate today() const override { return date; }
    QLocale locale() const override { return numbers; }
    QDate date{2026, 12, 5};
    QLocale numbers = QLocale::c();
};

struct FakeClock final : platform::MonotonicClock {
    qint64 milliseconds() const override { return now; }
    qint64 now = 1'000'000;
};

struct RecordingSound final : platform::SoundPlayer {
    void preload(const QStringList& paths) override { preloaded += paths; }
    void play(const QString& path) override { played.append(path); }
    QStringList preloaded, played;
};

struct RecordingMessages final : platform::MessageBox {
    void information(const QString& text) override { shown.append(text); }
    QStringList shown;
};

// Reads the shortcut at hand-over, as the desktop would.
struct RecordingLinks final : platform::LinkOpener {
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
