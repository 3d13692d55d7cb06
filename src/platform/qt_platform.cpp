// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/qt_platform.h"

#include "core/files.h"
#include "core/paths.h"
#include "core/version.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QSoundEffect>
#include <QUrl>

#include <chrono>
#include <utility>

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

// The file is looked for once: a click must not wait for the file system.
QSoundEffect* QtSoundPlayer::effect(const QString& path) {
    const auto known = effects_.constFind(path);
    if (known != effects_.cend())
        return *known;
    QSoundEffect* effect = nullptr;
    if (core::fileExists(path)) {
        effect = new QSoundEffect(this);
        effect->setSource(QUrl::fromLocalFile(path));
    }
    effects_.insert(path, effect);
    return effect;
}

void QtSoundPlayer::preload(const QStringList& paths) {
    if (held_) {
        pending_ += paths;
        return;
    }
    for (const QString& path : paths)
        effect(path);
}

void QtSoundPlayer::holdPreloading() {
    held_ = true;
}

void QtSoundPlayer::releasePreloading() {
    held_ = false;
    preload(std::exchange(pending_, {}));
}

void QtSoundPlayer::play(const QString& path) {
    if (playing_)
        playing_->stop();
    playing_ = effect(path);
    if (playing_)
        playing_->play();
}

void QtMessageBox::information(const QString& text) {
    QMessageBox::information(QApplication::activeWindow(), QLatin1String(core::kProductName), text);
}

QString shortcutAddress(const QByteArray& content) {
    for (const QByteArray& rawLine : content.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (!line.startsWith("URL="))
            continue;
        const QUrl url(QString::fromUtf8(line.mid(4)), QUrl::StrictMode);
        const QString scheme = url.scheme().toLower();
        if (url.isValid() && !url.host().isEmpty() && (scheme == u"http" || scheme == u"https"))
            return url.toString();
        return {};
    }
    return {};
}

bool DesktopLinkOpener::openShortcut(const QString& shortcutPath) {
    const QString address = shortcutAddress(core::readFile(shortcutPath, 64 * 1024).bytes);
    return !address.isEmpty() && QDesktopServices::openUrl(QUrl(address));
}

} // namespace quilora::platform
