#include "tickets/TicketRun.h"

#include "dataset/DataError.h"
#include "remessa/RemessaQueries.h"
#include "remessa/TDM.h"
#include "remessa/TicketTables.h"

namespace brovik::tickets {
namespace {

// An integer column as plain digits, empty when null (no display mask).
QString digits(const data::Field& f) { return f.isNull() ? QString() : QString::number(f.asLargeInt()); }

QString codeAndName(data::Dataset& d, QStringView code, QStringView name) {
    return digits(d.fieldByName(code)) + u'-' + d.fieldByName(name).asString();
}

QString notAnInteger(const QString& text) { return QStringLiteral("'%1' is not a valid integer value").arg(text); }

}  // namespace

BatchTextError::BatchTextError(const QString& text)
    : std::runtime_error(notAnInteger(text).toStdString()), message_(notAnInteger(text)) {}

int batchNumber(const QString& text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok) throw BatchTextError(text);
    return n;
}

TicketRun::TicketRun(data::TDM& dm, data::RemessaQueries& queries, data::TicketTables& tables)
    : dm_(dm), q_(queries), t_(tables) {}

QString TicketRun::sortFields(Layout layout, bool decrescente) {
    if (layout != Layout::Flow && decrescente) return QStringLiteral("Remessa;Oc;Modelo;Controle;OrdemD");
    return QStringLiteral("Remessa;Oc;Modelo;Controle;Ordem1");
}

TicketRunResult TicketRun::execute(const TicketOptions& options) {
    TicketRunResult result;
    result.layout = options.layout;
    openBatch(options.batchText, options.layout == Layout::Flow);
    if (q_.IBRemessa_Oc.fieldByName(u"REMESSA_ACUMULADO_CONTROLE").asLargeInt() < 1) return result;

    t_.RxTalao.close();
    t_.RxTalao.open();
    fillTickets(options, result);
    q_.releaseRunReads();
    result.obs3Caption = q_.CdsRemessa.fieldByName(u"OBSERVACAO").asString() + u'|' + options.remark;
    t_.RxTalao.sort(sortFields(options.layout, options.decrescente));
    result.outcome = TicketRunResult::Outcome::Completed;
    return result;
}

void TicketRun::openBatch(const QString& batchText, bool flows) {
    dm_.IB.reattachIfLost();
    t_.RxProduto_Cota.open();
    dm_.IBGrade.open();
    dm_.IB.open();
    // The header goes first, so a bad batch text leaves it closed.
    q_.CdsRemessa.close();
    const int remessa = batchNumber(batchText);
    q_.IBRemessa.paramByName(u"Remessa_1").setAsInteger(remessa);
    q_.CdsRemessa.open();
    q_.IBRemessa_Acumulado.close();
    q_.IBRemessa_Acumulado.paramByName(u"Remessa_1").setAsInteger(remessa);
    q_.IBRemessa_Acumulado.open();
    q_.readBatchSetWise(remessa, flows);
    q_.IBRemessa_Oc.close();
    q_.IBRemessa_Oc.paramByName(u"Setor_1").setAsString(QStringLiteral("0"));
    q_.IBRemessa_Oc.paramByName(u"REMESSA_1").setAsInteger(remessa);
    q_.IBRemessa_Oc.open();
}

void TicketRun::fillTickets(const TicketOptions& options, TicketRunResult& result) {
    data::Query& oc = q_.IBRemessa_Oc;
    data::Query& tickets = q_.IbRemessa_Oc_Cor;
    // Moving through the orders and tickets re-queries their details even outside the ranges.
    for (oc.first(); !oc.eof(); oc.next()) {
        const qint64 order = oc.fieldByName(u"REMESSA_ACUMULADO_CONTROLE").asLargeInt();
        if (order < options.op1 || order > options.op2) continue;
        for (tickets.first(); !tickets.eof(); tickets.next()) {
            const qint64 ticket = tickets.fieldByName(u"CONTROLE").asLargeInt();
            if (ticket < options.tl1 || ticket > options.tl2) continue;
            if (addTicket()) ++result.tickets;
        }
    }
}

// One row per sector of the current ticket's route; false when the route is empty.
bool TicketRun::addTicket() {
    lookUpProductCodes();
    int routeCounter = 100;
    bool added = false;
    data::Query& route = q_.IBRemessa_Setor;
    for (route.first(); !route.eof(); route.next()) {
        --routeCounter;
        insertStep(routeCounter);
        added = true;
    }
    // A ticket without route sectors has no last step to mark: it must not touch the
    // previous ticket's row nor leave a row of its own.
    if (added) {
        t_.RxTalao.edit();
        t_.RxTalao.fieldByName(u"Ult").setBoolean(true);
        t_.RxTalao.post();
    }
    return added;
}

void TicketRun::lookUpProductCodes() {
    data::Query& sku = dm_.IBProduto_Sku;
    const qint64 model = q_.IBRemessa_Oc.fieldByName(u"MODELO_CODIGO").asLargeInt();
    const qint64 colour = q_.IbRemessa_Oc_Cor.fieldByName(u"COR_ID").asLargeInt();
    if (sku.isOpen() && !sku.isEmpty() && sku.fieldByName(u"MODELO_CODIGO").asLargeInt() == model &&
        sku.fieldByName(u"COR_CODIGO").asLargeInt() == colour)
        return;
    sku.close();
    sku.paramByName(u"Modelo_1").setAsLargeInt(model);
    sku.paramByName(u"Cor_1").setAsLargeInt(colour);
    sku.open();
}

void TicketRun::insertStep(int ordemD) {
    data::Dataset& oc = q_.IBRemessa_Oc;
    data::Dataset& ticket = q_.IbRemessa_Oc_Cor;
    data::Dataset& sector = q_.IBRemessa_Setor;
    data::MemoryTable& rx = t_.RxTalao;
    rx.insert();
    rx.fieldByName(u"Remessa").setLargeInt(q_.CdsRemessa.fieldByName(u"NUMERO").asLargeInt());
    rx.fieldByName(u"OC").setLargeInt(oc.fieldByName(u"REMESSA_ACUMULADO_CONTROLE").asLargeInt());
    rx.fieldByName(u"Modelo").setString(digits(oc.fieldByName(u"MODELO_CODIGO")));
    rx.fieldByName(u"Controle").setLargeInt(ticket.fieldByName(u"CONTROLE").asLargeInt());
    rx.fieldByName(u"Cor").setString(codeAndName(ticket, u"COR_ID", u"COR_DESCRICAO"));
    rx.fieldByName(u"Cor_id").setLargeInt(ticket.fieldByName(u"COR_ID").asLargeInt());
    rx.fieldByName(u"Tamanho").setString(ticket.fieldByName(u"Tamanho_Descricao").asString());
    rx.fieldByName(u"Tamanho_Id").setLargeInt(ticket.fieldByName(u"TAMANHO").asLargeInt());
    rx.fieldByName(u"quantidade").setFloat(ticket.fieldByName(u"QUANTIDADE").asFloat());
    rx.fieldByName(u"Total").setFloat(oc.fieldByName(u"QUANTIDADE").asFloat());
    rx.fieldByName(u"Peca_Conjunto").setLargeInt(ticket.fieldByName(u"PECA_CONJUNTO").asLargeInt());
    rx.fieldByName(u"Cliente").setString(oc.fieldByName(u"CLIENTE").asString());
    rx.fieldByName(u"Setor_Id1").setLargeInt(sector.fieldByName(u"SETOR_ID").asLargeInt());
    rx.fieldByName(u"Setor1").setString(codeAndName(sector, u"SETOR_ID", u"SETOR_DESCRICAO"));
    rx.fieldByName(u"Ordem1").setLargeInt(sector.fieldByName(u"ORDEM").asLargeInt());
    rx.fieldByName(u"OrdemD").setLargeInt(ordemD);
    rx.fieldByName(u"Ult").setBoolean(false);
    rx.fieldByName(u"Sku").setString(productCode());
    rx.post();
}

// The product code of the ticket's size, column "T" plus the size in two digits; empty
// when the lookup has none or the column cannot be read (sizes 0, 21 ...).
QString TicketRun::productCode() {
    const qint64 size = q_.IbRemessa_Oc_Cor.fieldByName(u"TAMANHO").asLargeInt();
    try {
        return dm_.IBProduto_Sku.fieldByName(QStringLiteral("T%1").arg(size, 2, 10, QLatin1Char('0'))).asString();
    } catch (const data::DataError&) {
        return QString();
    }
}

}  // namespace brovik::tickets
