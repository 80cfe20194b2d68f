#pragma once

#include <string>
#include <string_view>

namespace brovik::barcode {

// Full and short bars, each followed by a wide space; no check digit.
std::string encodePostNet(std::string_view digits);

}  // namespace brovik::barcode
