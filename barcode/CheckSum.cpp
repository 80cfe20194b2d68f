#include "barcode/CheckSum.h"

namespace brovik::barcode {

int modulo10CheckDigit(std::string_view digits) {
    int sum = 0;
    int weight = 3;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        sum += (*it - '0') * weight;
        weight = 4 - weight;
    }
    return (10 - sum % 10) % 10;
}

std::string DoCheckSumming(TCheckSumMethod method, std::string_view digits) {
    std::string result(digits);
    if (method == TCheckSumMethod::csmModulo10) result += static_cast<char>('0' + modulo10CheckDigit(digits));
    return result;
}

}  // namespace brovik::barcode
