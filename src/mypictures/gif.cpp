// SPDX-License-Identifier: GPL-3.0-or-later
#include "mypictures/gif.h"

#include <gd.h>

#include <QPainter>

#include <algorithm>
#include <cstdarg>
#include <cstdio>
#include <memory>
#include <mutex>

namespace {

struct Destroy {
    void operator()(gdImagePtr image) const { gdImageDestroy(image); }
};
using Image = std::unique_ptr<gdImage, Destroy>;

// gd tells its errors to a callback, by default onto stderr; the last one becomes the reason.
thread_local QString gdComplaint;
void keepComplaint(int, const char* format, va_list arguments) {
    char text[512];
    std::vsnprintf(text, sizeof text, format, arguments);
    gdComplaint = QString::fromLocal8Bit(text).trimmed();
}

// The sizes one above the other on white, so that one quantisation serves them all.
QImage stacked(const QList<QImage>& sizes) {
    int width = 0, height = 0;
    for (const QImage& image : sizes) {
        width = std::max(width, image.width());
        height += image.height();
    }
    if (width == 0 || height == 0)
        return {};
    QImage stack(width, height, QImage::Format_RGB32);
    stack.fill(Qt::white);
    QPainter painter(&stack);
    int top = 0;
    for (const QImage& image : sizes) {
        painter.drawImage(0, top, image);
        top += image.height();
    }
    return stack;
}

Image trueColour(const QImage& stack) {
    Image image(gdImageCreateTrueColor(stack.width(), stack.height()));
    for (int y = 0; image && y < stack.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(stack.constScanLine(y));
        for (int x = 0; x < stack.width(); ++x)
            image->tpixels[y][x] = gdTrueColor(qRed(line[x]), qGreen(line[x]), qBlue(line[x]));
    }
    return image;
}

// The rows from `top` of the quantised stack, with its whole palette in the same order.
Image part(const gdImage& stack, int top, QSize size) {
    Image image(gdImageCreate(size.width(), size.height()));
    if (!image)
        return image;
    for (int i = 0; i < stack.colorsTotal; ++i)
        gdImageColorAllocate(image.get(), stack.red[i], stack.green[i], stack.blue[i]);
    for (int y = 0; y < size.height(); ++y)
        std::copy_n(stack.pixels[top + y], size.width(), image->pixels[y]);
    return image;
}

} // namespace

extern "C" bool quilora_gif_encode_v1(const QList<QImage>* sizes, bool dither,
                                      QList<QByteArray>* gifs, QString* error) {
    static std::once_flag initialised;
    std::call_once(initialised, [] { gdSetErrorMethod(keepComplaint); });
    gdComplaint.clear();
    const auto fail = [error](const char* what) {
        *error = gdComplaint.isEmpty() ? QString::fromLatin1(what) : gdComplaint;
        return false;
    };
    const QImage stack = stacked(*sizes);
    if (stack.isNull())
        return fail("no picture to write");
    const Image original = trueColour(stack);
    if (!original)
        return fail("out of memory");
    // gd's two-pass quantiser: median cut, then Floyd-Steinberg when dithered. Its colours are
    // the centres of cells of a coarse histogram; each is then moved to the mean of the pixels
    // it took, which keeps dark hair free of speckles and a name card's face within a level.
    const Image quantised(gdImageCreatePaletteFromTrueColor(original.get(), dither, gdMaxColors));
    if (!quantised || gdImageColorMatch(original.get(), quantised.get()) != 0)
        return fail("the colours could not be reduced");
    QList<QByteArray> written;
    int top = 0;
    for (const QImage& size : *sizes) {
        const Image image = part(*quantised, top, size.size());
        int length = 0;
        void* bytes = image ? gdImageGifPtr(image.get(), &length) : nullptr;
        if (!bytes)
            return fail("the GIF could not be written");
        written.append(QByteArray(static_cast<const char*>(bytes), length));
        gdFree(bytes);
        top += size.height();
    }
    gifs->append(written);
    return true;
}
