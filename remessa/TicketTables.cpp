#include "remessa/TicketTables.h"

#include "dataset/Format.h"

namespace brovik::data {
namespace {

FieldDef text(const char* name, int size) {
    return {.name = QString::fromLatin1(name), .type = FieldType::Text, .size = size};
}
FieldDef integer(const char* name) { return {.name = QString::fromLatin1(name), .type = FieldType::Integer}; }
FieldDef smallInt(const char* name) { return {.name = QString::fromLatin1(name), .type = FieldType::SmallInt}; }
FieldDef real(const char* name) { return {.name = QString::fromLatin1(name), .type = FieldType::Float}; }
FieldDef barcodeText(const char* name) {
    FieldDef d = text(name, 30);
    d.calculated = true;
    return d;
}

void defineRxTalao(MemoryTable& t) {
    for (FieldDef d : {integer("Remessa"), integer("OC"), integer("Controle"), text("Modelo", 60), text("Cor", 30),
                       text("Tamanho", 5), smallInt("Ordem1"), smallInt("Ordem2"), smallInt("Ordem3"),
                       real("quantidade"), real("Total"), text("Setor1", 30), text("Setor2", 30), text("Setor3", 30),
                       barcodeText("bar1"), barcodeText("bar2"), barcodeText("bar3"), integer("Setor_Id1"),
                       integer("Setor_Id2"), integer("Setor_Id3"), text("Sku", 10), integer("Peca_Conjunto"),
                       smallInt("OrdemD"), FieldDef{.name = QStringLiteral("Ult"), .type = FieldType::Boolean}, text("Cliente", 20),
                       integer("Cor_id"), integer("Tamanho_Id")})
        t.addField(std::move(d));
}

// bar1..bar3 from Controle and Setor_Id1..Setor_Id3; nulls read as 0. Runs on every
// row read, so the columns are looked up once.
Dataset::Handler barcodeTextCalculation(Dataset& t) {
    const int controle = t.fieldIndex(u"Controle");
    const int sectors[] = {t.fieldIndex(u"Setor_Id1"), t.fieldIndex(u"Setor_Id2"), t.fieldIndex(u"Setor_Id3")};
    const int bars[] = {t.fieldIndex(u"bar1"), t.fieldIndex(u"bar2"), t.fieldIndex(u"bar3")};
    return [=](Dataset& d) {
        const qint64 ticket = d.field(controle).asLargeInt();
        for (int i = 0; i < 3; ++i)
            d.field(bars[i]).setString(ticketBarcodeText(ticket, d.field(sectors[i]).asLargeInt()));
    };
}

void defineRxProdutoCota(MemoryTable& t) {
    t.addField({.name = QStringLiteral("PRODUTO_CODIGO"), .type = FieldType::Integer, .required = true});
    for (int i = 1; i <= 20; ++i)
        t.addField({.name = QStringLiteral("T%1").arg(i, 2, 10, QLatin1Char('0')),
                    .type = FieldType::Decimal,
                    .size = 18,
                    .scale = 4,
                    .displayFormat = QStringLiteral("#,##0.####")});
}

void defineRxOp(MemoryTable& t) {
    t.addField({.name = QStringLiteral("OP"), .type = FieldType::Integer, .displayFormat = QStringLiteral("00")});
    t.addField(integer("Modelo_Id"));
}

}  // namespace

QString ticketBarcodeText(qint64 controle, qint64 setor) {
    // Computed for every row the ticket table loads: the usual case skips the pattern.
    if (setor >= 0) return QString::number(controle) + QString::number(setor).rightJustified(4, u'0');
    return QString::number(controle) + fmt::formatInteger(u"0000", setor);
}

TicketTables::TicketTables() {
    defineRxTalao(RxTalao);
    RxTalao.setOnCalcFields(barcodeTextCalculation(RxTalao));
    defineRxProdutoCota(RxProduto_Cota);
    defineRxOp(RxOp);
    // Both hooks keep RxOp ordered by OP; RxOp is never opened in a run, so this is cheap.
    auto sortRxOp = [this](Dataset&) { RxOp.sort(u"OP"); };
    RxTalao.setAfterPost(sortRxOp);
    RxOp.setAfterPost(sortRxOp);
}

}  // namespace brovik::data
