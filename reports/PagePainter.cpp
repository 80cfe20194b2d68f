#include "reports/PagePainter.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

namespace brovik::reports {
namespace {

class Replay {
public:
    Replay(QPainter& painter, const Document& document, ShapedTextCache& shapes)
        : p_(painter), document_(document), shapes_(shapes) {
        const QPaintDevice* device = painter.device();
        sx_ = device->logicalDpiX() / 254.0;
        sy_ = device->logicalDpiY() / 254.0;
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
        QPen pen(QColor::fromRgba(run.color), 0);
        pen.setStyle(run.style == LineStyle::DashDot ? Qt::DashDotLine : Qt::SolidLine);
        p_.setPen(pen);
        p_.drawLine(QPointF(run.x1 * sx_, run.y1 * sy_), QPointF(run.x2 * sx_, run.y2 * sy_));
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

    QPainter& p_;
    const Document& document_;
    ShapedTextCache& shapes_;
    double sx_ = 1, sy_ = 1;
};

}  // namespace

PagePainter::PagePainter(QPainter& painter, const Document& document)
    : painter_(painter), document_(document), shapes_(painter.device()) {}

void PagePainter::paint(const Page& page) {
    painter_.save();
    // Bitmaps keep hard pixel edges: bars must not blur at any resolution...
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // ...nor pick up JPEG noise on their way into a PDF.
    painter_.setRenderHint(QPainter::LosslessImageRendering, true);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    Replay replay(painter_, document_, shapes_);
    for (const Primitive& item : page.items) std::visit(replay, item);
    painter_.restore();
}

void paintPage(QPainter& painter, const Page& page, const Document& document) { PagePainter(painter, document).paint(page); }

}  // namespace brovik::reports
