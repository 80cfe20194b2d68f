#include "barcode/TBarcodeEncoder.h"

#include "barcode/BarcodeTypeInfo.h"
#include "barcode/Codabar.h"
#include "barcode/Code128.h"
#include "barcode/Code39.h"
#include "barcode/Code93.h"
#include "barcode/EBarcodeError.h"
#include "barcode/EanUpc.h"
#include "barcode/Msi.h"
#include "barcode/PatternAlphabet.h"
#include "barcode/PostNet.h"
#include "barcode/TwoOfFive.h"
#include "barcode/UpcSupplement.h"

#include <cmath>
#include <cstdlib>
#include <optional>

namespace brovik::barcode {
namespace {

struct RatioRange {
    double low, high;
};

std::optional<RatioRange> ratioRange(TBarcodeType type) {
    using enum TBarcodeType;
    switch (type) {
        case bcCode_2_5_matrix: return RatioRange{2.25, 3.0};
        case bcCode_2_5_interleaved:
        case bcCode_2_5_industrial:
        case bcCode39:
        case bcCode39Extended:
        case bcCodeCodabar:
        case bcCodeEAN8:
        case bcCodeEAN13:
        case bcCodeUPC_A:
        case bcCodeUPC_E0:
        case bcCodeUPC_E1:
        case bcCodeUPC_Supp2:
        case bcCodeUPC_Supp5: return RatioRange{2.0, 3.0};
        default: return std::nullopt;
    }
}

bool isBlankOrControl(QChar c) { return c.unicode() <= ' '; }

QString trimmed(const QString& text) {
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && isBlankOrControl(text[from])) ++from;
    while (to > from && isBlankOrControl(text[to - 1])) --to;
    return text.mid(from, to - from);
}

// Symbologies whose tables are written in module widths 1..4: any ratio but 2 would
// distort every character beyond what a scanner reads.
bool hasModuleWidths(TBarcodeType type) {
    using enum TBarcodeType;
    switch (type) {
        case bcCode128A:
        case bcCode128B:
        case bcCode128C:
        case bcCode93:
        case bcCode93Extended:
        case bcCodeEAN8:
        case bcCodeEAN13:
        case bcCodeUPC_A:
        case bcCodeUPC_E0:
        case bcCodeUPC_E1:
        case bcCodeUPC_Supp2:
        case bcCodeUPC_Supp5:
        case bcCodeEAN128A:
        case bcCodeEAN128B:
        case bcCodeEAN128C: return true;
        default: return false;
    }
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
    const auto range = ratioRange(typ_);
    if (!range) return;
    if (ratio_ < range->low)
        SetRatio(range->low);
    else if (ratio_ > range->high)
        SetRatio(range->high);
}

void TBarcodeEncoder::computeCells() {
    const double ratio = hasModuleWidths(typ_) ? 2.0 : ratio_;
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
    using enum TBarcodeType;
    std::string digits;
    if (barcodeDigitsOnly(typ_)) digits = checkedDigits();
    const CheckSetting check{checksum_, checkSumMethod_};
    std::string pattern;
    bool writeBack = false;
    switch (typ_) {
        case bcCode_2_5_interleaved:
            // An odd count would leave the last digit without a partner.
            padToEven(digits);
            writeBack = true;
            pattern = encodeInterleaved2of5(digits);
            break;
        case bcCode_2_5_industrial: pattern = encodeIndustrial2of5(digits); break;
        case bcCode_2_5_matrix: pattern = encodeMatrix2of5(digits); break;
        case bcCode39: pattern = encodeCode39(text_, checksum_); break;
        case bcCode39Extended: pattern = encodeCode39Extended(text_, checksum_); break;
        case bcCode128A: pattern = encodeCode128(text_, Code128Set::A, false); break;
        case bcCode128B: pattern = encodeCode128(text_, Code128Set::B, false); break;
        case bcCode128C:
        case bcCodeEAN128C:
            padToEven(digits);
            writeBack = true;
            pattern = encodeCode128(QString::fromLatin1(digits), Code128Set::C, typ_ == bcCodeEAN128C);
            break;
        case bcCode93: pattern = encodeCode93(text_); break;
        case bcCode93Extended: pattern = encodeCode93Extended(text_); break;
        case bcCodeMSI: pattern = encodeMsi(digits); break;
        case bcCodePostNet: pattern = encodePostNet(digits); break;
        case bcCodeCodabar: pattern = encodeCodabar(text_); break;
        case bcCodeEAN8: pattern = encodeEan8(digits, check); break;
        case bcCodeEAN13: pattern = encodeEan13(digits, check); break;
        case bcCodeUPC_A:
            pattern = encodeUpcA(digits, check);
            writeBack = true;
            break;
        case bcCodeUPC_E0:
        case bcCodeUPC_E1:
            pattern = encodeUpcE(digits, typ_ == bcCodeUPC_E1 ? 1 : 0, check);
            writeBack = true;
            break;
        case bcCodeUPC_Supp2:
            pattern = encodeUpcSupplement2(digits);
            writeBack = true;
            break;
        case bcCodeUPC_Supp5:
            pattern = encodeUpcSupplement5(digits);
            writeBack = true;
            break;
        case bcCodeEAN128A: pattern = encodeCode128(text_, Code128Set::A, true); break;
        case bcCodeEAN128B: pattern = encodeCode128(text_, Code128Set::B, true); break;
    }
    if (writeBack) text_ = QString::fromLatin1(digits);
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

std::vector<QRect> TBarcodeEncoder::Bars() {
    const std::string pattern = Pattern();
    patternWidth(pattern);  // refuses a pattern outside the alphabet
    std::vector<QRect> bars;
    int x = left_;
    for (char c : pattern) {
        const Element e = decodeElement(c);
        const int w = modules_[e.cell];
        if (e.kind != ElementKind::Space) bars.emplace_back(x, top_, w, (e.kind == ElementKind::ShortBar ? height_ * 2 / 5 : height_) + 1);
        x += w;
    }
    return bars;
}

void TBarcodeEncoder::SetWidth(int value) {
    const int width = Width();
    if (width > 0) SetModul(modul_ * value / width);
}

}  // namespace brovik::barcode
