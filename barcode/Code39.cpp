#include "barcode/Code39.h"

#include "barcode/FullAscii.h"

#include <array>
#include <bit>

namespace brovik::barcode {
namespace {

// The value of a character is its index; '*' is the start/stop character.
constexpr std::string_view kCharset = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%*";
constexpr int kStartStop = 43;

// Nine elements, bar first, most significant bit first; a 1 is wide.
constexpr std::array<unsigned, 44> kPatterns = {
    0x034, 0x121, 0x061, 0x160, 0x031, 0x130, 0x070, 0x025, 0x124, 0x064,  // 0-9
    0x109, 0x049, 0x148, 0x019, 0x118, 0x058, 0x00D, 0x10C, 0x04C, 0x01C,  // A-J
    0x103, 0x043, 0x142, 0x013, 0x112, 0x052, 0x007, 0x106, 0x046, 0x016,  // K-T
    0x181, 0x0C1, 0x1C0, 0x091, 0x190, 0x0D0, 0x085, 0x184, 0x0C4, 0x0A8,  // U-Z - . space $
    0x0A2, 0x08A, 0x02A, 0x094,                                            // / + % *
};
static_assert(kCharset.size() == kPatterns.size());

constexpr bool threeWideOfNine() {
    for (unsigned p : kPatterns)
        if (p >= 0x200 || std::popcount(p) != 3) return false;
    return true;
}
static_assert(threeWideOfNine());

void appendSymbol(std::string& pattern, int value) {
    const unsigned bits = kPatterns[value];
    for (int i = 0; i < 9; ++i) {
        const bool wide = (bits >> (8 - i)) & 1u;
        pattern += (i % 2 == 0) ? (wide ? '6' : '5') : (wide ? '1' : '0');
    }
}

int valueOf(QChar c) {
    if (c.unicode() >= 128 || c == QLatin1Char('*')) return -1;
    const auto pos = kCharset.find(static_cast<char>(c.unicode()));
    return pos == std::string_view::npos ? -1 : static_cast<int>(pos);
}

}  // namespace

std::string encodeCode39(const QString& text, bool withCheckCharacter) {
    std::string pattern;
    pattern.reserve((text.size() + 3) * 10);
    appendSymbol(pattern, kStartStop);
    pattern += '0';
    int sum = 0;
    for (QChar c : text) {
        const int value = valueOf(c);
        if (value < 0) continue;
        appendSymbol(pattern, value);
        pattern += '0';
        sum += value;
    }
    if (withCheckCharacter) {
        appendSymbol(pattern, sum % 43);
        pattern += '0';
    }
    appendSymbol(pattern, kStartStop);
    return pattern;
}

std::string encodeCode39Extended(const QString& text, bool withCheckCharacter) {
    return encodeCode39(expandFullAscii(text), withCheckCharacter);
}

}  // namespace brovik::barcode
