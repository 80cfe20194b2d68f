#include "reports/ImageCache.h"

#include "reports/PageModel.h"

#include <QHash>
#include <cmath>

namespace brovik::reports {
namespace {

bool isBlackAndWhite(const QImage& image) {
    const bool opaque = image.format() == QImage::Format_RGB32;
    if (!opaque && image.format() != QImage::Format_ARGB32) return false;
    const int width = image.width(), height = image.height();
    for (int y = 0; y < height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < width; ++x) {
            const QRgb c = opaque ? line[x] | 0xff000000 : line[x];
            if (c != 0xff000000 && c != 0xffffffff) return false;
        }
    }
    return true;
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
    QImage part = picture.copy(0, 0, key.width, key.height);
    if (isBlackAndWhite(part)) part = part.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither | Qt::AvoidDither);
    part = shared(std::move(part));
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
