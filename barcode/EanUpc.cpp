#include "barcode/EanUpc.h"

#include "barcode/EBarcodeError.h"
#include "barcode/PatternAlphabet.h"

#include <array>

namespace brovik::barcode {
namespace {

// L set widths; the R set has the same widths beginning with a bar, the G set is R reversed.
constexpr std::array<std::string_view, 10> kLWidths = {
    "3211", "2221", "2122", "1411", "1132", "1231", "1114", "1312", "1213", "3112",
};

constexpr bool sevenModulesEach() {
    for (std::string_view w : kLWidths)
        if (w.size() != 4 || (w[0] - '0') + (w[1] - '0') + (w[2] - '0') + (w[3] - '0') != 7) return false;
    return true;
}
static_assert(sevenModulesEach());

// Which of digits 2-7 of an EAN-13 take the G set, by the first digit.
constexpr std::array<std::string_view, 10> kEan13Parity = {
    "LLLLLL", "LLGLGG", "LLGGLG", "LLGGGL", "LGLLGG", "LGGLLG", "LGGGLL", "LGLGLG", "LGLGGL", "LGGLGL",
};

// UPC-E with number system 0, by the check digit; number system 1 takes the opposite set.
constexpr std::array<std::string_view, 10> kUpcEParity = {
    "GGGLLL", "GGLGLL", "GGLLGL", "GGLLLG", "GLGGLL", "GLLGGL", "GLLLGG", "GLGLGL", "GLGLLG", "GLLGLG",
};

constexpr std::string_view kGuard = "505";
constexpr std::string_view kCentre = "05050";
constexpr std::string_view kUpcEStop = "050505";

std::string padLeft(std::string_view digits, size_t length) {
    if (digits.size() >= length) return std::string(digits);
    return std::string(length - digits.size(), '0') + std::string(digits);
}

std::string lastDigits(std::string_view digits, size_t count) {
    return std::string(digits.size() > count ? digits.substr(digits.size() - count) : digits);
}

// With csmNone there is no check digit to add, and the text is encoded as it stands
// (rather than shifted one place by the padding).
bool addsCheckDigit(CheckSetting check) { return check.checksum && check.method != TCheckSumMethod::csmNone; }

// Guard, left half, centre, right half (in the R set), guard.
std::string twoHalves(std::string_view left, std::string_view leftSets, std::string_view right) {
    std::string pattern(kGuard);
    for (size_t i = 0; i < left.size(); ++i) appendEanDigit(pattern, left[i], leftSets[i] == 'G' ? DigitSet::G : DigitSet::L);
    pattern += kCentre;
    for (char d : right) appendEanDigit(pattern, d, DigitSet::R);
    return pattern += kGuard;
}

}  // namespace

void appendEanDigit(std::string& pattern, char digit, DigitSet set) {
    const std::string_view w = kLWidths[digit - '0'];
    switch (set) {
        case DigitSet::L: appendWidths(pattern, w, false); break;
        case DigitSet::R: appendWidths(pattern, w, true); break;
        case DigitSet::G: appendWidths(pattern, std::string{w.rbegin(), w.rend()}, false); break;
    }
}

std::string encodeEan8(std::string_view digits, CheckSetting check) {
    if (digits.size() > 8) throw EBarcodeError(QStringLiteral("Invalid Text len (EAN8)"));
    std::string data(digits);
    if (addsCheckDigit(check)) data = DoCheckSumming(check.method, padLeft(lastDigits(data, 7), 7));
    data = padLeft(data, 8);
    return twoHalves(std::string_view(data).substr(0, 4), "LLLL", std::string_view(data).substr(4, 4));
}

std::string encodeEan13(std::string_view digits, CheckSetting check) {
    if (digits.size() > 13) throw EBarcodeError(QStringLiteral("Invalid Text len (EAN13)"));
    std::string data(digits);
    // A full thirteen-digit text has its last digit replaced by the new check digit.
    if (addsCheckDigit(check)) data = DoCheckSumming(check.method, padLeft(data.substr(0, 12), 12));
    data = padLeft(data, 13);
    const std::string_view d(data);
    return twoHalves(d.substr(1, 6), kEan13Parity[d[0] - '0'], d.substr(7, 6));
}

std::string encodeUpcA(std::string& digits, CheckSetting check) {
    digits = padLeft(digits, 12);
    std::string data = digits.substr(0, 12);
    if (addsCheckDigit(check)) data = DoCheckSumming(check.method, data.substr(0, 11));
    const std::string_view d(data);
    return twoHalves(d.substr(0, 6), "LLLLLL", d.substr(6, 6));
}

int upcECheckDigit(std::string_view six, int numberSystem) {
    const char ns = static_cast<char>('0' + numberSystem);
    std::string a{ns};
    const char last = six[5];
    if (last <= '2')
        a += std::string{six[0], six[1], last, '0', '0', '0', '0', six[2], six[3], six[4]};
    else if (last == '3')
        a += std::string{six[0], six[1], six[2], '0', '0', '0', '0', '0', six[3], six[4]};
    else if (last == '4')
        a += std::string{six[0], six[1], six[2], six[3], '0', '0', '0', '0', '0', six[4]};
    else
        a += std::string{six[0], six[1], six[2], six[3], six[4], '0', '0', '0', '0', last};
    return modulo10CheckDigit(a);
}

std::string encodeUpcE(std::string& digits, int numberSystem, CheckSetting check) {
    digits = padLeft(digits, 7);
    const std::string_view six = std::string_view(digits).substr(0, 6);
    const int checkDigit = check.method == TCheckSumMethod::csmNone
                               ? upcECheckDigit(six, numberSystem)
                               : DoCheckSumming(check.method, six).back() - '0';
    if (check.checksum) digits[6] = static_cast<char>('0' + checkDigit);

    std::string pattern(kGuard);
    const std::string_view sets = kUpcEParity[checkDigit];
    for (size_t i = 0; i < 6; ++i) {
        const bool g = (sets[i] == 'G') != (numberSystem == 1);
        appendEanDigit(pattern, digits[i], g ? DigitSet::G : DigitSet::L);
    }
    return pattern += kUpcEStop;
}

}  // namespace brovik::barcode
