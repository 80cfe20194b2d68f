#include "remessa/SetWiseRead.h"

#include "dataset/DataError.h"
#include "firebird/FbApi.h"
#include "firebird/Statement.h"
#include "dataset/Value.h"

#include <QSet>
#include <algorithm>
#include <array>

namespace brovik::data {
namespace {

struct CharSet {
    unsigned id;
    const char* name;
    unsigned bytesPerChar;
};
constexpr std::array<CharSet, 6> kCharSets = {{
    {0, "NONE", 1}, {1, "OCTETS", 1}, {2, "ASCII", 1}, {3, "UNICODE_FSS", 3}, {4, "UTF8", 4}, {53, "WIN1252", 1},
}};

QString textType(const char* kind, const ColumnInfo& c) {
    for (const CharSet& cs : kCharSets)
        if (cs.id == c.charSet)
            return QStringLiteral("%1(%2) CHARACTER SET %3").arg(QLatin1String(kind)).arg(c.length / cs.bytesPerChar).arg(QLatin1String(cs.name));
    throw DataError(QStringLiteral("Set-wise read: character set %1 of '%2' is not known").arg(c.charSet).arg(c.name));
}

QString exactType(const char* integer, int precision, const ColumnInfo& c) {
    if (c.scale == 0) return QLatin1String(integer);
    return QStringLiteral("NUMERIC(%1,%2)").arg(precision).arg(c.scale);
}

// The declaration that carries a column's values unchanged.
QString declaredType(const ColumnInfo& c) {
    switch (c.sqlType) {
    case SQL_SHORT: return exactType("SMALLINT", 4, c);
    case SQL_LONG: return exactType("INTEGER", 9, c);
    case SQL_INT64: return exactType("BIGINT", 18, c);
    case SQL_FLOAT: return QStringLiteral("FLOAT");
    case SQL_DOUBLE:
    case SQL_D_FLOAT: return QStringLiteral("DOUBLE PRECISION");
    case SQL_BOOLEAN: return QStringLiteral("BOOLEAN");
    case SQL_TYPE_DATE: return QStringLiteral("DATE");
    case SQL_TYPE_TIME: return QStringLiteral("TIME");
    case SQL_TIMESTAMP: return QStringLiteral("TIMESTAMP");
    case SQL_TEXT: return textType("CHAR", c);
    case SQL_VARYING: return textType("VARCHAR", c);
    default: throw DataError(QStringLiteral("Set-wise read: type %1 of '%2' is not supported").arg(c.sqlType).arg(c.name));
    }
}

// A decimal comes out of a statement as its scaled integer; a parameter takes its value.
Value parameterValue(const Value& raw, int scale) {
    const auto* scaled = std::get_if<qint64>(&raw);
    if (!scaled || scale <= 0) return raw;
    const qint64 factor = decimalFactor(scale);
    const QString sign = *scaled < 0 ? QStringLiteral("-") : QString();
    const quint64 magnitude = *scaled < 0 ? 0 - static_cast<quint64>(*scaled) : static_cast<quint64>(*scaled);
    return Value{sign + QString::number(magnitude / factor) + u'.' +
                 QStringLiteral("%1").arg(magnitude % factor, scale, 10, QChar(u'0'))};
}

QString column(int i) { return QStringLiteral("C$%1").arg(i + 1); }

// Each named parameter declared with the type of its first position.
QStringList keyDeclarations(const ParsedSql& parsed, const Statement& st) {
    QStringList out;
    for (int n = 0; n < parsed.names.size(); ++n) {
        const auto pos = std::find(parsed.positionOwner.begin(), parsed.positionOwner.end(), n);
        out << parsed.names[n] + u' ' + declaredType(st.params()[std::distance(parsed.positionOwner.begin(), pos)]);
    }
    return out;
}

QString setWiseSql(Query& perKey, const QString& keySql) {
    Statement& st = perKey.prepare();
    const ParsedSql& parsed = perKey.parsedSql();
    QStringList returns = keyDeclarations(parsed, st);
    returns << QStringLiteral("KEY$END SMALLINT");
    QStringList into, clear;
    for (int i = 0; i < static_cast<int>(st.columns().size()); ++i) {
        returns << column(i) + u' ' + declaredType(st.columns()[i]);
        into << u':' + column(i);
        clear << column(i) + QStringLiteral(" = NULL;");
    }
    QStringList keys;
    for (const QString& n : parsed.names) keys << u':' + n;
    return QStringList{
        QStringLiteral("EXECUTE BLOCK (Batch BIGINT = ?)"),
        QStringLiteral("RETURNS (%1)").arg(returns.join(QStringLiteral(", "))),
        QStringLiteral("AS BEGIN"),
        QStringLiteral("FOR ") + keySql,
        QStringLiteral("INTO ") + keys.join(QStringLiteral(", ")),
        QStringLiteral("DO BEGIN"),
        QStringLiteral("KEY$END = 0;"),
        QStringLiteral("FOR ") + perKey.sql(),
        QStringLiteral("INTO ") + into.join(QStringLiteral(", ")),
        QStringLiteral("DO SUSPEND;"),
        QStringLiteral("KEY$END = 1;"),
        clear.join(u' '),
        QStringLiteral("SUSPEND;"),
        QStringLiteral("END"),
        QStringLiteral("END"),
    }.join(u'\n');
}

}  // namespace

PrefetchedRows readSetWise(Query& perKey, const QString& keySql, qint64 batch) {
    const QString sql = setWiseSql(perKey, keySql);
    Statement& inner = perKey.prepare();
    const ParsedSql& parsed = perKey.parsedSql();
    const std::size_t keyCount = parsed.names.size();
    Statement block(perKey.transaction(), sql);
    block.setParam(0, Value{batch});
    PrefetchedRows out;
    QSet<QByteArray> complete;  // a key the key statement repeats gives its rows once
    block.execute([&](std::vector<Value>&& row) {
        for (std::size_t pos = 0; pos < parsed.positionOwner.size(); ++pos) {
            const int owner = parsed.positionOwner[pos];
            inner.setParam(static_cast<int>(pos), parameterValue(row[owner], block.columns()[owner].scale));
        }
        const QByteArray key = inner.paramKey();
        if (complete.contains(key)) return;
        auto& rows = out[key];
        if (std::get<qint64>(row[keyCount]) != 0) {
            complete.insert(key);
            return;
        }
        rows.emplace_back(std::make_move_iterator(row.begin() + keyCount + 1), std::make_move_iterator(row.end()));
    });
    return out;
}

}  // namespace brovik::data
