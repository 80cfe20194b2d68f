#include "barcode/Msi.h"

namespace brovik::barcode {
namespace {

// Digit sum of twice a decimal number given as text, so that no length overflows.
int digitSumOfDouble(std::string_view number) {
    int sum = 0;
    int carry = 0;
    for (auto it = number.rbegin(); it != number.rend(); ++it) {
        const int doubled = (*it - '0') * 2 + carry;
        sum += doubled % 10;
        carry = doubled / 10;
    }
    return sum + carry;
}

void appendDigit(std::string& pattern, int digit) {
    for (int bit = 3; bit >= 0; --bit) pattern += ((digit >> bit) & 1) ? "60" : "51";
}

}  // namespace

int msiCheckDigit(std::string_view digits) {
    int sum = 0;
    std::string evenPositions;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i % 2 == 0)
            sum += digits[i] - '0';
        else
            evenPositions += digits[i];
    }
    sum += digitSumOfDouble(evenPositions);
    return (10 - sum % 10) % 10;
}

std::string encodeMsi(std::string_view digits) {
    std::string pattern = "60";
    pattern.reserve(digits.size() * 8 + 13);
    for (char d : digits) appendDigit(pattern, d - '0');
    appendDigit(pattern, msiCheckDigit(digits));
    return pattern + "515";
}

}  // namespace brovik::barcode
