#include "reports/PagePainter.h"

#include <QPaintDevice>
#include <QPainter>
#include <algorithm>

namespace brovik::reports {
namespace {

class Replay {
public:
    Replay(QPainter& painter, const Document& document) : p_(painter), document_(document) {
        const QPaintDevice* device = painter.device();
        sx_ = device->logicalDpiX() / 254.0;
        sy_ = device->logicalDpiY() / 254.0;
    }

    void operator()(const TextRun& run) {
        if (run.font != currentFont_) {
            p_.setFont(document_.fonts[run.font]);
            currentFont_ = run.font;
        }
        p_.setPen(QColor::fromRgba(run.color));
        if (run.clip) {
            p_.save();
            p_.setClipRect(map(run.box));
            p_.drawText(QPointF(run.x * sx_, run.baseline * sy_), run.text);
            p_.restore();
            currentFont_ = -1;
        } else {
            p_.drawText(QPointF(run.x * sx_, run.baseline * sy_), run.text);
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
        currentFont_ = -1;
    }

private:
    QRectF map(const UnitRect& r) const { return QRectF(r.x * sx_, r.y * sy_, r.w * sx_, r.h * sy_); }

    QPainter& p_;
    const Document& document_;
    double sx_ = 1, sy_ = 1;
    int currentFont_ = -1;
};

}  // namespace

void paintPage(QPainter& painter, const Page& page, const Document& document) {
    painter.save();
    // Bitmaps keep hard pixel edges: bars must not blur at any resolution.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // ...nor pick up JPEG noise on their way into a PDF.
    painter.setRenderHint(QPainter::LosslessImageRendering, true);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    Replay replay(painter, document);
    for (const Primitive& item : page.items) std::visit(replay, item);
    painter.restore();
}

}  // namespace brovik::reports
