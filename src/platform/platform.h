#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

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

// Plays a wave file without waiting for it; a new sound cuts off the one still playing.
// An empty path, or a file that is missing or unreadable, plays nothing.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual void play(const QString& path) = 0;
};

// A modal message with an OK button.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void information(const QString& text) = 0;
};

// Everything the game logic needs from the platform, handed to each main window.
struct Services {
    RandomSource& random;
    LocaleInfo& localeInfo;
    SoundPlayer& sound;
    MessageBox& messages;
};

} // namespace quilora::platform
