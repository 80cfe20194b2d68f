#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QtGlobal>
#include <variant>
#include <vector>

// What a generated report is made of: pages of drawing primitives in report units of
// 0.1 mm from the paper's top-left corner. Nothing here knows bands or datasets, so a
// page can be replayed onto any device without running a handler again.
namespace brovik::reports {

// A rectangle in report units kept in floats: pages hold millions of them.
struct UnitRect {
    float x = 0, y = 0, w = 0, h = 0;
    static UnitRect from(const QRectF& r) {
        return {float(r.x()), float(r.y()), float(r.width()), float(r.height())};
    }
};

struct TextRun {
    QString text;
    float x = 0, baseline = 0;  // the start of the text's baseline
    UnitRect box;               // the item's box; text never shows outside it
    quint16 font = 0;           // index into Document::fonts
    bool clip = false;          // the text is wider than its box
    QRgb color = 0xff000000;
};

struct FillRun {
    UnitRect box;
    QRgb color = 0xffffffff;
};

// A rectangle outlined with a one-device-pixel pen and filled with a brush.
struct ShapeRun {
    UnitRect box;
    QRgb pen = 0xff000000;
    QRgb brush = 0xffffffff;
};

enum class LineStyle : quint8 { Solid, DashDot };

// A line one device pixel wide. A dash-dot line keeps the pattern a one-pixel pen draws
// at 96 pixels per inch, in paper units on every device.
struct LineRun {
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    QRgb color = 0xff000000;
    LineStyle style = LineStyle::Solid;
};

// A frame edge: a filled strip at least one device pixel thick.
struct StripRun {
    UnitRect box;
    QRgb color = 0xff000000;
    bool vertical = false;
};

// A bitmap drawn at 96 pixels per inch from its top-left corner. The image is already
// cut to what its box shows, and shares its pixels with every other page that prints
// the same picture.
struct ImageRun {
    QImage image;
    float x = 0, y = 0;
    UnitRect clip;  // the item's box
};

// One bar of a barcode picture, in bitmap pixels from the bitmap's top-left corner.
struct BarSpan {
    quint16 x = 0, width = 0, top = 0, height = 0;
};

// A barcode picture kept as its bars rather than as pixels, so that each device can give
// every module the same whole number of its own dots. Drawn as an opaque picture: the
// box shows the space colour wherever there is no bar.
struct BarcodeRun {
    std::vector<BarSpan> bars;
    float x = 0, y = 0;  // the bitmap's top-left corner
    UnitRect clip;       // the item's box
    QRgb bar = 0xff000000;
    QRgb space = 0xffffffff;
};

using Primitive = std::variant<TextRun, FillRun, ShapeRun, LineRun, StripRun, ImageRun, BarcodeRun>;

struct Page {
    std::vector<Primitive> items;  // in drawing order
};

// Bitmaps print at 96 pixels per inch: one pixel is 254/96 report units.
inline constexpr double kUnitsPerImagePixel = 254.0 / 96.0;
// One point in report units.
inline constexpr double kUnitsPerPoint = 254.0 / 72.0;

struct Document {
    QString title;
    QSizeF paperSize;  // report units, width x height as printed (orientation applied)
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    std::vector<QFont> fonts;  // sized in points
    std::vector<Page> pages;
};

}  // namespace brovik::reports
