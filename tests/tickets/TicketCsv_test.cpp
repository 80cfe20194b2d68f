#include "remessa/TicketTables.h"
#include "tickets/TicketCsv.h"

#include <QBuffer>
#include <gtest/gtest.h>

using namespace brovik;

TEST(TicketCsv, HeaderQuotingNumbersBooleansAndNulls) {
    data::TicketTables tables;
    data::MemoryTable& t = tables.RxTalao;
    t.open();
    t.insert();
    t.fieldByName(u"Remessa").setLargeInt(4521);
    t.fieldByName(u"Controle").setLargeInt(15230);
    t.fieldByName(u"Cor").setString(QString::fromUtf8("5-AZUL, \"CÉU\""));
    t.fieldByName(u"quantidade").setFloat(10.5);
    t.fieldByName(u"Setor_Id1").setLargeInt(12);
    t.fieldByName(u"Ult").setBoolean(true);
    t.post();
    QBuffer out;
    out.open(QIODevice::WriteOnly);
    tickets::writeCsv(t, out);
    const QList<QByteArray> lines = out.data().split('\n');
    ASSERT_GE(lines.size(), 2);
    EXPECT_EQ(lines[0],
              "Remessa,OC,Controle,Modelo,Cor,Tamanho,Ordem1,Ordem2,Ordem3,quantidade,Total,Setor1,Setor2,Setor3,"
              "bar1,bar2,bar3,Setor_Id1,Setor_Id2,Setor_Id3,Sku,Peca_Conjunto,OrdemD,Ult,Cliente,Cor_id,Tamanho_Id\r");
    EXPECT_EQ(lines[1], QString::fromUtf8("4521,,15230,,\"5-AZUL, \"\"CÉU\"\"\",,,,,10.5,,,,,152300012,152300000,"
                                          "152300000,12,,,,,,true,,,\r")
                            .toUtf8());
}
