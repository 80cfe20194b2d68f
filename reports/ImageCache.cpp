#include "reports/ImageCache.h"

#include "reports/PageModel.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <vector>

namespace brovik::reports {
namespace {

// The distinct colours of an opaque picture, or none when there are more than 256.
std::vector<QRgb> fewColours(const QImage& image) {
    std::vector<QRgb> colours;
    if (image.format() != QImage::Format_RGB32) return colours;
    const int width = image.width(), height = image.height();
    QRgb last = 0;
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb c = line[x] | 0xff000000;
            if (c == last && !colours.empty()) continue;
            last = c;
            if (std::find(colours.begin(), colours.end(), c) != colours.end()) continue;
            if (colours.size() == 256) return {};
            colours.push_back(c);
        }
    }
    return colours;
}

QImage indexed(const QImage& image, const std::vector<QRgb>& colours) {
    QImage out(image.size(), QImage::Format_Indexed8);
    out.setColorTable(QList<QRgb>(colours.begin(), colours.end()));
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* target = out.scanLine(y);
        for (int x = 0; x < image.width(); ++x)
            target[x] = uchar(std::find(colours.begin(), colours.end(), line[x] | 0xff000000) - colours.begin());
    }
    return out;
}

// Barcode pictures are black and white: one bit per pixel keeps thousands of them small.
// The colour table is black then white because the PDF writer keeps a one-bit picture at
// one bit only with that table; any other sends it through a lossy JPEG. Packs the top-left
// `size` pixels in one pass, or gives a null image when the picture has another colour.
QImage blackOnWhite(const QImage& image, QSize size) {
    if (image.format() != QImage::Format_RGB32) return {};
    QImage mono(size, QImage::Format_Mono);
    mono.setColorTable({0xff000000, 0xffffffff});
    for (int y = 0; y < size.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* bits = mono.scanLine(y);
        std::fill_n(bits, mono.bytesPerLine(), uchar(0));
        for (int x = 0; x < size.width(); ++x) {
            const QRgb c = line[x] | 0xff000000;
            if (c == 0xffffffff) bits[x >> 3] |= uchar(0x80 >> (x & 7));
            else if (c != 0xff000000) return {};
        }
    }
    return mono;
}

// Other pictures of few colours take one byte per pixel; the rest stay as they are.
QImage compact(QImage image) {
    const std::vector<QRgb> colours = fewColours(image);
    if (colours.empty()) return image;
    return indexed(image, colours);
}

std::size_t contentHash(const QImage& image) {
    std::size_t h = qHash(image.width()) ^ (qHash(image.height()) << 1) ^ (std::size_t(image.format()) << 2);
    const auto bytesPerLine = (image.width() * image.depth() + 7) / 8;
    for (int y = 0; y < image.height(); ++y)
        h = qHash(QByteArrayView(reinterpret_cast<const char*>(image.constScanLine(y)), bytesPerLine), h);
    return h;
}

int visiblePixels(double units, int available) {
    const int pixels = int(std::ceil(units / kUnitsPerImagePixel - 1e-6));
    return std::clamp(pixels, 0, available);
}

}  // namespace

QImage ImageCache::visiblePart(const QImage& picture, QSizeF box) {
    const Key key{picture.cacheKey(), visiblePixels(box.width(), picture.width()),
                  visiblePixels(box.height(), picture.height())};
    if (auto it = byPicture_.find(key); it != byPicture_.end()) return it->second;
    QImage part = blackOnWhite(picture, QSize(key.width, key.height));
    if (part.isNull()) {
        // A picture shown whole needs no copy of its own: compacting makes one anyway.
        const bool whole = key.width == picture.width() && key.height == picture.height();
        part = compact(whole ? picture : picture.copy(0, 0, key.width, key.height));
    }
    part = shared(part);
    byPicture_.emplace(key, part);
    return part;
}

QImage ImageCache::shared(QImage image) {
    const std::size_t hash = contentHash(image);
    auto [begin, end] = byContent_.equal_range(hash);
    for (auto it = begin; it != end; ++it)
        if (it->second == image) return it->second;
    byContent_.emplace(hash, image);
    return image;
}

}  // namespace brovik::reports
