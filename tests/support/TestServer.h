#pragma once

#include <QString>
#include <memory>

class QProcess;

namespace brovik::test {

// A private Firebird SuperServer on 127.0.0.1 for this test process: its own root folder
// under the build directory (configuration, a copy of the security database with the
// SYSDBA password "plumtrace", lock folder) and a free port. Started on first use and
// stopped when the process ends. When it cannot start, available() is false and
// whyUnavailable() says why, for GTEST_SKIP(). Reached by address, never by "localhost",
// whose meaning (::1, 127.0.0.1 or nothing) depends on the machine's hosts file.
//
//   auto& server = TestServer::shared();
//   if (!server.available()) GTEST_SKIP() << server.whyUnavailable();
//   settings.mv = server.connectionString(db.path());   // "127.0.0.1/PORT:/path"
class TestServer {
public:
    // The process's shared server; a test that stops its server makes its own instance.
    static TestServer& shared();
    TestServer();
    ~TestServer();
    TestServer(const TestServer&) = delete;
    TestServer& operator=(const TestServer&) = delete;

    bool available() const { return process_ != nullptr; }
    const QString& whyUnavailable() const { return reason_; }
    int port() const { return port_; }
    QString connectionString(const QString& databasePath) const;
    // Ends the server process (to test a lost connection); available() turns false.
    void stop();
    // Starts the stopped server again on the same port and root (a server back after an outage).
    void restart();

private:
    void start();
    void launch();

    QString root_;
    int port_ = 0;
    std::unique_ptr<QProcess> process_;
    QString reason_;
};

}  // namespace brovik::test
