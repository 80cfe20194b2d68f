#pragma once

#include <string>
#include <string_view>

namespace brovik::barcode {

// The 2 of 5 family; the text holds digits only. Interleaved pairs digits from the
// left, so callers give it an even number of digits.
std::string encodeInterleaved2of5(std::string_view digits);
std::string encodeIndustrial2of5(std::string_view digits);
std::string encodeMatrix2of5(std::string_view digits);

}  // namespace brovik::barcode
