// SPDX-License-Identifier: GPL-3.0-or-later
#include "mypictures/gif.h"
#include "mypictures/heif.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include <cerrno>

namespace quilora::mypictures {
namespace {

using Encode = decltype(&quilora_gif_encode_v1);
using Decode = decltype(&quilora_photo_decode_v1);
constexpr char kEncode[] = "quilora_gif_encode_v1";
constexpr char kDecode[] = "quilora_photo_decode_v1";

// The maker's module: the GIF writer and the HEIF reader, the only users of libgd and libheif.
struct Module {
    Encode encode = nullptr;
    Decode decode = nullptr;
    QString problem; // why there is none
};

// Loaded once and kept: a QLibrary leaves its library loaded when it goes. The path is relative
// to the executable's folder, as an installation (and the build tree) lays the module out, so a
// moved prefix still finds it.
const Module& module() {
    static const Module loaded = [] {
        const QString path = QDir::cleanPath(QDir(QCoreApplication::applicationDirPath())
                                                 .filePath(QStringLiteral(QUILORA_GIF_MODULE)));
        QLibrary library(path);
        Module module;
        // The reasons read like the system's, as the maker's other problems do. QLibrary would
        // name another file it tried for a missing one, and no reason for a missing entry point.
        if (!QFileInfo::exists(path))
            module.problem = path + QStringLiteral(": ") + qt_error_string(ENOENT);
        else if (!library.load())
            module.problem = library.errorString();
        else if (!(module.encode = reinterpret_cast<Encode>(library.resolve(kEncode))))
            module.problem = path + QStringLiteral(": undefined symbol: ") + QLatin1String(kEncode);
        // Without its reader, a HEIF photo is one that cannot be read.
        module.decode = reinterpret_cast<Decode>(library.resolve(kDecode));
        return module;
    }();
    return loaded;
}

} // namespace

QList<QByteArray> encodeGifs(const QList<QImage>& sizes, bool dither, QString* error) {
    const Module& writer = module();
    QList<QByteArray> gifs;
    QString problem = writer.problem;
    if (writer.encode && writer.encode(&sizes, dither, &gifs, &problem))
        return gifs;
    if (error)
        *error = problem;
    return {};
}

HeifOutcome decodeHeif(const QByteArray& bytes, qint64 mostPixels, ScaledSize scaledSize,
                       QImage* photo) {
    const Module& reader = module();
    bool tooLarge = false;
    if (reader.decode && reader.decode(&bytes, mostPixels, scaledSize, photo, &tooLarge))
        return HeifOutcome::Decoded;
    return tooLarge ? HeifOutcome::TooLarge : HeifOutcome::Unreadable;
}

} // namespace quilora::mypictures
