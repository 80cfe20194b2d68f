#pragma once

#include "firebird/SqlValue.h"

#include <QString>
#include <QByteArray>
#include <functional>
#include <vector>

namespace Firebird {
class IStatement;
class IMessageMetadata;
}

namespace brovik::data {

class Transaction;

// What the library says of one column (or parameter) of a prepared statement.
struct ColumnInfo {
    QString name;        // the alias, as the statement names the column
    unsigned sqlType = 0;
    int scale = 0;       // decimal places (the library's negative scale turned around)
    unsigned length = 0;
    unsigned charSet = 0;
    unsigned offset = 0;
    unsigned nullOffset = 0;
};

// A statement prepared once and executed many times. Parameters are positional ("?");
// each value is converted to the type the statement declares for it. Result values come
// as null, qint64 (integers, and decimals scaled by ColumnInfo::scale), double, QString
// (from Windows-1252; CHAR keeps its padding), bool, QDate or QDateTime.
class Statement {
public:
    Statement(Transaction& transaction, const QString& sql);
    ~Statement();
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    int paramCount() const { return static_cast<int>(params_.size()); }
    const std::vector<ColumnInfo>& params() const { return params_; }
    const std::vector<ColumnInfo>& columns() const { return columns_; }
    bool returnsRows() const { return cursor_; }

    void setParam(int index, const SqlValue& value);
    // The bound parameters in a canonical form: equal values give equal keys.
    QByteArray paramKey() const;
    // Runs the statement in the transaction it was prepared in (starting it when needed),
    // handing every result row to onRow.
    void execute(const std::function<void(std::vector<SqlValue>&&)>& onRow = {});

    // Executions of every statement of the process, what a benchmark counts round trips by.
    static long executions();

private:
    void releaseAll();

    Transaction* transaction_;
    Firebird::IStatement* statement_ = nullptr;
    Firebird::IMessageMetadata* inMeta_ = nullptr;
    Firebird::IMessageMetadata* outMeta_ = nullptr;
    std::vector<ColumnInfo> params_;
    std::vector<ColumnInfo> columns_;
    QByteArray inBuffer_;
    QByteArray outBuffer_;
    bool cursor_ = false;
};

}  // namespace brovik::data
