#include "barcode/BarcodeTypeInfo.h"

#include <array>

namespace brovik::barcode {
namespace {

struct TBCdata {
    const char* Name;
    bool digitsOnly;
};

constexpr std::array<TBCdata, kBarcodeTypeCount> kTypes = {{
    {"2_5_interleaved", true}, {"2_5_industrial", true}, {"2_5_matrix", true},  {"Code39", false},
    {"Code39 Extended", false}, {"Code128A", false},     {"Code128B", false},   {"Code128C", true},
    {"Code93", false},          {"Code93 Extended", false}, {"MSI", true},      {"PostNet", true},
    {"Codebar", false},         {"EAN8", true},          {"EAN13", true},       {"UPC_A", true},
    {"UPC_E0", true},           {"UPC_E1", true},        {"UPC Supp2", true},   {"UPC Supp5", true},
    {"EAN128A", false},         {"EAN128B", false},      {"EAN128C", true},
}};

const TBCdata& data(TBarcodeType type) { return kTypes[static_cast<size_t>(type)]; }

}  // namespace

QString barcodeDisplayName(TBarcodeType type) { return QString::fromLatin1(data(type).Name); }

bool barcodeDigitsOnly(TBarcodeType type) { return data(type).digitsOnly; }

std::optional<TBarcodeType> barcodeTypeOfEntry(int entry) {
    if (entry < 0 || entry >= kBarcodeTypeCount) return std::nullopt;
    return static_cast<TBarcodeType>(entry);
}

}  // namespace brovik::barcode
