// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

namespace quilora::core {

// Pictures from outside are decoded from their bytes (read through readFile), and only once the
// size their header tells is one their kind may have: a 43-byte GIF can claim 5600 x 5600.
// `format` is a hint, as a file's suffix gives it ("gif", "jpg"): tried first, so that only the
// decoders a picture needs are loaded; other content is still recognised.

// The format to read the bytes with: the hint when its decoder knows them, else none, which has
// Qt find it by their content.
QByteArray pictureFormat(const QByteArray& bytes, const QByteArray& hint);

// What a picture's header tells before anything is decoded.
struct PictureHeader {
    QSize size; // invalid when the header tells none
    // Whether the decoder itself scales it down as it reads, a band at a time (a sequential
    // JPEG), so that it costs the size it is read at. Every other picture is held whole at its
    // full size first, a progressive JPEG too (libjpeg keeps all its coefficients).
    bool scaledInDecoder = false;
};
PictureHeader pictureHeader(const QByteArray& bytes, const QByteArray& format = {});

// The picture, when its header tells a size of at most `largest` each way; else a null image.
QImage decodePicture(const QByteArray& bytes, QSize largest, const QByteArray& format = {});

} // namespace quilora::core
