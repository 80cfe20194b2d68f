#include "dataset/Format.h"

#include <cmath>
#include <QRegularExpression>
#include <cstdlib>

namespace brovik::fmt {
namespace {

RegionalSettings plantSettings() {
    RegionalSettings s;
    s.decimalSeparator = u',';
    s.thousandSeparator = u'.';
    s.dateSeparator = u'/';
    s.timeSeparator = u':';
    s.shortDateFormat = QStringLiteral("dd/mm/yyyy");
    s.longMonthNames = {QStringLiteral("Janeiro"), QStringLiteral("Fevereiro"), QStringLiteral("Março"),
                        QStringLiteral("Abril"),   QStringLiteral("Maio"),      QStringLiteral("Junho"),
                        QStringLiteral("Julho"),   QStringLiteral("Agosto"),    QStringLiteral("Setembro"),
                        QStringLiteral("Outubro"), QStringLiteral("Novembro"),  QStringLiteral("Dezembro")};
    s.shortMonthNames = {QStringLiteral("Jan"), QStringLiteral("Fev"), QStringLiteral("Mar"), QStringLiteral("Abr"),
                         QStringLiteral("Mai"), QStringLiteral("Jun"), QStringLiteral("Jul"), QStringLiteral("Ago"),
                         QStringLiteral("Set"), QStringLiteral("Out"), QStringLiteral("Nov"), QStringLiteral("Dez")};
    s.longDayNames = {QStringLiteral("Domingo"), QStringLiteral("Segunda"), QStringLiteral("Terça"),
                      QStringLiteral("Quarta"),  QStringLiteral("Quinta"),  QStringLiteral("Sexta"),
                      QStringLiteral("Sábado")};
    s.shortDayNames = {QStringLiteral("Dom"), QStringLiteral("Seg"), QStringLiteral("Ter"), QStringLiteral("Qua"),
                       QStringLiteral("Qui"), QStringLiteral("Sex"), QStringLiteral("Sab")};
    return s;
}

RegionalSettings& settings() {
    static RegionalSettings s = plantSettings();
    return s;
}

// A number pattern taken apart: literal text before and after the digit placeholders.
struct NumberPattern {
    QString prefix, suffix;
    int minIntDigits = 0;
    int minDecimals = 0;
    int maxDecimals = 0;
    bool thousands = false;
};

NumberPattern parsePattern(QStringView p) {
    NumberPattern np;
    qsizetype first = -1, last = -1;
    for (qsizetype i = 0; i < p.size(); ++i) {
        const QChar c = p[i];
        if (c == u'0' || c == u'#' || c == u'.' || c == u',') {
            if (first < 0) first = i;
            last = i;
        }
    }
    if (first < 0) {
        np.prefix = p.toString();
        return np;
    }
    np.prefix = p.left(first).toString();
    np.suffix = p.mid(last + 1).toString();
    bool afterPoint = false;
    for (qsizetype i = first; i <= last; ++i) {
        const QChar c = p[i];
        if (c == u'.') afterPoint = true;
        else if (c == u',') np.thousands = np.thousands || !afterPoint;
        else if (c == u'0') {
            if (afterPoint) np.minDecimals = ++np.maxDecimals;
            else ++np.minIntDigits;
        } else if (c == u'#') {
            if (afterPoint) ++np.maxDecimals;
        }
    }
    return np;
}

// digits: the absolute value as plain decimal digits with `decimals` digits after the point.
QString assemble(const NumberPattern& np, bool negative, QString intPart, QString fracPart) {
    while (fracPart.size() > np.minDecimals && fracPart.endsWith(u'0')) fracPart.chop(1);
    if (intPart == u"0" && np.minIntDigits == 0) intPart.clear();
    while (intPart.size() < np.minIntDigits) intPart.prepend(u'0');
    if (np.thousands) {
        for (qsizetype i = intPart.size() - 3; i > 0; i -= 3) intPart.insert(i, settings().thousandSeparator);
    }
    QString out = np.prefix;
    if (negative && (intPart.contains(QRegularExpression(QStringLiteral("[1-9]"))) ||
                     fracPart.contains(QRegularExpression(QStringLiteral("[1-9]")))))
        out += u'-';
    out += intPart;
    if (!fracPart.isEmpty()) out += settings().decimalSeparator + fracPart;
    if (intPart.isEmpty() && fracPart.isEmpty()) out += u'0';
    return out + np.suffix;
}

QString twoDigits(int n) { return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')); }

}  // namespace

const RegionalSettings& regional() { return settings(); }

void applyRegionalSettings() { settings() = plantSettings(); }

QString formatDecimal(QStringView pattern, qint64 scaled, int scale) {
    const NumberPattern np = parsePattern(pattern);
    const bool negative = scaled < 0;
    // Work on the magnitude as text so nothing passes through binary floating point.
    QString digits = QString::number(negative ? -static_cast<quint64>(scaled) : static_cast<quint64>(scaled));
    while (digits.size() <= scale) digits.prepend(u'0');
    QString intPart = digits.left(digits.size() - scale);
    QString fracPart = digits.right(scale);
    if (fracPart.size() > np.maxDecimals) {
        // Round half away from zero at maxDecimals places.
        const bool up = fracPart[np.maxDecimals] >= u'5';
        fracPart.truncate(np.maxDecimals);
        if (up) {
            QString all = intPart + fracPart;
            qsizetype i = all.size() - 1;
            for (; i >= 0; --i) {
                if (all[i] == u'9') all[i] = u'0';
                else {
                    all[i] = QChar(all[i].unicode() + 1);
                    break;
                }
            }
            if (i < 0) all.prepend(u'1');
            intPart = all.left(all.size() - np.maxDecimals);
            fracPart = all.right(np.maxDecimals);
        }
    }
    while (intPart.size() > 1 && intPart.startsWith(u'0')) intPart.remove(0, 1);
    return assemble(np, negative, intPart, fracPart);
}

QString formatInteger(QStringView pattern, qint64 value) { return formatDecimal(pattern, value, 0); }

QString formatFloat(QStringView pattern, double value) {
    if (!std::isfinite(value)) return QString::number(value);
    const NumberPattern np = parsePattern(pattern);
    // Round in decimal text, not in binary: 18 significant digits of the double are exact enough.
    QString text = QString::number(std::fabs(value), 'f', std::min(np.maxDecimals + 3, 18));
    const qsizetype point = text.indexOf(u'.');
    const QString intPart = point < 0 ? text : text.left(point);
    const QString fracPart = point < 0 ? QString() : text.mid(point + 1);
    bool ok = false;
    const qint64 scaled = (intPart + fracPart).toLongLong(&ok);
    if (ok) {
        const int scale = static_cast<int>(fracPart.size());
        return formatDecimal(pattern, value < 0 ? -scaled : scaled, scale);
    }
    // Too large for 64 bits: no rounding worth doing.
    return assemble(np, value < 0, intPart, fracPart.left(np.maxDecimals));
}

namespace {

// Dates are formatted from their parts: a local QDateTime would consult the time zone
// (a system call) for every date printed.
QString formatParts(QStringView pattern, const QDate& d, const QTime& t) {
    const RegionalSettings& s = settings();
    QString out;
    qsizetype i = 0;
    auto run = [&](QChar c) {
        qsizetype n = 0;
        while (i + n < pattern.size() && pattern[i + n].toLower() == c) ++n;
        return n;
    };
    while (i < pattern.size()) {
        const QChar c = pattern[i];
        const QChar lc = c.toLower();
        if (c == u'"' || c == u'\'') {
            const qsizetype end = pattern.indexOf(c, i + 1);
            const qsizetype stop = end < 0 ? pattern.size() : end;
            out += pattern.mid(i + 1, stop - i - 1);
            i = stop + 1;
            continue;
        }
        if (lc == u'd') {
            const qsizetype n = run(u'd');
            if (n == 1) out += QString::number(d.day());
            else if (n == 2) out += twoDigits(d.day());
            else if (n == 3) out += s.shortDayNames.value(d.dayOfWeek() % 7);
            else out += s.longDayNames.value(d.dayOfWeek() % 7);
            i += n;
        } else if (lc == u'm') {
            const qsizetype n = run(u'm');
            if (n == 1) out += QString::number(d.month());
            else if (n == 2) out += twoDigits(d.month());
            else if (n == 3) out += s.shortMonthNames.value(d.month() - 1);
            else out += s.longMonthNames.value(d.month() - 1);
            i += n;
        } else if (lc == u'y') {
            const qsizetype n = run(u'y');
            out += n <= 2 ? twoDigits(d.year() % 100) : QStringLiteral("%1").arg(d.year(), 4, 10, QLatin1Char('0'));
            i += n;
        } else if (lc == u'h' || lc == u'n' || lc == u's') {
            const qsizetype n = run(lc);
            const int v = lc == u'h' ? t.hour() : lc == u'n' ? t.minute() : t.second();
            out += n >= 2 ? twoDigits(v) : QString::number(v);
            i += n;
        } else if (c == u'/') {
            out += s.dateSeparator;
            ++i;
        } else if (c == u':') {
            out += s.timeSeparator;
            ++i;
        } else {
            out += c;
            ++i;
        }
    }
    return out;
}

}  // namespace

QString formatDateTime(QStringView pattern, const QDateTime& value) { return formatParts(pattern, value.date(), value.time()); }

QString formatDate(QStringView pattern, const QDate& value) { return formatParts(pattern, value, QTime(0, 0)); }

QString generalNumber(double value) {
    if (value == 0.0) return QStringLiteral("0");
    QString text = QString::number(value, 'g', 15);
    const qsizetype e = text.indexOf(u'e');
    QString mantissa = e < 0 ? text : text.left(e);
    mantissa.replace(u'.', settings().decimalSeparator);
    if (e < 0) return mantissa;
    // 1.5e+20 is written 1,5E20, as the general form writes exponents.
    const int exponent = text.mid(e + 1).toInt();
    return mantissa + u'E' + QString::number(exponent);
}

}  // namespace brovik::fmt
