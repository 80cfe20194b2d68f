// Odd values typed into the panel and odd rows in the production database: each has a
// stated outcome, and none reaches the database as statement text.
#include "support/TestDatabase.h"

#include "dataset/DataError.h"
#include "firebird/IBError.h"
#include "tickets/TicketSession.h"

#include <gtest/gtest.h>

#include <ibase.h>

#include <iostream>

using namespace brovik;
using namespace brovik::tickets;

namespace {

test::TestDatabase& badRowsDatabase() {
    static test::TestDatabase db(QStringLiteral("tickets-bad"), {QStringLiteral("tests/tickets/fixtures/bad_rows.sql")});
    return db;
}

data::AliasSettings settingsFor(const QString& where) {
    data::AliasSettings s;
    s.mv = where;
    return s;
}

QStringList rowsOf(data::Dataset& d, const QStringList& columns) {
    QStringList out;
    for (d.first(); !d.eof(); d.next()) {
        QStringList cells;
        for (const QString& c : columns) cells << d.fieldByName(c).asString();
        out << cells.join(u'|');
    }
    return out;
}

// Every statement text the session can send, and what the database holds: the
// fingerprint that no input may change.
struct Fingerprint {
    QStringList statements;
    QStringList contents;
    bool operator==(const Fingerprint&) const = default;
};

QStringList queryAll(TicketSession& s, const QString& sql) {
    data::Query q(QStringLiteral("probe"), s.dm.IBT);
    q.setSql(sql);
    q.declareField({.name = "V", .type = data::FieldType::Text, .size = 400});
    q.open();
    return rowsOf(q, {"V"});
}

Fingerprint fingerprint(TicketSession& s) {
    Fingerprint f;
    for (data::Query* q : {&s.dm.IBGrade, &s.dm.IBProduto_Sku, &s.dm.ibModelo_Producao_Cota, &s.queries.IBRemessa,
                           &s.queries.IBRemessa_Acumulado, &s.queries.IBRemessa_Oc, &s.queries.IbRemessa_Oc_Cor,
                           &s.queries.IBRemessa_Setor, &s.queries.IbFluxo, &s.queries.IBRemessa_Empenho})
        f.statements << q->name() + u':' + q->sql();
    f.contents << queryAll(s, "select trim(r.rdb$relation_name) || ' ' || (select count(*) from rdb$relation_fields f "
                              "where f.rdb$relation_name = r.rdb$relation_name) v from rdb$relations r "
                              "where coalesce(r.rdb$system_flag, 0) = 0 order by 1");
    f.contents << queryAll(s, "select Numero || ':' || coalesce(Observacao, '') v from TbRemessa order by Numero");
    f.contents << queryAll(s, "select count(*) || ' ' || sum(Setor_Id) v from TbRemessa_Setor");
    f.contents << queryAll(s, "select count(*) || ' ' || sum(Quantidade_Pedido) v from TbPedido_Item_Processado");
    return f;
}

// What the server was actually sent by this attachment.
QStringList statementsSeenByTheServer(TicketSession& s) {
    return queryAll(s, "select cast(substring(mon$sql_text from 1 for 400) as varchar(400)) v from mon$statements "
                       "where mon$attachment_id = current_connection and mon$sql_text not containing 'mon$statements'");
}

TEST(BadInput, MetacharactersInTheBatchBoxAndRemarkStayValues) try {
    TicketSession s(settingsFor(badRowsDatabase().path()));
    TicketOptions o;
    o.batchText = QStringLiteral("800");
    ASSERT_EQ(s.run.execute(o).outcome, TicketRunResult::Outcome::Completed);
    const Fingerprint before = fingerprint(s);
    const QStringList sentBefore = statementsSeenByTheServer(s);

    const QStringList hostile = {
        "800; DROP TABLE TbRemessa",  "800 --", "800/*", "800' OR '1'='1", "1; DELETE FROM TbRemessa_Setor; --",
        "800\"", "800;", "",
    };
    for (const QString& text : hostile) {
        SCOPED_TRACE(text.toStdString());
        o.batchText = text;
        EXPECT_THROW(s.run.execute(o), BatchTextError);
    }

    o.batchText = QStringLiteral("800");
    const QString remark = QStringLiteral("x'; DROP TABLE TbRemessa; -- /* \" ; ") + QString(500, u'ç');
    o.remark = remark;
    const TicketRunResult r = s.run.execute(o);
    ASSERT_EQ(r.outcome, TicketRunResult::Outcome::Completed);
    EXPECT_EQ(r.obs3Caption, QString::fromUtf8("AÇÃO Nº 5 € O'BRIEN; --/*X*/|") + remark);  // kept whole

    EXPECT_EQ(fingerprint(s), before);
    const QStringList sent = statementsSeenByTheServer(s);
    EXPECT_EQ(sent, sentBefore);
    EXPECT_GE(sent.size(), 8) << sent.join(u'\n').toStdString();  // every batch query is still prepared
    for (const QString& text : sent) {
        EXPECT_FALSE(text.contains("DROP", Qt::CaseInsensitive)) << text.toStdString();
        EXPECT_FALSE(text.contains("800")) << "a value in the statement text: " << text.toStdString();
    }
} catch (const data::IBError& e) {
    FAIL() << e.statusText().toStdString();
}

TEST(BadInput, OddRowsPrintAsTheyStand) {
    TicketSession s(settingsFor(badRowsDatabase().path()));
    TicketOptions o;
    o.batchText = QStringLiteral("800");
    const TicketRunResult r = s.run.execute(o);
    ASSERT_EQ(r.outcome, TicketRunResult::Outcome::Completed);
    EXPECT_EQ(rowsOf(s.tables.RxTalao, {"OC", "Modelo", "Controle", "Cor", "Tamanho", "Setor1", "Sku", "bar1"}),
              QStringList({
                  QString::fromUtf8("1|80|12345678|8-AÇÃO º € CAFÉ \"X\";'Y|Ç€º|12-CORTE ÇÃ€º 'A';--|7890ÇÃ€º12|123456780012"),
                  QString::fromUtf8("1|80|12345678|8-AÇÃO º € CAFÉ \"X\";'Y|Ç€º|10000-SETOR DEZ MIL €|7890ÇÃ€º12|1234567810000"),
                  QString::fromUtf8("1|80|12345678|8-AÇÃO º € CAFÉ \"X\";'Y|Ç€º|123456-SETOR 123456|7890ÇÃ€º12|12345678123456"),
                  QString::fromUtf8("2|81|99999999|8-AÇÃO º € CAFÉ \"X\";'Y|Falha|12-CORTE ÇÃ€º 'A';--||999999990012"),
                  QString::fromUtf8("3|80|10000001|8-AÇÃO º € CAFÉ \"X\";'Y||10000-SETOR DEZ MIL €||1000000110000"),
              }));
}

// A size label that cannot be formed ends the run with the data layer's error; the ticket
// table keeps what the previous run left.
TEST(BadInput, SizesWithoutALabelEndTheRun) {
    TicketSession s(settingsFor(badRowsDatabase().path()));
    TicketOptions o;
    o.batchText = QStringLiteral("800");
    ASSERT_EQ(s.run.execute(o).outcome, TicketRunResult::Outcome::Completed);
    const int rows = s.tables.RxTalao.recordCount();
    struct Case {
        const char* batch;
        const char* what;
    };
    for (const Case& c : {Case{"801", "null size label"}, Case{"802", "size 21"}, Case{"803", "size -1"},
                          Case{"804", "size 0 with a quantity"}}) {
        SCOPED_TRACE(c.what);
        o.batchText = QString::fromLatin1(c.batch);
        try {
            s.run.execute(o);
            ADD_FAILURE() << "the run went on";
        } catch (const data::DataError& e) {
            std::cout << "  " << c.what << ": " << e.message().toStdString() << '\n';
            EXPECT_FALSE(e.message().isEmpty());
        }
        EXPECT_EQ(s.tables.RxTalao.recordCount(), rows);
        o.batchText = QStringLiteral("800");
        ASSERT_EQ(s.run.execute(o).outcome, TicketRunResult::Outcome::Completed);  // the next run works
    }
}

// The schema's text columns hold 20 to 100 characters: the database itself refuses a
// longer description, so no such row can reach the program.
TEST(BadInput, DatabaseRefusesDescriptionsLongerThanTheirColumn) {
    const QString longText(300, u'x');
    for (const char* table : {"TbModelo", "TbSetor", "TbCor", "TbProduto"}) {
        SCOPED_TRACE(table);
        try {
            badRowsDatabase().commit({QStringLiteral("insert into %1 (Codigo, Descricao) values (999, '%2')").arg(table, longText)});
            ADD_FAILURE() << "a 300-character description was stored";
        } catch (const data::IBError& e) {
            EXPECT_EQ(e.code(), isc_arith_except) << e.message().toStdString();
            EXPECT_TRUE(e.statusText().contains("string right truncation")) << e.statusText().toStdString();
        }
    }
}

TEST(BadInput, RangesThatSelectNothing) {
    TicketSession s(settingsFor(badRowsDatabase().path()));
    struct Case {
        const char* what;
        qint64 op1, op2, tl1, tl2;
        int rows;
    };
    const Case cases[] = {
        {"orders inverted", 3, 1, 1, 99999999, 0},
        {"orders zero", 0, 0, 1, 99999999, 0},
        {"tickets inverted", 1, 99, 99999999, 1, 0},
        {"tickets zero", 1, 99, 0, 0, 0},
        {"one 8-digit ticket", 1, 99, 12345678, 12345678, 3},
        {"negative bounds", -5, 99, -99999999, 99999999, 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TicketOptions o;
        o.batchText = QStringLiteral("800");
        o.op1 = c.op1;
        o.op2 = c.op2;
        o.tl1 = c.tl1;
        o.tl2 = c.tl2;
        o.barcodeEntry = -1;  // free text in the barcode list changes nothing in the run
        EXPECT_EQ(s.run.execute(o).outcome, TicketRunResult::Outcome::Completed);
        EXPECT_EQ(s.tables.RxTalao.recordCount(), c.rows);
    }
}

}  // namespace
