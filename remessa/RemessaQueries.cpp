#include "remessa/RemessaQueries.h"

#include "dataset/DataError.h"
#include "firebird/ClientError.h"
#include "dataset/Format.h"
#include "remessa/RemessaCalcFields.h"
#include "remessa/SetWiseRead.h"
#include "remessa/TDM.h"
#include "remessa/TicketTables.h"

namespace brovik::data {
namespace {

FieldDef integer(const char* name, const char* display = "") {
    return {.name = name, .type = FieldType::Integer, .displayFormat = display};
}
FieldDef required(FieldDef d) {
    d.required = true;
    return d;
}
FieldDef smallint(const char* name, const char* display = "") {
    return {.name = name, .type = FieldType::SmallInt, .displayFormat = display};
}
FieldDef text(const char* name, int size) { return {.name = name, .type = FieldType::Text, .size = size}; }
FieldDef fixedText(const char* name, int size) { return {.name = name, .type = FieldType::FixedText, .size = size}; }
FieldDef decimal(const char* name, int scale, const char* display = "") {
    return {.name = name, .type = FieldType::Decimal, .scale = scale, .displayFormat = display};
}
FieldDef date(const char* name, const char* display = "") {
    return {.name = name, .type = FieldType::Date, .displayFormat = display};
}
FieldDef dateTime(const char* name, const char* display = "") {
    return {.name = name, .type = FieldType::DateTime, .displayFormat = display};
}
FieldDef calculated(FieldDef d) {
    d.calculated = true;
    return d;
}

// The keys each per-key query is opened with during a run over the batch, one column per
// parameter. A key the walk uses but these miss (odd data) runs its query as before.
const QString kTicketKeys = QStringLiteral(
    "Select Distinct A.Remessa, A.Remessa_Acumulado_Controle, A.Modelo_Codigo"
    " From tbpedido_item_processado A Where A.Remessa = :Batch");
const QString kRouteKeys = QStringLiteral(
    "Select Distinct A.Remessa, A.Remessa_Acumulado_Controle, A.Controle"
    " From tbpedido_item_processado A Where A.Remessa = :Batch");
const QString kProductKeys = QStringLiteral(
    "Select Distinct A.Modelo_Codigo, A.Cor_Id From tbpedido_item_processado A Where A.Remessa = :Batch");
// The batch-order number as the program forms it, for the orders where that is plain arithmetic.
const QString kMaterialKeys = QStringLiteral(
    "Select Distinct A.Remessa * 100 + A.Remessa_Acumulado_Controle, A.Remessa * 100 + A.Remessa_Acumulado_Controle,"
    " 0, 99999 From tbpedido_item_processado A Where A.Remessa = :Batch and A.Remessa >= 0"
    " and A.Remessa_Acumulado_Controle between 0 and 99 and A.Remessa * 100 + A.Remessa_Acumulado_Controle <= 2147483647");
const QString kFlowKeys = QStringLiteral(
    "Select Distinct Cast(A.Quantidade_Pedido as Numeric(15,4)), A.Modelo_Codigo, A.Cor_Id, A.Tamanho"
    " From tbpedido_item_processado A Where A.Remessa = :Batch");

void prefetch(Query& q, const QString& keySql, int remessa) {
    try {
        q.setPrefetched(readSetWise(q, keySql, remessa));
    } catch (const ClientError&) {
        q.clearPrefetched();
    } catch (const DataError&) {
        q.clearPrefetched();
    }
}

QString two(int n) { return QStringLiteral("%1").arg(n, 2, 10, QChar(u'0')); }

void setUpRemessa(Query& q, ClientDataset& copy) {
    q.setSql(QStringList{
        "Select First 1 A.Estabelecimento_Codigo, A.Numero, A.Data, A.Projecao, A.Oc,",
        "A.OBSERVACAO, A.DATA_PREVISAO, A.EMPRESA_ID,",
        "(SELECT NOMEFANTASIA FROM TBEMPRESA WHERE CODIGO = A.EMPRESA_ID) EMPRESA_NOMEFANTASIA,",
        "(SELECT CAST(SUM(B.QUANTIDADE) AS NUMERIC(15,4)) FROM TbRemessa_Acumulado B Where A.Numero = B.Remessa) Quantidade,",
        "(SELECT CAST(SUM(B.QUANTIDADE*B.VALOR) AS NUMERIC(15,4)) FROM TbRemessa_Acumulado B Where A.Numero = B.Remessa) Valor,",
        "(Select First 1 N.Controle From TbNfe_Parcelamento N Where N.Remessa = A.Numero) Parcelamento_Id",
        "From TbRemessa A",
        "Where A.Numero =  :Remessa_1",
    });
    const std::initializer_list<FieldDef> fields = {
        required(integer("ESTABELECIMENTO_CODIGO", "00")),
        required(integer("NUMERO", "00000")),
        date("DATA", "dd/mm/yyyy"),
        fixedText("PROJECAO", 1),
        fixedText("OC", 1),
        text("OBSERVACAO", 30),
        date("DATA_PREVISAO", "dd/mm/yyyy"),
        integer("EMPRESA_ID", "00000"),
        text("EMPRESA_NOMEFANTASIA", 20),
        decimal("QUANTIDADE", 4, "#,##0.####"),
        decimal("VALOR", 4, "#,##0.00"),
        integer("PARCELAMENTO_ID"),
    };
    q.declareFields(fields);
    for (const FieldDef& f : fields) copy.addField(f);
}

void setUpAcumulado(Query& q) {
    QStringList sql{
        "Select A.Remessa,",
        "A.Familia_Codigo, (Select First 1 F.Descricao From TbFamilia           F Where F.Codigo   = A.Familia_Codigo )  FAMILIA_DESCRICAO,",
        "A.Linha_Codigo,   (Select First 1 L.Descricao From TbModelo_Linha L Where L.Codigo   = A.Linha_Codigo )     LINHA_DESCRICAO,",
        "A.Modelo_Codigo,(Select First 1 M.Descricao From TbModelo          M Where M.Codigo  = A.Modelo_Codigo ) MODELO_DESCRICAO,",
        "A.Cor_Codigo,      (SELECT First 1 C.DESCRICAO FROM TbCor       C WHERE C.Codigo  = A.Cor_Codigo)       Cor_Descricao,",
        "(Select First 1 M.Grade_Codigo From TbModelo M Where M.Codigo = A.Modelo_Codigo ) GRADE_ID,",
    };
    for (int n = 1; n <= 10; ++n)
        sql << QStringLiteral("Cast(A.T%1 as Numeric(15,4)) T%1, Cast(A.T%2 as Numeric(15,4)) T%2,").arg(two(n), two(n + 10));
    sql << "Cast(A.Quantidade as Numeric(15,4)) Quantidade, "
        << "A.Produto_Codigo, A.Pedido, Coalesce(A.Valor,0) Valor,"
        << "Coalesce((Select First 1 L.Pecas_Conjunto From TbModelo_Linha L Where L.Codigo = A.Linha_Codigo ),0) Pecas_Conjunto,"
        << "(Select First 1 F.Localizacao_Codigo From TbFamilia F Where F.Codigo = A.Familia_Codigo )  LOCALIZACAO_CODIGO"
        << "From TbRemessa_Acumulado A"
        << "Where A.REMESSA = :REMESSA_1"
        << "Order by 6,9";
    q.setSql(sql);
    q.declareFields({
        required(integer("REMESSA", "0000")),
        required(integer("FAMILIA_CODIGO", "0000")),
        text("FAMILIA_DESCRICAO", 20),
        integer("LINHA_CODIGO", "0000"),
        text("LINHA_DESCRICAO", 50),
        integer("MODELO_CODIGO", "000"),
        text("MODELO_DESCRICAO", 50),
        integer("COR_CODIGO", "0000"),
        text("COR_DESCRICAO", 20),
        decimal("QUANTIDADE", 4, "#,##0.####"),
    });
    for (int n = 1; n <= 20; ++n) {
        FieldDef d = decimal("", 4, "#,##0.####");
        d.name = QStringLiteral("T") + two(n);
        q.declareField(d);
    }
    q.declareFields({
        integer("GRADE_ID"),
        calculated(text("Grade", 200)),
        required(integer("PRODUTO_CODIGO")),
        smallint("PEDIDO", "00000"),
        smallint("PECAS_CONJUNTO"),
        integer("LOCALIZACAO_CODIGO"),
        decimal("VALOR", 2, "#,##0.00"),
    });
}

void setUpOc(Query& q) {
    q.setSql(QStringList{
        "Select Distinct(A.Remessa_Acumulado_Controle), A.Modelo_Codigo, A.Remessa,",
        "(Select First 1 M.Descricao From TbModelo M",
        "  Where M.Codigo = A.Modelo_Codigo ) MODELO_DESCRICAO,",
        "(Select First 1 M.Grade_Codigo From TbModelo M",
        "  Where M.Codigo = A.Modelo_Codigo ) GRADE_CODIGO,",
        "Cast(Sum(A.Quantidade_Pedido) as Numeric(15,4)) Quantidade,",
        "Max(A.Situacao) Situacao , Max(A.Peca_Conjunto) Peca_Conjunto,",
        "Max((Select First 1 S.Setor_Id From TbRemessa_Consumo S Where",
        "( S.Remessa = A.REMESSA||(Case When A.Remessa_Acumulado_Controle <= 9 Then '0'||A.Remessa_Acumulado_Controle else A.Remessa_Acumulado_Controle end))",
        "and S.Estabelecimento_ID = A.Estabelecimento_Codigo",
        "and S.Familia_ID = 0",
        "and S.Requisicao_Id = 0",
        "and S.Setor_Id = :Setor_1)) Setor_Id,",
        " IIF(Min(A.Pedido)>0,(Select First 1 E.NomeFantasia From TbPedido P, TbEmpresa E Where P.Cliente_Codigo = E.Codigo and P.Pedido = Min(A.Pedido)),'') Cliente,",
        " (SELECT FIRST 1 B.VALOR FROM TbRemessa_Acumulado B Where A.Remessa = B.Remessa and B.modelo_codigo = A.modelo_codigo) Valor",
        "From tbpedido_item_processado A",
        "Where A.REMESSA = :REMESSA_1",
        "Group BY 1,2,3",
        "Order by 1",
    });
    q.declareFields({
        integer("REMESSA_ACUMULADO_CONTROLE", "00"),
        integer("MODELO_CODIGO"),
        text("MODELO_DESCRICAO", 50),
        decimal("QUANTIDADE", 4, "#,##0.####"),
        integer("GRADE_CODIGO"),
        integer("SITUACAO"),
        calculated(text("Oc", 9)),
        smallint("PECA_CONJUNTO"),
        integer("SETOR_ID"),
        text("CLIENTE", 20),
        integer("REMESSA"),
        decimal("VALOR", 2, "#,##0.00"),
        calculated({.name = "TOTAL", .type = FieldType::Currency, .displayFormat = "#,##0.00"}),
    });
}

void setUpOcCor(Query& q) {
    q.setSql(QStringList{
        "Select A.Controle, A.Cor_Id, A.Hora_Producao,",
        "A.Esteira_Producao, A.Tamanho, A.situacao,",
        "(Select First 1 M.Descricao From TbCor M",
        "  Where M.Codigo = A.Cor_Id ) COR_DESCRICAO,",
        "(Select First 1 M.Descricao From TbEsteira M",
        "  Where M.Codigo = A.Esteira_Producao) ESTEIRA_DESCRICAO,",
        "Cast((A.Quantidade_Pedido) as Numeric(15,4)) Quantidade, A.Peca_Conjunto",
        "From tbpedido_item_processado A",
        "Where A.REMESSA = :REMESSA_1",
        "  and A.Remessa_Acumulado_Controle = :Oc_1",
        "  and A.Modelo_Codigo = :Modelo_1",
        "Order by 1",
    });
    q.declareFields({
        required(integer("CONTROLE", "000000")),
        integer("COR_ID"),
        dateTime("HORA_PRODUCAO", "dd/mm/yyyy hh:nn"),
        integer("ESTEIRA_PRODUCAO"),
        integer("TAMANHO"),
        integer("SITUACAO"),
        text("COR_DESCRICAO", 20),
        text("ESTEIRA_DESCRICAO", 20),
        decimal("QUANTIDADE", 4),
        calculated(text("Tamanho_Descricao", 5)),
        calculated(text("Situacao_Descricao", 15)),
        smallint("PECA_CONJUNTO"),
    });
}

void setUpSetor(Query& q) {
    q.setSql(QStringList{
        "Select A.ORDEM,A.SETOR_ID,A.DATA_HORA,",
        "(Select First 1 B.Descricao From TbSetor B Where A.Setor_Id = B.Codigo) Setor_Descricao",
        "From TbRemessa_Setor A",
        "Where A.Remessa = :Remessa_1",
        "  and A.Remessa_Acumulado_Id = :Oc_1",
        "  and A.Talao_Id = :Talao_1",
        "Order By A.Ordem",
    });
    q.declareFields({
        integer("ORDEM", "00"),
        required(integer("SETOR_ID", "0000")),
        dateTime("DATA_HORA", "dd/mm/yyyy hh:nn"),
        text("SETOR_DESCRICAO", 20),
    });
}

void setUpFluxo(Query& q) {
    q.setSql(fluxoSql());
    const auto bigint = [](const char* n) { return FieldDef{.name = n, .type = FieldType::BigInt}; };
    q.declareFields({
        required(integer("MODELO_ID")),
        bigint("LINHA"),
        bigint("O1"),
        text("F1", 4),
        decimal("T1", 2),
        text("D1", 30),
        bigint("O2"),
        text("F2", 4),
        decimal("T2", 2),
        text("D2", 30),
    });
}

void setUpEmpenho(Query& q) {
    q.setSql(QStringList{
        "Select A.Produto_Id, D.DESCRICAO PRODUTO_DESCRICAO,",
        "D.Familia_Codigo,",
        "Max((Select First 1 F.Descricao From TbFamilia F Where D.Familia_Codigo = F.Codigo)) Familia_Descricao,",
        "A.Setor_id,",
        "Max((Select First 1 S.Descricao From TbSetor S Where A.Setor_Id = S.Codigo)) Setor_Descricao,",
        "Max((Select First 1 P.Secao from TbProduto_Ficha P Where D.Codigo = P.Produto_Codigo)) Secao,",
        "Max((Select First 1 C.Abreviado From TbCor C Where D.Cor_Codigo = C.Codigo)) Cor_Abreviado,",
        "D.UNIDADEMEDIDA_SIGLA, A.Estabelecimento_Id, A.FAMILIA_ID, A.Tamanho, D.Grade_Codigo,",
        "Sum(A.Consumo_kg) Consumo_Kg, A.Conferencia,",
        "Sum(A.Quantidade_Conferencia) Quantidade_Conferencia,",
        "Max(A.REMESSA) Remessa,  ",
        "Max(A.DataHora_Conferencia) DataHora_Conferencia",
        "From TbRemessa_Consumo A, TbProduto D, TbFamilia F",
        "Where A.Produto_Id = D.Codigo",
        "     and D.Familia_Codigo = F.Codigo",
        "     and (A.Remessa Between :Remessa_1 and :Remessa_2)",
        "     and A.Setor_Id Between :Setor_1 and :Setor_2",
        "     and A.Requisicao_Id = 0",
        "Group By A.Produto_Id, D.DESCRICAO, D.Familia_Codigo, A.Setor_Id,",
        "D.UNIDADEMEDIDA_SIGLA,A.Estabelecimento_Id, A.FAMILIA_ID, A.Tamanho, D.Grade_Codigo, A.Conferencia",
        "Order by 6,5, 2",
    });
    q.declareFields({
        required(integer("PRODUTO_ID", "00000")),
        integer("FAMILIA_CODIGO", "0000"),
        text("FAMILIA_DESCRICAO", 20),
        decimal("CONSUMO_KG", 4, "#,##0.0000"),
        fixedText("CONFERENCIA", 1),
        decimal("QUANTIDADE_CONFERENCIA", 4, "#,##0.0000"),
        dateTime("DATAHORA_CONFERENCIA"),
        text("PRODUTO_DESCRICAO", 104),
        text("SECAO", 20),
        required(integer("ESTABELECIMENTO_ID")),
        required(integer("FAMILIA_ID")),
        required(integer("REMESSA")),
        required(integer("TAMANHO")),
        calculated(text("Grade", 10)),
        integer("GRADE_CODIGO"),
        text("UNIDADEMEDIDA_SIGLA", 3),
        text("COR_ABREVIADO", 3),
        integer("SETOR_ID", "0000"),
        text("SETOR_DESCRICAO", 20),
    });
}

// "(Case When A.Ordem in (1,3,...,49) Then X else 0 end) N1," and its even twin.
QString caseColumn(const QString& value, const QString& otherwise, const QString& alias, int parity) {
    QStringList positions;
    for (int p = parity; p <= 50; p += 2) positions << QString::number(p);
    return QStringLiteral("    (Case When A.Ordem in (%1) Then %2 else %3 end) %4")
        .arg(positions.join(u','), value, otherwise, alias);
}

}  // namespace

QString fluxoSql() {
    QStringList sql{
        "Select Z.Modelo_Id, Z.Linha,",
        "      Sum(Z.Ordem1) O1, lPad(Sum(Z.Fluxo1),4,'0') F1,",
        "       Cast((Sum(Z.Tempo1)* Cast(:Qtd as Numeric(15,4)) ) *10 as Numeric(15,2)) T1,",
        "        fn_elipse(Max(fn_elipse(Z.Desc1,30) ),30) D1,",
        "       Sum(Z.Ordem2) O2, lPad(Sum(Z.Fluxo2),4,'0') F2,",
        "        Cast((Sum(Z.Tempo2)* Cast(:Qtd as Numeric(15,4)) ) *10 as Numeric(15,2)) T2,",
        "        Max(fn_elipse(Z.Desc2,30) ) D2",
        "From (",
        "SELECT",
        "    0 Modelo_id,",
        "    A.Fluxo_Id,",
        "    Trunc(A.Ordem/2.0000001)+1 Linha,",
    };
    struct Pair {
        const char* value;
        const char* name;
        const char* otherwise;
    };
    const Pair pairs[] = {{"A.Ordem", "Ordem", "0"}, {"A.Fluxo_Id", "Fluxo", "0"}, {"a.Tempo", "Tempo", "0"},
                          {"F.Descricao", "Desc", "''"}};
    QStringList columns;
    for (const Pair& p : pairs)
        for (int half = 1; half <= 2; ++half)
            columns << caseColumn(QLatin1String(p.value), QLatin1String(p.otherwise),
                                  QLatin1String(p.name) + QString::number(half), half);
    sql << columns.join(QStringLiteral(",\n"));
    sql << "FROM SPU_MODELO_COR_TAMANHO_FLUXO(:MODELO_ID, :COR_ID, :TAMANHO, 0) a, TBFLUXO_PRODUCAO F"
        << "WHERE a.FLUXO_ID = F.ID"
        << "ORDER BY a.PECA, a.ORDEM"
        << ") Z Group By 1,2 Order By 3 desc";
    return sql.join(u'\n');
}

ClientDataset::ClientDataset(QString name, Query& provider) : Dataset(std::move(name)), provider_(&provider) {}

void ClientDataset::doOpen() {
    provider_->close();
    provider_->open();
    std::vector<int> source;
    for (const FieldDef& d : fieldDefs()) source.push_back(provider_->fieldIndex(d.name));
    for (provider_->first(); !provider_->eof(); provider_->next()) {
        Row row(fieldDefs().size());
        for (std::size_t i = 0; i < source.size(); ++i)
            if (source[i] >= 0) row[i] = provider_->buffer()[source[i]];
        appendRow(std::move(row));
    }
    provider_->close();
}

int RemessaQueries::batchOrderNumber(const QString& batchText, qint64 order) {
    const QString text = batchText + fmt::formatInteger(u"00", order);
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok) throw DataError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return n;
}

RemessaQueries::RemessaQueries(TDM& dm, TicketTables& tables)
    : IBRemessa(QStringLiteral("IBRemessa"), dm.IBT),
      CdsRemessa(QStringLiteral("CdsRemessa"), IBRemessa),
      IBRemessa_Acumulado(QStringLiteral("IBRemessa_Acumulado"), dm.IBT),
      IBRemessa_Oc(QStringLiteral("IBRemessa_Oc"), dm.IBT),
      IbRemessa_Oc_Cor(QStringLiteral("IbRemessa_Oc_Cor"), dm.IBT),
      IBRemessa_Setor(QStringLiteral("IBRemessa_Setor"), dm.IBT),
      IbFluxo(QStringLiteral("IbFluxo"), dm.IBT),
      IBRemessa_Empenho(QStringLiteral("IBRemessa_Empenho"), dm.IBT),
      dm_(dm),
      tables_(tables) {
    setUpRemessa(IBRemessa, CdsRemessa);
    setUpAcumulado(IBRemessa_Acumulado);
    setUpOc(IBRemessa_Oc);
    setUpOcCor(IbRemessa_Oc_Cor);
    setUpSetor(IBRemessa_Setor);
    setUpFluxo(IbFluxo);
    setUpEmpenho(IBRemessa_Empenho);

    IBRemessa_Acumulado.setOnCalcFields([this](Dataset& d) { calcAcumulado(d, dm_.IBGrade); });
    IBRemessa_Oc.setOnCalcFields([this](Dataset& d) { calcOc(d, CdsRemessa); });
    IbRemessa_Oc_Cor.setOnCalcFields([this](Dataset& d) { calcOcCor(d, IBRemessa_Oc, dm_.IBGrade); });
    IBRemessa_Empenho.setOnCalcFields([this](Dataset& d) { calcEmpenho(d, dm_.IBGrade); });

    IBRemessa_Oc.setOnRowChanged([this](Dataset&) { orderRefresh(); });
    IbRemessa_Oc_Cor.setOnRowChanged([this](Dataset&) { ticketRefresh(); });
    IBRemessa_Acumulado.setOnRowChanged([this](Dataset&) { quotaRefresh(); });
}

std::vector<Query*> RemessaQueries::walkQueries() {
    return {&IbRemessa_Oc_Cor, &IBRemessa_Setor, &dm_.IBProduto_Sku, &IBRemessa_Empenho};
}

void RemessaQueries::readBatchSetWise(int remessa, bool flows) {
    IbFluxo.clearPrefetched();
    releaseRunReads();
    if (!setWiseReads) return;
    prefetch(IbRemessa_Oc_Cor, kTicketKeys, remessa);
    prefetch(IBRemessa_Setor, kRouteKeys, remessa);
    prefetch(dm_.IBProduto_Sku, kProductKeys, remessa);
    prefetch(IBRemessa_Empenho, kMaterialKeys, remessa);
    if (flows) prefetch(IbFluxo, kFlowKeys, remessa);
}

void RemessaQueries::releaseRunReads() {
    for (Query* q : walkQueries()) q->clearPrefetched();
}

void RemessaQueries::orderRefresh() {
    IbRemessa_Oc_Cor.close();
    IbRemessa_Oc_Cor.paramByName(u"Remessa_1").setValue(IBRemessa_Oc.fieldByName(u"REMESSA").value());
    IbRemessa_Oc_Cor.paramByName(u"Oc_1").setValue(IBRemessa_Oc.fieldByName(u"REMESSA_ACUMULADO_CONTROLE").value());
    IbRemessa_Oc_Cor.paramByName(u"Modelo_1").setValue(IBRemessa_Oc.fieldByName(u"MODELO_CODIGO").value());
    IbRemessa_Oc_Cor.open();

    IBRemessa_Empenho.close();
    const qint64 order = IBRemessa_Oc.fieldByName(u"REMESSA_ACUMULADO_CONTROLE").asLargeInt();
    const int batchOrder = batchOrderNumber(CdsRemessa.fieldByName(u"NUMERO").asString(), order);
    IBRemessa_Empenho.paramByName(u"Remessa_1").setAsInteger(batchOrder);
    IBRemessa_Empenho.paramByName(u"Remessa_2").setAsInteger(batchOrder);
    IBRemessa_Empenho.paramByName(u"Setor_1").setAsInteger(0);
    IBRemessa_Empenho.paramByName(u"Setor_2").setAsInteger(99999);
    MemoryTable& rxOp = tables_.RxOp;
    if (rxOp.recordCount() == 0 || rxOp.locate(u"Op", Value{order})) IBRemessa_Empenho.open();
}

void RemessaQueries::ticketRefresh() {
    IBRemessa_Setor.close();
    IBRemessa_Setor.paramByName(u"Remessa_1").setValue(IBRemessa_Oc.fieldByName(u"REMESSA").value());
    IBRemessa_Setor.paramByName(u"Oc_1").setValue(IBRemessa_Oc.fieldByName(u"REMESSA_ACUMULADO_CONTROLE").value());
    IBRemessa_Setor.paramByName(u"Talao_1").setValue(IbRemessa_Oc_Cor.fieldByName(u"CONTROLE").value());
    IBRemessa_Setor.open();
}

void RemessaQueries::quotaRefresh() {
    Query& cota = dm_.ibModelo_Producao_Cota;
    cota.close();
    const Value modelo = IBRemessa_Acumulado.fieldByName(u"MODELO_CODIGO").value();
    cota.paramByName(u"MODELO_1").setValue(modelo);
    cota.paramByName(u"MODELO_2").setValue(modelo);
    cota.open();
    DsModelo_Producao_Cota = &cota;
    if (tables_.RxProduto_Cota.locate(u"Produto_codigo", IBRemessa_Acumulado.fieldByName(u"PRODUTO_CODIGO").value()))
        DsModelo_Producao_Cota = &tables_.RxProduto_Cota;
}

}  // namespace brovik::data
