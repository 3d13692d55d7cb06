// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline of set_bench: the GIF writer as it was before it moved to libgd, ImageMagick's
// quantiser through Magick++, kept here only to be measured against. Built as a module of the same
// name and entry point, so that the maker's own writeSet loads it.
#include "mypictures/gif.h"

#include <Magick++.h>

#include <QPainter>

#include <algorithm>
#include <mutex>

namespace {

// The sizes one above the other on white, so that one quantisation serves them all.
QImage stacked(const QList<QImage>& sizes) {
    int width = 0, height = 0;
    for (const QImage& image : sizes) {
        width = std::max(width, image.width());
        height += image.height();
    }
    QImage stack(width, height, QImage::Format_RGBX8888);
    stack.fill(Qt::white);
    QPainter painter(&stack);
    int top = 0;
    for (const QImage& image : sizes) {
        painter.drawImage(0, top, image);
        top += image.height();
    }
    return stack;
}

} // namespace

extern "C" bool quilora_gif_encode_v1(const QList<QImage>* sizes, bool dither,
                                      QList<QByteArray>* gifs, QString* error) {
    static std::once_flag initialised;
    std::call_once(initialised, [] {
        Magick::InitializeMagick(nullptr);
        // Cards are tiny: a pool of threads would cost more than it saves.
        Magick::ResourceLimits::thread(1);
    });
    const QImage stack = stacked(*sizes);
    try {
        // RGBX rows are whole 32-bit words, so the lines lie back to back.
        Magick::Image all(static_cast<size_t>(stack.width()), static_cast<size_t>(stack.height()),
                          "RGBP", Magick::CharPixel, stack.constBits());
        all.quiet(true);
        // To ImageMagick's default of 256 colours, all that a GIF holds.
        all.quantizeDither(dither);
        all.quantizeDitherMethod(Magick::FloydSteinbergDitherMethod); // when dithered
        all.quantize();
        int top = 0;
        for (const QImage& image : *sizes) {
            Magick::Image part = all;
            part.crop(Magick::Geometry(static_cast<size_t>(image.width()),
                                       static_cast<size_t>(image.height()), 0, top));
            part.page(Magick::Geometry(0, 0, 0, 0));
            part.magick("GIF");
            Magick::Blob blob;
            part.write(&blob);
            gifs->append(QByteArray(static_cast<const char*>(blob.data()),
                                    static_cast<qsizetype>(blob.length())));
            top += image.height();
        }
        return true;
    } catch (const Magick::Exception& e) {
        *error = QString::fromLocal8Bit(e.what());
        return false;
    }
}
