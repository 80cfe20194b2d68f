#include "firebird/Statement.h"

#include "firebird/Connection.h"
#include "firebird/FbApi.h"
#include "firebird/Transaction.h"
#include "firebird/Win1252.h"

#include <atomic>
#include <cmath>
#include <cstring>
#include <limits>

namespace brovik::data {

using namespace Firebird;

namespace {

constexpr unsigned kCharSetOctets = 1;
constexpr unsigned kCharSetUtf8 = 4;

std::vector<ColumnInfo> describe(IMessageMetadata* meta) {
    std::vector<ColumnInfo> out;
    fb::call([&](ThrowStatusWrapper* st) {
        const unsigned n = meta->getCount(st);
        for (unsigned i = 0; i < n; ++i) {
            ColumnInfo c;
            c.name = QString::fromUtf8(meta->getAlias(st, i));
            c.sqlType = meta->getType(st, i) & ~1u;
            c.scale = -meta->getScale(st, i);
            c.length = meta->getLength(st, i);
            c.charSet = meta->getCharSet(st, i);
            c.offset = meta->getOffset(st, i);
            c.nullOffset = meta->getNullOffset(st, i);
            out.push_back(c);
        }
    });
    return out;
}

QString decodeText(const ColumnInfo& c, const char* p, int size) {
    if (c.charSet == kCharSetUtf8) return QString::fromUtf8(p, size);
    if (c.charSet == kCharSetOctets) return QString::fromLatin1(p, size);
    return fromWin1252(p, size);
}

QByteArray encodeText(const ColumnInfo& c, const QString& s) {
    if (c.charSet == kCharSetUtf8) return s.toUtf8();
    if (c.charSet == kCharSetOctets) return s.toLatin1();
    return toWin1252(s);
}

qint64 decimalFactor(int places) {
    qint64 p = 1;
    while (places-- > 0) p *= 10;
    return p;
}

[[noreturn]] void badParam(int index, const QString& text, const char* kind) {
    throw ClientError(QStringLiteral("Parameter %1: '%2' is not a valid %3 value").arg(index + 1).arg(text, QLatin1String(kind)));
}

// Text as typed by a person or a program: either decimal separator.
double parseNumber(int index, const QString& text) {
    QString t = text.trimmed();
    t.replace(u',', u'.');
    bool ok = false;
    const double d = t.toDouble(&ok);
    if (!ok) badParam(index, text, "numeric");
    return d;
}

// The value as a scaled integer for an integer or decimal parameter.
qint64 scaledValue(const ColumnInfo& c, int index, const SqlValue& v) {
    const qint64 factor = decimalFactor(c.scale);
    if (auto p = std::get_if<qint64>(&v)) return *p * factor;
    if (auto p = std::get_if<bool>(&v)) return (*p ? 1 : 0) * factor;
    if (auto p = std::get_if<QString>(&v)) {
        bool ok = false;
        const qint64 n = p->trimmed().toLongLong(&ok);
        if (ok) return n * factor;
        return std::llround(parseNumber(index, *p) * static_cast<double>(factor));
    }
    if (auto p = std::get_if<double>(&v)) return std::llround(*p * static_cast<double>(factor));
    badParam(index, QStringLiteral("date"), "numeric");
}

double floatValue(int index, const SqlValue& v) {
    if (auto p = std::get_if<double>(&v)) return *p;
    if (auto p = std::get_if<qint64>(&v)) return static_cast<double>(*p);
    if (auto p = std::get_if<bool>(&v)) return *p ? 1.0 : 0.0;
    if (auto p = std::get_if<QString>(&v)) return parseNumber(index, *p);
    badParam(index, QStringLiteral("date"), "floating point");
}

QString textValue(const SqlValue& v) {
    if (auto p = std::get_if<QString>(&v)) return *p;
    if (auto p = std::get_if<qint64>(&v)) return QString::number(*p);
    if (auto p = std::get_if<double>(&v)) return QString::number(*p, 'g', 15);
    if (auto p = std::get_if<bool>(&v)) return *p ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    if (auto p = std::get_if<QDate>(&v)) return p->toString(Qt::ISODate);
    if (auto p = std::get_if<QDateTime>(&v)) return p->toString(QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
    return {};
}

QDateTime dateTimeValue(int index, const SqlValue& v) {
    if (auto p = std::get_if<QDateTime>(&v)) return *p;
    if (auto p = std::get_if<QDate>(&v)) return QDateTime(*p, QTime(0, 0));
    if (auto p = std::get_if<QString>(&v)) {
        for (const char* f : {"dd/MM/yyyy HH:mm:ss", "dd/MM/yyyy HH:mm", "dd/MM/yyyy", "yyyy-MM-dd HH:mm:ss", "yyyy-MM-dd"}) {
            const QDateTime d = QDateTime::fromString(p->trimmed(), QLatin1String(f));
            if (d.isValid()) return d;
        }
    }
    badParam(index, textValue(v), "date");
}

template <class T>
void put(char* p, T v) { std::memcpy(p, &v, sizeof v); }
template <class T>
T get(const char* p) {
    T v;
    std::memcpy(&v, p, sizeof v);
    return v;
}

ISC_TIMESTAMP encodeTimestamp(const QDateTime& d) {
    const QTime t = d.time();
    return ISC_TIMESTAMP{fb::util()->encodeDate(d.date().year(), d.date().month(), d.date().day()),
                         fb::util()->encodeTime(t.hour(), t.minute(), t.second(), t.msec() * 10)};
}

QDate decodeDate(ISC_DATE d) {
    unsigned y = 0, m = 0, day = 0;
    fb::util()->decodeDate(d, &y, &m, &day);
    return QDate(static_cast<int>(y), static_cast<int>(m), static_cast<int>(day));
}

QTime decodeTime(ISC_TIME t) {
    unsigned h = 0, m = 0, s = 0, f = 0;
    fb::util()->decodeTime(t, &h, &m, &s, &f);
    return QTime(static_cast<int>(h), static_cast<int>(m), static_cast<int>(s), static_cast<int>(f / 10));
}

void writeParam(const ColumnInfo& c, int index, const SqlValue& v, char* buf) {
    char* p = buf + c.offset;
    switch (c.sqlType) {
    case SQL_SHORT: {
        const qint64 n = scaledValue(c, index, v);
        if (n < std::numeric_limits<qint16>::min() || n > std::numeric_limits<qint16>::max())
            badParam(index, textValue(v), "small integer");
        put<qint16>(p, static_cast<qint16>(n));
        break;
    }
    case SQL_LONG: {
        const qint64 n = scaledValue(c, index, v);
        if (n < std::numeric_limits<qint32>::min() || n > std::numeric_limits<qint32>::max())
            badParam(index, textValue(v), "integer");
        put<qint32>(p, static_cast<qint32>(n));
        break;
    }
    case SQL_INT64: put<qint64>(p, scaledValue(c, index, v)); break;
    case SQL_FLOAT: put<float>(p, static_cast<float>(floatValue(index, v))); break;
    case SQL_DOUBLE:
    case SQL_D_FLOAT: put<double>(p, floatValue(index, v)); break;
    case SQL_BOOLEAN: {
        const auto* b = std::get_if<bool>(&v);
        put<unsigned char>(p, b ? *b : scaledValue(c, index, v) != 0);
        break;
    }
    case SQL_TYPE_DATE: {
        const QDate d = dateTimeValue(index, v).date();
        put<ISC_DATE>(p, fb::util()->encodeDate(d.year(), d.month(), d.day()));
        break;
    }
    case SQL_TIMESTAMP: put<ISC_TIMESTAMP>(p, encodeTimestamp(dateTimeValue(index, v))); break;
    case SQL_TEXT:
    case SQL_VARYING: {
        const QByteArray bytes = encodeText(c, textValue(v));
        if (static_cast<unsigned>(bytes.size()) > c.length)
            throw ClientError(QStringLiteral("Parameter %1: text of %2 characters is longer than the %3 the statement takes")
                                .arg(index + 1).arg(bytes.size()).arg(c.length));
        if (c.sqlType == SQL_TEXT) {
            std::memset(p, ' ', c.length);
            std::memcpy(p, bytes.constData(), bytes.size());
        } else {
            put<quint16>(p, static_cast<quint16>(bytes.size()));
            std::memcpy(p + 2, bytes.constData(), bytes.size());
        }
        break;
    }
    default:
        throw ClientError(QStringLiteral("Parameter %1: type %2 is not supported").arg(index + 1).arg(c.sqlType));
    }
}

SqlValue readColumn(const ColumnInfo& c, const char* buf) {
    if (get<qint16>(buf + c.nullOffset)) return SqlValue{};
    const char* p = buf + c.offset;
    switch (c.sqlType) {
    case SQL_SHORT: return SqlValue{qint64{get<qint16>(p)}};
    case SQL_LONG: return SqlValue{qint64{get<qint32>(p)}};
    case SQL_INT64: return SqlValue{get<qint64>(p)};
    case SQL_FLOAT: return SqlValue{double{get<float>(p)}};
    case SQL_DOUBLE:
    case SQL_D_FLOAT: return SqlValue{get<double>(p)};
    case SQL_BOOLEAN: return SqlValue{get<unsigned char>(p) != 0};
    case SQL_TYPE_DATE: return SqlValue{decodeDate(get<ISC_DATE>(p))};
    case SQL_TYPE_TIME: return SqlValue{QDateTime(QDate(1899, 12, 30), decodeTime(get<ISC_TIME>(p)))};
    case SQL_TIMESTAMP: {
        const auto ts = get<ISC_TIMESTAMP>(p);
        return SqlValue{QDateTime(decodeDate(ts.timestamp_date), decodeTime(ts.timestamp_time))};
    }
    case SQL_TEXT: return SqlValue{decodeText(c, p, static_cast<int>(c.length))};
    case SQL_VARYING: return SqlValue{decodeText(c, p + 2, get<quint16>(p))};
    default:
        throw ClientError(QStringLiteral("Column %1: type %2 is not supported").arg(c.name).arg(c.sqlType));
    }
}

std::atomic<long> g_executions{0};

}  // namespace

long Statement::executions() { return g_executions.load(); }

Statement::Statement(Transaction& transaction, const QString& sql) : transaction_(&transaction) {
    IAttachment* att = transaction.connection().attachment();
    ITransaction* tra = transaction.handle();
    const QByteArray text = toWin1252(sql);
    statement_ = fb::call([&](ThrowStatusWrapper* st) {
        return att->prepare(st, tra, 0, text.constData(), 3, IStatement::PREPARE_PREFETCH_METADATA);
    });
    try {
        fb::call([&](ThrowStatusWrapper* st) {
            inMeta_ = statement_->getInputMetadata(st);
            outMeta_ = statement_->getOutputMetadata(st);
            const unsigned type = statement_->getType(st);
            cursor_ = type == isc_info_sql_stmt_select || type == isc_info_sql_stmt_select_for_upd;
            inBuffer_ = QByteArray(static_cast<qsizetype>(inMeta_->getMessageLength(st)), '\0');
            outBuffer_ = QByteArray(static_cast<qsizetype>(outMeta_->getMessageLength(st)), '\0');
        });
        params_ = describe(inMeta_);
        columns_ = describe(outMeta_);
    } catch (...) {
        releaseAll();
        throw;
    }
    for (const ColumnInfo& c : params_) put<qint16>(inBuffer_.data() + c.nullOffset, -1);
}

Statement::~Statement() { releaseAll(); }

void Statement::releaseAll() {
    if (outMeta_) outMeta_->release();
    if (inMeta_) inMeta_->release();
    if (statement_) statement_->release();
    outMeta_ = inMeta_ = nullptr;
    statement_ = nullptr;
}

void Statement::setParam(int index, const SqlValue& value) {
    if (index < 0 || index >= paramCount())
        throw ClientError(QStringLiteral("Parameter index %1 out of range").arg(index + 1));
    const ColumnInfo& c = params_[index];
    char* buf = inBuffer_.data();
    if (std::holds_alternative<std::monostate>(value)) {
        put<qint16>(buf + c.nullOffset, -1);
        return;
    }
    writeParam(c, index, value, buf);
    put<qint16>(buf + c.nullOffset, 0);
}

QByteArray Statement::paramKey() const {
    QByteArray key;
    const char* buf = inBuffer_.constData();
    for (const ColumnInfo& c : params_) {
        const bool null = get<qint16>(buf + c.nullOffset) != 0;
        key.append(null ? 'N' : 'V');
        if (null) continue;
        // A shorter text leaves the bytes of a longer one behind it in the buffer.
        const unsigned size = c.sqlType == SQL_VARYING ? 2 + get<quint16>(buf + c.offset) : c.length;
        key.append(buf + c.offset, size);
    }
    return key;
}

void Statement::execute(const std::function<void(std::vector<SqlValue>&&)>& onRow) {
    ITransaction* tra = transaction_->handle();
    ++g_executions;
    if (!cursor_) {
        fb::call([&](ThrowStatusWrapper* st) {
            statement_->execute(st, tra, inMeta_, inBuffer_.data(), outMeta_, outBuffer_.data());
        });
        return;
    }
    fb::Ref<IResultSet> rs(fb::call([&](ThrowStatusWrapper* st) {
        return statement_->openCursor(st, tra, inMeta_, inBuffer_.data(), outMeta_, 0);
    }));
    while (fb::call([&](ThrowStatusWrapper* st) { return rs->fetchNext(st, outBuffer_.data()); }) == IStatus::RESULT_OK) {
        std::vector<SqlValue> row;
        row.reserve(columns_.size());
        for (const ColumnInfo& c : columns_) row.push_back(readColumn(c, outBuffer_.data()));
        if (onRow) onRow(std::move(row));
    }
    fb::call([&](ThrowStatusWrapper* st) { rs->close(st); });  // releases on success
    rs.release();
}

}  // namespace brovik::data
