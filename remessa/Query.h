#pragma once

#include "firebird/Connection.h"
#include "dataset/ParamDataset.h"
#include "firebird/SqlParams.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <memory>
#include <vector>

namespace brovik::data {

class Query;
class Statement;
class Transaction;

// Rows of one statement read ahead for many parameter sets at once: for each set (its
// Statement::paramKey), the raw rows the statement gives for it, in its order.
using PrefetchedRows = QHash<QByteArray, std::vector<std::vector<Value>>>;

// A handle on one named parameter of a query; the value is converted to the type the
// statement declares when the query opens.
class Param {
public:
    Param(Query& query, int index) : query_(&query), index_(index) {}
    const QString& name() const;
    const Value& value() const;
    void setValue(const Value& v);
    void setAsInteger(int v) { setValue(Value{qint64{v}}); }
    void setAsLargeInt(qint64 v) { setValue(Value{v}); }
    void setAsFloat(double v) { setValue(Value{v}); }
    void setAsString(const QString& v) { setValue(Value{v}); }
    void clear() { setValue(Value{}); }

private:
    Query* query_;
    int index_;
};

// A statement with named parameters whose rows are read into a dataset. The program
// declares the fields; stored ones take the column of the same name. The statement is
// prepared at the first open and reused until the text changes or the connection closes.
class Query : public ParamDataset, private ConnectionClient {
public:
    Query(QString name, Transaction& transaction);
    ~Query() override;

    Transaction& transaction() const { return *transaction_; }
    Connection& connection() const;

    // The statement text, lines joined by line breaks. Closes the query.
    void setSql(const QStringList& lines);
    void setSql(const QString& text);
    const QString& sql() const { return sql_; }

    void declareField(FieldDef def);
    void declareFields(std::initializer_list<FieldDef> defs);

    int paramCount() const { return static_cast<int>(parsed_.names.size()); }
    Param paramByName(QStringView name);  // without regard to case; DataError when absent
    Param param(int index) { return Param(*this, index); }
    void setParamValue(QStringView name, const Value& value) override { paramByName(name).setValue(value); }

    // Runs a statement that returns no rows (the program itself never writes; tests do).
    void execSql();
    bool prepared() const { return statement_ != nullptr; }
    Statement& prepare();
    const ParsedSql& parsedSql() const { return parsed_; }

    // Opening with parameters found here takes their rows instead of running the
    // statement; any other parameters run it. Kept until cleared or the connection closes.
    void setPrefetched(PrefetchedRows rows) { prefetched_ = std::move(rows); }
    void clearPrefetched() { prefetched_ = {}; }

private:
    friend class Param;
    void doOpen() override;
    void connectionClosing() override;
    void bindParams();
    void appendConverted(std::vector<Value>&& raw);
    const std::vector<int>& columnMap();

    Transaction* transaction_;
    QString sql_;
    ParsedSql parsed_;
    std::vector<Value> paramValues_;
    std::unique_ptr<Statement> statement_;
    std::vector<int> columnMap_;  // the statement's column of each field, -1 for calculated ones
    PrefetchedRows prefetched_;
};

}  // namespace brovik::data
