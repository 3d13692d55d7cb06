#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace quilora::mypictures {

// The sizes of one card (1x, 2x) as GIFs that share one palette of 256 colours, chosen by
// ImageMagick's quantiser over all of them at once. Photos get Floyd-Steinberg dithering, so they
// keep smooth skin and sky; lettering does not, where it would only add noise. Each dithered
// quantisation costs ImageMagick about 80 ms to fill a 128 MB colour cache, hence one per card.
// Empty, with the reason in *error, on failure.
QList<QByteArray> encodeGifs(const QList<QImage>& sizes, bool dither, QString* error = nullptr);

} // namespace quilora::mypictures
