#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace quilora::mypictures {

// The card as a GIF, its 256 colours chosen by ImageMagick's quantiser with Floyd-Steinberg
// dithering, so photos keep smooth skin and sky. Empty, with the reason in *error, on failure.
QByteArray encodeGif(const QImage& card, QString* error = nullptr);

} // namespace quilora::mypictures
