#pragma once

#include <string>
#include <string_view>

namespace brovik::barcode {

// A pattern is a string with one character per element:
// "0".."3" spaces, "5".."8" bars, "A".."D" short bars, of width cell 0..3.
enum class ElementKind { Space, Bar, ShortBar, Invalid };

struct Element {
    ElementKind kind;
    int cell;
};

constexpr Element decodeElement(char c) {
    if (c >= '0' && c <= '3') return {ElementKind::Space, c - '0'};
    if (c >= '5' && c <= '8') return {ElementKind::Bar, c - '5'};
    if (c >= 'A' && c <= 'D') return {ElementKind::ShortBar, c - 'A'};
    return {ElementKind::Invalid, 0};
}

constexpr char barOfCell(int cell) { return static_cast<char>('5' + cell); }
constexpr char spaceOfCell(int cell) { return static_cast<char>('0' + cell); }

// Appends a run of module widths "1".."4" that begins with a bar when startsWithBar,
// alternating bar and space from there.
void appendWidths(std::string& pattern, std::string_view widths, bool startsWithBar);

// Widths counted from the first element of a whole symbol: odd positions are bars.
std::string widthsToPattern(std::string_view widths);

}  // namespace brovik::barcode
