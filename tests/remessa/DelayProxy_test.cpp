// The delay proxy the benchmark puts between the program and a loopback server: what
// passes through it arrives whole, it counts the round trips, it takes only so many
// connections and it ends by itself.
#include "BatchHarness.h"

#include "support/DelayProxy.h"
#include "support/TestServer.h"

#include "firebird/IBError.h"

#include <QThread>
#include <gtest/gtest.h>

using namespace brovik;
using namespace std::chrono_literals;

namespace {

QString through(const test::DelayProxy& proxy, const QString& path) {
    return QStringLiteral("127.0.0.1/%1:%2").arg(proxy.port()).arg(path);
}

TEST(DelayProxy, RelaysWholeCountsRoundTripsAndKeepsItsBounds) {
    test::TestServer& server = test::TestServer::shared();
    if (!server.available()) GTEST_SKIP() << server.whyUnavailable().toStdString();
    test::TestDatabase db(QStringLiteral("data-proxy"), {QStringLiteral("tests/remessa/fixtures/batch.sql")});
    test::BatchHarness direct(server.connectionString(db.path()));
    direct.openBatch(1234);

    test::DelayProxy proxy(server.port(), {.roundTrip = 2ms, .bitsPerSecond = 20e6, .maxConnections = 1, .lifetime = 60s});
    ASSERT_TRUE(proxy.running());
    {
        test::BatchHarness delayed(through(proxy, db.path()));
        delayed.openBatch(1234);
        EXPECT_EQ(delayed.walk(), direct.walk());
        EXPECT_EQ(delayed.q.CdsRemessa.fieldByName(u"OBSERVACAO").asString(), QString::fromUtf8("VERÃO Nº 5 é ótimo"));
        // Attach, transaction, the header, contents, orders, and a statement per order and ticket.
        EXPECT_GT(proxy.roundTrips(), 20);
        EXPECT_GT(proxy.bytesToClients(), 1000);
    }
    // Its one connection is used up: the next client is hung up on.
    test::BatchHarness refused(through(proxy, db.path()));
    EXPECT_THROW(refused.openBatch(1234), data::IBError);
}

TEST(DelayProxy, EndsByItselfWhenItsLifetimeIsOver) {
    test::TestServer& server = test::TestServer::shared();
    if (!server.available()) GTEST_SKIP() << server.whyUnavailable().toStdString();
    test::DelayProxy proxy(server.port(), {.lifetime = 1s});
    for (int i = 0; i < 100 && proxy.running(); ++i) QThread::msleep(50);
    EXPECT_FALSE(proxy.running());
    test::BatchHarness late(QStringLiteral("127.0.0.1/%1:/nowhere.fdb").arg(proxy.port()));
    EXPECT_THROW(late.openBatch(1), data::IBError);
}

}  // namespace
