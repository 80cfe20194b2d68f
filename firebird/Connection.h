#pragma once

#include <QString>
#include <vector>

namespace Firebird {
class IAttachment;
}

namespace brovik::data {

class Transaction;

// The login of a connection. The defaults are the program's built-in login; a plant may
// replace user, password and role through its configuration.
struct ConnectionParams {
    QString database;  // passed to the client library unchanged: a local path, host:path, host/port:path
    QString user = QStringLiteral("SYSDBA");
    QString password = QStringLiteral("plumtrace");
    QString role = QStringLiteral("rdb$admin");
    bool wireCompression = false;  // asks a remote server to compress what it sends
};

// Something that lives on a connection and must let go of it when the connection closes
// (a query and its prepared statement).
class ConnectionClient {
public:
    virtual void connectionClosing() = 0;

protected:
    ~ConnectionClient() = default;
};

// One Firebird attachment, made on demand with character set WIN1252 and dialect 3.
// Closing closes the queries on it, rolls its transactions back and detaches; it never
// fails, so it can be used to recover from a lost connection. Before an embedded attach the
// process gets a lock folder it may use (EmbeddedLockFolder); when a local file, folder or
// lock folder cannot be used, the error says which and why.
class Connection {
public:
    explicit Connection(QString name, ConnectionParams params = {});
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const QString& name() const { return name_; }
    const ConnectionParams& params() const { return params_; }
    void setParams(ConnectionParams params) { params_ = std::move(params); }
    const QString& databaseName() const { return params_.database; }
    void setDatabaseName(const QString& database) { params_.database = database; }

    bool connected() const { return attachment_ != nullptr; }
    void open();   // attaches; no effect when attached
    void close();
    // A server restart or a dropped network leaves the handle looking attached: pings
    // it, and when it is dead lets it go and attaches anew. When attaching again fails,
    // the caller hears of the lost connection, not of the new attempt.
    void reattachIfLost();
    Firebird::IAttachment* attachment();  // attaches first

    void addClient(ConnectionClient* c) { clients_.push_back(c); }
    void removeClient(ConnectionClient* c);
    void addTransaction(Transaction* t) { transactions_.push_back(t); }
    void removeTransaction(Transaction* t);

private:
    void attach();

    QString name_;
    ConnectionParams params_;
    Firebird::IAttachment* attachment_ = nullptr;
    std::vector<ConnectionClient*> clients_;
    std::vector<Transaction*> transactions_;
};

}  // namespace brovik::data
