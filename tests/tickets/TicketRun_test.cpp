#include "support/TestDatabase.h"

#include "remessa/AliasSettings.h"
#include "tickets/TicketSession.h"

#include <gtest/gtest.h>

namespace brovik::tickets {
namespace {

test::TestDatabase& runDatabase() {
    static test::TestDatabase db(QStringLiteral("tickets-run"), {QStringLiteral("tests/tickets/fixtures/run.sql")});
    return db;
}

data::AliasSettings localSettings() {
    data::AliasSettings s;
    s.mv = runDatabase().path();
    return s;
}

TicketOptions batch(const QString& text) {
    TicketOptions o;
    o.batchText = text;
    return o;
}

// Each row of the table in its order, the named columns joined by "|".
QStringList rows(data::Dataset& t, const QStringList& columns) {
    QStringList out;
    for (t.first(); !t.eof(); t.next()) {
        QStringList cells;
        for (const QString& c : columns) cells << t.fieldByName(c).asString();
        out << cells.join(u'|');
    }
    return out;
}

std::vector<bool> ultColumn(data::Dataset& t) {
    std::vector<bool> out;
    for (t.first(); !t.eof(); t.next()) out.push_back(t.fieldByName(u"Ult").asBoolean());
    return out;
}

class TicketRunTest : public ::testing::Test {
protected:
    TicketSession s{localSettings()};
    data::MemoryTable& rx = s.tables.RxTalao;
};

TEST_F(TicketRunTest, BuildsOneRowPerTicketAndSectorSortedForTheFlowLayout) {
    TicketOptions o = batch("500");
    o.remark = "urgente";
    o.decrescente = true;  // no effect on the flow layout
    const TicketRunResult r = s.run.execute(o);
    ASSERT_EQ(r.outcome, TicketRunResult::Outcome::Completed);
    EXPECT_EQ(r.layout, Layout::Flow);
    EXPECT_EQ(r.tickets, 6);
    EXPECT_EQ(r.obs3Caption, "LOTE A|urgente");

    const struct {
        int oc;
        const char* modelo;
        int controle;
        const char* cor;
        const char* tamanho;
        const char* sku;
    } tickets[] = {
        {1, "9", 101, "5-AZUL", "35", "1234567890"},  // size 3; the code is cut to 10
        {1, "9", 102, "5-AZUL", "", ""},              // size 0: no column T00
        {2, "10", 201, "5-AZUL", "", ""},             // size 21: no column T21
        {2, "10", 202, "5-AZUL", "33", "7890"},
        {3, "11", 301, "6-CAFÉ", "34", ""},  // no product for model 11 in colour 6
        {3, "11", 302, "6-CAFÉ", "35", ""},
    };
    const char* sectors[] = {"12-CORTE", "20-COSTURA", "30-MONTAGEM", "40-EXPEDIÇÃO"};
    QStringList expected;
    std::vector<bool> expectedUlt;
    for (const auto& t : tickets)
        for (int i = 0; i < 4; ++i) {
            expected << QStringLiteral("500|%1|%2|%3|%4|%5|%6|%7|%8|%9")
                            .arg(t.oc)
                            .arg(t.modelo)
                            .arg(t.controle)
                            .arg(t.cor, t.tamanho)
                            .arg(i + 1)
                            .arg(99 - i)
                            .arg(sectors[i], t.sku);
            expectedUlt.push_back(i == 3);
        }
    EXPECT_EQ(rows(rx, {"Remessa", "OC", "Modelo", "Controle", "Cor", "Tamanho", "Ordem1", "OrdemD", "Setor1", "Sku"}),
              expected);
    EXPECT_EQ(ultColumn(rx), expectedUlt);
    // The rest of one row of order 2 (a customer order).
    rx.first();
    for (int i = 0; i < 9; ++i) rx.next();
    EXPECT_EQ(rx.fieldByName(u"Controle").asLargeInt(), 201);
    EXPECT_EQ(rx.fieldByName(u"Cliente").asString(), "LOJA \"CENTRO\", SUL");
    EXPECT_EQ(rx.fieldByName(u"quantidade").asFloat(), 0.0);
    EXPECT_EQ(rx.fieldByName(u"Total").asFloat(), 8.0);
    EXPECT_EQ(rx.fieldByName(u"Setor_Id1").asLargeInt(), 20);
    EXPECT_EQ(rx.fieldByName(u"Cor_id").asLargeInt(), 5);
    EXPECT_EQ(rx.fieldByName(u"Tamanho_Id").asLargeInt(), 21);
    EXPECT_EQ(rx.fieldByName(u"bar1").asString(), "2010020");
    EXPECT_TRUE(rx.fieldByName(u"Setor_Id2").isNull());
    EXPECT_TRUE(rx.fieldByName(u"Ordem3").isNull());
}

TEST_F(TicketRunTest, SortFollowsTheLayoutAndTheRouteOrder) {
    const struct {
        Layout layout;
        bool decrescente;
        const char* ordem1;
    } cases[] = {
        {Layout::Flow, true, "1 2 3 4"},
        {Layout::Centred, false, "1 2 3 4"},
        {Layout::Centred, true, "4 3 2 1"},
        {Layout::Columns, true, "4 3 2 1"},
    };
    for (const auto& c : cases) {
        TicketOptions o = batch("500");
        o.layout = c.layout;
        o.decrescente = c.decrescente;
        o.tl1 = o.tl2 = 202;
        EXPECT_EQ(s.run.execute(o).layout, c.layout);
        EXPECT_EQ(rows(rx, {"Ordem1"}).join(u' '), c.ordem1) << int(c.layout) << c.decrescente;
        EXPECT_EQ(ultColumn(rx)[c.ordem1[0] == '4' ? 0 : 3], true);
    }
}

TEST_F(TicketRunTest, RangesSelectOrdersAndTickets) {
    const struct {
        qint64 op1, op2, tl1, tl2;
        const char* tickets;
    } cases[] = {
        {2, 2, 1, 99999999, "201 202"},
        {1, 99, 202, 202, "202"},
        {1, 2, 102, 201, "102 201"},
        {50, 99, 1, 99999999, ""},  // a preview without tickets
        {1, 99, 400, 500, ""},
    };
    for (const auto& c : cases) {
        TicketOptions o = batch("500");
        o.op1 = c.op1;
        o.op2 = c.op2;
        o.tl1 = c.tl1;
        o.tl2 = c.tl2;
        EXPECT_EQ(s.run.execute(o).outcome, TicketRunResult::Outcome::Completed);
        QStringList seen = rows(rx, {"Controle"});
        seen.removeDuplicates();
        EXPECT_EQ(seen.join(u' '), c.tickets) << c.op1 << "-" << c.op2 << " " << c.tl1 << "-" << c.tl2;
    }
}

TEST_F(TicketRunTest, ConsecutiveTicketsOfOneModelAndColourShareOneLookup) {
    int lookups = 0;
    // The run never moves through the lookup, so every notification is an open.
    s.dm.IBProduto_Sku.setOnRowChanged([&](data::Dataset&) { ++lookups; });
    TicketOptions o = batch("500");
    o.tl1 = 101;
    o.tl2 = 102;
    s.run.execute(o);
    EXPECT_EQ(lookups, 1);
    // The next run reuses the open lookup for its first ticket.
    s.run.execute(o);
    EXPECT_EQ(lookups, 1);
    o.tl2 = 202;  // model 10 follows model 9
    s.run.execute(o);
    EXPECT_EQ(lookups, 2);
}

TEST_F(TicketRunTest, ABatchTextThatIsNotANumberStopsAfterClosingTheHeader) {
    s.run.execute(batch("500"));
    ASSERT_TRUE(s.queries.CdsRemessa.isOpen());
    EXPECT_THROW(s.run.execute(batch("12a")), BatchTextError);
    EXPECT_FALSE(s.queries.CdsRemessa.isOpen());
    EXPECT_EQ(rx.recordCount(), 24);
}

TEST_F(TicketRunTest, ABatchWithoutOrdersStopsSilentlyAndKeepsThePreviousTickets) {
    s.run.execute(batch("500"));
    for (const char* text : {"600", "999"}) {
        EXPECT_EQ(s.run.execute(batch(text)).outcome, TicketRunResult::Outcome::NoOrders) << text;
        EXPECT_EQ(rx.recordCount(), 24) << text;
    }
}

// Ticket 700 (first) and 702 (last) have no route; 701 has two sectors.
TEST_F(TicketRunTest, ATicketWithoutRouteAddsNoRowsAndLeavesOthersAlone) {
    s.run.execute(batch("500"));
    const TicketRunResult r = s.run.execute(batch("700"));
    EXPECT_EQ(r.tickets, 1);
    EXPECT_EQ(r.obs3Caption, "|");
    // No row of the first run, no row holding only Ult.
    EXPECT_EQ(rows(rx, {"Controle", "Setor1", "OrdemD"}), (QStringList{"701|12-CORTE|99", "701|40-EXPEDIÇÃO|98"}));
    EXPECT_EQ(ultColumn(rx), (std::vector<bool>{false, true}));
}

TEST(TicketRunSort, FieldsByLayout) {
    EXPECT_EQ(TicketRun::sortFields(Layout::Flow, true), "Remessa;Oc;Modelo;Controle;Ordem1");
    EXPECT_EQ(TicketRun::sortFields(Layout::Columns, true), "Remessa;Oc;Modelo;Controle;OrdemD");
}

}  // namespace
}  // namespace brovik::tickets
