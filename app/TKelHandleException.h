#pragma once

#include <QDateTime>
#include <QString>
#include <exception>
#include <functional>

class QObject;

namespace brovik::app {

// A failure as the log names it.
struct FailureInfo {
    QString className;
    QString message;

    static FailureInfo of(const std::exception& failure);
};

// The application-wide handler of failures no one caught. It shows nothing. It logs
// only the lost-connection failures of the database client, and after the first one it
// closes the connections so that the next run connects anew; every other failure is
// dropped without trace.
class TKelHandleException {
public:
    using Clock = std::function<QDateTime()>;

    // Installs itself as the application's handler, replacing any other, until destroyed.
    explicit TKelHandleException(QString logFile);
    ~TKelHandleException();
    TKelHandleException(const TKelHandleException&) = delete;
    TKelHandleException& operator=(const TKelHandleException&) = delete;

    static TKelHandleException* installed();

    // `sender` is the object whose event was being handled (may be null).
    void HandleApplicationException(const QObject* sender, const std::exception& failure);
    void HandleApplicationException(const QObject* sender, const FailureInfo& failure);

    // Closes the main connection, then the files connection; set once the data module exists.
    void setCloseConnections(std::function<void()> close) { closeConnections_ = std::move(close); }
    void setClock(Clock clock) { clock_ = std::move(clock); }

    const QString& logFile() const { return FLogFile; }
    bool closeConnectionsPending() const { return CloseConnectionsPending; }

    // The executable's path with its extension replaced by "_erro_bd.log".
    static QString logPathFor(const QString& executablePath);
    // Whether a message names one of the logged connection failures.
    static bool isLoggedMessage(const QString& message);

private:
    bool writeEntry(const QObject* sender, const FailureInfo& failure) const;

    QString FLogFile;
    bool CloseConnectionsPending = true;
    std::function<void()> closeConnections_;
    Clock clock_;
};

// Gives a failure that escaped an event handler to the installed handler, if any.
void handleUncaught(const QObject* sender, std::exception_ptr failure);

}  // namespace brovik::app
