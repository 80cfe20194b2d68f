#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QtGlobal>
#include <variant>

namespace brovik::data {

enum class FieldType {
    SmallInt,   // 16-bit
    Integer,    // 32-bit
    BigInt,     // 64-bit
    Decimal,    // exact: a scaled 64-bit integer, FieldDef::scale places
    Float,      // double
    Currency,   // double shown as money
    Text,       // variable text of at most FieldDef::size characters
    FixedText,  // blank-padded text of FieldDef::size characters
    Boolean,
    Date,
    DateTime,
};

// One cell. Integers and decimals hold qint64 (a decimal holds its scaled value),
// Float and Currency hold double. monostate is null.
using Value = std::variant<std::monostate, qint64, double, QString, bool, QDate, QDateTime>;

inline bool isNull(const Value& v) { return std::holds_alternative<std::monostate>(v); }

// 10^places, the factor between a decimal's value and its scaled integer.
inline qint64 decimalFactor(int places) {
    qint64 p = 1;
    while (places-- > 0) p *= 10;
    return p;
}

bool isIntegerType(FieldType t);
bool isTextType(FieldType t);

}  // namespace brovik::data
