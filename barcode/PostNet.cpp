#include "barcode/PostNet.h"

#include <algorithm>
#include <array>

namespace brovik::barcode {
namespace {

// Five bars per digit, '1' a full bar, '0' a short one.
constexpr std::array<std::string_view, 10> kDigits = {
    "11000", "00011", "00101", "00110", "01001", "01010", "01100", "10001", "10010", "10100",
};

constexpr bool twoFullBarsEach() {
    return std::all_of(kDigits.begin(), kDigits.end(),
                       [](std::string_view d) { return d.size() == 5 && std::count(d.begin(), d.end(), '1') == 2; });
}
static_assert(twoFullBarsEach());

}  // namespace

std::string encodePostNet(std::string_view digits) {
    std::string pattern = "51";
    pattern.reserve(digits.size() * 10 + 3);
    for (char d : digits) {
        for (char bar : kDigits[d - '0']) {
            pattern += bar == '1' ? '5' : 'A';
            pattern += '1';
        }
    }
    return pattern + "5";
}

}  // namespace brovik::barcode
