// What the data module does when the production database cannot be reached: the first
// query fails with the client library's own text, nothing is left half-attached, and the
// same data module works as soon as the cause is gone.
#include "BatchHarness.h"

#include "support/TestServer.h"

#include "firebird/IBError.h"

#include <QFile>
#include <QRandomGenerator>
#include <gtest/gtest.h>

#include <ibase.h>

#include <iostream>
#include <optional>

using namespace brovik;
using namespace brovik::data;

namespace {

const QStringList kBatchWalk = {
    "07/10: 10001(10,20,90) 10002()",
    "07/20: 10003(20,90)",
    "12/30: 10004(10)",
    "100/10: 10005(90) 10006(10)",
};

// The failure of the first query of a run, or a test failure when it succeeds.
IBError firstQueryFailure(test::BatchHarness& h) {
    try {
        h.openBatch(1234);
    } catch (const IBError& e) {
        EXPECT_FALSE(h.dm.IB.connected()) << "a failed attach left a connection behind";
        EXPECT_FALSE(h.dm.IBT.active());
        return e;
    }
    ADD_FAILURE() << "the first query succeeded";
    return IBError(QString(), 0);
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(bytes);
}

TEST(ServerFaults, ServerDownAtStartThenBack) {
    test::TestServer server;  // stopped and restarted below
    if (!server.available()) GTEST_SKIP() << server.whyUnavailable().toStdString();
    test::TestDatabase db(QStringLiteral("faults-down"), {QStringLiteral("tests/remessa/fixtures/batch.sql")});
    server.stop();

    test::BatchHarness h(server.connectionString(db.path()));
    for (int attempt = 0; attempt < 2; ++attempt) {  // each try attempts the connection anew
        const IBError e = firstQueryFailure(h);
        EXPECT_EQ(e.code(), isc_network_error) << e.message().toStdString();
        EXPECT_TRUE(e.message().startsWith("Unable to complete network request to host \"localhost\""))
            << e.message().toStdString();
    }

    server.restart();
    ASSERT_TRUE(server.available()) << server.whyUnavailable().toStdString();
    h.openBatch(1234);
    EXPECT_EQ(h.walk(), kBatchWalk);
}

// Files the server cannot use as a database: each gives the library's error, and the
// server goes on serving the good database.
TEST(ServerFaults, MissingAndDamagedDatabaseFiles) {
    test::TestServer& server = test::TestServer::shared();
    if (!server.available()) GTEST_SKIP() << server.whyUnavailable().toStdString();
    test::TestDatabase good(QStringLiteral("faults-good"), {QStringLiteral("tests/remessa/fixtures/batch.sql")});
    QFile goodFile(good.path());
    ASSERT_TRUE(goodFile.open(QIODevice::ReadOnly));
    const QByteArray image = goodFile.readAll();
    goodFile.close();
    ASSERT_GT(image.size(), 64 * 1024);

    QByteArray noise(256 * 1024, '\0');
    QRandomGenerator rng(20260101);
    rng.fillRange(reinterpret_cast<quint32*>(noise.data()), noise.size() / 4);
    QByteArray scrambled = image;  // the header page kept, every later page overwritten
    for (qsizetype i = 16 * 1024; i < scrambled.size(); ++i) scrambled[i] = noise[i % noise.size()];

    struct Case {
        const char* what;
        QByteArray bytes;  // empty name: no file at all
        bool create;
        long code;
        const char* text;
    };
    const Case cases[] = {
        {"no file", {}, false, isc_io_error, "I/O error during \"open\" operation for file"},
        {"empty file", {}, true, isc_io_error, "I/O error during \"read\" operation for file"},
        {"random bytes", noise, true, isc_bad_db_format, "is not a valid database"},
        {"first 4 KiB of a database", image.left(4096), true, isc_io_error, "I/O error during \"read\" operation for file"},
        {"database cut in half", image.left(image.size() / 2), true, isc_io_error, "I/O error during \"read\" operation"},
        {"pages after the header scrambled", scrambled, true, 0, ""},  // the engine's verdict varies with the bytes
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString path = good.path() + QStringLiteral(".bad%1").arg(++n);
        QFile::remove(path);
        if (c.create) writeBytes(path, c.bytes);
        {
            test::BatchHarness h(server.connectionString(path));
            const IBError e = firstQueryFailure(h);
            EXPECT_FALSE(e.message().isEmpty());
            if (c.code != 0) {
                EXPECT_EQ(e.code(), c.code) << e.message().toStdString();
            }
            EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.text))) << e.message().toStdString();
            std::cout << "  " << c.what << ": " << e.message().section(u'\n', 0, 0).toStdString() << '\n';
        }
        QFile::remove(path);
        test::BatchHarness ok(server.connectionString(good.path()));
        ok.openBatch(1234);
        EXPECT_EQ(ok.walk(), kBatchWalk);
    }
}

TEST(ServerFaults, RejectedCredentials) {
    test::TestServer& server = test::TestServer::shared();
    if (!server.available()) GTEST_SKIP() << server.whyUnavailable().toStdString();
    test::TestDatabase db(QStringLiteral("faults-login"), {QStringLiteral("tests/remessa/fixtures/batch.sql")});
    struct Case {
        const char* what;
        std::optional<QString> user;
        std::optional<QString> password;
    };
    const Case cases[] = {
        {"wrong password", std::nullopt, QStringLiteral("errada")},
        {"empty password", std::nullopt, QString()},
        {"unknown user", QStringLiteral("NINGUEM"), QStringLiteral("plumtrace")},
        {"user with SQL in its name", QStringLiteral("x' or '1'='1"), QStringLiteral("' or 1=1 --")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AliasSettings s = test::settingsFor(server.connectionString(db.path()));
        s.user = c.user;
        s.password = c.password;
        TDM dm(s);
        try {
            dm.IBGrade.open();
            ADD_FAILURE() << "the login was accepted";
        } catch (const IBError& e) {
            EXPECT_EQ(e.code(), isc_login) << e.message().toStdString();
            EXPECT_TRUE(e.message().startsWith("Your user name and password are not defined")) << e.message().toStdString();
        }
        EXPECT_FALSE(dm.IB.connected());
    }
}

// An empty connection string (section PATH or key MV missing) fails at the first query,
// like any other unreachable database.
TEST(ServerFaults, EmptyConnectionStringFailsAtTheFirstQuery) {
    test::BatchHarness h(QString{});
    const IBError e = firstQueryFailure(h);
    EXPECT_FALSE(e.message().isEmpty());
    std::cout << "  empty MV: " << e.message().toStdString() << '\n';
}

}  // namespace
