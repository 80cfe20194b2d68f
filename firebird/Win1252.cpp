#include "firebird/Win1252.h"

#include <array>

namespace brovik::data {
namespace {

// 0x80..0x9F; 0 marks the five undefined bytes (kept as the matching C1 control).
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char16_t decodeByte(unsigned char b) {
    if (b < 0x80 || b > 0x9F) return b;
    const char16_t c = kHigh[b - 0x80];
    return c ? c : b;
}

char encodeChar(char16_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == c || (kHigh[i] == 0 && c == 0x80 + i)) return static_cast<char>(0x80 + i);
    return '?';
}

}  // namespace

QString fromWin1252(const char* bytes, int size) {
    QString out(size, Qt::Uninitialized);
    for (int i = 0; i < size; ++i) out[i] = QChar(decodeByte(static_cast<unsigned char>(bytes[i])));
    return out;
}

QByteArray toWin1252(QStringView text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i) out[i] = encodeChar(text[i].unicode());
    return out;
}

}  // namespace brovik::data
