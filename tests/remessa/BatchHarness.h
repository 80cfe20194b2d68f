#pragma once

#include "DataTestSupport.h"

#include "remessa/RemessaQueries.h"
#include "remessa/TDM.h"
#include "remessa/TicketTables.h"

namespace brovik::test {

// The data module, the memory tables and the batch queries, opened the way a ticket run
// opens them.
struct BatchHarness {
    explicit BatchHarness(const QString& connectionString) : dm(settingsFor(connectionString)), q(dm, tables) {}
    explicit BatchHarness(const data::AliasSettings& settings) : dm(settings), q(dm, tables) {}

    void openBatch(int remessa) {
        tables.RxProduto_Cota.open();
        dm.IBGrade.open();
        dm.IB.open();
        q.CdsRemessa.close();
        q.IBRemessa.paramByName(u"Remessa_1").setAsInteger(remessa);
        q.CdsRemessa.open();
        q.IBRemessa_Acumulado.close();
        q.IBRemessa_Acumulado.paramByName(u"REMESSA_1").setAsInteger(remessa);
        q.IBRemessa_Acumulado.open();
        q.IBRemessa_Oc.close();
        q.IBRemessa_Oc.paramByName(u"Setor_1").setAsString("0");
        q.IBRemessa_Oc.paramByName(u"REMESSA_1").setAsString(QString::number(remessa));
        q.IBRemessa_Oc.open();
    }

    // The walk of the run: "order/model: ticket(sector,sector) ticket()" per order row,
    // read from the detail queries as the refreshes leave them.
    QStringList walk() {
        QStringList out;
        for (q.IBRemessa_Oc.first(); !q.IBRemessa_Oc.eof(); q.IBRemessa_Oc.next()) {
            QString line = QStringLiteral("%1/%2:").arg(q.IBRemessa_Oc.fieldByName(u"REMESSA_ACUMULADO_CONTROLE").displayText(),
                                                         q.IBRemessa_Oc.fieldByName(u"MODELO_CODIGO").asString());
            for (q.IbRemessa_Oc_Cor.first(); !q.IbRemessa_Oc_Cor.eof(); q.IbRemessa_Oc_Cor.next()) {
                line += u' ' + q.IbRemessa_Oc_Cor.fieldByName(u"CONTROLE").asString() + u'(' +
                        rowsOf(q.IBRemessa_Setor, {"SETOR_ID"}).join(u',') + u')';
            }
            out << line;
        }
        return out;
    }

    data::TDM dm;
    data::TicketTables tables;
    data::RemessaQueries q;
};

}  // namespace brovik::test
