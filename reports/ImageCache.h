#pragma once

#include <QImage>
#include <QSizeF>
#include <unordered_map>

namespace brovik::reports {

// Keeps one copy of every distinct bitmap a generation prints. A picture that has not
// been drawn on since its last printing is found by its cache key; one redrawn with the
// same pixels is found by a hash of its content. Black-and-white pictures are kept at one
// bit per pixel.
class ImageCache {
public:
    // The part of `picture` that a box of `box` report units shows at 96 pixels per inch.
    QImage visiblePart(const QImage& picture, QSizeF box);
    std::size_t distinctImages() const { return byContent_.size(); }

private:
    struct Key {
        qint64 cacheKey;
        int width, height;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const noexcept { return std::hash<qint64>()(k.cacheKey) ^ (k.width * 31 + k.height); }
    };
    QImage shared(QImage image);

    std::unordered_map<Key, QImage, KeyHash> byPicture_;
    std::unordered_multimap<std::size_t, QImage> byContent_;
};

}  // namespace brovik::reports
