#pragma once

#include <string>

namespace brovik::barcode {

// The two- and five-digit add-ons; they pad the text in place, the caller writes it back.
std::string encodeUpcSupplement2(std::string& digits);
std::string encodeUpcSupplement5(std::string& digits);

}  // namespace brovik::barcode
