#include "DataTestSupport.h"
#include "dataset/DataError.h"

#include "firebird/Connection.h"
#include "firebird/IBError.h"
#include "remessa/Query.h"
#include "remessa/TDM.h"
#include "firebird/Transaction.h"

#include <gtest/gtest.h>

using namespace brovik;
using namespace brovik::data;

namespace {

class FirebirdClient : public ::testing::Test {
protected:
    void SetUp() override { dm = std::make_unique<TDM>(test::settingsFor(test::batchDatabase().path())); }

    Query& query(const QString& sql) {
        queries.push_back(std::make_unique<Query>(QStringLiteral("Q%1").arg(queries.size()), dm->IBT));
        queries.back()->setSql(sql);
        return *queries.back();
    }

    std::unique_ptr<TDM> dm;
    std::vector<std::unique_ptr<Query>> queries;  // destroyed before dm
};

TEST_F(FirebirdClient, NothingAttachesUntilTheFirstQueryOpens) {
    EXPECT_FALSE(dm->IB.connected());
    EXPECT_FALSE(dm->IBT.active());
    dm->IBGrade.open();
    EXPECT_TRUE(dm->IB.connected());
    EXPECT_TRUE(dm->IBT.active());
    EXPECT_EQ(dm->IBGrade.recordCount(), 3);
    EXPECT_FALSE(dm->IB2.connected());
    EXPECT_FALSE(dm->IBF.connected());
    EXPECT_EQ(dm->IB.databaseName(), test::batchDatabase().path());
    EXPECT_EQ(dm->IB3.databaseName(), test::batchDatabase().path());
}

TEST_F(FirebirdClient, ResultTypesComeExactlyAsStored) {
    Query& q = query(
        "select cast(123456789012.3456 as numeric(18,4)) dec4, cast(-0.05 as numeric(15,2)) neg2,"
        " cast(0.1 as double precision) dbl, cast(32767 as smallint) si, cast(9000000000 as bigint) bi,"
        " cast('ab' as char(5)) fixed, cast(null as integer) nul, true flag,"
        " cast('2024-03-05' as date) d, cast('2024-03-05 07:08:09' as timestamp) ts from rdb$database");
    q.declareFields({
        {.name = "DEC4", .type = FieldType::Decimal, .scale = 4},
        {.name = "NEG2", .type = FieldType::Decimal, .scale = 2},
        {.name = "DBL", .type = FieldType::Float},
        {.name = "SI", .type = FieldType::SmallInt},
        {.name = "BI", .type = FieldType::BigInt},
        {.name = "FIXED", .type = FieldType::FixedText, .size = 5},
        {.name = "NUL", .type = FieldType::Integer},
        {.name = "FLAG", .type = FieldType::Boolean},
        {.name = "D", .type = FieldType::Date},
        {.name = "TS", .type = FieldType::DateTime},
    });
    q.open();
    EXPECT_EQ(std::get<qint64>(q.fieldByName(u"dec4").value()), 1234567890123456LL);
    EXPECT_EQ(std::get<qint64>(q.fieldByName(u"NEG2").value()), -5);
    EXPECT_EQ(q.fieldByName(u"NEG2").asString(), "-0,05");
    EXPECT_DOUBLE_EQ(q.fieldByName(u"DBL").asFloat(), 0.1);
    EXPECT_EQ(q.fieldByName(u"SI").asInteger(), 32767);
    EXPECT_EQ(q.fieldByName(u"BI").asLargeInt(), 9000000000LL);
    EXPECT_EQ(q.fieldByName(u"FIXED").asString(), "ab   ");
    EXPECT_TRUE(q.fieldByName(u"NUL").isNull());
    EXPECT_TRUE(q.fieldByName(u"FLAG").asBoolean());
    EXPECT_EQ(q.fieldByName(u"D").asDate(), QDate(2024, 3, 5));
    EXPECT_EQ(q.fieldByName(u"TS").asDateTime(), QDateTime(QDate(2024, 3, 5), QTime(7, 8, 9)));
}

TEST_F(FirebirdClient, Windows1252TextArrivesIntactBothWays) {
    Query& q = query("select Descricao, cast(:Texto as varchar(20)) echo from TbCor where Codigo = 2");
    q.declareFields({{.name = "DESCRICAO", .type = FieldType::Text, .size = 20},
                     {.name = "ECHO", .type = FieldType::Text, .size = 20}});
    q.paramByName(u"texto").setAsString(QString::fromUtf8("ação é º €"));
    q.open();
    EXPECT_EQ(q.fieldByName(u"DESCRICAO").asString(), QString::fromUtf8("MAÇÃ VERDE Nº 2"));
    EXPECT_EQ(q.fieldByName(u"ECHO").asString(), QString::fromUtf8("ação é º €"));
}

TEST_F(FirebirdClient, ParametersAreConvertedToTheDeclaredTypeAndARepeatedNameTakesOneValue) {
    Query& q = query("select Codigo from TbCor where Codigo = :Cod or Codigo = :COD + 100 or :Dec = 1.25");
    q.declareField({.name = "CODIGO", .type = FieldType::Integer});
    q.paramByName(u"cod").setAsString("2");   // text into an integer parameter
    q.paramByName(u"Dec").setAsFloat(0.5);
    q.open();
    EXPECT_EQ(test::rowsOf(q, {"CODIGO"}), QStringList{"2"});

    q.close();
    q.paramByName(u"cod").setAsString("dois");
    try {
        q.open();
        FAIL() << "a text that is no number went through";
    } catch (const ClientError& e) {
        EXPECT_TRUE(e.message().contains("dois")) << e.message().toStdString();
    }
    EXPECT_THROW(q.paramByName(u"Nenhum"), DataError);
}

TEST_F(FirebirdClient, StatementIsPreparedOnceAndRunsAgainWithNewValues) {
    Query& q = query("select Descricao from TbSetor where Codigo = :Setor_1");
    q.declareField({.name = "DESCRICAO", .type = FieldType::Text, .size = 20});
    q.paramByName(u"Setor_1").setAsInteger(10);
    q.open();
    EXPECT_EQ(test::rowsOf(q, {"DESCRICAO"}), QStringList{"COSTURA"});
    q.close();
    EXPECT_TRUE(q.prepared());
    q.paramByName(u"Setor_1").setAsInteger(90);
    q.open();
    EXPECT_EQ(test::rowsOf(q, {"DESCRICAO"}), QStringList{QString::fromUtf8("EXPEDIÇÃO")});
}

TEST_F(FirebirdClient, FailuresCarryTheLibraryText) {
    Query& q = query("select x from TbNaoExiste");
    try {
        q.open();
        FAIL();
    } catch (const IBError& e) {
        EXPECT_STREQ(e.className(), "EIBInterBaseError");
        // The message is the primary error; the details are in the status text.
        EXPECT_EQ(e.message(), "Dynamic SQL Error");
        EXPECT_TRUE(e.statusText().contains("Table unknown")) << e.statusText().toStdString();
        EXPECT_TRUE(e.statusText().contains("TBNAOEXISTE")) << e.statusText().toStdString();
    }
    Query& missing = query("select Codigo from TbCor");
    missing.declareField({.name = "NOPE", .type = FieldType::Integer});
    EXPECT_THROW(missing.open(), DataError);

    TDM wrong(test::settingsFor(test::batchDatabase().path() + ".missing"));
    try {
        wrong.IBGrade.open();
        FAIL();
    } catch (const IBError& e) {
        EXPECT_TRUE(e.message().contains("I/O error")) << e.message().toStdString();
    }
    EXPECT_FALSE(wrong.IB.connected());
}

TEST_F(FirebirdClient, TransactionIsReadOnlyReadCommittedNoWait) {
    Query& q = query(
        "select t.mon$isolation_mode iso, t.mon$read_only ro, t.mon$lock_timeout lt"
        " from mon$transactions t where t.mon$transaction_id = current_transaction");
    q.declareFields({{.name = "ISO", .type = FieldType::SmallInt},
                     {.name = "RO", .type = FieldType::SmallInt},
                     {.name = "LT", .type = FieldType::SmallInt}});
    q.open();
    EXPECT_EQ(q.fieldByName(u"ISO").asInteger(), 2);  // read committed, record version
    EXPECT_EQ(q.fieldByName(u"RO").asInteger(), 1);
    EXPECT_EQ(q.fieldByName(u"LT").asInteger(), 0);   // no wait

    Query& write = query("update TbCor set Abreviado = 'X' where Codigo = 1");
    try {
        write.execSql();
        FAIL() << "a write went through the read-only transaction";
    } catch (const IBError& e) {
        EXPECT_TRUE(e.statusText().contains("read-only")) << e.statusText().toStdString();
    }
}

TEST_F(FirebirdClient, ConnectionUsesWin1252AndTheRole) {
    Query& q = query(
        "select c.rdb$character_set_name cs, current_role r, current_user u from mon$attachments a"
        " join rdb$character_sets c on c.rdb$character_set_id = a.mon$character_set_id"
        " where a.mon$attachment_id = current_connection");
    q.declareFields({{.name = "CS", .type = FieldType::FixedText, .size = 31},
                     {.name = "R", .type = FieldType::FixedText, .size = 31},
                     {.name = "U", .type = FieldType::FixedText, .size = 31}});
    q.open();
    EXPECT_EQ(q.fieldByName(u"CS").asString().trimmed(), "WIN1252");
    EXPECT_EQ(q.fieldByName(u"R").asString().trimmed(), "RDB$ADMIN");
    EXPECT_EQ(q.fieldByName(u"U").asString().trimmed(), "SYSDBA");
}

TEST_F(FirebirdClient, CommittedDataOfAnotherConnectionIsSeenByTheNextOpen) {
    Query& q = query("select Descricao from TbEsteira where Codigo = 2");
    q.declareField({.name = "DESCRICAO", .type = FieldType::Text, .size = 20});
    q.open();
    EXPECT_TRUE(q.isEmpty());
    const QString before = QString::number(reinterpret_cast<quintptr>(dm->IBT.handle()));
    test::batchDatabase().commit({"insert into TbEsteira (Codigo, Descricao) values (2, 'NOVA ESTEIRA')"});
    q.close();
    q.open();
    EXPECT_EQ(test::rowsOf(q, {"DESCRICAO"}), QStringList{"NOVA ESTEIRA"});
    EXPECT_EQ(QString::number(reinterpret_cast<quintptr>(dm->IBT.handle())), before);  // same transaction
    test::batchDatabase().commit({"delete from TbEsteira where Codigo = 2"});
}

TEST_F(FirebirdClient, ClosingIBClosesItsQueriesRollsBackAndTheNextOpenAttachesAgain) {
    dm->IBGrade.open();
    Query& q = query("select current_transaction t from rdb$database");
    q.declareField({.name = "T", .type = FieldType::BigInt});
    q.open();
    const qint64 first = q.fieldByName(u"T").asLargeInt();
    dm->IB.close();
    EXPECT_FALSE(dm->IB.connected());
    EXPECT_FALSE(dm->IBT.active());
    EXPECT_FALSE(dm->IBGrade.isOpen());
    EXPECT_FALSE(q.isOpen());
    dm->IB.close();  // twice is harmless
    q.open();
    EXPECT_TRUE(dm->IB.connected());
    EXPECT_GT(q.fieldByName(u"T").asLargeInt(), first);
}

TEST(ConnectionSettings, UserPasswordAndRoleFromTheConfigurationReplaceTheBuiltInOnes) {
    AliasSettings s;
    s.mv = "server:/db/mv.fdb";
    auto p = TDM::connectionParams(s, s.mv);
    EXPECT_EQ(p.database, "server:/db/mv.fdb");
    EXPECT_EQ(p.user, "SYSDBA");
    EXPECT_EQ(p.password, "plumtrace");
    EXPECT_EQ(p.role, "rdb$admin");
    s.user = "TALOES";
    s.password = "segredo";
    s.role = "";
    p = TDM::connectionParams(s, s.mv);
    EXPECT_EQ(p.user, "TALOES");
    EXPECT_EQ(p.password, "segredo");
    EXPECT_EQ(p.role, "");
    TDM dm(s);
    EXPECT_EQ(dm.IB2.params().user, "TALOES");
    EXPECT_EQ(dm.IBF.databaseName(), "/var/lib/mervato/MV-FILES.FDB");
}

}  // namespace
