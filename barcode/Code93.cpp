#include "barcode/Code93.h"

#include "barcode/EBarcodeError.h"
#include "barcode/FullAscii.h"
#include "barcode/PatternAlphabet.h"

#include <array>
#include <vector>

namespace brovik::barcode {
namespace {

constexpr std::string_view kCharset = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ-. $/+%[]{}";

// Six widths per character, bar first, nine modules in all.
constexpr std::array<std::string_view, 47> kWidths = {
    "131112", "111213", "111312", "111411", "121113", "121212", "121311", "111114", "131211", "141111",  // 0-9
    "211113", "211212", "211311", "221112", "221211", "231111", "112113", "112212", "112311", "122112",  // A-J
    "132111", "111123", "111222", "111321", "121122", "131121", "212112", "212211", "211122", "211221",  // K-T
    "221121", "222111", "112122", "112221", "122121", "123111", "121131", "311112", "311211", "321111",  // U-Z - . space $
    "112131", "113121", "211131", "121221", "312111", "311121", "122211",                                // / + % shifts
};
constexpr std::string_view kStart = "111141";
constexpr std::string_view kStop = "1111411";
static_assert(kCharset.size() == kWidths.size());

constexpr bool nineModulesEach() {
    for (std::string_view w : kWidths) {
        int sum = 0;
        for (char c : w) sum += c - '0';
        if (w.size() != 6 || sum != 9) return false;
    }
    return true;
}
static_assert(nineModulesEach());

int weightedCheck(const std::vector<int>& values, int maxWeight) {
    int sum = 0;
    int weight = 1;
    for (auto it = values.rbegin(); it != values.rend(); ++it) {
        sum += *it * weight;
        weight = weight == maxWeight ? 1 : weight + 1;
    }
    return sum % 47;
}

}  // namespace

std::string encodeCode93(const QString& text) {
    std::vector<int> values;
    values.reserve(text.size() + 2);
    for (QChar c : text) {
        const auto pos = c.unicode() < 128 ? kCharset.find(static_cast<char>(c.unicode())) : std::string_view::npos;
        if (pos == std::string_view::npos)
            throw EBarcodeError(QStringLiteral("%1:Code93 bad Data <%2>").arg(QLatin1String(kEncoderClassName), text));
        values.push_back(static_cast<int>(pos));
    }
    values.push_back(weightedCheck(values, 20));
    values.push_back(weightedCheck(values, 15));

    std::string widths(kStart);
    for (int v : values) widths += kWidths[v];
    widths += kStop;
    return widthsToPattern(widths);
}

std::string encodeCode93Extended(const QString& text) {
    QString shifted = expandFullAscii(text);
    // The expansion writes '$', '%', '/' and '+' only as shift letters.
    for (QChar& c : shifted) {
        switch (c.unicode()) {
            case '$': c = QLatin1Char('['); break;
            case '%': c = QLatin1Char(']'); break;
            case '/': c = QLatin1Char('{'); break;
            case '+': c = QLatin1Char('}'); break;
            default: break;
        }
    }
    return encodeCode93(shifted);
}

}  // namespace brovik::barcode
