#pragma once

#include <QString>
#include <string>

namespace brovik::barcode {

// Characters outside the Code 39 set (lower-case letters included) are skipped.
std::string encodeCode39(const QString& text, bool withCheckCharacter);
std::string encodeCode39Extended(const QString& text, bool withCheckCharacter);

}  // namespace brovik::barcode
