#pragma once

#include <string>
#include <string_view>

namespace brovik::barcode {

// The check digit that MSI always appends: digits at odd positions from the left are summed,
// those at even positions form a number that is doubled and whose digits are summed too.
// Works on any length of text.
int msiCheckDigit(std::string_view digits);

std::string encodeMsi(std::string_view digits);

}  // namespace brovik::barcode
