// The program only reads the production database: it works as a user that may do
// nothing but read, and its one transaction is read-only, read-committed and no-wait.
#include "BatchHarness.h"
#include "support/ReadOnlyUser.h"

#include "support/TestServer.h"

#include "firebird/IBError.h"

#include <gtest/gtest.h>

#include <ibase.h>

using namespace brovik;
using namespace brovik::data;

namespace {

TEST(ReadOnly, ReaderUserWalksTheBatchInAReadOnlyNoWaitTransaction) {
    test::TestServer& server = test::TestServer::shared();
    if (!server.available()) GTEST_SKIP() << server.whyUnavailable().toStdString();
    test::TestDatabase db(QStringLiteral("readonly"), {QStringLiteral("tests/remessa/fixtures/batch.sql")});
    const QString where = server.connectionString(db.path());
    test::grantReaderUser(where);

    test::BatchHarness h(test::readerSettings(where));
    h.openBatch(1234);
    EXPECT_EQ(h.walk(), (QStringList{
                            "07/10: 10001(10,20,90) 10002()",
                            "07/20: 10003(20,90)",
                            "12/30: 10004(10)",
                            "100/10: 10005(90) 10006(10)",
                        }));
    EXPECT_EQ(test::currentTransactionFlags(h.dm.IBT), "user=LEITOR role=NONE isolation=read-committed "
                                                       "record-version=yes wait=no read-only=yes");

    // The procedure and the function run too.
    Query routines(QStringLiteral("routines"), h.dm.IBT);
    routines.setSql("select count(*) n, max(fn_elipse('abcdefgh', 5)) e "
                    "from SPU_MODELO_COR_TAMANHO_FLUXO(10, 1, 0, 0)");
    routines.declareFields({{.name = "N", .type = FieldType::Integer}, {.name = "E", .type = FieldType::Text, .size = 20}});
    routines.open();
    EXPECT_EQ(routines.fieldByName(u"E").asString(), "ab...");

    // The reader may not write, whatever the transaction.
    Transaction writer(QStringLiteral("writer"), h.dm.IB, {"write", "read_committed", "rec_version", "nowait"});
    Query asWriter(QStringLiteral("asWriter"), writer);
    asWriter.setSql("update TbRemessa set Observacao = 'x'");
    try {
        asWriter.execSql();
        ADD_FAILURE() << "the reader user wrote";
    } catch (const IBError& e) {
        EXPECT_EQ(e.code(), isc_no_priv) << e.message().toStdString();
    }
}

// With the built-in administrator login the transaction itself still refuses to write.
TEST(ReadOnly, ProgramTransactionRefusesWritesEvenToTheAdministrator) {
    test::TestServer& server = test::TestServer::shared();
    if (!server.available()) GTEST_SKIP() << server.whyUnavailable().toStdString();
    test::TestDatabase db(QStringLiteral("readonly-admin"), {QStringLiteral("tests/remessa/fixtures/batch.sql")});
    test::BatchHarness h(server.connectionString(db.path()));
    h.openBatch(1234);
    EXPECT_EQ(test::currentTransactionFlags(h.dm.IBT), "user=SYSDBA role=RDB$ADMIN isolation=read-committed "
                                                       "record-version=yes wait=no read-only=yes");
    for (const char* sql : {"insert into TbSetor (Codigo, Descricao) values (31, 'X')",
                            "update TbRemessa set Observacao = 'x' where Numero = 1234", "delete from TbRemessa_Setor"}) {
        SCOPED_TRACE(sql);
        Query write(QStringLiteral("write"), h.dm.IBT);
        write.setSql(QString::fromLatin1(sql));
        try {
            write.execSql();
            ADD_FAILURE() << "wrote in the program's transaction";
        } catch (const IBError& e) {
            EXPECT_EQ(e.code(), isc_read_only_trans) << e.message().toStdString();
        }
    }
    h.openBatch(1234);  // the failed statements leave the transaction usable
    EXPECT_EQ(h.walk().size(), 4);
}

}  // namespace
