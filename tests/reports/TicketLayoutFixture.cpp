#include "TicketLayoutFixture.h"

#include "support/TestDatabase.h"

#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <cmath>

namespace brovik::reports::test {
namespace {

data::AliasSettings settingsFor(const QString& connectionString) {
    data::AliasSettings s;
    s.mv = connectionString;
    return s;
}

std::vector<data::FieldDef> batchHeaderFields() {
    data::FieldDef date = fieldOf(QStringLiteral("DATA_PREVISAO"), data::FieldType::Date);
    date.displayFormat = QStringLiteral("dd/mm/yyyy");
    return {date, fieldOf(QStringLiteral("EMPRESA_NOMEFANTASIA"), data::FieldType::Text, 20)};
}

}  // namespace

QString flowDatabasePath() {
    static brovik::test::TestDatabase db(QStringLiteral("layouts-flow"), {QStringLiteral("tests/reports/fixtures/flow.sql")});
    return db.path();
}

LayoutFixture::LayoutFixture(const QString& connectionString, int barcodeEntry)
    : dm(settingsFor(connectionString)),
      q(dm, tables),
      CdsRemessa(QStringLiteral("CdsRemessa"), batchHeaderFields(),
                 {data::Row{data::Value{QDate(2024, 12, 25)}, data::Value{QStringLiteral("FÁBRICA AÇORES")}}}),
      panel(barcodeEntry),
      reports({tables.RxTalao, CdsRemessa, q.IbFluxo}, panel) {
    CdsRemessa.open();
    tables.RxTalao.open();
}

void LayoutFixture::setTickets(const std::vector<TicketSpec>& tickets) {
    auto& t = tables.RxTalao;
    t.close();
    t.open();
    for (const TicketSpec& ticket : tickets) {
        for (int step = 1; step <= ticket.stubs; ++step) {
            const int sector = ticket.firstSector + step - 1;
            t.insert();
            t.fieldByName(u"Remessa").setLargeInt(ticket.remessa);
            t.fieldByName(u"OC").setLargeInt(ticket.oc);
            t.fieldByName(u"Controle").setLargeInt(ticket.controle);
            t.fieldByName(u"Modelo").setString(ticket.modelo);
            t.fieldByName(u"Cor").setString(ticket.cor);
            t.fieldByName(u"Cor_id").setLargeInt(5);
            t.fieldByName(u"Tamanho").setString(QStringLiteral("38"));
            t.fieldByName(u"Tamanho_Id").setLargeInt(3);
            t.fieldByName(u"quantidade").setFloat(ticket.quantidade);
            t.fieldByName(u"Ordem1").setLargeInt(step + 2);
            t.fieldByName(u"OrdemD").setLargeInt(100 - step);
            t.fieldByName(u"Setor_Id1").setLargeInt(sector);
            t.fieldByName(u"Setor1").setString(QStringLiteral("%1-SETOR").arg(sector));
            t.fieldByName(u"Sku").setString(QStringLiteral("SKU%1").arg(step));
            t.fieldByName(u"Peca_Conjunto").setLargeInt(ticket.pecaConjunto);
            t.fieldByName(u"Cliente").setString(ticket.cliente);
            t.fieldByName(u"Ult").setBoolean(step == ticket.stubs);
            t.post();
        }
    }
    t.sort(u"Remessa;Oc;Modelo;Controle;Ordem1");
}

std::vector<const TextRun*> textRuns(const Page& page, const QString& text) {
    std::vector<const TextRun*> out;
    for (const TextRun* run : runsOf<TextRun>(page))
        if (run->text == text) out.push_back(run);
    return out;
}

int countText(const Page& page, const QString& text) { return int(textRuns(page, text).size()); }

std::vector<QImage> pictures(const Page& page) {
    std::vector<QImage> out;
    for (const Primitive& item : page.items) {
        if (const auto* image = std::get_if<ImageRun>(&item)) out.push_back(image->image);
        if (const auto* barcode = std::get_if<BarcodeRun>(&item)) {
            const QSize size(int(std::ceil(barcode->clip.w / kUnitsPerImagePixel)), int(std::ceil(barcode->clip.h / kUnitsPerImagePixel)));
            QImage picture(size, QImage::Format_RGB32);
            picture.fill(QColor::fromRgba(barcode->space));
            for (const BarSpan& bar : barcode->bars)
                QPainter(&picture).fillRect(QRect(bar.x, bar.top, bar.width, bar.height), QColor::fromRgba(barcode->bar));
            out.push_back(picture);
        }
    }
    return out;
}

std::multimap<QString, QRectF> pdfWords(const QString& pdf, int page) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), QStringLiteral("-f"), QString::number(page), QStringLiteral("-l"),
                                          QString::number(page), pdf, QStringLiteral("-")});
    p.waitForFinished(60000);
    std::multimap<QString, QRectF> words;
    static const QRegularExpression word(
        QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    for (auto it = word.globalMatch(out); it.hasNext();) {
        const auto m = it.next();
        const QPointF from(m.captured(1).toDouble(), m.captured(2).toDouble()), to(m.captured(3).toDouble(), m.captured(4).toDouble());
        words.emplace(m.captured(5), QRectF(from * kUnitsPerPoint, to * kUnitsPerPoint));
    }
    return words;
}

}  // namespace brovik::reports::test
