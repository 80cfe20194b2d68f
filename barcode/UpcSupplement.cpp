#include "barcode/UpcSupplement.h"

#include "barcode/EanUpc.h"

#include <array>
#include <string_view>

namespace brovik::barcode {
namespace {

constexpr std::string_view kStart = "506";
constexpr std::string_view kSeparator = "05";

// By the value mod 4.
constexpr std::array<std::string_view, 4> kParity2 = {"LL", "LG", "GL", "GG"};
// By the add-on check digit.
constexpr std::array<std::string_view, 10> kParity5 = {
    "GGLLL", "GLGLL", "GLLGL", "GLLLG", "LGGLL", "LLGGL", "LLLGG", "LGLGL", "LGLLG", "LLGLG",
};

std::string addOn(std::string_view digits, std::string_view sets) {
    std::string pattern(kStart);
    for (size_t i = 0; i < sets.size(); ++i) {
        if (i > 0) pattern += kSeparator;
        appendEanDigit(pattern, digits[i], sets[i] == 'G' ? DigitSet::G : DigitSet::L);
    }
    return pattern;
}

void padLeft(std::string& digits, size_t length) {
    if (digits.size() < length) digits.insert(0, length - digits.size(), '0');
}

}  // namespace

std::string encodeUpcSupplement2(std::string& digits) {
    padLeft(digits, 2);
    const int value = (digits[0] - '0') * 10 + (digits[1] - '0');
    return addOn(digits, kParity2[value % 4]);
}

std::string encodeUpcSupplement5(std::string& digits) {
    padLeft(digits, 5);
    auto d = [&](int i) { return digits[i] - '0'; };
    const int check = (3 * (d(0) + d(2) + d(4)) + 9 * (d(1) + d(3))) % 10;
    return addOn(digits, kParity5[check]);
}

}  // namespace brovik::barcode
