#include "BatchHarness.h"

#include "support/TestServer.h"

#include "firebird/IBError.h"

#include <gtest/gtest.h>

#include <ibase.h>

using namespace brovik;
using namespace brovik::data;

namespace {

// The batch queries through a Firebird server on loopback ("localhost/port:/path"), as a
// plant reaches its production database.
TEST(ServerMode, BatchQueriesThroughALoopbackServer) {
    test::TestServer& server = test::TestServer::shared();
    if (!server.available()) GTEST_SKIP() << server.whyUnavailable().toStdString();
    test::TestDatabase db(QStringLiteral("data-server"), {QStringLiteral("tests/remessa/fixtures/batch.sql")});
    const QString where = server.connectionString(db.path());
    test::BatchHarness h(where);
    EXPECT_EQ(h.dm.IB.databaseName(), where);
    h.openBatch(1234);
    EXPECT_EQ(h.walk(), (QStringList{
                            "07/10: 10001(10,20,90) 10002()",
                            "07/20: 10003(20,90)",
                            "12/30: 10004(10)",
                            "100/10: 10005(90) 10006(10)",
                        }));
    EXPECT_EQ(h.q.CdsRemessa.fieldByName(u"OBSERVACAO").asString(), QString::fromUtf8("VERÃO Nº 5 é ótimo"));

    Query protocol(QStringLiteral("protocol"), h.dm.IBT);
    protocol.setSql("select mon$remote_protocol p from mon$attachments where mon$attachment_id = current_connection");
    protocol.declareField({.name = "P", .type = FieldType::Text, .size = 10});
    protocol.open();
    EXPECT_EQ(protocol.fieldByName(u"P").asString().trimmed(), "TCPv4");

    // Another connection commits; the next open sees it in the same transaction.
    {
        Connection other(QStringLiteral("other"), {.database = where});
        Transaction writer(QStringLiteral("writer"), other, {"write", "read_committed", "rec_version", "nowait"});
        Query insert(QStringLiteral("insert"), writer);
        insert.setSql("insert into TbSetor (Codigo, Descricao) values (30, 'SOLADO')");
        insert.execSql();
        writer.commit();
    }
    h.q.IBRemessa_Oc.first();
    EXPECT_EQ(test::rowsOf(h.q.IBRemessa_Setor, {"SETOR_ID"}), (QStringList{"10", "20", "90"}));
    Query setores(QStringLiteral("setores"), h.dm.IBT);
    setores.setSql("select count(*) n from TbSetor");
    setores.declareField({.name = "N", .type = FieldType::Integer});
    setores.open();
    EXPECT_EQ(setores.fieldByName(u"N").asInteger(), 4);
}

TEST(ServerMode, WrongPasswordAndLostConnectionGiveTheLibraryText) {
    test::TestServer server;  // stopped below
    if (!server.available()) GTEST_SKIP() << server.whyUnavailable().toStdString();
    test::TestDatabase db(QStringLiteral("data-lost"), {QStringLiteral("tests/remessa/fixtures/batch.sql")});

    AliasSettings wrong = test::settingsFor(server.connectionString(db.path()));
    wrong.password = QStringLiteral("errada");
    TDM refused(wrong);
    try {
        refused.IBGrade.open();
        FAIL() << "a wrong password was accepted";
    } catch (const IBError& e) {
        EXPECT_TRUE(e.statusText().contains("password")) << e.statusText().toStdString();
    }

    test::BatchHarness h(server.connectionString(db.path()));
    h.openBatch(1234);
    server.stop();
    try {
        h.openBatch(1234);
        FAIL() << "a query ran on a stopped server";
    } catch (const IBError& e) {
        // The failure log matches the message: the primary text without Firebird 3's full stop.
        EXPECT_EQ(e.code(), isc_net_read_err);
        EXPECT_EQ(e.message(), "Error reading data from the connection");
        EXPECT_EQ(e.statusText(), "Error reading data from the connection.");
    }
    h.dm.IB.close();  // never fails, even with the server gone
    EXPECT_FALSE(h.dm.IB.connected());
    EXPECT_THROW(h.openBatch(1234), IBError);
}

}  // namespace
