#include "remessa/RemessaCalcFields.h"

#include "dataset/DataError.h"
#include "dataset/Dataset.h"
#include "dataset/Format.h"

#include <array>

namespace brovik::data {
namespace {

constexpr qsizetype kBreakdownSize = 200;

QString sizeColumn(qint64 position) { return QStringLiteral("T") + fmt::formatInteger(u"00", position); }

// Positions the catalogue on grid `code`; false when it has none.
bool locateGrid(Dataset& grade, qint64 code) {
    grade.first();
    for (; !grade.eof(); grade.next())
        if (grade.fieldByName(u"CODIGO").asLargeInt() == code) return true;
    return false;
}

QString sizeLabel(Dataset& grade, qint64 position) {
    const Field label = grade.fieldByName(sizeColumn(position));
    if (label.isNull())
        throw DataError(QStringLiteral("%1: size label %2 of grid %3 is null")
                            .arg(grade.name(), label.name())
                            .arg(grade.fieldByName(u"CODIGO").asLargeInt()));
    return label.asString();
}

struct Situacao {
    qint64 code;
    const char* text;
};
constexpr std::array<Situacao, 4> kSituacoes = {{
    {1, "Em Aberto"}, {2, "Em Produção"}, {3, "Concluído"}, {6, "Encerrado"},
}};

}  // namespace

QString situacaoDescricao(qint64 situacao) {
    for (const Situacao& s : kSituacoes)
        if (s.code == situacao) return QString::fromUtf8(s.text);
    return {};
}

void calcAcumulado(Dataset& row, Dataset& grade) {
    Field out = row.fieldByName(u"Grade");
    out.setString({});
    const qint64 g = row.fieldByName(u"GRADE_ID").asLargeInt();
    if (g <= 0) return;
    if (!locateGrid(grade, g)) {
        out.setString(QStringLiteral("Falha na grade"));
        return;
    }
    QString text;
    for (int i = 1; i <= 20; ++i) {
        const Field qty = row.fieldByName(sizeColumn(i));
        if (qty.isNull() || qty.asFloat() <= 0) continue;
        // Every used size is labelled, even past what the field keeps: a null label fails
        // the row however long the text already is.
        text += u' ' + sizeLabel(grade, i) + u'/' + fmt::generalNumber(qty.asFloat());
    }
    out.setString(text.left(kBreakdownSize));
}

void calcOc(Dataset& row, Dataset& header) {
    const qint64 numero = header.fieldByName(u"NUMERO").asLargeInt();
    const qint64 order = row.fieldByName(u"REMESSA_ACUMULADO_CONTROLE").asLargeInt();
    row.fieldByName(u"Oc").setString(fmt::formatInteger(u"000000", numero) + u'-' + fmt::formatInteger(u"00", order));
    const long double total = static_cast<long double>(row.fieldByName(u"QUANTIDADE").asFloat()) *
                              static_cast<long double>(row.fieldByName(u"VALOR").asFloat());
    row.fieldByName(u"TOTAL").setFloat(static_cast<double>(total));
}

void calcOcCor(Dataset& row, Dataset& order, Dataset& grade) {
    Field tamanho = row.fieldByName(u"Tamanho_Descricao");
    tamanho.setString({});
    row.fieldByName(u"Situacao_Descricao").setString({});
    const qint64 g = order.fieldByName(u"GRADE_CODIGO").asLargeInt();
    if (g > 0) {
        if (!locateGrid(grade, g))
            tamanho.setString(QStringLiteral("Falha"));
        else if (row.fieldByName(u"QUANTIDADE").asFloat() > 0)
            tamanho.setString(sizeLabel(grade, row.fieldByName(u"TAMANHO").asLargeInt()));
    }
    row.fieldByName(u"Situacao_Descricao").setString(situacaoDescricao(row.fieldByName(u"SITUACAO").asLargeInt()));
}

void calcEmpenho(Dataset& row, Dataset& grade) {
    Field out = row.fieldByName(u"Grade");
    out.setString({});
    const qint64 tamanho = row.fieldByName(u"TAMANHO").asLargeInt();
    const qint64 g = row.fieldByName(u"GRADE_CODIGO").asLargeInt();
    if (tamanho > 0 && g > 0 && locateGrid(grade, g)) out.setString(sizeLabel(grade, tamanho));
}

}  // namespace brovik::data
