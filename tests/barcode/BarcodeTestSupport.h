#pragma once

#include "barcode/TBarcodeEncoder.h"

#include <QString>
#include <string>

namespace brovik::barcode::test {

// Element widths in cells counted from 1 ("1".."4"), one digit per element.
inline std::string cellWidths(const std::string& pattern) {
    std::string out;
    for (char c : pattern) {
        if (c >= '0' && c <= '3') out += static_cast<char>(c - '0' + '1');
        else if (c >= '5' && c <= '8') out += static_cast<char>(c - '5' + '1');
        else if (c >= 'A' && c <= 'D') out += static_cast<char>(c - 'A' + '1');
        else out += '?';
    }
    return out;
}

// Widths written bar first, turned into the pattern alphabet.
inline std::string barFirst(const std::string& widths) {
    std::string out;
    for (size_t i = 0; i < widths.size(); ++i) out += static_cast<char>((i % 2 == 0 ? '5' : '0') + widths[i] - '1');
    return out;
}

// Modules of the pattern at the encoder's current cells: '1' bar, '0' space.
inline std::string moduleString(const TBarcodeEncoder& encoder, const std::string& pattern) {
    std::string out;
    for (char c : pattern) {
        const bool space = c >= '0' && c <= '3';
        const int cell = space ? c - '0' : (c >= 'A' ? c - 'A' : c - '5');
        out.append(static_cast<size_t>(encoder.modules()[cell]), space ? '0' : '1');
    }
    return out;
}

inline TBarcodeEncoder makeEncoder(TBarcodeType type, const QString& text, int modul = 1, double ratio = 2.0) {
    TBarcodeEncoder e;
    e.SetTyp(type);
    e.SetModul(modul);
    e.SetRatio(ratio);
    e.SetText(text);
    return e;
}

}  // namespace brovik::barcode::test

#include <ostream>

// Readable QString values in test failures.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
