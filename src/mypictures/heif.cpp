// SPDX-License-Identifier: GPL-3.0-or-later
#include "mypictures/heif.h"

#include <libheif/heif.h>

#include <cstdint>
#include <memory>
#include <mutex>

namespace {

template <auto release> struct Release {
    template <typename T> void operator()(T* item) const { release(item); }
};
using Context = std::unique_ptr<heif_context, Release<heif_context_free>>;
using Handle = std::unique_ptr<heif_image_handle, Release<heif_image_handle_release>>;
using Image = std::unique_ptr<heif_image, Release<heif_image_release>>;

bool ok(heif_error error) {
    return error.code == heif_error_Ok;
}

// Qt scales premultiplied pixels as they are; straight ones it would first copy whole.
void premultiply(std::uint8_t* pixels, int stride, QSize size) {
    for (int y = 0; y < size.height(); ++y) {
        std::uint8_t* pixel = pixels + std::ptrdiff_t(y) * stride;
        for (int x = 0; x < size.width(); ++x, pixel += 4)
            for (int channel = 0; channel < 3; ++channel)
                pixel[channel] = std::uint8_t((pixel[channel] * pixel[3] + 127) / 255);
    }
}

} // namespace

extern "C" bool quilora_photo_decode_v1(const QByteArray* bytes, qint64 mostPixels,
                                        quilora::mypictures::ScaledSize scaledSize, QImage* photo,
                                        bool* tooLarge) {
    static std::once_flag initialised;
    std::call_once(initialised, [] { heif_init(nullptr); });
    *tooLarge = false;
    const Context context(heif_context_alloc());
    heif_image_handle* primary = nullptr;
    if (!context ||
        !ok(heif_context_read_from_memory_without_copy(context.get(), bytes->constData(),
                                                       std::size_t(bytes->size()), nullptr)) ||
        !ok(heif_context_get_primary_image_handle(context.get(), &primary)))
        return false;
    const Handle handle(primary);
    // The size once turned upright, as the header tells it: nothing is decoded yet.
    const QSize upright(heif_image_handle_get_width(handle.get()),
                        heif_image_handle_get_height(handle.get()));
    if (upright.isEmpty())
        return false;
    if (qint64(upright.width()) * upright.height() > mostPixels) {
        *tooLarge = true;
        return false;
    }
    // libheif turns and mirrors it as the file says (irot, imir); four bytes a pixel, which Qt
    // scales as they are (three it would first widen, a second copy of the whole photo).
    const bool alpha = heif_image_handle_has_alpha_channel(handle.get());
    heif_image* decodedImage = nullptr;
    if (!ok(heif_decode_image(handle.get(), &decodedImage, heif_colorspace_RGB,
                              heif_chroma_interleaved_RGBA, nullptr)))
        return false;
    const Image decoded(decodedImage);
    int stride = 0;
    std::uint8_t* pixels = heif_image_get_plane(decoded.get(), heif_channel_interleaved, &stride);
    const QSize size(heif_image_get_width(decoded.get(), heif_channel_interleaved),
                     heif_image_get_height(decoded.get(), heif_channel_interleaved));
    if (!pixels || size.isEmpty())
        return false;
    if (alpha && !heif_image_is_premultiplied_alpha(decoded.get()))
        premultiply(pixels, stride, size);
    const QImage whole(pixels, size.width(), size.height(), stride,
                       alpha ? QImage::Format_RGBA8888_Premultiplied : QImage::Format_RGBX8888);
    // Converted, it owns its pixels: libheif's go with `decoded`.
    *photo =
        whole.scaled(scaledSize(size), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .convertToFormat(alpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    return !photo->isNull();
}
