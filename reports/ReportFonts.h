#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QRectF>
#include <QString>
#include <QStringView>
#include <vector>

namespace brovik::reports {

// A font as a report item declares it.
struct FontSpec {
    QString name = QStringLiteral("Arial");
    double size = 9;  // points
    bool bold = true;
    QColor color = Qt::black;
};

// The installed family that prints a declared family ("Arial Narrow" -> "Liberation Sans Narrow").
QString printingFamily(const QString& name);

// The fonts of one generation, each measured once at a fixed resolution so that the
// layout of a page never depends on the screen. Results are in report units (0.1 mm).
class FontCache {
public:
    // The index of the font in fonts(), adding it on first use.
    int indexOf(const FontSpec& wanted);
    // The same family and weight at another size, added on first use.
    int resized(int font, double points);
    double points(int font) const { return entries_[font].size; }
    // The width of `text`; `stored`, when given, receives the copy the cache keeps, so that
    // equal texts on thousands of pages share one buffer.
    double width(int font, const QString& text, QString* stored = nullptr) const;
    double ascent(int font) const { return entries_[font].ascent; }
    double lineHeight(int font) const { return entries_[font].height; }
    // The ink of `text` drawn from the origin of its baseline (y grows downwards). Taken from
    // the first and last glyphs across and from every glyph up and down, so that it costs
    // lookups rather than shaping.
    QRectF ink(int font, const QString& text) const;
    const std::vector<QFont>& fonts() const { return fonts_; }

private:
    struct Glyph {
        QRectF ink;  // from the glyph's origin
        double advance;
    };
    struct Entry {
        QString name;
        double size;
        bool bold;
        QFontMetricsF metrics;
        double ascent;
        double height;
        // Captions and common values repeat on every record; shaping them once is enough.
        mutable QHash<QString, double> widths = {};
        mutable QHash<QString, QRectF> inks = {};
        mutable QHash<char16_t, Glyph> glyphs = {};
    };
    Glyph glyph(const Entry& entry, QChar c) const;
    QRectF measureInk(int font, const QString& text) const;

    std::vector<Entry> entries_;
    std::vector<QFont> fonts_;
};

}  // namespace brovik::reports
