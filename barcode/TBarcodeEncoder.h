#pragma once

#include "barcode/BarcodeType.h"
#include "barcode/CheckSum.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>
#include <array>
#include <functional>
#include <string>
#include <vector>

class QPainter;

namespace brovik::barcode {

enum class TBarcodeOption { bcoNone, bcoCode, bcoTyp, bcoBoth };
enum class TShowTextPosition { stpTopLeft, stpTopRight, stpTopCenter, stpBottomLeft, stpBottomRight, stpBottomCenter };

// The font of the human-readable text. Height follows the usual convention of the
// drawing toolkit: negative for a character height in pixels (-11), positive for a cell height.
struct TBarcodeFont {
    QString Name = QStringLiteral("Tahoma");
    int Height = -11;
    QColor Color = Qt::black;

    QFont toQFont() const;
    bool operator==(const TBarcodeFont&) const = default;
};

// Turns a text and a symbology into a pattern (see PatternAlphabet.h) and draws it.
// Encoding failures raise EBarcodeError; the state changed before the failure
// (a corrected ratio, a trimmed or padded text) stays.
class TBarcodeEncoder {
public:
    TBarcodeEncoder() = default;

    int Height() const { return height_; }
    void SetHeight(int value);
    const QString& Text() const { return text_; }
    void SetText(const QString& value);
    int Top() const { return top_; }
    void SetTop(int value);
    int Left() const { return left_; }
    void SetLeft(int value);
    int Modul() const { return modul_; }
    void SetModul(int value);  // 1..49; other values are ignored
    double Ratio() const { return ratio_; }
    void SetRatio(double value);
    TBarcodeType Typ() const { return typ_; }
    void SetTyp(TBarcodeType value);
    bool Checksum() const { return checksum_; }
    void SetChecksum(bool value);
    TCheckSumMethod CheckSumMethod() const { return checkSumMethod_; }
    void SetCheckSumMethod(TCheckSumMethod value) { checkSumMethod_ = value; }
    double Angle() const { return angle_; }
    void SetAngle(double value);
    TBarcodeOption ShowText() const { return showText_; }
    void SetShowText(TBarcodeOption value);
    const TBarcodeFont& ShowTextFont() const { return showTextFont_; }
    void SetShowTextFont(const TBarcodeFont& value);
    TShowTextPosition ShowTextPosition() const { return showTextPosition_; }
    void SetShowTextPosition(TShowTextPosition value);
    QColor Color() const { return color_; }
    void SetColor(const QColor& value) { color_ = value; }
    QColor ColorBar() const { return colorBar_; }
    void SetColorBar(const QColor& value) { colorBar_ = value; }
    // Called after every change made through a setter.
    void SetOnChange(std::function<void()> handler) { onChange_ = std::move(handler); }

    // Pixel width of the current pattern; setting it rescales Modul.
    int Width();
    void SetWidth(int value);

    // Builds the pattern from the current state: ratio limits, width cells, text check,
    // then the symbology.
    std::string Pattern();
    // Width of each cell in pixels, as of the last pattern built.
    const std::array<int, 4>& modules() const { return modules_; }
    // Pixel width of a pattern with the current width cells.
    int patternWidth(const std::string& pattern) const;
    // The bars and short bars of the current pattern, upright, in pixels from the drawing
    // origin: what DrawBarcode fills in the bar colour at angle 0.
    std::vector<QRect> Bars();

    std::string DoCheckSumming(std::string_view digits) const { return brovik::barcode::DoCheckSumming(checkSumMethod_, digits); }

    // Drawing on any paint surface (BarcodeDrawing.cpp).
    void DrawBarcode(QPainter& canvas);
    void DrawText(QPainter& canvas);
    int CanvasWidth();
    int CanvasHeight();

private:
    void changed();
    // Stores a differing value and notifies.
    template <class T>
    void assign(T& member, const T& value) {
        if (member == value) return;
        member = value;
        changed();
    }
    void applyRatioLimits();
    void computeCells();
    std::string checkedDigits();
    std::string encode();
    void drawElements(QPainter& canvas, const std::string& pattern, int width);
    void drawText(QPainter& canvas, int width);

    int height_ = 0;
    QString text_;
    int top_ = 0;
    int left_ = 0;
    int modul_ = 1;
    double ratio_ = 2.0;
    TBarcodeType typ_ = TBarcodeType::bcCodeEAN13;
    bool checksum_ = false;
    TCheckSumMethod checkSumMethod_ = TCheckSumMethod::csmModulo10;
    double angle_ = 0.0;
    TBarcodeOption showText_ = TBarcodeOption::bcoNone;
    TBarcodeFont showTextFont_;
    TShowTextPosition showTextPosition_ = TShowTextPosition::stpTopLeft;
    QColor color_ = Qt::white;
    QColor colorBar_ = Qt::black;
    std::function<void()> onChange_;
    std::array<int, 4> modules_{1, 2, 3, 4};
};

}  // namespace brovik::barcode
