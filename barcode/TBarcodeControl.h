#pragma once

#include "barcode/TBarcodeEncoder.h"

#include <QRect>
#include <functional>

class QImage;
class QPainter;

namespace brovik::barcode {

// A control that owns one encoder and exposes its settings. The ticket layouts never show it:
// they set symbology, ratio, module and text and have it draw into an image's bitmap, so the
// encoder keeps the geometry of construction (origin 0,0, height 50).
class TBarcodeControl {
public:
    TBarcodeControl();

    TBarcodeEncoder& encoder() { return fsBarCode; }
    const TBarcodeEncoder& encoder() const { return fsBarCode; }

    // Placement of the control itself; it does not move the encoder's drawing.
    const QRect& BoundsRect() const { return bounds_; }
    void SetBounds(int left, int top, int width, int height) { bounds_ = QRect(left, top, width, height); }
    bool Transparent() const { return fsTransparent; }
    void SetTransparent(bool value);
    // Called when a change needs the control painted again (after its first Paint).
    void SetOnInvalidate(std::function<void()> handler) { onInvalidate_ = std::move(handler); }

    const QString& Text() const { return fsBarCode.Text(); }
    void SetText(const QString& value) { fsBarCode.SetText(value); }
    int Modul() const { return fsBarCode.Modul(); }
    void SetModul(int value) { fsBarCode.SetModul(value); }
    double Ratio() const { return fsBarCode.Ratio(); }
    void SetRatio(double value) { fsBarCode.SetRatio(value); }
    TBarcodeType Typ() const { return fsBarCode.Typ(); }
    void SetTyp(TBarcodeType value) { fsBarCode.SetTyp(value); }
    bool Checksum() const { return fsBarCode.Checksum(); }
    void SetChecksum(bool value) { fsBarCode.SetChecksum(value); }
    TCheckSumMethod CheckSumMethod() const { return fsBarCode.CheckSumMethod(); }
    void SetCheckSumMethod(TCheckSumMethod value) { fsBarCode.SetCheckSumMethod(value); }
    double Angle() const { return fsBarCode.Angle(); }
    void SetAngle(double value) { fsBarCode.SetAngle(value); }
    TBarcodeOption ShowText() const { return fsBarCode.ShowText(); }
    void SetShowText(TBarcodeOption value) { fsBarCode.SetShowText(value); }
    const TBarcodeFont& ShowTextFont() const { return fsBarCode.ShowTextFont(); }
    void SetShowTextFont(const TBarcodeFont& value) { fsBarCode.SetShowTextFont(value); }
    TShowTextPosition ShowTextPosition() const { return fsBarCode.ShowTextPosition(); }
    void SetShowTextPosition(TShowTextPosition value) { fsBarCode.SetShowTextPosition(value); }
    QColor Color() const { return fsBarCode.Color(); }
    void SetColor(const QColor& value) { fsBarCode.SetColor(value); }
    QColor ColorBar() const { return fsBarCode.ColorBar(); }
    void SetColorBar(const QColor& value) { fsBarCode.SetColorBar(value); }

    // Draw with the encoder's own geometry; encoding failures raise EBarcodeError before
    // anything is drawn.
    void DrawBarcode(QPainter& canvas) { fsBarCode.DrawBarcode(canvas); }
    void DrawBarcode(QImage& bitmap);
    void DrawText(QPainter& canvas) { fsBarCode.DrawText(canvas); }

    // On-screen painting into the control's own rectangle (canvas origin at its top-left).
    void Paint(QPainter& canvas);

private:
    void invalidate();

    TBarcodeEncoder fsBarCode;
    bool fsTransparent = false;
    QRect bounds_{0, 0, 200, 50};
    std::function<void()> onInvalidate_;
};

}  // namespace brovik::barcode
