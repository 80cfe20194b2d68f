#include "barcode/TwoOfFive.h"

#include <algorithm>
#include <array>

namespace brovik::barcode {
namespace {

// Five elements per digit, '1' wide, '0' narrow.
constexpr std::array<std::string_view, 10> kDigits = {
    "00110", "10001", "01001", "11000", "00101", "10100", "01100", "00011", "10010", "01010",
};

constexpr bool everyDigitHasTwoWide() {
    return std::all_of(kDigits.begin(), kDigits.end(),
                       [](std::string_view d) { return d.size() == 5 && std::count(d.begin(), d.end(), '1') == 2; });
}
static_assert(everyDigitHasTwoWide());

constexpr bool isWide(char digit, int element) { return kDigits[digit - '0'][element] == '1'; }

}  // namespace

std::string encodeInterleaved2of5(std::string_view digits) {
    std::string pattern = "5050";
    for (size_t i = 0; i + 1 < digits.size(); i += 2) {
        for (int j = 0; j < 5; ++j) {
            pattern += isWide(digits[i], j) ? '6' : '5';
            pattern += isWide(digits[i + 1], j) ? '1' : '0';
        }
    }
    return pattern + "605";
}

std::string encodeIndustrial2of5(std::string_view digits) {
    std::string pattern = "606050";
    for (char d : digits) {
        for (int j = 0; j < 5; ++j) {
            pattern += isWide(d, j) ? '6' : '5';
            pattern += '0';
        }
    }
    return pattern + "605060";
}

std::string encodeMatrix2of5(std::string_view digits) {
    std::string pattern = "705050";
    for (char d : digits) {
        for (int j = 0; j < 5; ++j) {
            const bool bar = j % 2 == 0;
            if (bar)
                pattern += isWide(d, j) ? '6' : '5';
            else
                pattern += isWide(d, j) ? '1' : '0';
        }
        pattern += '0';
    }
    return pattern + "70505";
}

}  // namespace brovik::barcode
