#include "reports/PagePainter.h"

#include "reports/SnappedBars.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

namespace brovik::reports {
namespace {

// Dash, gap, dot, gap of a one-pixel dash-dot pen at 96 pixels per inch, in report units.
constexpr std::array<double, 4> kDashDot = {4 * kUnitsPerImagePixel, 2 * kUnitsPerImagePixel, 1 * kUnitsPerImagePixel,
                                            2 * kUnitsPerImagePixel};
static_assert(kDashDot.size() % 2 == 0, "dashes and gaps alternate");

class Replay {
public:
    Replay(QPainter& painter, const Document& document, ShapedTextCache& shapes, int barDotsPerInch)
        : p_(painter), document_(document), shapes_(shapes) {
        const QPaintDevice* device = painter.device();
        sx_ = device->logicalDpiX() / 254.0;
        sy_ = device->logicalDpiY() / 254.0;
        toLogical_ = painter.deviceTransform().inverted();
        grid_ = DotGrid::of(QTransform::fromScale(sx_, sy_) * painter.deviceTransform(), barDotsPerInch);
    }

    void operator()(const TextRun& run) {
        p_.setPen(QColor::fromRgba(run.color));
        if (run.clip) {
            p_.save();
            p_.setClipRect(map(run.box));
            drawText(run);
            p_.restore();
        } else {
            drawText(run);
        }
    }

    void operator()(const FillRun& run) { p_.fillRect(map(run.box), QColor::fromRgba(run.color)); }

    void operator()(const ShapeRun& run) {
        p_.setPen(QPen(QColor::fromRgba(run.pen), 0));
        p_.setBrush(QColor::fromRgba(run.brush));
        p_.drawRect(map(run.box));
        p_.setBrush(Qt::NoBrush);
    }

    void operator()(const LineRun& run) {
        p_.setPen(QPen(QColor::fromRgba(run.color), 0));
        const QPointF from(run.x1, run.y1), to(run.x2, run.y2);
        if (run.style == LineStyle::Solid) {
            p_.drawLine(scaled(from), scaled(to));
            return;
        }
        // Drawn dash by dash: a device's own dash pattern is counted in its pixels, which on
        // a 1200-dpi PDF makes the gaps too fine to print.
        const QPointF along = to - from;
        const double length = std::hypot(along.x(), along.y());
        if (length <= 0) return;
        const auto point = [&](double at) { return scaled(from + along * (std::min(at, length) / length)); };
        double at = 0;
        for (std::size_t i = 0; at < length; at += kDashDot[i], i = (i + 1) % kDashDot.size())
            if (i % 2 == 0) p_.drawLine(point(at), point(at + kDashDot[i]));
    }

    void operator()(const BarcodeRun& run) {
        p_.fillRect(map(run.clip), QColor::fromRgba(run.space));
        std::vector<QRectF> bars = snappedBars(run, grid_);
        for (QRectF& bar : bars) bar = toLogical_.mapRect(bar);
        p_.setPen(Qt::NoPen);
        p_.setBrush(QColor::fromRgba(run.bar));
        p_.drawRects(bars.data(), int(bars.size()));
        p_.setBrush(Qt::NoBrush);
    }

    void operator()(const StripRun& run) {
        QRectF r = map(run.box);
        // A strip thinner than a device pixel would vanish on coarse devices.
        if (run.vertical) r.setWidth(std::max(r.width(), 1.0));
        else r.setTop(std::min(r.top(), r.bottom() - 1.0));
        p_.fillRect(r, QColor::fromRgba(run.color));
    }

    void operator()(const ImageRun& run) {
        const QRectF target(run.x * sx_, run.y * sy_, run.image.width() * kUnitsPerImagePixel * sx_,
                            run.image.height() * kUnitsPerImagePixel * sy_);
        const QRectF clip = map(run.clip);
        if (clip.contains(target)) {
            p_.drawImage(target, run.image);
            return;
        }
        p_.save();
        p_.setClipRect(clip);
        p_.drawImage(target, run.image);
        p_.restore();
    }

private:
    void drawText(const TextRun& run) {
        const ShapedText& shaped = shapes_.shape(run.font, document_.fonts[run.font], run.text);
        const QPointF origin(run.x * sx_, run.baseline * sy_ - shaped.ascent);
        for (const QGlyphRun& glyphs : shaped.runs) p_.drawGlyphRun(origin, glyphs);
    }

    QRectF map(const UnitRect& r) const { return QRectF(r.x * sx_, r.y * sy_, r.w * sx_, r.h * sy_); }
    QPointF scaled(QPointF units) const { return QPointF(units.x() * sx_, units.y() * sy_); }

    QPainter& p_;
    const Document& document_;
    ShapedTextCache& shapes_;
    double sx_ = 1, sy_ = 1;
    QTransform toLogical_;
    DotGrid grid_;
};

}  // namespace

PagePainter::PagePainter(QPainter& painter, const Document& document, int barDotsPerInch)
    : painter_(painter), document_(document), shapes_(painter.device()), barDotsPerInch_(barDotsPerInch) {}

void PagePainter::paint(const Page& page) {
    painter_.save();
    // Bitmaps keep hard pixel edges: bars must not blur at any resolution...
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // ...nor pick up JPEG noise on their way into a PDF.
    painter_.setRenderHint(QPainter::LosslessImageRendering, true);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    Replay replay(painter_, document_, shapes_, barDotsPerInch_);
    for (const Primitive& item : page.items) std::visit(replay, item);
    painter_.restore();
}

void paintPage(QPainter& painter, const Page& page, const Document& document) { PagePainter(painter, document).paint(page); }

}  // namespace brovik::reports
