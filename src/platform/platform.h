// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QLocale>
#include <QString>
#include <QStringList>

namespace quilora::platform {

// The random-number generator of the deal.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void seedFromClock() = 0;
    // The next value r, uniformly distributed with 0 <= r < 1.
    virtual float next() = 0;
};

// Today's date and the user's number and date formats.
class LocaleInfo {
public:
    virtual ~LocaleInfo() = default;
    virtual QDate today() const = 0;
    virtual QLocale locale() const = 0;
};

// A clock that only moves forward, for what must be exact to a fraction of a second.
class MonotonicClock {
public:
    virtual ~MonotonicClock() = default;
    virtual qint64 milliseconds() const = 0;
};

// Plays a wave file without waiting for it; a new sound cuts off the one still playing.
// An empty path, or a file that is missing or unreadable, plays nothing.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Makes these files ready, so that their first play starts at once.
    virtual void preload(const QStringList& paths) = 0;
    virtual void play(const QString& path) = 0;
};

// A modal message with an OK button.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void information(const QString& text) = 0;
};

// Opens the address named by an Internet shortcut file in the desktop's browser. The file is
// read before this returns, so the caller may delete it then. False when nothing was opened.
class LinkOpener {
public:
    virtual ~LinkOpener() = default;
    virtual bool openShortcut(const QString& shortcutPath) = 0;
};

// Everything the game logic needs from the platform, handed to each main window.
struct Services {
    RandomSource& random;
    LocaleInfo& localeInfo;
    SoundPlayer& sound;
    MessageBox& messages;
    MonotonicClock& clock;
    LinkOpener& links;
};

} // namespace quilora::platform
