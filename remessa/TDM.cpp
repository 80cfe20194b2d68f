#include "remessa/TDM.h"

#include "dataset/Format.h"

namespace brovik::data {
namespace {

const QString kFilesDatabase = QStringLiteral("/var/lib/mervato/MV-FILES.FDB");

QStringList sizeColumns(const QString& prefix) {
    QStringList out;
    for (int i = 1; i <= 20; ++i) out << prefix + QStringLiteral("%1").arg(i, 2, 10, QChar(u'0'));
    return out;
}

void declareSizeFields(Query& q, const QString& prefix, FieldDef proto) {
    for (const QString& n : sizeColumns(prefix)) {
        proto.name = n;
        q.declareField(proto);
    }
}

void setUpGrade(Query& q) {
    q.setSql(QStringList{
        "Select A.CODIGO, A.DATA, A.DESCRICAO, A.STATUS, A.T01, A.T02, A.T03, A.T04,",
        "A.T05, A.T06, A.T07, A.T08, A.T09, A.T10, A.T11, A.T12, A.T13, A.T14, A.T15, A.T16, A.T17,",
        "A.T18, A.T19, A.T20, A.TOTAL_TAMANHOS, A.USUARIO_CODIGO,",
        "A.E01,A.E02,A.E03,A.E04,A.E05,A.E06,A.E07,A.E08,A.E09,A.E10,",
        "A.E11,A.E12,A.E13,A.E14,A.E15,A.E16,A.E17,A.E18,A.E19,A.E20,",
        "A.USA01,A.USA02,A.USA03,A.USA04,A.USA05,A.USA06,A.USA07,A.USA08,A.USA09,A.USA10,",
        "A.USA11,A.USA12,A.USA13,A.USA14,A.USA15,A.USA16,A.USA17,A.USA18,A.USA19,A.USA20,",
        "A.EUR01,A.EUR02,A.EUR03,A.EUR04,A.EUR05,A.EUR06,A.EUR07,A.EUR08,A.EUR09,A.EUR10,",
        "A.EUR11,A.EUR12,A.EUR13,A.EUR14,A.EUR15,A.EUR16,A.EUR17,A.EUR18,A.EUR19,A.EUR20 ",
        "from TbGrade A",
        "Order By A.Descricao",
    });
    q.declareFields({
        {.name = "CODIGO", .type = FieldType::Integer, .required = true, .displayFormat = "0000"},
        {.name = "DESCRICAO", .type = FieldType::Text, .size = 20, .required = true},
    });
    declareSizeFields(q, "T", {.type = FieldType::Text, .size = 10});
    q.declareFields({
        {.name = "TOTAL_TAMANHOS", .type = FieldType::Integer},
        {.name = "STATUS", .type = FieldType::FixedText, .size = 1},
        {.name = "USUARIO_CODIGO", .type = FieldType::Integer},
        {.name = "DATA", .type = FieldType::Date},
    });
    declareSizeFields(q, "E", {.type = FieldType::FixedText, .size = 1});
    declareSizeFields(q, "USA", {.type = FieldType::Text, .size = 10});
    declareSizeFields(q, "EUR", {.type = FieldType::Text, .size = 10});
}

void setUpProdutoSku(Query& q) {
    q.setSql(QStringList{
        "Select First 1 P.Modelo_Codigo, P.Cor_Codigo,",
        "                      A.T01, A.T02, A.T03, A.T04, A.T05, ",
        "                      A.T06, A.T07, A.T08, A.T09, A.T10, ",
        "                      A.T11, A.T12, A.T13, A.T14, A.T15, ",
        "                      A.T16, A.T17, A.T18, A.T19, A.T20",
        "From TBPRODUTO_EDI A, TbProduto P",
        "WHERE A.PRODUTO_CODIGO = P.Codigo",
        "   and P.Modelo_CODIGO = :Modelo_1",
        "   and P.Cor_Codigo = :Cor_1",
    });
    q.declareFields({
        {.name = "MODELO_CODIGO", .type = FieldType::Integer},
        {.name = "COR_CODIGO", .type = FieldType::Integer},
    });
    declareSizeFields(q, "T", {.type = FieldType::Text, .size = 20});
}

void setUpModeloProducaoCota(Query& q) {
    q.setSql(QStringList{
        "Select DATA, MODELO_CODIGO, QUANTIDADE, ",
        "T01, T02, T03, T04, T05, T06, T07, T08, T09, T10, ",
        "T11, T12, T13, T14, T15, T16, T17, T18, T19, T20, ",
        "USUARIO_CODIGO",
        "From TbModelo_Producao_Cota",
        "Where Modelo_Codigo between :MODELO_1 and :MODELO_2",
    });
    q.declareFields({
        {.name = "MODELO_CODIGO", .type = FieldType::Integer, .required = true},
        {.name = "QUANTIDADE", .type = FieldType::Decimal, .scale = 5},
    });
    declareSizeFields(q, "T", {.type = FieldType::Decimal, .scale = 5});
    q.declareFields({
        {.name = "USUARIO_CODIGO", .type = FieldType::Integer},
        {.name = "DATA", .type = FieldType::Date},
    });
}

}  // namespace

ConnectionParams TDM::connectionParams(const AliasSettings& settings, const QString& database) {
    ConnectionParams p;
    p.database = database;
    if (settings.user) p.user = *settings.user;
    if (settings.password) p.password = *settings.password;
    if (settings.role) p.role = *settings.role;
    return p;
}

TDM::TDM(AliasSettings settings)
    : IB(QStringLiteral("IB"), connectionParams(settings, settings.mv)),
      IB2(QStringLiteral("IB2"), connectionParams(settings, settings.mv)),
      IB3(QStringLiteral("IB3"), connectionParams(settings, settings.mv)),
      IB4(QStringLiteral("IB4"), connectionParams(settings, settings.mv)),
      IBF(QStringLiteral("IBF"), connectionParams(settings, kFilesDatabase)),
      IBT(QStringLiteral("IBT"), IB, {"read_committed", "rec_version", "nowait", "read"}),
      IBTQM(QStringLiteral("IBTQM"), IB3, {"read_committed", "rec_version", "nowait"}),
      IBGrade(QStringLiteral("IBGrade"), IBT),
      IBProduto_Sku(QStringLiteral("IBProduto_Sku"), IBT),
      ibModelo_Producao_Cota(QStringLiteral("ibModelo_Producao_Cota"), IBT),
      settings_(std::move(settings)) {
    fmt::applyRegionalSettings();
    setUpGrade(IBGrade);
    setUpProdutoSku(IBProduto_Sku);
    setUpModeloProducaoCota(ibModelo_Producao_Cota);
}

}  // namespace brovik::data
