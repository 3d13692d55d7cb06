// SPDX-License-Identifier: GPL-3.0-or-later
#include "gif_writer.h"

#include <gif_lib.h>

#include <algorithm>
#include <map>
#include <stdexcept>
#include <vector>

namespace contentgen {
namespace {

constexpr int kPaletteSize = 256;
// Colours covering at least this many pixels keep their exact value: flat fills, outlines and
// lettering must not be shifted to a neighbour, or they show stripes.
constexpr int kExactMinCount = 6;
constexpr int kExactMax = 160;

struct WeightedColour {
    QRgb rgb;
    int count;
};

int channel(QRgb c, int ch) {
    switch (ch) {
    case 0:
        return qRed(c);
    case 1:
        return qGreen(c);
    default:
        return qBlue(c);
    }
}

// Median cut over the colours that did not get an exact entry.
std::vector<QRgb> medianCut(std::vector<WeightedColour> colours, int boxes) {
    std::vector<std::vector<WeightedColour>> work;
    if (colours.empty() || boxes <= 0)
        return {};
    work.push_back(std::move(colours));
    while (static_cast<int>(work.size()) < boxes) {
        // Split the box with the widest channel range; ties go to the earlier box.
        int best = -1, bestRange = 0, bestChannel = 0;
        for (int i = 0; i < static_cast<int>(work.size()); ++i) {
            if (work[i].size() < 2)
                continue;
            for (int ch = 0; ch < 3; ++ch) {
                auto [lo, hi] = std::minmax_element(
                    work[i].begin(), work[i].end(), [ch](const auto& a, const auto& b) {
                        return channel(a.rgb, ch) < channel(b.rgb, ch);
                    });
                const int range = channel(hi->rgb, ch) - channel(lo->rgb, ch);
                if (range > bestRange) {
                    best = i;
                    bestRange = range;
                    bestChannel = ch;
                }
            }
        }
        if (best < 0)
            break;
        auto& box = work[best];
        std::sort(box.begin(), box.end(), [bestChannel](const auto& a, const auto& b) {
            const int ca = channel(a.rgb, bestChannel), cb = channel(b.rgb, bestChannel);
            return ca != cb ? ca < cb : a.rgb < b.rgb;
        });
        long total = 0;
        for (const auto& c : box)
            total += c.count;
        long acc = 0;
        size_t cut = 1;
        for (size_t i = 0; i + 1 < box.size(); ++i) {
            acc += box[i].count;
            cut = i + 1;
            if (acc * 2 >= total)
                break;
        }
        std::vector<WeightedColour> upper(box.begin() + static_cast<long>(cut), box.end());
        box.resize(cut);
        work.push_back(std::move(upper));
    }
    std::vector<QRgb> result;
    for (const auto& box : work) {
        long r = 0, g = 0, b = 0, n = 0;
        for (const auto& c : box) {
            r += long(qRed(c.rgb)) * c.count;
            g += long(qGreen(c.rgb)) * c.count;
            b += long(qBlue(c.rgb)) * c.count;
            n += c.count;
        }
        result.push_back(qRgb(int((r + n / 2) / n), int((g + n / 2) / n), int((b + n / 2) / n)));
    }
    return result;
}

int nearest(const QList<QRgb>& palette, QRgb c) {
    int best = 0;
    long bestDist = -1;
    for (int i = 0; i < palette.size(); ++i) {
        const long dr = qRed(c) - qRed(palette[i]);
        const long dg = qGreen(c) - qGreen(palette[i]);
        const long db = qBlue(c) - qBlue(palette[i]);
        // Green weighs most to the eye.
        const long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestDist < 0 || d < bestDist) {
            best = i;
            bestDist = d;
        }
    }
    return best;
}

QList<QRgb> buildPalette(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> histogram;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++histogram[line[x] | 0xff000000u];
    }
    QList<QRgb> palette;
    if (static_cast<int>(histogram.size()) <= kPaletteSize) {
        for (const auto& [c, n] : histogram)
            palette.append(c);
        return palette;
    }
    std::vector<WeightedColour> byCount;
    for (const auto& [c, n] : histogram)
        byCount.push_back({c, n});
    std::stable_sort(byCount.begin(), byCount.end(),
                     [](const auto& a, const auto& b) { return a.count > b.count; });
    std::vector<WeightedColour> rest;
    for (const auto& wc : byCount) {
        if (palette.size() < kExactMax && wc.count >= kExactMinCount)
            palette.append(wc.rgb);
        else
            rest.push_back(wc);
    }
    for (QRgb c : medianCut(std::move(rest), kPaletteSize - static_cast<int>(palette.size())))
        palette.append(c);
    return palette;
}

} // namespace

void writeGif(const QImage& image, const QString& path) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const QList<QRgb> palette = buildPalette(rgb);

    int bits = 1;
    while ((1 << bits) < palette.size())
        ++bits;
    std::vector<GifColorType> colours(size_t(1) << bits, GifColorType{0, 0, 0});
    for (int i = 0; i < palette.size(); ++i)
        colours[size_t(i)] = {GifByteType(qRed(palette[i])), GifByteType(qGreen(palette[i])),
                              GifByteType(qBlue(palette[i]))};

    std::map<QRgb, int> indexOf;
    for (int i = 0; i < palette.size(); ++i)
        indexOf.emplace(palette[i], i);

    int error = 0;
    const QByteArray name = path.toLocal8Bit();
    GifFileType* gif = EGifOpenFileName(name.constData(), false, &error);
    if (!gif)
        throw std::runtime_error("cannot create " + name.toStdString());
    ColorMapObject* map = GifMakeMapObject(1 << bits, colours.data());
    bool ok = map && EGifPutScreenDesc(gif, rgb.width(), rgb.height(), bits, 0, map) == GIF_OK &&
              EGifPutImageDesc(gif, 0, 0, rgb.width(), rgb.height(), false, nullptr) == GIF_OK;
    std::vector<GifPixelType> row(size_t(rgb.width()));
    for (int y = 0; ok && y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = line[x] | 0xff000000u;
            const auto it = indexOf.find(c);
            row[size_t(x)] = GifPixelType(it != indexOf.end() ? it->second : nearest(palette, c));
        }
        ok = EGifPutLine(gif, row.data(), rgb.width()) == GIF_OK;
    }
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &error) != GIF_OK)
        ok = false;
    if (!ok)
        throw std::runtime_error("cannot write " + name.toStdString());
}

} // namespace contentgen
