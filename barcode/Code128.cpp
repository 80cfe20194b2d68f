#include "barcode/Code128.h"

#include "barcode/PatternAlphabet.h"

#include <array>
#include <vector>

namespace brovik::barcode {
namespace {

// Widths of values 0..105, bar first, eleven modules each.
constexpr std::array<std::string_view, 106> kWidths = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212", "221213",  // 0
    "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221", "223211", "221132",  // 10
    "221231", "213212", "223112", "312131", "311222", "321122", "321221", "312212", "322112", "322211",  // 20
    "212123", "212321", "232121", "111323", "131123", "131321", "112313", "132113", "132311", "211313",  // 30
    "231113", "231311", "112133", "112331", "132131", "113123", "113321", "133121", "313121", "211331",  // 40
    "231131", "213113", "213311", "213131", "311123", "311321", "331121", "312113", "312311", "332111",  // 50
    "314111", "221411", "431111", "111224", "111422", "121124", "121421", "141122", "141221", "112214",  // 60
    "112412", "122114", "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111",  // 70
    "111242", "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",  // 80
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311", "113141",  // 90
    "114131", "311141", "411131", "211412", "211214", "211232",                                          // 100
};
constexpr std::string_view kStop = "2331112";
constexpr int kFnc1 = 102;
constexpr int kStartA = 103;

constexpr bool elevenModulesEvenBars() {
    for (std::string_view w : kWidths) {
        int sum = 0, bars = 0;
        for (size_t i = 0; i < w.size(); ++i) {
            sum += w[i] - '0';
            if (i % 2 == 0) bars += w[i] - '0';
        }
        if (w.size() != 6 || sum != 11 || bars % 2 != 0) return false;
    }
    return true;
}
static_assert(elevenModulesEvenBars());

// Set A: values 0-63 are characters 32-95, 64-95 the control characters 0-31.
// Set B: values 0-94 are characters 32-126.
int valueOf(char16_t c, Code128Set set) {
    if (set == Code128Set::A) {
        if (c >= 32 && c <= 95) return c - 32;
        if (c < 32) return c + 64;
        return 0;
    }
    return (c >= 32 && c <= 126) ? c - 32 : 0;
}

std::vector<int> dataValues(const QString& text, Code128Set set) {
    std::vector<int> values;
    if (set == Code128Set::C) {
        for (qsizetype i = 0; i + 1 < text.size(); i += 2)
            values.push_back((text[i].unicode() - '0') * 10 + (text[i + 1].unicode() - '0'));
    } else {
        for (QChar c : text) values.push_back(valueOf(c.unicode(), set));
    }
    return values;
}

}  // namespace

std::string encodeCode128(const QString& text, Code128Set set, bool gs1) {
    std::vector<int> values{kStartA + static_cast<int>(set)};
    if (gs1) values.push_back(kFnc1);
    const std::vector<int> data = dataValues(text, set);
    values.insert(values.end(), data.begin(), data.end());

    int sum = values[0];
    for (size_t pos = 1; pos < values.size(); ++pos) sum = (sum + values[pos] * static_cast<int>(pos % 103)) % 103;
    values.push_back(sum % 103);

    std::string widths;
    widths.reserve(values.size() * 6 + kStop.size());
    for (int v : values) widths += kWidths[v];
    widths += kStop;
    return widthsToPattern(widths);
}

}  // namespace brovik::barcode
