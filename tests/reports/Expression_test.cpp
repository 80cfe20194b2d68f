#include "ReportFixtures.h"
#include "reports/Expression.h"

#include <gtest/gtest.h>

namespace brovik::reports::test {
namespace {

using data::FieldType;
using data::Value;

class Expressions : public ::testing::Test {
protected:
    TestTable talao{QStringLiteral("RxTalao"),
                    {intField(QStringLiteral("REMESSA")), intField(QStringLiteral("OC")),
                     intField(QStringLiteral("Controle")), textField(QStringLiteral("Modelo")),
                     textField(QStringLiteral("Cor")), fieldOf(QStringLiteral("Grande"), FieldType::BigInt),
                     fieldOf(QStringLiteral("Ult"), FieldType::Boolean)},
                    {{Value{qint64(4521)}, Value{qint64(7)}, Value{qint64(15230)}, Value{QStringLiteral("1234")},
                      Value{QStringLiteral("5-AZUL")}, Value{qint64(4294967296LL + 5)}, Value{true}}}};
    TestTable fluxo{QStringLiteral("IbFluxo"),
                    {intField(QStringLiteral("O1")), textField(QStringLiteral("F1")),
                     fieldOf(QStringLiteral("T1"), FieldType::Decimal), textField(QStringLiteral("D1"))},
                    {{Value{qint64(3)}, Value{QStringLiteral("0012")}, Value{qint64(1250)}, Value{QStringLiteral("CORTE")}}}};
    TestTable remessa{QStringLiteral("CdsRemessa"),
                      {fieldOf(QStringLiteral("DATA_PREVISAO"), FieldType::Date),
                       fieldOf(QStringLiteral("VALOR"), FieldType::Float)},
                      {{Value{QDate(2024, 12, 25)}, Value{3.0}}}};

    void SetUp() override {
        const_cast<data::FieldDef&>(fluxo.fieldDefs()[2]).scale = 2;
        talao.open();
        fluxo.open();
        remessa.open();
    }
    QString print(const QString& text) { return TExpression(text, {&talao, &fluxo, &remessa}).Text(); }
};

TEST_F(Expressions, WorkedValues) {
    const struct {
        const char* expression;
        const char* printed;
    } cases[] = {
        {"'Rem.'+RxTalao.Remessa+'/'+RxTalao.Oc+' Talão '+RxTalao.Controle", "Rem.4521/7 Talão 15230"},
        {"' Mod.'+RxTalao.Modelo", " Mod.1234"},
        {"'Ord.'+IbFluxo.O1+' Flx.'+IbFluxo.F1+ ' Pts.' +IbFluxo.T1", "Ord.3 Flx.0012 Pts.12,5"},
        {"RxTalao.Modelo+' / '+RxTalao.Cor", "1234 / 5-AZUL"},
        {"CdsRemessa.Data_Previsao", "25/12/2024"},
        {"  rxtalao.controle  ", "15230"},                 // names in any case, spaces around
        {"RXTALAO.CONTROLE + 'x'", "15230x"},
        {"RxTalao.Grande", "5"},                           // a 64-bit value keeps its low 32 bits
        {"RxTalao.Controle+RxTalao.Oc", "15237"},          // integers add
        {"IbFluxo.T1+RxTalao.Oc", "19,5"},                 // integer and real add as reals
        {"CdsRemessa.Valor+''", "3"},                      // a whole real has no decimal comma
        {"'a+b'+'c'", "a+bc"},                             // "+" inside a literal does not split
        {"RxTalao.Ult+'!'", "True!"},
        {"RxTalao.Xyz", "Unknown function : RXTALAO.XYZ"},
        {"'Rem.'+Nada.Oc+RxTalao.Zz", "Unknown function : NADA.OC"},  // the first error wins
        {"'a'+RxTalao.Ult+RxTalao.Ult", "Cannot add boolean expressions"},
        {"RxTalao.Ult+RxTalao.Ult", "Cannot add boolean expressions"},
    };
    for (const auto& c : cases) EXPECT_EQ(print(QString::fromUtf8(c.expression)), QString::fromUtf8(c.printed)) << c.expression;
}

TEST_F(Expressions, NullModelAndEmptyFlowQuery) {
    talao.buffer()[3] = Value{};  // Modelo null
    EXPECT_EQ(print(QStringLiteral("' Mod.'+RxTalao.Modelo")), QStringLiteral(" Mod."));

    fluxo.close();
    fluxo.setRows({});
    fluxo.open();
    EXPECT_EQ(print(QStringLiteral("'Ord.'+IbFluxo.O1+' Flx.'+IbFluxo.F1+ ' Pts.' +IbFluxo.T1")),
              QStringLiteral("Ord.0 Flx. Pts.0"));
}

// A query closed and opened again between rows is read through the same prepared reference.
TEST_F(Expressions, ReferencesSurviveReopening) {
    const TExpression e(QStringLiteral("IbFluxo.D1"), {&fluxo});
    EXPECT_EQ(e.Text(), QStringLiteral("CORTE"));
    fluxo.close();
    EXPECT_EQ(e.Text(), QString());
    fluxo.setRows({{Value{qint64(5)}, Value{QStringLiteral("0007")}, Value{qint64(0)}, Value{QStringLiteral("COSTURA")}}});
    fluxo.open();
    EXPECT_EQ(e.Text(), QStringLiteral("COSTURA"));
}

TEST_F(Expressions, GroupValuesCompareByKindAndValue) {
    EXPECT_TRUE(sameExprValue(ExprValue{qint32(7)}, ExprValue{qint32(7)}));
    EXPECT_FALSE(sameExprValue(ExprValue{qint32(7)}, ExprValue{7.0}));
    EXPECT_FALSE(sameExprValue(ExprValue{QStringLiteral("7")}, ExprValue{qint32(7)}));
    EXPECT_TRUE(sameExprValue(ExprValue{ExprError{QStringLiteral("a")}}, ExprValue{ExprError{QStringLiteral("b")}}));
}

}  // namespace
}  // namespace brovik::reports::test
