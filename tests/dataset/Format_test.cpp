#include "dataset/Format.h"

#include <gtest/gtest.h>

using namespace brovik::fmt;

TEST(Format, NumberPatterns) {
    struct Case { const char* pattern; double value; const char* expected; };
    const Case cases[] = {
        {"00", 1, "01"},
        {"0000", 12, "0012"},
        {"000000", 4521, "004521"},
        {"0000000", 15230, "0015230"},
        {"(0)", 3, "(3)"},
        {"#,##0.00", 1234.5, "1.234,50"},
        {"#,##0.####", 1234.5, "1.234,5"},
        {"#,##0.####", 12, "12"},
        {"#,##0.0000", 0.125, "0,1250"},
        {"#,##0.00", 1234567.891, "1.234.567,89"},
        {"#,##0.00", -1234.5, "-1.234,50"},
        {"0000", 12345, "12345"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(formatFloat(QString::fromUtf8(c.pattern), c.value), QString::fromUtf8(c.expected)) << c.pattern;
}

TEST(Format, DatesAndGeneralNumbers) {
    applyRegionalSettings();
    EXPECT_EQ(formatDate(u"dd/mm/yyyy", QDate(2024, 3, 5)), "05/03/2024");
    EXPECT_EQ(formatDateTime(u"dd/mm/yyyy hh:nn", QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9))), "05/03/2024 14:07");
    EXPECT_EQ(formatDateTime(uR"(dd" de "mmmm" de "yyyy" às "hh:nn:ss)", QDateTime(QDate(2024, 3, 5), QTime(14, 7, 9))),
              QString::fromUtf8("05 de Março de 2024 às 14:07:09"));
    EXPECT_EQ(regional().shortDayNames[6], "Sab");
    EXPECT_EQ(generalNumber(12), "12");
    EXPECT_EQ(generalNumber(10.5), "10,5");
    EXPECT_EQ(generalNumber(0.1 + 0.2), "0,3");
}
