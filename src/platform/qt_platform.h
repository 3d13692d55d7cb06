// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/platform.h"

#include <QElapsedTimer>
#include <QHash>
#include <QObject>

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

class SteadyClock final : public MonotonicClock {
public:
    SteadyClock() { timer_.start(); }
    qint64 milliseconds() const override { return timer_.elapsed(); }

private:
    QElapsedTimer timer_;
};

// One preloaded effect per file, so a click plays at once; only one sound plays at a time.
// Its sound effects are its children, one for each file found, made on first use.
class QtSoundPlayer final : public QObject, public SoundPlayer {
public:
    void preload(const QStringList& paths) override;
    void play(const QString& path) override;

    // While held, preloading only notes the files; releasing loads them. The game holds it
    // until its window has been drawn, so the sound system's start-up does not delay that.
    void holdPreloading();
    void releasePreloading();

private:
    QSoundEffect* effect(const QString& path);

    QHash<QString, QSoundEffect*> effects_;
    QSoundEffect* playing_ = nullptr;
    bool held_ = false;
    QStringList pending_;
};

class QtMessageBox final : public MessageBox {
public:
    void information(const QString& text) override;
};

// Hands the web address of a shortcut file to the desktop, which starts the browser on its
// own; no shell and no command line is built from the file's text.
class DesktopLinkOpener final : public LinkOpener {
public:
    bool openShortcut(const QString& shortcutPath) override;
};

// The web address in an Internet shortcut file's text: its "URL=" line, when it names an http
// or https page; empty otherwise.
QString shortcutAddress(const QByteArray& content);

// The desktop's own services, held for a program's whole run.
class DesktopServices {
public:
    Services services() { return {random_, localeInfo_, sound_, messages_, clock_, links_}; }
    QtSoundPlayer& sound() { return sound_; }

private:
    ClockSeededRandom random_;
    SystemLocaleInfo localeInfo_;
    QtSoundPlayer sound_;
    QtMessageBox messages_;
    SteadyClock clock_;
    DesktopLinkOpener links_;
};

} // namespace quilora::platform
