#include "TestServer.h"

#include "TestDatabase.h"
#include "TestPaths.h"
#include "Loopback.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <stdexcept>

namespace brovik::test {
namespace {

const QString kServer = QStringLiteral("/usr/sbin/firebird");
const QString kInstallRoot = QStringLiteral("/usr/lib/x86_64-linux-gnu/firebird/3.0");
const QString kSystemSecurityDb = QStringLiteral("/var/lib/firebird/3.0/system/security3.fdb");

int freePort() {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a = loopback(0);
    socklen_t len = sizeof a;
    int port = 0;
    if (::bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0 &&
        ::getsockname(s, reinterpret_cast<sockaddr*>(&a), &len) == 0)
        port = ntohs(a.sin_port);
    ::close(s);
    return port;
}

bool accepts(int port) {
    const int s = ::socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in a = loopback(port);
    const bool ok = ::connect(s, reinterpret_cast<const sockaddr*>(&a), sizeof a) == 0;
    ::close(s);
    return ok;
}

void writeFile(const QString& path, const QString& text) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw std::runtime_error("cannot write " + path.toStdString());
    f.write(text.toUtf8());
}

QProcessEnvironment serverEnvironment(const QString& root) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("FIREBIRD"), root);
    env.insert(QStringLiteral("FIREBIRD_LOCK"), root + QStringLiteral("/lock"));
    return env;
}

}  // namespace

TestServer& TestServer::shared() {
    static TestServer server;
    return server;
}

TestServer::TestServer() {
    try {
        start();
    } catch (const std::exception& e) {
        process_.reset();
        reason_ = QStringLiteral("Firebird server on loopback could not start: %1").arg(QString::fromUtf8(e.what()));
    }
}

TestServer::~TestServer() {
    stop();
    if (!root_.isEmpty()) QDir(root_).removeRecursively();
}

QString TestServer::connectionString(const QString& databasePath) const {
    return QStringLiteral("127.0.0.1/%1:%2").arg(port_).arg(databasePath);
}

void TestServer::start() {
    if (!QFile::exists(kServer)) throw std::runtime_error(kServer.toStdString() + " is not installed (package firebird3.0-server)");
    if (!QFile::exists(kSystemSecurityDb)) throw std::runtime_error(kSystemSecurityDb.toStdString() + " is missing");
    port_ = freePort();
    if (port_ == 0) throw std::runtime_error("no free port on loopback");
    root_ = QStringLiteral("%1/testserver-%2-%3").arg(QString::fromUtf8(kBinaryDir)).arg(QCoreApplication::applicationPid()).arg(port_);
    QDir(root_).removeRecursively();
    QDir().mkpath(root_ + QStringLiteral("/lock"));
    for (const char* item : {"firebird.msg", "plugins", "UDF", "lib", "plugins.conf"})
        QFile::link(kInstallRoot + u'/' + QLatin1String(item), root_ + u'/' + QLatin1String(item));
    // The character sets load only from real files (through links the server knows no WIN1252).
    QDir().mkpath(root_ + QStringLiteral("/intl"));
    for (const char* item : {"intl/libfbintl.so", "intl/fbintl.conf"})
        if (!QFile::copy(kInstallRoot + u'/' + QLatin1String(item), root_ + u'/' + QLatin1String(item)))
            throw std::runtime_error(std::string("cannot copy ") + item);
    const QString securityDb = root_ + QStringLiteral("/security3.fdb");
    if (!QFile::copy(kSystemSecurityDb, securityDb)) throw std::runtime_error("cannot copy the security database");
    writeFile(root_ + QStringLiteral("/firebird.conf"),
              QStringLiteral("RemoteServicePort = %1\nRemoteBindAddress = 127.0.0.1\nSecurityDatabase = %2\n"
                             "ServerMode = Super\nUdfAccess = None\n")
                  .arg(port_)
                  .arg(securityDb));
    writeFile(root_ + QStringLiteral("/databases.conf"),
              QStringLiteral("security.db = %1\n{\n  RemoteAccess = false\n}\n").arg(securityDb));

    // Set the password in embedded mode, on this server's own security database.
    QProcess isql;
    isql.setProcessEnvironment(serverEnvironment(root_));
    isql.setProcessChannelMode(QProcess::MergedChannels);
    isql.start(QStringLiteral("isql-fb"), {"-q", "-bail", "-user", "SYSDBA", securityDb});
    isql.write("CREATE OR ALTER USER SYSDBA PASSWORD 'plumtrace';\nCOMMIT;\n");
    isql.closeWriteChannel();
    if (!isql.waitForFinished(30000) || isql.exitCode() != 0)
        throw std::runtime_error("setting the SYSDBA password failed: " + isql.readAll().toStdString());

    launch();
}

void TestServer::restart() {
    if (process_ || root_.isEmpty()) return;
    try {
        launch();
        reason_.clear();
    } catch (const std::exception& e) {
        process_.reset();
        reason_ = QStringLiteral("Firebird server on loopback could not restart: %1").arg(QString::fromUtf8(e.what()));
    }
}

void TestServer::launch() {
    process_ = std::make_unique<QProcess>();
    process_->setProcessEnvironment(serverEnvironment(root_));
    process_->setProcessChannelMode(QProcess::MergedChannels);
    process_->start(kServer, {"-p", QString::number(port_)});
    if (!process_->waitForStarted(10000)) throw std::runtime_error(process_->errorString().toStdString());
    for (int i = 0; i < 100 && !accepts(port_); ++i) {
        if (process_->state() != QProcess::Running)
            throw std::runtime_error("the server ended: " + process_->readAll().toStdString());
        QThread::msleep(100);
    }
    if (!accepts(port_)) throw std::runtime_error("the server does not accept connections on port " + std::to_string(port_));
}

void TestServer::stop() {
    if (!process_) return;
    process_->terminate();
    if (!process_->waitForFinished(10000)) {
        process_->kill();
        process_->waitForFinished(5000);
    }
    process_.reset();
    reason_ = QStringLiteral("the server was stopped");
}

}  // namespace brovik::test
