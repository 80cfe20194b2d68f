#include "tickets/TicketCsv.h"

#include <QByteArray>

namespace brovik::tickets {
namespace {

QByteArray quoted(const QString& text) {
    QByteArray s = text.toUtf8();
    if (!s.contains(',') && !s.contains('"') && !s.contains('\n') && !s.contains('\r')) return s;
    s.replace("\"", "\"\"");
    return '"' + s + '"';
}

QByteArray cell(const data::Field& f) {
    if (f.isNull()) return {};
    switch (f.type()) {
    case data::FieldType::Boolean: return f.asBoolean() ? "true" : "false";
    case data::FieldType::SmallInt:
    case data::FieldType::Integer:
    case data::FieldType::BigInt: return QByteArray::number(f.asLargeInt());
    case data::FieldType::Float:
    case data::FieldType::Currency:
    case data::FieldType::Decimal: return QByteArray::number(f.asFloat(), 'g', 15);
    case data::FieldType::Date: return f.asDate().toString(Qt::ISODate).toUtf8();
    case data::FieldType::DateTime: return f.asDateTime().toString(Qt::ISODate).toUtf8();
    default: return quoted(f.asString());
    }
}

}  // namespace

void writeCsv(data::Dataset& table, QIODevice& out) {
    QByteArray line;
    for (int i = 0; i < table.fieldCount(); ++i) {
        if (i) line += ',';
        line += quoted(table.fieldDefs()[i].name);
    }
    out.write(line + "\r\n");
    if (!table.isOpen()) return;
    for (table.first(); !table.eof(); table.next()) {
        line.clear();
        for (int i = 0; i < table.fieldCount(); ++i) {
            if (i) line += ',';
            line += cell(table.field(i));
        }
        out.write(line + "\r\n");
    }
}

}  // namespace brovik::tickets
