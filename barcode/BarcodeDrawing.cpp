// Drawing of the encoder's pattern on a paint surface.
#include "barcode/Symbology.h"
#include "barcode/PatternAlphabet.h"
#include "barcode/TBarcodeEncoder.h"

#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QPoint>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace brovik::barcode {
namespace {

int roundEven(double v) { return static_cast<int>(std::nearbyint(v)); }

double radians(double degrees) { return degrees / 180.0 * std::numbers::pi; }

// The shift that brings the rotated W x H rectangle to the right of and below the origin.
QPoint rotationShift(double a, int w, int h) {
    const double s = std::sin(a);
    const double c = std::cos(a);
    if (s >= 0 && c >= 0) return {0, roundEven(w * s)};
    if (s >= 0) return {-roundEven(w * c), roundEven(w * s - h * c)};
    if (c >= 0) return {-roundEven(h * s), 0};
    return {-roundEven(w * c) - roundEven(h * s), -roundEven(h * c)};
}

// Ticket pictures are plain 32-bit images, thousands per batch, each of some sixty bars
// and spaces: setting up a painter call costs far more than the pixels it fills. Where
// the painter would put the colour straight onto such an image (no transform, clip,
// opacity or blending), the pixels are written directly.
class DirectFill {
public:
    explicit DirectFill(QPainter& canvas) : image_(directTarget(canvas)) {
        if (image_) {
            bits_ = image_->bits();
            stride_ = image_->bytesPerLine();
        }
    }

    void fillRect(QPainter& canvas, const QRect& r, const QColor& colour) {
        if (!image_ || colour.alpha() != 255) {
            canvas.fillRect(r, colour);
            return;
        }
        const QRect area = r & image_->rect();
        const QRgb pixel = colour.rgba();
        uchar* line = bits_ + qsizetype(area.top()) * stride_;
        for (int y = area.top(); y <= area.bottom(); ++y, line += stride_)
            std::fill_n(reinterpret_cast<QRgb*>(line) + area.left(), area.width(), pixel);
    }

private:
    static QImage* directTarget(QPainter& canvas) {
        QPaintDevice* device = canvas.device();
        if (!device || device->devType() != QInternal::Image) return nullptr;
        auto* image = static_cast<QImage*>(device);
        const QImage::Format f = image->format();
        const bool plain = f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 || f == QImage::Format_ARGB32_Premultiplied;
        // A shared image would detach on writing, away from the buffer the painter holds.
        const bool direct = plain && image->isDetached() && canvas.deviceTransform().isIdentity() && !canvas.hasClipping() &&
                            canvas.opacity() == 1.0 && canvas.compositionMode() == QPainter::CompositionMode_SourceOver;
        return direct ? image : nullptr;
    }

    QImage* image_;
    uchar* bits_ = nullptr;
    qsizetype stride_ = 0;
};

}  // namespace

void TBarcodeEncoder::DrawBarcode(QPainter& canvas) {
    const std::string pattern = Pattern();
    const int width = patternWidth(pattern);
    canvas.save();
    drawElements(canvas, pattern, width);
    if (showText_ != TBarcodeOption::bcoNone) drawText(canvas, width);
    canvas.restore();
}

void TBarcodeEncoder::drawElements(QPainter& canvas, const std::string& pattern, int width) {
    const double a = radians(angle_);
    const QPoint origin = QPoint(left_, top_) + rotationShift(a, width, height_);
    const double s = std::sin(a);
    const double c = std::cos(a);
    const bool upright = angle_ == 0.0;
    DirectFill fill(canvas);
    int x = 0;
    for (char ch : pattern) {
        const Element e = decodeElement(ch);
        const int w = modules_[e.cell];
        const QColor& colour = e.kind == ElementKind::Space ? color_ : colorBar_;
        const int h = e.kind == ElementKind::ShortBar ? height_ * 2 / 5 : height_;
        if (upright) {
            // The outlined polygon covers columns x..x+w-1 and rows 0..h.
            fill.fillRect(canvas, QRect(origin.x() + x, origin.y(), w, h + 1), colour);
        } else {
            const QPoint corners[4] = {{x, 0}, {x, h}, {x + w - 1, h}, {x + w - 1, 0}};
            QPoint turned[4];
            for (int i = 0; i < 4; ++i) {
                const double px = corners[i].x();
                const double py = corners[i].y();
                turned[i] = origin + QPoint(roundEven(px * c + py * s), roundEven(-px * s + py * c));
            }
            canvas.setPen(QPen(colour, 1));
            canvas.setBrush(colour);
            canvas.drawPolygon(turned, 4);
        }
        x += w;
    }
}

void TBarcodeEncoder::DrawText(QPainter& canvas) {
    const int width = Width();
    canvas.save();
    drawText(canvas, width);
    canvas.restore();
}

void TBarcodeEncoder::drawText(QPainter& canvas, int width) {
    const QFont font = showTextFont_.toQFont();
    canvas.setFont(font);
    canvas.setPen(showTextFont_.Color);
    const QFontMetrics metrics(font, canvas.device());
    const auto writeOn = [&](int x, int y, const QString& text) {
        const QRect box(x, y, metrics.horizontalAdvance(text), metrics.height());
        canvas.fillRect(box, color_);
        canvas.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
    };
    if (showText_ == TBarcodeOption::bcoCode || showText_ == TBarcodeOption::bcoBoth) {
        const int textWidth = metrics.horizontalAdvance(text_);
        int x = left_;
        switch (showTextPosition_) {
            case TShowTextPosition::stpTopRight:
            case TShowTextPosition::stpBottomRight: x = left_ + width - textWidth; break;
            case TShowTextPosition::stpTopCenter:
            case TShowTextPosition::stpBottomCenter: x = left_ + (width - textWidth) / 2; break;
            default: break;
        }
        const bool bottom = showTextPosition_ >= TShowTextPosition::stpBottomLeft;
        const int y = bottom ? top_ + height_ - metrics.height() : top_;
        writeOn(x, y, text_);
    }
    if (showText_ == TBarcodeOption::bcoTyp || showText_ == TBarcodeOption::bcoBoth)
        writeOn(left_, top_ + roundEven(showTextFont_.Height * 2.5), barcodeDisplayName(typ_));
}

int TBarcodeEncoder::CanvasWidth() {
    const double a = radians(angle_);
    return roundEven(std::abs(std::cos(a)) * Width() + std::abs(std::sin(a)) * height_ + 0.5);
}

int TBarcodeEncoder::CanvasHeight() {
    const double a = radians(angle_);
    return roundEven(std::abs(std::sin(a)) * Width() + std::abs(std::cos(a)) * height_ + 0.5);
}

}  // namespace brovik::barcode
