#include "dataset/DataError.h"
#include "dataset/ValueConversion.h"
#include "firebird/Win1252.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

using namespace brovik::data;

TEST(ValueConversion, ColumnValuesTakeTheDeclaredType) {
    const FieldDef dec2{.name = "D2", .type = FieldType::Decimal, .scale = 2};
    const FieldDef dec5{.name = "D5", .type = FieldType::Decimal, .scale = 5};
    const FieldDef integer{.name = "I", .type = FieldType::Integer};
    const FieldDef flt{.name = "F", .type = FieldType::Float};
    const FieldDef text4{.name = "T", .type = FieldType::Text, .size = 4};
    const struct {
        Value raw;
        int rawScale;
        const FieldDef* def;
        Value expected;
    } cases[] = {
        {Value{qint64{12345}}, 4, &dec2, Value{qint64{123}}},      // 1.2345 -> 1.23
        {Value{qint64{12355}}, 4, &dec2, Value{qint64{124}}},      // 1.2355 -> 1.24, half away from zero
        {Value{qint64{-12355}}, 4, &dec2, Value{qint64{-124}}},
        {Value{qint64{150}}, 2, &dec5, Value{qint64{150000}}},     // exact widening
        {Value{qint64{-15}}, 1, &integer, Value{qint64{-2}}},
        {Value{2.5}, 0, &integer, Value{qint64{3}}},
        {Value{QStringLiteral("0007")}, 0, &integer, Value{qint64{7}}},
        {Value{QStringLiteral("1,25")}, 0, &dec2, Value{qint64{125}}},
        {Value{qint64{1500}}, 2, &flt, Value{15.0}},
        {Value{qint64{-5}}, 2, &text4, Value{QStringLiteral("-0.0")}},  // "-0.05" cut to 4
        {Value{QStringLiteral("EXPEDIÇÃO")}, 0, &text4, Value{QStringLiteral("EXPE")}},
        {Value{}, 0, &integer, Value{}},
    };
    for (const auto& c : cases) EXPECT_EQ(convertColumn(c.raw, c.rawScale, *c.def), c.expected) << c.def->name.toStdString();
    EXPECT_THROW(convertColumn(Value{QStringLiteral("doze")}, 0, integer), DataError);
}

TEST(Win1252, TheCodePageBothWays) {
    const QByteArray bytes("\x80\x8a\x93\x94\x99\xba\xc7\xe3\xe9\x81", 10);
    const QString text = QString::fromUtf8("€Š“”™ºÇãé") + QChar(0x81);
    EXPECT_EQ(fromWin1252(bytes.constData(), static_cast<int>(bytes.size())), text);
    EXPECT_EQ(toWin1252(text), bytes);
    EXPECT_EQ(toWin1252(QString::fromUtf8("a→b")), QByteArray("a?b"));  // not in the code page
}
