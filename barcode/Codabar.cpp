#include "barcode/Codabar.h"

#include <array>

namespace brovik::barcode {
namespace {

constexpr std::string_view kCharset = "0123456789-$:/.+ABCD";

// Seven elements, bar first, most significant bit first; a 1 is wide.
constexpr std::array<unsigned, 20> kPatterns = {
    0x003, 0x006, 0x009, 0x060, 0x012, 0x042, 0x021, 0x024, 0x030, 0x048,  // 0-9
    0x00C, 0x018, 0x045, 0x051, 0x054, 0x015, 0x01A, 0x029, 0x00B, 0x00E,  // - $ : / . + A B C D
};
static_assert(kCharset.size() == kPatterns.size());

constexpr bool sevenElementsEach() {
    for (unsigned p : kPatterns)
        if (p == 0 || p >= 0x80) return false;
    return true;
}
static_assert(sevenElementsEach());

void appendSymbol(std::string& pattern, size_t index) {
    const unsigned bits = kPatterns[index];
    for (int i = 0; i < 7; ++i) {
        const bool wide = (bits >> (6 - i)) & 1u;
        pattern += (i % 2 == 0) ? (wide ? '6' : '5') : (wide ? '1' : '0');
    }
    pattern += '0';
}

}  // namespace

std::string encodeCodabar(const QString& text) {
    std::string pattern;
    pattern.reserve((text.size() + 2) * 8);
    appendSymbol(pattern, kCharset.find('A'));
    for (QChar c : text) {
        if (c.unicode() >= 128) continue;
        const auto index = kCharset.find(static_cast<char>(c.unicode()));
        if (index != std::string_view::npos) appendSymbol(pattern, index);
    }
    appendSymbol(pattern, kCharset.find('B'));
    pattern.pop_back();  // the stop character ends with its bar, no gap after it
    return pattern;
}

}  // namespace brovik::barcode
