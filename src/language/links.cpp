// SPDX-License-Identifier: GPL-3.0-or-later
#include "language/links.h"

#include "core/paths.h"
#include "language/links_config.h"

#include <QFile>
#include <QFileInfo>

namespace quilora::language {

QString siteName() {
    return QStringLiteral(QUILORA_SITE_NAME);
}

QString siteTooltip() {
    return QStringLiteral(QUILORA_SITE_TOOLTIP);
}

QString pageAddress(int label, float localisation) {
    const QString letter = localisation == 1.0f ? QStringLiteral("e") : QStringLiteral("r");
    QString base;
    if (label == 0 || label == 1)
        base = QStringLiteral(QUILORA_SITE_URL);
    else if (label == 3)
        base = QStringLiteral(QUILORA_HOMEPAGE_URL);
    else
        return {};
    return base + QStringLiteral("index-") + letter + QStringLiteral(".htm");
}

bool DoURL(const QString& strUrl, const QString& folder, platform::LinkOpener& opener) {
    const QString path = core::programPath(folder, QStringLiteral("\\temp.url"));
    const QFileInfo existing(path);
    // A link goes, never what it points to; a folder cannot be removed this way and stays.
    if ((existing.isSymLink() || existing.exists()) && !QFile::remove(path))
        return false;
    bool written = false;
    {
        QFile file(path);
        // Created afresh: a link put there meanwhile makes the open fail instead of being
        // followed.
        if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
            return false;
        const QByteArray content = "[InternetShortcut]\r\nURL=" + strUrl.toUtf8() + "\r\n";
        written = file.write(content) == content.size() && file.flush(); // a full disk
    } // closed before the desktop reads it
    const bool opened = written && opener.openShortcut(path);
    QFile::remove(path);
    return opened;
}

void lblOrvane_Click(int Index, float localisation, const QString& folder,
                     platform::LinkOpener& opener) {
    const QString address = pageAddress(Index, localisation);
    if (!address.isEmpty())
        DoURL(address, folder, opener);
}

} // namespace quilora::language
