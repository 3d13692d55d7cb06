// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace quilora::mypictures {

// The sizes of one card (1x, 2x) as GIFs that share one palette of up to 256 colours, chosen by
// libgd's quantiser over all of them at once. Photos get Floyd-Steinberg dithering, so they keep
// smooth skin and sky; lettering does not, where it would only add noise. A card takes a few
// milliseconds and a few hundred kilobytes.
// Empty, with the reason in *error, on failure, also when the GIF writer cannot be loaded.
QList<QByteArray> encodeGifs(const QList<QImage>& sizes, bool dither, QString* error = nullptr);

} // namespace quilora::mypictures

// The GIF writer is a module of its own (gif.cpp), loaded by encodeGifs on its first call, so
// that only a maker that writes a set maps libgd. This is its one entry point, encodeGifs
// with `error` never null; the version in its name keeps a stale module from being called.
extern "C" Q_DECL_EXPORT bool quilora_gif_encode_v1(const QList<QImage>* sizes, bool dither,
                                                    QList<QByteArray>* gifs, QString* error);
