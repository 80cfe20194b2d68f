#include "barcode/TBarcodeEncoder.h"

#include "barcode/Symbology.h"
#include "barcode/EBarcodeError.h"
#include "barcode/PatternAlphabet.h"

#include <cmath>
#include <cstdlib>

namespace brovik::barcode {
namespace {

bool isBlankOrControl(QChar c) { return c.unicode() <= ' '; }

QString trimmed(const QString& text) {
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && isBlankOrControl(text[from])) ++from;
    while (to > from && isBlankOrControl(text[to - 1])) --to;
    return text.mid(from, to - from);
}

void padToEven(std::string& digits) {
    if (digits.size() % 2 != 0) digits.insert(digits.begin(), '0');
}

}  // namespace

QFont TBarcodeFont::toQFont() const {
    QFont font(Name);
    font.setPixelSize(std::max(1, std::abs(Height)));
    return font;
}

void TBarcodeEncoder::changed() {
    if (onChange_) onChange_();
}

void TBarcodeEncoder::SetHeight(int value) { assign(height_, value); }
void TBarcodeEncoder::SetTop(int value) { assign(top_, value); }
void TBarcodeEncoder::SetLeft(int value) { assign(left_, value); }
void TBarcodeEncoder::SetRatio(double value) { assign(ratio_, value); }
void TBarcodeEncoder::SetTyp(TBarcodeType value) { assign(typ_, value); }
void TBarcodeEncoder::SetChecksum(bool value) { assign(checksum_, value); }
void TBarcodeEncoder::SetAngle(double value) { assign(angle_, value); }
void TBarcodeEncoder::SetShowText(TBarcodeOption value) { assign(showText_, value); }
void TBarcodeEncoder::SetShowTextPosition(TShowTextPosition value) { assign(showTextPosition_, value); }
void TBarcodeEncoder::SetText(const QString& value) { assign(text_, value); }

void TBarcodeEncoder::SetModul(int value) {
    if (value < 1 || value > 49) return;
    modul_ = value;
    changed();
}

void TBarcodeEncoder::SetShowTextFont(const TBarcodeFont& value) {
    showTextFont_ = value;
    changed();
}

void TBarcodeEncoder::applyRatioLimits() {
    const auto& range = symbology(typ_).ratio;
    if (!range) return;
    if (ratio_ < range->low)
        SetRatio(range->low);
    else if (ratio_ > range->high)
        SetRatio(range->high);
}

void TBarcodeEncoder::computeCells() {
    const double ratio = symbology(typ_).fixedModuleWidths ? 2.0 : ratio_;
    const int wide = static_cast<int>(std::nearbyint(modul_ * ratio));
    modules_ = {modul_, wide, wide * 3 / 2, wide * 2};
}

// Trims a digits-only text (kept in the property, without notification) and refuses
// any other character.
std::string TBarcodeEncoder::checkedDigits() {
    text_ = trimmed(text_);
    std::string digits;
    digits.reserve(text_.size());
    for (QChar c : text_) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) throw EBarcodeError(QStringLiteral("Barcode must be numeric"));
        digits += static_cast<char>(c.unicode());
    }
    return digits;
}

std::string TBarcodeEncoder::encode() {
    const Symbology& s = symbology(typ_);
    std::string digits;
    if (s.digitsOnly) digits = checkedDigits();
    if (s.evenPadding) padToEven(digits);
    EncodeInput input{text_, digits, {checksum_, checkSumMethod_}};
    std::string pattern = s.encode(input);
    if (s.writeBack) text_ = QString::fromLatin1(digits);
    return pattern;
}

std::string TBarcodeEncoder::Pattern() {
    applyRatioLimits();
    computeCells();
    return encode();
}

int TBarcodeEncoder::patternWidth(const std::string& pattern) const {
    int width = 0;
    for (char c : pattern) {
        const Element e = decodeElement(c);
        if (e.kind == ElementKind::Invalid)
            throw EBarcodeError(QStringLiteral("%1: internal Error").arg(QLatin1String(kEncoderClassName)));
        width += modules_[e.cell];
    }
    return width;
}

int TBarcodeEncoder::Width() { return patternWidth(Pattern()); }

void TBarcodeEncoder::SetWidth(int value) {
    const int width = Width();
    if (width > 0) SetModul(modul_ * value / width);
}

}  // namespace brovik::barcode
