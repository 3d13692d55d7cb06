// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace quilora::mypictures {

// How a HEIF or AVIF photo came out of the maker's module.
enum class HeifOutcome { Decoded, Unreadable, TooLarge };

// The size a photo of this upright size is to be scaled down to.
using ScaledSize = QSize (*)(QSize);

// A HEIF (HEIC) or AVIF photo from its bytes, decoded by libheif in the maker's module
// (heif.cpp), which is loaded on first use like the GIF writer, so that a game never maps it.
// Its size is read from its header first: one of more than `mostPixels` is not decoded. It comes
// upright (the file's rotation and mirroring applied), scaled down to `scaledSize` of its
// upright size, as RGB32, or ARGB32 when it has transparency.
HeifOutcome decodeHeif(const QByteArray& bytes, qint64 mostPixels, ScaledSize scaledSize,
                       QImage* photo);

} // namespace quilora::mypictures

// The module's entry point, decodeHeif: true with the photo, else false with *tooLarge telling
// whether its size was the reason. The version in its name keeps a stale module from being
// called.
extern "C" Q_DECL_EXPORT bool quilora_photo_decode_v1(const QByteArray* bytes, qint64 mostPixels,
                                                      quilora::mypictures::ScaledSize scaledSize,
                                                      QImage* photo, bool* tooLarge);
