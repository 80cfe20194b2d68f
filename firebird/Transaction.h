#pragma once

#include <QString>
#include <QStringList>

namespace Firebird {
class ITransaction;
}

namespace brovik::data {

class Connection;

// A transaction described by its parameter words ("read", "read_committed",
// "rec_version", "nowait", "write", "wait", "concurrency", ...). It starts with the first
// statement that needs it and ends by commit, by rollback, or with its connection.
class Transaction {
public:
    Transaction(QString name, Connection& connection, QStringList params);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    const QString& name() const { return name_; }
    Connection& connection() const { return *connection_; }
    const QStringList& params() const { return params_; }

    bool active() const { return handle_ != nullptr; }
    void start();         // no effect when active
    void commit();
    void rollback();      // no effect when not active
    Firebird::ITransaction* handle();  // starts first

    // Rolls back, ignoring every failure, and forgets the handle (the connection closes).
    void abandon();

private:
    QString name_;
    Connection* connection_;
    QStringList params_;
    Firebird::ITransaction* handle_ = nullptr;
};

}  // namespace brovik::data
