#include "reports/ReportFonts.h"

#include <QImage>
#include <algorithm>
#include <array>
#include <utility>

namespace brovik::reports {
namespace {

// The layouts name Windows families; these are their metric-compatible stand-ins.
constexpr std::array<std::pair<const char*, const char*>, 3> kFamilies{{
    {"Arial", "Liberation Sans"},
    {"Arial Narrow", "Liberation Sans Narrow"},
    {"Courier New", "Liberation Mono"},
}};

constexpr int kMeasureDpi = 1200;
// Enough for every repeated text of a generation; unique ones (ticket numbers) would pile up.
constexpr qsizetype kCacheLimit = 4096;
constexpr double kUnitsPerMeasurePixel = 254.0 / kMeasureDpi;

const QImage& measureDevice() {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        const int dotsPerMeter = qRound(kMeasureDpi / 0.0254);
        image.setDotsPerMeterX(dotsPerMeter);
        image.setDotsPerMeterY(dotsPerMeter);
        return image;
    }();
    return device;
}

QFont makeFont(const FontSpec& wanted) {
    QFont font(printingFamily(wanted.name));
    font.setPointSizeF(wanted.size);
    font.setBold(wanted.bold);
    // Unhinted outlines scale linearly, so widths measured here hold on every device.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferOutline);
    return font;
}

}  // namespace

QString printingFamily(const QString& name) {
    for (const auto& [declared, installed] : kFamilies)
        if (name.compare(QLatin1String(declared), Qt::CaseInsensitive) == 0) return QString::fromLatin1(installed);
    return name;
}

int FontCache::indexOf(const FontSpec& wanted) {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const Entry& e = entries_[i];
        if (e.size == wanted.size && e.bold == wanted.bold && e.name == wanted.name) return int(i);
    }
    const QFont font = makeFont(wanted);
    QFontMetricsF metrics(font, &measureDevice());
    const double ascent = metrics.ascent() * kUnitsPerMeasurePixel;
    const double height = metrics.height() * kUnitsPerMeasurePixel;
    entries_.push_back(Entry{wanted.name, wanted.size, wanted.bold, std::move(metrics), ascent, height});
    fonts_.push_back(font);
    return int(entries_.size() - 1);
}

int FontCache::resized(int font, double points) {
    const Entry& e = entries_[font];
    return indexOf(FontSpec{e.name, points, e.bold});
}

FontCache::Glyph FontCache::glyph(const Entry& entry, QChar c) const {
    if (auto it = entry.glyphs.constFind(c.unicode()); it != entry.glyphs.constEnd()) return *it;
    const QRectF r = entry.metrics.boundingRect(c);
    return *entry.glyphs.insert(c.unicode(), Glyph{QRectF(r.topLeft() * kUnitsPerMeasurePixel, r.size() * kUnitsPerMeasurePixel),
                                                    entry.metrics.horizontalAdvance(c) * kUnitsPerMeasurePixel});
}

QRectF FontCache::ink(int font, const QString& text) const {
    const Entry& entry = entries_[font];
    if (auto it = entry.inks.constFind(text); it != entry.inks.constEnd()) return *it;
    if (entry.inks.size() >= kCacheLimit) entry.inks.clear();
    return *entry.inks.insert(text, measureInk(font, text));
}

QRectF FontCache::measureInk(int font, const QString& text) const {
    const Entry& entry = entries_[font];
    qsizetype first = 0, last = text.size() - 1;
    while (first <= last && text[first].isSpace()) ++first;
    while (last >= first && text[last].isSpace()) --last;
    if (first > last) return {};
    double top = 0, bottom = 0;
    for (qsizetype i = first; i <= last; ++i) {
        const QRectF g = glyph(entry, text[i]).ink;
        top = std::min(top, g.top());
        bottom = std::max(bottom, g.bottom());
    }
    const double leading = first > 0 ? width(font, text.left(first)) : 0;
    const double throughLast = last + 1 == text.size() ? width(font, text) : width(font, text.left(last + 1));
    const Glyph lastGlyph = glyph(entry, text[last]);
    const double left = leading + glyph(entry, text[first]).ink.left();
    const double right = throughLast - lastGlyph.advance + lastGlyph.ink.right();
    return QRectF(QPointF(left, top), QPointF(right, bottom));
}

double FontCache::width(int font, const QString& text, QString* stored) const {
    const Entry& entry = entries_[font];
    if (auto it = entry.widths.constFind(text); it != entry.widths.constEnd()) {
        if (stored) *stored = it.key();
        return *it;
    }
    if (entry.widths.size() >= kCacheLimit) entry.widths.clear();
    const double w = entry.metrics.horizontalAdvance(text) * kUnitsPerMeasurePixel;
    entry.widths.insert(text, w);
    if (stored) *stored = text;
    return w;
}

}  // namespace brovik::reports
