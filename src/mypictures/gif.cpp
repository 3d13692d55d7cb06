#include "mypictures/gif.h"

#include <Magick++.h>

#include <mutex>

namespace quilora::mypictures {

QByteArray encodeGif(const QImage& card, QString* error) {
    static std::once_flag initialised;
    std::call_once(initialised, [] {
        Magick::InitializeMagick(nullptr);
        // Cards are tiny: a pool of threads would cost more than it saves.
        Magick::ResourceLimits::thread(1);
    });
    try {
        const QImage pixels = card.convertToFormat(QImage::Format_RGBX8888);
        // RGBX rows are whole 32-bit words, so the lines lie back to back.
        Magick::Image image(static_cast<size_t>(pixels.width()),
                            static_cast<size_t>(pixels.height()), "RGBP", Magick::CharPixel,
                            pixels.constBits());
        image.quiet(true);
        image.quantizeColors(256);
        image.quantizeDither(true);
        image.quantizeDitherMethod(Magick::FloydSteinbergDitherMethod);
        image.quantize();
        image.magick("GIF");
        Magick::Blob blob;
        image.write(&blob);
        return QByteArray(static_cast<const char*>(blob.data()),
                          static_cast<qsizetype>(blob.length()));
    } catch (const Magick::Exception& e) {
        if (error)
            *error = QString::fromLocal8Bit(e.what());
        return {};
    }
}

} // namespace quilora::mypictures
