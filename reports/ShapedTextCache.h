#pragma once

#include <QGlyphRun>
#include <QList>
#include <QString>
#include <unordered_map>

class QFont;
class QPaintDevice;

namespace brovik::reports {

// A text laid out once for one device: glyphs and their positions from the baseline's start.
struct ShapedText {
    QList<QGlyphRun> runs;
    qreal ascent = 0;  // the glyph runs' baseline below their origin
};

// Ticket pages repeat the same captions and values stub after stub, and shaping a text
// costs more than drawing its glyphs; texts are shaped once per device and font.
class ShapedTextCache {
public:
    explicit ShapedTextCache(const QPaintDevice* device) : device_(device) {}
    const ShapedText& shape(int fontIndex, const QFont& font, const QString& text);

private:
    struct Key {
        int font;
        QString text;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const noexcept { return qHash(k.text, std::size_t(k.font)); }
    };
    const QPaintDevice* device_;
    std::unordered_map<Key, ShapedText, KeyHash> shapes_;
};

}  // namespace brovik::reports
