#include "mypictures/gif.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <cerrno>

namespace quilora::mypictures {
namespace {

using Encode = decltype(&quilora_gif_encode_v1);
constexpr char kEntry[] = "quilora_gif_encode_v1";

struct GifWriter {
    Encode encode = nullptr;
    QString problem; // why there is none
};

// Loaded once and kept: a QLibrary leaves its library loaded when it goes. The path is relative
// to the executable's folder, as an installation (and the build tree) lays the module out, so a
// moved prefix still finds it.
const GifWriter& gifWriter() {
    static const GifWriter writer = [] {
        const QString path = QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                                                 .filePath(QStringLiteral(QUILORA_GIF_MODULE)));
        QLibrary module(path);
        GifWriter loaded;
        // The reasons read like the system's, as the maker's other problems do. QLibrary would
        // name another file it tried for a missing one, and no reason for a missing entry point.
        if (!QFileInfo::exists(path))
            loaded.problem = path + QStringLiteral(": ") + qt_error_string(ENOENT);
        else if (!module.load())
            loaded.problem = module.errorString();
        else if (!(loaded.encode = reinterpret_cast<Encode>(module.resolve(kEntry))))
            loaded.problem = path + QStringLiteral(": undefined symbol: ") + QLatin1String(kEntry);
        return loaded;
    }();
    return writer;
}

} // namespace

QList<QByteArray> encodeGifs(const QList<QImage>& sizes, bool dither, QString* error) {
    const GifWriter& writer = gifWriter();
    QList<QByteArray> gifs;
    QString problem = writer.problem;
    if (writer.encode && writer.encode(&sizes, dither, &gifs, &problem))
        return gifs;
    if (error)
        *error = problem;
    return {};
}

} // namespace quilora::mypictures
