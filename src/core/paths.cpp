#include "core/paths.h"

#include <QFileInfo>

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
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

} // namespace quilora::core
