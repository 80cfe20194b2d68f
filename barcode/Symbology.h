#pragma once

#include "barcode/BarcodeType.h"
#include "barcode/CheckSum.h"

#include <QString>
#include <optional>
#include <string>

namespace brovik::barcode {

// What a symbology's encoder reads: the text as set and, for a digits-only symbology,
// its digits (trimmed, checked, padded to even where the row says so). Encoders that
// pad the digits in place do so here, for the write-back.
struct EncodeInput {
    const QString& text;
    std::string& digits;
    CheckSetting check;
};

struct RatioRange {
    double low, high;
};

// The facts of one symbology, one row each in the encoder's table.
struct Symbology {
    TBarcodeType type;
    const char* name;  // printed as the type label
    bool digitsOnly;
    std::optional<RatioRange> ratio;  // the range the ratio is brought into; none: any ratio
    // Tables written in module widths 1..4: the cells are computed with ratio 2, whatever Ratio says.
    bool fixedModuleWidths;
    bool evenPadding;  // an odd count of digits gets a leading "0"
    bool writeBack;    // the digits as encoded replace Text
    std::string (*encode)(EncodeInput& input);
};

const Symbology& symbology(TBarcodeType type);

inline QString barcodeDisplayName(TBarcodeType type) { return QString::fromLatin1(symbology(type).name); }
inline bool barcodeDigitsOnly(TBarcodeType type) { return symbology(type).digitsOnly; }

// The symbology of the options list's entry k ("01.Code_2_5_interleaved" is entry 0);
// none while no entry is selected (k = -1) or k is out of the list.
std::optional<TBarcodeType> barcodeTypeOfEntry(int entry);

}  // namespace brovik::barcode
