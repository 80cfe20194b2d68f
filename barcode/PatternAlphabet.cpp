#include "barcode/PatternAlphabet.h"

namespace brovik::barcode {

void appendWidths(std::string& pattern, std::string_view widths, bool startsWithBar) {
    bool bar = startsWithBar;
    for (char w : widths) {
        const int cell = w - '1';
        pattern += bar ? barOfCell(cell) : spaceOfCell(cell);
        bar = !bar;
    }
}

std::string widthsToPattern(std::string_view widths) {
    std::string pattern;
    pattern.reserve(widths.size());
    appendWidths(pattern, widths, true);
    return pattern;
}

}  // namespace brovik::barcode
