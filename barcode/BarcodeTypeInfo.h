#pragma once

#include "barcode/BarcodeType.h"

#include <QString>
#include <optional>

namespace brovik::barcode {

// The symbology's name as printed for the type label.
QString barcodeDisplayName(TBarcodeType type);
// Whether the text must be made of the digits 0 to 9.
bool barcodeDigitsOnly(TBarcodeType type);
// The symbology of the options list's entry k ("01.Code_2_5_interleaved" is entry 0);
// none while no entry is selected (k = -1) or k is out of the list.
std::optional<TBarcodeType> barcodeTypeOfEntry(int entry);

}  // namespace brovik::barcode
