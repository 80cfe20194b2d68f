#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QtGlobal>

// The program's one way of turning numbers and dates into text, after the plant's
// regional settings: dates as dd/mm/yyyy, decimal comma, thousands point, Portuguese
// day and month names.
namespace brovik::fmt {

struct RegionalSettings {
    QChar decimalSeparator;
    QChar thousandSeparator;
    QChar dateSeparator;
    QChar timeSeparator;
    QString shortDateFormat;
    QStringList longMonthNames;   // January first
    QStringList shortMonthNames;
    QStringList longDayNames;     // Sunday first
    QStringList shortDayNames;
};

// The settings in force (the plant's, from the start of the program).
const RegionalSettings& regional();
// Puts the plant's settings in force; called once by the data module at start-up.
void applyRegionalSettings();

// Number patterns: "0" a digit with zero fill, "#" an optional digit, "." the place of
// the decimal separator, "," anywhere in the integer part for thousands separators,
// other characters kept as they stand ("(0)" turns 3 into "(3)").
QString formatFloat(QStringView pattern, double value);
QString formatInteger(QStringView pattern, qint64 value);
// An exact decimal (value = scaled / 10^scale), without binary rounding.
QString formatDecimal(QStringView pattern, qint64 scaled, int scale);

// Date patterns: d dd ddd dddd, m mm mmm mmmm, yy yyyy, h hh, n nn, s ss,
// "/" and ":" as the regional separators, quoted text kept.
QString formatDateTime(QStringView pattern, const QDateTime& value);
QString formatDate(QStringView pattern, const QDate& value);

// The general number form: up to 15 significant digits, decimal comma, no thousands
// separator, no trailing zeros and no decimal comma for whole numbers.
QString generalNumber(double value);

}  // namespace brovik::fmt
