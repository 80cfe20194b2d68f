#include "BatchHarness.h"

#include "dataset/DataError.h"

#include <gtest/gtest.h>

using namespace brovik;
using namespace brovik::data;
using brovik::test::rowsOf;

namespace {

class RemessaQueriesTest : public ::testing::Test {
protected:
    test::BatchHarness h{test::batchDatabase().path()};
    RemessaQueries& q = h.q;
};

TEST_F(RemessaQueriesTest, EveryOrderRowHoldsItsOwnTicketsAndEveryTicketItsOwnRoute) {
    h.openBatch(1234);
    EXPECT_EQ(h.walk(), (QStringList{
                            "07/10: 10001(10,20,90) 10002()",
                            "07/20: 10003(20,90)",
                            "12/30: 10004(10)",
                            "100/10: 10005(90) 10006(10)",
                        }));
    // Walking again gives the same (the refreshes run again for each row).
    EXPECT_EQ(h.walk().size(), 4);
    EXPECT_EQ(rowsOf(q.IBRemessa_Setor, {"ORDEM", "SETOR_ID", "SETOR_DESCRICAO"}), QStringList{"1|10|COSTURA"});
}

TEST_F(RemessaQueriesTest, HeaderCopyKeepsItsRowsWithoutTheQuery) {
    h.openBatch(1234);
    Dataset& c = q.CdsRemessa;
    EXPECT_EQ(c.recordCount(), 1);
    EXPECT_FALSE(q.IBRemessa.isOpen());
    h.dm.IB.close();
    EXPECT_EQ(c.fieldByName(u"NUMERO").displayText(), "01234");
    EXPECT_EQ(c.fieldByName(u"OBSERVACAO").asString(), QString::fromUtf8("VERÃO Nº 5 é ótimo"));
    EXPECT_EQ(c.fieldByName(u"EMPRESA_NOMEFANTASIA").asString(), QString::fromUtf8("FÁBRICA AÇORES"));
    EXPECT_EQ(c.fieldByName(u"DATA_PREVISAO").displayText(), "19/04/2024");
    EXPECT_EQ(c.fieldByName(u"QUANTIDADE").displayText(), "35,5");
    EXPECT_EQ(std::get<qint64>(c.fieldByName(u"VALOR").value()), 2406250);  // 240,625 exact
    EXPECT_EQ(c.fieldByName(u"PARCELAMENTO_ID").asInteger(), 77);
    EXPECT_EQ(c.fieldByName(u"PROJECAO").asString(), "N");
}

TEST_F(RemessaQueriesTest, UnknownBatchGivesAnEmptyHeaderAndNoOrders) {
    h.openBatch(999999);
    EXPECT_TRUE(q.CdsRemessa.isEmpty());
    EXPECT_TRUE(q.IBRemessa_Oc.isEmpty());
    EXPECT_EQ(q.IBRemessa_Oc.fieldByName(u"REMESSA_ACUMULADO_CONTROLE").asInteger(), 0);
    EXPECT_TRUE(q.IbRemessa_Oc_Cor.isEmpty());
}

TEST_F(RemessaQueriesTest, BatchOrderNumbersFromTheStatementAndFromTheProgram) {
    EXPECT_EQ(RemessaQueries::batchOrderNumber("1234", 7), 123407);
    EXPECT_EQ(RemessaQueries::batchOrderNumber("1234", 12), 123412);
    EXPECT_EQ(RemessaQueries::batchOrderNumber("1234", 100), 1234100);
    EXPECT_EQ(RemessaQueries::batchOrderNumber("", 5), 5);  // empty header copy
    EXPECT_EQ(RemessaQueries::batchOrderNumber("21474836", 47), 2147483647);
    try {
        RemessaQueries::batchOrderNumber("21474836", 48);
        FAIL() << "2147483648 was accepted";
    } catch (const DataError& e) {
        EXPECT_EQ(e.message(), "'2147483648' is not a valid integer value");
    }

    h.openBatch(1234);
    QStringList seen;
    for (q.IBRemessa_Oc.first(); !q.IBRemessa_Oc.eof(); q.IBRemessa_Oc.next()) {
        // SETOR_ID: 0 when the statement's batch-order number finds the sector-0 consumption row.
        QString line = q.IBRemessa_Oc.fieldByName(u"Oc").asString() + u'|' +
                       (q.IBRemessa_Oc.fieldByName(u"SETOR_ID").isNull() ? QStringLiteral("null")
                                                                         : q.IBRemessa_Oc.fieldByName(u"SETOR_ID").asString());
        line += u'|' + rowsOf(q.IBRemessa_Empenho, {"REMESSA", "CONSUMO_KG", "Grade"}).join(u';');
        seen << line;
    }
    EXPECT_EQ(seen, (QStringList{
                        "001234-07|0|123407|3,75|34",
                        "001234-07|0|123407|3,75|34",
                        "001234-12|null|123412|4|",
                        "001234-10|0|1234100|7|33",  // order 100: the key keeps 9 characters
                    }));
}

TEST_F(RemessaQueriesTest, AnOverflowingBatchOrderNumberEndsTheWalkWithAnError) {
    h.openBatch(1234);
    q.CdsRemessa.close();
    q.IBRemessa.paramByName(u"Remessa_1").setAsInteger(21474836);
    q.CdsRemessa.open();
    q.IBRemessa_Oc.close();
    q.IBRemessa_Oc.paramByName(u"REMESSA_1").setAsInteger(21474836);
    try {
        q.IBRemessa_Oc.open();  // order 47 fits; the move to order 48 must fail
        q.IBRemessa_Oc.next();
        FAIL() << "order 48 of batch 21474836 went through";
    } catch (const DataError& e) {
        // The statement itself copes (it compares as text); the program's conversion fails.
        EXPECT_EQ(e.message(), "'2147483648' is not a valid integer value");
    }
}

TEST_F(RemessaQueriesTest, CustomerIsEmptyWithoutACustomerOrder) {
    h.openBatch(1234);
    EXPECT_EQ(rowsOf(q.IBRemessa_Oc, {"REMESSA_ACUMULADO_CONTROLE", "MODELO_DESCRICAO", "CLIENTE", "QUANTIDADE"}),
              (QStringList{QString::fromUtf8("7|SAPATÊNIS||12"), "7|BOTA||3", "12|SEM GRADE||5",
                           QString::fromUtf8("100|SAPATÊNIS|LOJA SÃO JOÃO Nº 1|11,5")}));
}

TEST_F(RemessaQueriesTest, FlowComesTwoStepsPerLineLastLineFirst) {
    h.dm.IB.open();
    Query& f = q.IbFluxo;
    f.paramByName(u"Qtd").setAsFloat(12);
    f.paramByName(u"MODELO_ID").setAsString("10");
    f.paramByName(u"COR_ID").setAsInteger(1);
    f.paramByName(u"TAMANHO").setAsInteger(1);
    f.open();
    EXPECT_EQ(rowsOf(f, {"MODELO_ID", "LINHA", "O1", "F1", "T1", "D1", "O2", "F2", "T2", "D2"}),
              (QStringList{
                  "0|3|5|0005|36|EMBALAR|0|0000|0|",
                  "0|2|3|0123|120|PESPONTAR LATERAL DUPLA COM...|4|0004|24|MONTAR",
                  QString::fromUtf8("0|1|1|0007|15|CORTAR|2|0012|60|COSTURAR GÁSPEA"),
              }));
    f.first();
    f.next();
    f.next();
    EXPECT_EQ(f.fieldByName(u"T1").displayText(), "15");
    EXPECT_EQ(std::get<qint64>(f.fieldByName(u"T1").value()), 1500);  // 0.125 x 12 x 10 = 15.00
}

TEST_F(RemessaQueriesTest, FlowOfAModelWithoutStepsIsEmpty) {
    Query& f = q.IbFluxo;
    f.paramByName(u"Qtd").setAsFloat(1);
    f.paramByName(u"MODELO_ID").setAsString("20");
    f.paramByName(u"COR_ID").setAsInteger(1);
    f.paramByName(u"TAMANHO").setAsInteger(1);
    f.open();
    EXPECT_TRUE(f.isEmpty());
}

TEST_F(RemessaQueriesTest, CalculatedFieldsOfTheBatchQueries) {
    h.openBatch(1234);
    EXPECT_EQ(rowsOf(q.IBRemessa_Acumulado, {"PRODUTO_CODIGO", "Grade"}),
              (QStringList{"501| 33/12 35/10,5", "502| 34/1 44/2", "503|Falha na grade", "504|"}));
    EXPECT_EQ(rowsOf(q.IBRemessa_Oc, {"Oc", "TOTAL"}),
              (QStringList{"001234-07|123", "001234-07|0", "001234-12|5", "001234-10|117,875"}));

    // Lot labels and status texts, order by order.
    const struct {
        int row;
        QStringList lots;  // CONTROLE|Tamanho_Descricao|Situacao_Descricao
    } cases[] = {
        {0, {"10001|33|Em Aberto", "10002||Encerrado"}},         // quantity 0: no label
        {1, {QString::fromUtf8("10003|12345|Em Produção")}},      // label cut to 5
        {2, {"10004|Falha|"}},                                     // grid missing; status 4 empty
        {3, {QString::fromUtf8("10005|35|Concluído"), "10006|33|"}},  // status 5 empty
    };
    for (const auto& c : cases) {
        q.IBRemessa_Oc.first();
        for (int i = 0; i < c.row; ++i) q.IBRemessa_Oc.next();
        EXPECT_EQ(rowsOf(q.IbRemessa_Oc_Cor, {"CONTROLE", "Tamanho_Descricao", "Situacao_Descricao"}), c.lots)
            << "order row " << c.row;
    }
    EXPECT_EQ(q.IbRemessa_Oc_Cor.fieldByName(u"CONTROLE").displayText(), "010006");
}

TEST_F(RemessaQueriesTest, ABreakdownStopsAt200Characters) {
    h.openBatch(5557);
    const QString g = q.IBRemessa_Acumulado.fieldByName(u"Grade").asString();
    EXPECT_EQ(g.size(), 200);
    EXPECT_TRUE(g.startsWith(" TAMANHO-01/1001 TAMANHO-02/1002"));
}

// A null label at a used size fails the breakdown however long its text has grown.
TEST(SizeBreakdown, ANullLabelAtAUsedSizeFailsWhateverTheLength) {
    test::TestDatabase db(QStringLiteral("data-breakdown"), {QStringLiteral("tests/remessa/fixtures/breakdown.sql")});
    test::BatchHarness h(db.path());
    const struct {
        int batch;
        const char* what;
        bool fails;
    } cases[] = {
        {7001, "every size: past 200 characters at size 20", true},
        {7002, "size 20 alone: a short text", true},
        {7003, "every size but 20", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        try {
            h.openBatch(c.batch);
            EXPECT_FALSE(c.fails) << "the breakdown was formed without the label of size 20";
            const QString g = h.q.IBRemessa_Acumulado.fieldByName(u"Grade").asString();
            EXPECT_EQ(g.size(), 200);
            EXPECT_TRUE(g.startsWith(" TAMANHO-01/1001 TAMANHO-02/1002")) << g.toStdString();
        } catch (const DataError& e) {
            EXPECT_TRUE(c.fails) << e.message().toStdString();
            EXPECT_TRUE(e.message().contains("T20")) << e.message().toStdString();
        }
    }
}

TEST_F(RemessaQueriesTest, ALotWhoseSizeCannotBeLabelledFailsTheRead) {
    const struct {
        int batch;
        const char* expected;
    } cases[] = {
        {5555, "T04"},  // null label
        {5556, "T21"},  // no such size column
    };
    for (const auto& c : cases) {
        try {
            h.openBatch(c.batch);
            FAIL() << "batch " << c.batch << " opened";
        } catch (const DataError& e) {
            EXPECT_TRUE(e.message().contains(c.expected)) << e.message().toStdString();
        }
    }
    // The size-grid catalogue closed: the lookup fails, as reading a closed dataset does.
    h.openBatch(1234);
    h.dm.IBGrade.close();
    q.IBRemessa_Oc.close();
    try {
        q.IBRemessa_Oc.open();
        FAIL() << "the lots were labelled without the catalogue";
    } catch (const DataError& e) {
        EXPECT_TRUE(e.message().contains("IBGrade")) << e.message().toStdString();
    }
}

TEST_F(RemessaQueriesTest, QuotaFollowsTheBatchContentsAndPrefersTheProductOverride) {
    h.openBatch(1234);
    EXPECT_EQ(q.DsModelo_Producao_Cota, &h.dm.ibModelo_Producao_Cota);
    EXPECT_EQ(std::get<qint64>(h.dm.ibModelo_Producao_Cota.fieldByName(u"QUANTIDADE").value()), 50012345);
    q.IBRemessa_Acumulado.next();
    EXPECT_TRUE(h.dm.ibModelo_Producao_Cota.isEmpty());  // model 20 has none

    MemoryTable& cota = h.tables.RxProduto_Cota;
    cota.insert();
    cota.fieldByName(u"PRODUTO_CODIGO").setLargeInt(501);
    cota.post();
    q.IBRemessa_Acumulado.first();
    EXPECT_EQ(q.DsModelo_Producao_Cota, &cota);
}

}  // namespace
