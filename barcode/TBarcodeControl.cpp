#include "barcode/TBarcodeControl.h"

#include <QImage>
#include <QPainter>

namespace brovik::barcode {

TBarcodeControl::TBarcodeControl() {
    fsBarCode.SetTop(0);
    fsBarCode.SetLeft(0);
    fsBarCode.SetWidth(bounds_.width());
    fsBarCode.SetHeight(bounds_.height());
}

void TBarcodeControl::SetTransparent(bool value) {
    fsTransparent = value;
    invalidate();
}

void TBarcodeControl::invalidate() {
    if (onInvalidate_) onInvalidate_();
}

void TBarcodeControl::DrawBarcode(QImage& bitmap) {
    QPainter painter(&bitmap);
    fsBarCode.DrawBarcode(painter);
}

void TBarcodeControl::Paint(QPainter& canvas) {
    fsBarCode.SetOnChange(nullptr);
    if (!fsTransparent) canvas.fillRect(QRect(0, 0, bounds_.width(), bounds_.height()), fsBarCode.Color());
    fsBarCode.SetTop(0);
    fsBarCode.SetLeft(0);
    fsBarCode.SetWidth(bounds_.width());
    fsBarCode.SetHeight(bounds_.height());
    fsBarCode.DrawBarcode(canvas);
    fsBarCode.SetOnChange([this] { invalidate(); });
}

}  // namespace brovik::barcode
