#pragma once

#include <string>
#include <string_view>

namespace brovik::barcode {

enum class TCheckSumMethod { csmNone, csmModulo10 };

// The encoder's Checksum and CheckSumMethod, as the symbologies with an optional check read them.
struct CheckSetting {
    bool checksum;
    TCheckSumMethod method;
};

// Weights 3 and 1 alternating, 3 on the rightmost digit.
int modulo10CheckDigit(std::string_view digits);

// The optional check digit of the numeric symbologies: appended with csmModulo10,
// nothing with csmNone.
std::string DoCheckSumming(TCheckSumMethod method, std::string_view digits);

}  // namespace brovik::barcode
