#include "dataset/DataError.h"
#include "remessa/TicketTables.h"

#include <gtest/gtest.h>

using namespace brovik::data;

namespace {

struct Step {
    int oc;
    const char* modelo;
    int controle;
    int ordem;
    int setor;
};

// Adds rows the way the ticket run does: insert, set, post.
void addSteps(MemoryTable& t, std::initializer_list<Step> steps) {
    for (const Step& s : steps) {
        t.insert();
        t.fieldByName(u"Remessa").setLargeInt(4521);
        t.fieldByName(u"OC").setLargeInt(s.oc);
        t.fieldByName(u"Modelo").setString(QString::fromLatin1(s.modelo));
        t.fieldByName(u"Controle").setLargeInt(s.controle);
        t.fieldByName(u"Ordem1").setLargeInt(s.ordem);
        t.fieldByName(u"OrdemD").setLargeInt(100 - s.ordem);
        t.fieldByName(u"Setor_Id1").setLargeInt(s.setor);
        t.post();
    }
}

// "controle/setor" of every row, walking from the first.
std::vector<QString> walk(MemoryTable& t) {
    std::vector<QString> out;
    for (t.first(); !t.eof(); t.next()) out.push_back(t.fieldByName(u"bar1").asString());
    return out;
}

}  // namespace

TEST(MemoryTable, CloseAndOpenEmptiesTheTable) {
    TicketTables tables;
    MemoryTable& t = tables.RxTalao;
    t.open();
    addSteps(t, {{1, "10", 100, 1, 1}, {1, "10", 100, 2, 2}});
    EXPECT_EQ(t.recordCount(), 2);
    t.close();
    t.open();
    EXPECT_EQ(t.recordCount(), 0);
    EXPECT_TRUE(t.eof());
}

TEST(MemoryTable, SortIsStableCaseInsensitiveAndTextual) {
    TicketTables tables;
    MemoryTable& t = tables.RxTalao;
    t.open();
    // Two rows equal on every key (same ticket, same route position) keep creation order;
    // model "1000" sorts before "999" because models compare as text.
    addSteps(t, {{1, "999", 200, 1, 7}, {1, "1000", 300, 2, 5}, {1, "1000", 300, 1, 4}, {1, "1000", 300, 1, 3}});
    t.sort(u"remessa;oc;MODELO;Controle;Ordem1");
    EXPECT_EQ(walk(t), (std::vector<QString>{"3000004", "3000003", "3000005", "2000007"}));
}

TEST(MemoryTable, OrdemDReversesEachTicketsSteps) {
    TicketTables tables;
    MemoryTable& t = tables.RxTalao;
    t.open();
    addSteps(t, {{1, "10", 100, 1, 1}, {1, "10", 100, 2, 2}, {1, "10", 100, 3, 3}, {1, "10", 101, 1, 1},
                 {1, "10", 101, 2, 2}});
    t.sort(u"Remessa;Oc;Modelo;Controle;OrdemD");
    EXPECT_EQ(walk(t), (std::vector<QString>{"1000003", "1000002", "1000001", "1010002", "1010001"}));
}

TEST(MemoryTable, EmptyValuesSortFirstAndCurrentRowIsKept) {
    TicketTables tables;
    MemoryTable& t = tables.RxTalao;
    t.open();
    addSteps(t, {{1, "20", 1, 1, 1}, {1, "", 2, 1, 1}, {1, "10", 3, 1, 1}});
    ASSERT_TRUE(t.locate(u"controle", Value{qint64{3}}));
    t.sort(u"Modelo");
    EXPECT_EQ(t.fieldByName(u"Controle").asInteger(), 3);
    EXPECT_EQ(t.recNo(), 1);
    t.first();
    EXPECT_EQ(t.fieldByName(u"Controle").asInteger(), 2);
}

TEST(MemoryTable, EditAfterPostChangesTheNewRowAndEditOnEmptyInserts) {
    TicketTables tables;
    MemoryTable& t = tables.RxTalao;
    t.open();
    t.edit();  // empty table: starts a new row
    EXPECT_EQ(t.state(), MemoryTable::State::Insert);
    t.fieldByName(u"Controle").setLargeInt(1);
    t.post();
    addSteps(t, {{1, "10", 2, 1, 1}});
    t.edit();
    t.fieldByName(u"Ult").setBoolean(true);
    t.post();
    ASSERT_TRUE(t.locate(u"Controle", Value{qint64{2}}));
    EXPECT_TRUE(t.fieldByName(u"Ult").asBoolean());
    ASSERT_TRUE(t.locate(u"Controle", Value{qint64{1}}));
    EXPECT_FALSE(t.fieldByName(u"Ult").asBoolean());
}

TEST(MemoryTable, TextIsCutToTheColumnWidth) {
    TicketTables tables;
    MemoryTable& t = tables.RxTalao;
    t.open();
    t.insert();
    t.fieldByName(u"Cor").setString(QStringLiteral("5-") + QString(40, u'A'));
    t.fieldByName(u"Sku").setString(QStringLiteral("78912345678901"));
    t.post();
    EXPECT_EQ(t.fieldByName(u"Cor").asString().size(), 30);
    EXPECT_EQ(t.fieldByName(u"Sku").asString(), "7891234567");
}

TEST(MemoryTable, LocateAndSortErrors) {
    TicketTables tables;
    MemoryTable& t = tables.RxTalao;
    EXPECT_FALSE(t.locate(u"Controle", Value{qint64{1}}));  // closed
    t.open();
    EXPECT_FALSE(t.locate(u"Controle", Value{qint64{1}}));  // empty
    addSteps(t, {{1, "10", 5, 1, 1}});
    EXPECT_THROW(t.sort(u"Remessa;Nada"), DataError);
    EXPECT_THROW(t.locate(u"Nada", Value{qint64{1}}), DataError);
    tables.RxOp.sort(u"OP");  // closed: left unchanged, no failure
}

TEST(MemoryTable, FieldNamesMatchWithoutRegardToCase) {
    MemoryTable t(QStringLiteral("T"));
    t.addField({.name = QStringLiteral("Descrição")});
    t.addField({.name = QStringLiteral("Bar1")});
    t.addField({.name = QStringLiteral("BAR1")});  // a repeated name: the first one answers
    struct Case { const char16_t* name; int index; };
    const Case cases[] = {{u"descrição", 0}, {u"DESCRIÇÃO", 0}, {u"bar1", 1}, {u"bAr1", 1},
                          {u"bar", -1},      {u"bar12", -1},    {u"", -1},    {u"Descricao", -1}};
    for (const Case& c : cases) EXPECT_EQ(t.fieldIndex(c.name), c.index) << QString::fromUtf16(c.name).toStdString();
    EXPECT_THROW(t.fieldByName(u"Bar2"), DataError);
}

TEST(TicketTables, BarcodeTexts) {
    struct Case { qint64 controle; std::optional<qint64> setor; const char* bar; };
    const Case cases[] = {
        {1523, 12, "15230012"},        {1234567, 8, "12345670008"}, {7, 12345, "712345"},
        {-15, 12, "-150012"},          {0, 0, "00000"},             {1523, std::nullopt, "15230000"},
    };
    TicketTables tables;
    MemoryTable& t = tables.RxTalao;
    t.open();
    for (const Case& c : cases) {
        t.insert();
        t.fieldByName(u"Controle").setLargeInt(c.controle);
        if (c.setor) t.fieldByName(u"Setor_Id1").setLargeInt(*c.setor);
        t.post();
        EXPECT_EQ(t.fieldByName(u"bar1").asString(), QString::fromLatin1(c.bar));
        EXPECT_EQ(t.fieldByName(u"bar2").asString(), QString::number(c.controle) + "0000");
    }
    // Recomputed on every read: a changed sector changes the text.
    t.edit();
    t.fieldByName(u"Setor_Id1").setLargeInt(42);
    t.post();
    EXPECT_EQ(t.fieldByName(u"bar1").asString(), "15230042");
}
