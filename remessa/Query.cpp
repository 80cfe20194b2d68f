#include "remessa/Query.h"

#include "dataset/DataError.h"
#include "dataset/ValueConversion.h"
#include "firebird/Statement.h"
#include "firebird/Transaction.h"

#include <type_traits>

namespace brovik::data {

// Rows pass from the client layer into fields without conversion.
static_assert(std::is_same_v<SqlValue, Value>);

const QString& Param::name() const { return query_->parsed_.names[index_]; }

const Value& Param::value() const { return query_->paramValues_[index_]; }

void Param::setValue(const Value& v) { query_->paramValues_[index_] = v; }

Query::Query(QString name, Transaction& transaction) : ParamDataset(std::move(name)), transaction_(&transaction) {
    connection().addClient(this);
}

Query::~Query() { connection().removeClient(this); }

Connection& Query::connection() const { return transaction_->connection(); }

void Query::setSql(const QStringList& lines) { setSql(lines.join(u'\n')); }

void Query::setSql(const QString& text) {
    close();
    statement_.reset();
    columnMap_.clear();
    clearPrefetched();
    sql_ = text;
    parsed_ = parseNamedParams(text);
    paramValues_.assign(parsed_.names.size(), Value{});
}

void Query::declareField(FieldDef def) { addField(std::move(def)); }

void Query::declareFields(std::initializer_list<FieldDef> defs) {
    for (const FieldDef& d : defs) addField(d);
}

Param Query::paramByName(QStringView name) {
    for (int i = 0; i < paramCount(); ++i)
        if (parsed_.names[i].compare(name, Qt::CaseInsensitive) == 0) return Param(*this, i);
    throw DataError(QStringLiteral("%1: Parameter '%2' not found").arg(this->name(), name.toString()));
}

Statement& Query::prepare() {
    if (!statement_) statement_ = std::make_unique<Statement>(*transaction_, parsed_.sql);
    return *statement_;
}

void Query::bindParams() {
    Statement& st = prepare();
    for (int pos = 0; pos < st.paramCount() && pos < static_cast<int>(parsed_.positionOwner.size()); ++pos)
        st.setParam(pos, paramValues_[parsed_.positionOwner[pos]]);
}

// Kept while the statement lives: a detail query re-opens for every master row.
const std::vector<int>& Query::columnMap() {
    if (columnMap_.size() == fieldDefs().size()) return columnMap_;
    const auto& columns = statement_->columns();
    std::vector<int> map(fieldDefs().size(), -1);
    for (std::size_t f = 0; f < fieldDefs().size(); ++f) {
        const FieldDef& def = fieldDefs()[f];
        if (def.calculated) continue;
        for (std::size_t c = 0; c < columns.size() && map[f] < 0; ++c)
            if (columns[c].name.compare(def.name, Qt::CaseInsensitive) == 0) map[f] = static_cast<int>(c);
        if (map[f] < 0) throw DataError(QStringLiteral("%1: Field '%2' not found").arg(name(), def.name));
    }
    columnMap_ = std::move(map);
    return columnMap_;
}

void Query::appendConverted(std::vector<Value>&& raw) {
    const std::vector<int>& map = columnMap();
    const auto& columns = statement_->columns();
    Row row(fieldDefs().size());
    for (std::size_t f = 0; f < map.size(); ++f)
        if (map[f] >= 0) row[f] = convertColumn(raw[map[f]], columns[map[f]].scale, fieldDefs()[f]);
    appendRow(std::move(row));
}

void Query::doOpen() {
    transaction_->start();
    bindParams();
    columnMap();
    if (!prefetched_.isEmpty()) {
        const auto found = prefetched_.constFind(statement_->paramKey());
        if (found != prefetched_.constEnd()) {
            for (std::vector<Value> raw : *found) appendConverted(std::move(raw));
            return;
        }
    }
    statement_->execute([&](std::vector<Value>&& raw) { appendConverted(std::move(raw)); });
}

void Query::execSql() {
    close();
    transaction_->start();
    bindParams();
    statement_->execute();
}

void Query::connectionClosing() {
    close();
    clearPrefetched();
    statement_.reset();
    columnMap_.clear();
}

}  // namespace brovik::data
