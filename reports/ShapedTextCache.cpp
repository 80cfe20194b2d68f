#include "reports/ShapedTextCache.h"

#include <QTextLayout>

namespace brovik::reports {
namespace {

// Enough for every repeated text of a long document; unique texts (ticket numbers) would
// otherwise pile up for as long as the painter lives.
constexpr std::size_t kMaxTexts = 4096;

}  // namespace

const ShapedText& ShapedTextCache::shape(int fontIndex, const QFont& font, const QString& text) {
    Key key{fontIndex, text};
    if (auto it = shapes_.find(key); it != shapes_.end()) return it->second;
    if (shapes_.size() >= kMaxTexts) shapes_.clear();
    QTextLayout layout(text, font, device_);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    ShapedText shaped{layout.glyphRuns(), line.isValid() ? line.ascent() : 0};
    return shapes_.emplace(std::move(key), std::move(shaped)).first->second;
}

}  // namespace brovik::reports
