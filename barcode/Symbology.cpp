#include "barcode/Symbology.h"

#include "barcode/Codabar.h"
#include "barcode/Code128.h"
#include "barcode/Code39.h"
#include "barcode/Code93.h"
#include "barcode/EanUpc.h"
#include "barcode/Msi.h"
#include "barcode/PostNet.h"
#include "barcode/TwoOfFive.h"
#include "barcode/UpcSupplement.h"

#include <iterator>

namespace brovik::barcode {
namespace {

using enum TBarcodeType;

constexpr RatioRange k2To3{2.0, 3.0};

std::string code128C(EncodeInput& in, bool gs1) {
    return encodeCode128(QString::fromLatin1(in.digits), Code128Set::C, gs1);
}

// In the order of TBarcodeType.
constexpr Symbology kSymbologies[] = {
    {.type = bcCode_2_5_interleaved, .name = "2_5_interleaved", .digitsOnly = true, .ratio = k2To3,
     .evenPadding = true,  // pairs are taken from the left: an odd last digit would have no partner
     .writeBack = true, .encode = [](EncodeInput& in) { return encodeInterleaved2of5(in.digits); }},
    {.type = bcCode_2_5_industrial, .name = "2_5_industrial", .digitsOnly = true, .ratio = k2To3,
     .encode = [](EncodeInput& in) { return encodeIndustrial2of5(in.digits); }},
    {.type = bcCode_2_5_matrix, .name = "2_5_matrix", .digitsOnly = true, .ratio = RatioRange{2.25, 3.0},
     .encode = [](EncodeInput& in) { return encodeMatrix2of5(in.digits); }},
    {.type = bcCode39, .name = "Code39", .ratio = k2To3,
     .encode = [](EncodeInput& in) { return encodeCode39(in.text, in.check.checksum); }},
    {.type = bcCode39Extended, .name = "Code39 Extended", .ratio = k2To3,
     .encode = [](EncodeInput& in) { return encodeCode39Extended(in.text, in.check.checksum); }},
    {.type = bcCode128A, .name = "Code128A", .fixedModuleWidths = true,
     .encode = [](EncodeInput& in) { return encodeCode128(in.text, Code128Set::A, false); }},
    {.type = bcCode128B, .name = "Code128B", .fixedModuleWidths = true,
     .encode = [](EncodeInput& in) { return encodeCode128(in.text, Code128Set::B, false); }},
    {.type = bcCode128C, .name = "Code128C", .digitsOnly = true, .fixedModuleWidths = true, .evenPadding = true,
     .writeBack = true, .encode = [](EncodeInput& in) { return code128C(in, false); }},
    {.type = bcCode93, .name = "Code93", .fixedModuleWidths = true,
     .encode = [](EncodeInput& in) { return encodeCode93(in.text); }},
    {.type = bcCode93Extended, .name = "Code93 Extended", .fixedModuleWidths = true,
     .encode = [](EncodeInput& in) { return encodeCode93Extended(in.text); }},
    {.type = bcCodeMSI, .name = "MSI", .digitsOnly = true,
     .encode = [](EncodeInput& in) { return encodeMsi(in.digits); }},
    {.type = bcCodePostNet, .name = "PostNet", .digitsOnly = true,
     .encode = [](EncodeInput& in) { return encodePostNet(in.digits); }},
    {.type = bcCodeCodabar, .name = "Codebar", .ratio = k2To3,
     .encode = [](EncodeInput& in) { return encodeCodabar(in.text); }},
    {.type = bcCodeEAN8, .name = "EAN8", .digitsOnly = true, .ratio = k2To3, .fixedModuleWidths = true,
     .encode = [](EncodeInput& in) { return encodeEan8(in.digits, in.check); }},
    {.type = bcCodeEAN13, .name = "EAN13", .digitsOnly = true, .ratio = k2To3, .fixedModuleWidths = true,
     .encode = [](EncodeInput& in) { return encodeEan13(in.digits, in.check); }},
    {.type = bcCodeUPC_A, .name = "UPC_A", .digitsOnly = true, .ratio = k2To3, .fixedModuleWidths = true,
     .writeBack = true, .encode = [](EncodeInput& in) { return encodeUpcA(in.digits, in.check); }},
    {.type = bcCodeUPC_E0, .name = "UPC_E0", .digitsOnly = true, .ratio = k2To3, .fixedModuleWidths = true,
     .writeBack = true, .encode = [](EncodeInput& in) { return encodeUpcE(in.digits, 0, in.check); }},
    {.type = bcCodeUPC_E1, .name = "UPC_E1", .digitsOnly = true, .ratio = k2To3, .fixedModuleWidths = true,
     .writeBack = true, .encode = [](EncodeInput& in) { return encodeUpcE(in.digits, 1, in.check); }},
    {.type = bcCodeUPC_Supp2, .name = "UPC Supp2", .digitsOnly = true, .ratio = k2To3, .fixedModuleWidths = true,
     .writeBack = true, .encode = [](EncodeInput& in) { return encodeUpcSupplement2(in.digits); }},
    {.type = bcCodeUPC_Supp5, .name = "UPC Supp5", .digitsOnly = true, .ratio = k2To3, .fixedModuleWidths = true,
     .writeBack = true, .encode = [](EncodeInput& in) { return encodeUpcSupplement5(in.digits); }},
    {.type = bcCodeEAN128A, .name = "EAN128A", .fixedModuleWidths = true,
     .encode = [](EncodeInput& in) { return encodeCode128(in.text, Code128Set::A, true); }},
    {.type = bcCodeEAN128B, .name = "EAN128B", .fixedModuleWidths = true,
     .encode = [](EncodeInput& in) { return encodeCode128(in.text, Code128Set::B, true); }},
    {.type = bcCodeEAN128C, .name = "EAN128C", .digitsOnly = true, .fixedModuleWidths = true, .evenPadding = true,
     .writeBack = true, .encode = [](EncodeInput& in) { return code128C(in, true); }},
};
static_assert(std::size(kSymbologies) == kBarcodeTypeCount);

constexpr bool rowsAreSound() {
    for (int k = 0; k < kBarcodeTypeCount; ++k) {
        const Symbology& s = kSymbologies[k];
        if (static_cast<int>(s.type) != k || s.encode == nullptr) return false;
        // Padding and write-back work on the digits, which only digits-only symbologies have.
        if ((s.evenPadding || s.writeBack) && !s.digitsOnly) return false;
        if (s.ratio && !(s.ratio->low <= s.ratio->high)) return false;
    }
    return true;
}
static_assert(rowsAreSound(), "one row per symbology, in the order of TBarcodeType");

}  // namespace

const Symbology& symbology(TBarcodeType type) { return kSymbologies[static_cast<std::size_t>(type)]; }

std::optional<TBarcodeType> barcodeTypeOfEntry(int entry) {
    if (entry < 0 || entry >= kBarcodeTypeCount) return std::nullopt;
    return static_cast<TBarcodeType>(entry);
}

}  // namespace brovik::barcode
