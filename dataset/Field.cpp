#include "dataset/Field.h"

#include "dataset/DataError.h"
#include "dataset/Dataset.h"
#include "dataset/Format.h"

#include <cmath>
#include <limits>

namespace brovik::data {
namespace {

// Plain decimal text of a scaled value, regional decimal separator, no trailing zeros.
QString decimalText(qint64 scaled, int scale) {
    return fmt::formatDecimal(scale > 0 ? QStringLiteral("0.") + QString(scale, u'#') : QStringLiteral("0"), scaled,
                              scale);
}

[[noreturn]] void badConversion(const Field& f, const QString& text, const char* kind) {
    throw DataError(QStringLiteral("'%1' is not a valid %2 value for field %3").arg(text, QLatin1String(kind), f.name()));
}

}  // namespace

const FieldDef& Field::def() const { return dataset_->fieldDefs()[index_]; }

const Value& Field::value() const { return dataset_->buffer()[index_]; }

bool Field::isNull() const { return data::isNull(value()); }

qint64 Field::asLargeInt() const {
    const Value& v = value();
    if (auto p = std::get_if<qint64>(&v)) {
        if (type() == FieldType::Decimal) return *p / decimalFactor(def().scale);
        return *p;
    }
    if (auto p = std::get_if<double>(&v)) return static_cast<qint64>(std::llround(*p));
    if (auto p = std::get_if<bool>(&v)) return *p ? 1 : 0;
    if (auto p = std::get_if<QString>(&v)) {
        const QString t = p->trimmed();
        if (t.isEmpty()) return 0;
        bool ok = false;
        const qint64 n = t.toLongLong(&ok);
        if (!ok) badConversion(*this, *p, "integer");
        return n;
    }
    if (data::isNull(v)) return 0;
    badConversion(*this, asString(), "integer");
}

int Field::asInteger() const {
    const qint64 n = asLargeInt();
    if (n < std::numeric_limits<int>::min() || n > std::numeric_limits<int>::max())
        badConversion(*this, QString::number(n), "integer");
    return static_cast<int>(n);
}

double Field::asFloat() const {
    const Value& v = value();
    if (auto p = std::get_if<qint64>(&v)) {
        if (type() == FieldType::Decimal) return static_cast<double>(*p) / static_cast<double>(decimalFactor(def().scale));
        return static_cast<double>(*p);
    }
    if (auto p = std::get_if<double>(&v)) return *p;
    if (auto p = std::get_if<bool>(&v)) return *p ? 1.0 : 0.0;
    if (auto p = std::get_if<QString>(&v)) {
        QString t = p->trimmed();
        if (t.isEmpty()) return 0.0;
        t.replace(fmt::regional().decimalSeparator, u'.');
        bool ok = false;
        const double d = t.toDouble(&ok);
        if (!ok) badConversion(*this, *p, "floating point");
        return d;
    }
    if (data::isNull(v)) return 0.0;
    badConversion(*this, asString(), "floating point");
}

QString Field::asString() const {
    const Value& v = value();
    return std::visit(
        [this](const auto& x) -> QString {
            using T = std::decay_t<decltype(x)>;
            if constexpr (std::is_same_v<T, std::monostate>) return {};
            else if constexpr (std::is_same_v<T, qint64>)
                return type() == FieldType::Decimal ? decimalText(x, def().scale) : QString::number(x);
            else if constexpr (std::is_same_v<T, double>) return fmt::generalNumber(x);
            else if constexpr (std::is_same_v<T, QString>) return x;
            else if constexpr (std::is_same_v<T, bool>) return x ? QStringLiteral("True") : QStringLiteral("False");
            else if constexpr (std::is_same_v<T, QDate>) return fmt::formatDate(u"dd/mm/yyyy", x);
            else {
                if (x.time() == QTime(0, 0)) return fmt::formatDateTime(u"dd/mm/yyyy", x);
                return fmt::formatDateTime(u"dd/mm/yyyy hh:nn:ss", x);
            }
        },
        v);
}

bool Field::asBoolean() const {
    const Value& v = value();
    if (auto p = std::get_if<bool>(&v)) return *p;
    if (data::isNull(v)) return false;
    if (auto p = std::get_if<QString>(&v)) {
        if (p->compare(QLatin1String("true"), Qt::CaseInsensitive) == 0) return true;
        if (p->compare(QLatin1String("false"), Qt::CaseInsensitive) == 0) return false;
        badConversion(*this, *p, "boolean");
    }
    return asLargeInt() != 0;
}

QDate Field::asDate() const {
    const Value& v = value();
    if (auto p = std::get_if<QDate>(&v)) return *p;
    if (auto p = std::get_if<QDateTime>(&v)) return p->date();
    if (data::isNull(v)) return {};
    badConversion(*this, asString(), "date");
}

QDateTime Field::asDateTime() const {
    const Value& v = value();
    if (auto p = std::get_if<QDateTime>(&v)) return *p;
    if (auto p = std::get_if<QDate>(&v)) return QDateTime(*p, QTime(0, 0));
    if (data::isNull(v)) return {};
    badConversion(*this, asString(), "date and time");
}

QString Field::displayText() const {
    const QString& mask = def().displayFormat;
    if (mask.isEmpty() || isNull()) return asString();
    switch (type()) {
    case FieldType::SmallInt:
    case FieldType::Integer:
    case FieldType::BigInt: return fmt::formatInteger(mask, asLargeInt());
    case FieldType::Decimal: return fmt::formatDecimal(mask, std::get<qint64>(value()), def().scale);
    case FieldType::Float:
    case FieldType::Currency: return fmt::formatFloat(mask, asFloat());
    case FieldType::Date: return fmt::formatDate(mask, asDate());
    case FieldType::DateTime: return fmt::formatDateTime(mask, asDateTime());
    default: return asString();
    }
}

void Field::clear() { dataset_->buffer()[index_] = Value{}; }

void Field::setLargeInt(qint64 v) { setValue(Value{v}); }
void Field::setFloat(double v) { setValue(Value{v}); }
void Field::setString(const QString& v) { setValue(Value{v}); }
void Field::setBoolean(bool v) { setValue(Value{v}); }
void Field::setDate(const QDate& v) { setValue(Value{v}); }
void Field::setDateTime(const QDateTime& v) { setValue(Value{v}); }

void Field::setValue(const Value& v) {
    Value& cell = dataset_->buffer()[index_];
    if (data::isNull(v)) {
        cell = Value{};
        return;
    }
    // Convert through a scratch buffer so the readers above do the work once.
    const Value previous = cell;
    cell = v;
    try {
        switch (type()) {
        case FieldType::SmallInt:
        case FieldType::Integer:
        case FieldType::BigInt: cell = Value{std::holds_alternative<qint64>(v) ? std::get<qint64>(v) : asLargeInt()}; break;
        case FieldType::Decimal: {
            if (std::holds_alternative<qint64>(v)) {
                cell = Value{std::get<qint64>(v) * decimalFactor(def().scale)};
            } else {
                const double d = asFloat();
                cell = Value{static_cast<qint64>(std::llround(d * static_cast<double>(decimalFactor(def().scale))))};
            }
            break;
        }
        case FieldType::Float:
        case FieldType::Currency: cell = Value{asFloat()}; break;
        case FieldType::Text:
        case FieldType::FixedText: {
            QString s = std::holds_alternative<QString>(v) ? std::get<QString>(v) : asString();
            if (def().size > 0 && s.size() > def().size) s.truncate(def().size);
            cell = Value{s};
            break;
        }
        case FieldType::Boolean: cell = Value{asBoolean()}; break;
        case FieldType::Date: cell = Value{asDate()}; break;
        case FieldType::DateTime: cell = Value{asDateTime()}; break;
        }
    } catch (...) {
        cell = previous;
        throw;
    }
}

}  // namespace brovik::data
