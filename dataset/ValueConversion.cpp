#include "dataset/ValueConversion.h"

#include "dataset/DataError.h"

#include <cmath>

namespace brovik::data {
namespace {

qint64 rescale(qint64 v, int from, int to) {
    if (to >= from) return v * decimalFactor(to - from);
    const qint64 d = decimalFactor(from - to);
    const qint64 q = v / d;
    const qint64 r = v % d;
    if (2 * (r < 0 ? -r : r) >= d) return q + (v < 0 ? -1 : 1);
    return q;
}

[[noreturn]] void cannotConvert(const FieldDef& def, const QString& text) {
    throw DataError(QStringLiteral("'%1' is not a valid value for field %2").arg(text, def.name));
}

double parseNumber(const FieldDef& def, const QString& text) {
    QString t = text.trimmed();
    t.replace(u',', u'.');
    bool ok = false;
    const double d = t.toDouble(&ok);
    if (!ok) cannotConvert(def, text);
    return d;
}

QString rawText(const Value& raw, int rawScale) {
    if (auto p = std::get_if<qint64>(&raw)) {
        if (rawScale == 0) return QString::number(*p);
        const qint64 f = decimalFactor(rawScale);
        const qint64 whole = *p / f, frac = (*p < 0 ? -*p : *p) % f;
        return QStringLiteral("%1%2.%3")
            .arg(*p < 0 && whole == 0 ? QStringLiteral("-") : QString())
            .arg(whole)
            .arg(frac, rawScale, 10, QChar(u'0'));
    }
    if (auto p = std::get_if<double>(&raw)) return QString::number(*p, 'g', 15);
    if (auto p = std::get_if<QString>(&raw)) return *p;
    if (auto p = std::get_if<bool>(&raw)) return *p ? QStringLiteral("True") : QStringLiteral("False");
    if (auto p = std::get_if<QDate>(&raw)) return p->toString(QStringLiteral("dd/MM/yyyy"));
    if (auto p = std::get_if<QDateTime>(&raw)) return p->toString(QStringLiteral("dd/MM/yyyy HH:mm:ss"));
    return {};
}

Value toScaled(const Value& raw, int rawScale, const FieldDef& def, int scale) {
    if (auto p = std::get_if<qint64>(&raw)) return Value{rescale(*p, rawScale, scale)};
    if (auto p = std::get_if<double>(&raw)) return Value{static_cast<qint64>(std::llround(*p * static_cast<double>(decimalFactor(scale))))};
    if (auto p = std::get_if<bool>(&raw)) return Value{qint64{*p ? 1 : 0} * decimalFactor(scale)};
    if (auto p = std::get_if<QString>(&raw)) {
        bool ok = false;
        const qint64 n = p->trimmed().toLongLong(&ok);
        if (ok) return Value{n * decimalFactor(scale)};
        return Value{static_cast<qint64>(std::llround(parseNumber(def, *p) * static_cast<double>(decimalFactor(scale))))};
    }
    cannotConvert(def, rawText(raw, rawScale));
}

}  // namespace

Value convertColumn(const Value& raw, int rawScale, const FieldDef& def) {
    if (isNull(raw)) return raw;
    switch (def.type) {
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::BigInt: return toScaled(raw, rawScale, def, 0);
    case FieldType::Decimal: return toScaled(raw, rawScale, def, def.scale);
    case FieldType::Float:
    case FieldType::Currency: {
        if (auto p = std::get_if<double>(&raw)) return Value{*p};
        if (auto p = std::get_if<qint64>(&raw)) return Value{static_cast<double>(*p) / static_cast<double>(decimalFactor(rawScale))};
        if (auto p = std::get_if<QString>(&raw)) return Value{parseNumber(def, *p)};
        if (auto p = std::get_if<bool>(&raw)) return Value{*p ? 1.0 : 0.0};
        cannotConvert(def, rawText(raw, rawScale));
    }
    case FieldType::Text:
    case FieldType::FixedText: {
        QString s = rawText(raw, rawScale);
        if (def.size > 0 && s.size() > def.size) s.truncate(def.size);
        return Value{s};
    }
    case FieldType::Boolean: {
        if (auto p = std::get_if<bool>(&raw)) return *p;
        return Value{std::get<qint64>(toScaled(raw, rawScale, def, 0)) != 0};
    }
    case FieldType::Date:
        if (auto p = std::get_if<QDate>(&raw)) return *p;
        if (auto p = std::get_if<QDateTime>(&raw)) return Value{p->date()};
        cannotConvert(def, rawText(raw, rawScale));
    case FieldType::DateTime:
        if (auto p = std::get_if<QDateTime>(&raw)) return *p;
        if (auto p = std::get_if<QDate>(&raw)) return Value{QDateTime(*p, QTime(0, 0))};
        cannotConvert(def, rawText(raw, rawScale));
    }
    return raw;
}

}  // namespace brovik::data
