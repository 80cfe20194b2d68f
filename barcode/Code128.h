#pragma once

#include <QString>
#include <string>

namespace brovik::barcode {

enum class Code128Set { A, B, C };

// One set for the whole text, no set changes. A/B: a character outside the set encodes
// as a space. C: the text is an even number of digits. gs1 adds FNC1 after the start.
std::string encodeCode128(const QString& text, Code128Set set, bool gs1);

}  // namespace brovik::barcode
