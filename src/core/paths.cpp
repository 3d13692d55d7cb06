// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/paths.h"

#include "core/files.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace quilora::core {

QString programPath(const QString& programFolder, const QString& relativeName) {
    QString relative = relativeName;
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    QString folder = programFolder;
    if (folder.endsWith(QLatin1Char('/')) && relative.startsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder + relative;
}

bool fileExists(const QString& path) {
    return isRegularFile(path);
}

QString contentFolder(const QString& executableFolder) {
    const QDir here(executableFolder);
    if (here.exists(QStringLiteral("img0")))
        return executableFolder;
    // Debian installs games into games/ and their data into share/games/ (its policy, 11.11).
    const QString shared = QDir::cleanPath(here.filePath(
        here.dirName() == QLatin1String("games") ? QStringLiteral("../share/games/quilora")
                                                 : QStringLiteral("../share/quilora")));
    if (QDir(shared).exists(QStringLiteral("img0")))
        return shared;
    return executableFolder;
}

QString pictureSetFolder(const QString& programFolder, const QString& userSetsFolder, int set) {
    const QString relative = QStringLiteral("\\img%1\\").arg(set);
    if (!userSetsFolder.isEmpty()) {
        const QString own = programPath(userSetsFolder, relative);
        if (fileExists(own + QStringLiteral("0.gif")))
            return own;
    }
    return programPath(programFolder, relative);
}

QString dataFolder(const QString& programFolder, const QString& userFolder) {
    // Permission bits do not tell about read-only mounts or ACLs: try to create a file.
    QTemporaryFile probe(QDir(programFolder).filePath(QStringLiteral(".quilora-XXXXXX")));
    if (probe.open())
        return programFolder;
    QDir().mkpath(userFolder);
    return userFolder;
}

} // namespace quilora::core
