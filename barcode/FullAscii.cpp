#include "barcode/FullAscii.h"

#include <array>

namespace brovik::barcode {
namespace {

struct Range {
    char16_t from, to;
    char shift;  // 0: the character stands for itself
    char firstLetter;
};

// "-" and "." take the shifted pairs "/M" and "/N" rather than themselves.
constexpr std::array<Range, 14> kRanges = {{
    {0, 0, '%', 'U'},    {1, 26, '$', 'A'},   {27, 31, '%', 'A'},  {32, 32, 0, ' '},   {33, 47, '/', 'A'},
    {48, 57, 0, '0'},    {58, 58, '/', 'Z'},  {59, 63, '%', 'F'},  {64, 64, '%', 'V'}, {65, 90, 0, 'A'},
    {91, 95, '%', 'K'},  {96, 96, '%', 'W'},  {97, 122, '+', 'A'}, {123, 127, '%', 'P'},
}};

constexpr bool rangesCoverAscii() {
    char16_t next = 0;
    for (const Range& r : kRanges) {
        if (r.from != next || r.to < r.from) return false;
        next = r.to + 1;
    }
    return next == 128;
}
static_assert(rangesCoverAscii());

}  // namespace

QString expandFullAscii(const QString& text) {
    QString out;
    out.reserve(text.size() * 2);
    for (QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c >= 128) continue;
        for (const Range& r : kRanges) {
            if (c < r.from || c > r.to) continue;
            if (r.shift) out += QLatin1Char(r.shift);
            out += QLatin1Char(static_cast<char>(r.firstLetter + (c - r.from)));
            break;
        }
    }
    return out;
}

}  // namespace brovik::barcode
