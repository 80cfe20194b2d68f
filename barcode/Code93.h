#pragma once

#include <QString>
#include <string>

namespace brovik::barcode {

// The shift characters ($), (%), (/), (+) are written "[", "]", "{", "}".
// A character outside the set raises EBarcodeError.
std::string encodeCode93(const QString& text);
std::string encodeCode93Extended(const QString& text);

}  // namespace brovik::barcode
