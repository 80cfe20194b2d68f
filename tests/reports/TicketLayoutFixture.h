#pragma once

#include "ReportFixtures.h"

#include "remessa/RemessaQueries.h"
#include "remessa/TDM.h"
#include "remessa/TicketTables.h"
#include "reports/TicketReports.h"

#include <QDate>
#include <QRectF>
#include <QString>
#include <map>
#include <vector>

namespace brovik::reports::test {

// One ticket: its route becomes one RxTalao row per sector, the last marked Ult.
struct TicketSpec {
    qint64 controle = 15230;
    int oc = 7;
    QString modelo = QStringLiteral("1234");
    int stubs = 1;
    int pecaConjunto = 0;
    int remessa = 4521;
    int firstSector = 12;
    QString cor = QStringLiteral("5-AZUL");
    QString cliente = QStringLiteral("LOJA");
    double quantidade = 12.5;
};

// The embedded database with the flows of tests/reports/fixtures/flow.sql.
QString flowDatabasePath();

// The window's tables and the three layouts over them. Without a connection string the
// flow query cannot open, which only the flow layout notices.
class LayoutFixture {
public:
    explicit LayoutFixture(const QString& connectionString = QString(), int barcodeEntry = 0);

    // Adds the rows of tickets in the order given, then sorts as the run does.
    void setTickets(const std::vector<TicketSpec>& tickets);
    Document generate(TReport& report) { return report.Generate().document; }

    data::TDM dm;
    data::TicketTables tables;
    data::RemessaQueries q;
    TestTable CdsRemessa;
    FixedBarcodePanel panel;
    TicketReports reports;
};

// The runs of a page that print exactly `text`.
std::vector<const TextRun*> textRuns(const Page& page, const QString& text);
int countText(const Page& page, const QString& text);
// The pictures of a page in printing order, as 96-dpi images of what their boxes show:
// barcodes drawn from their bars.
std::vector<QImage> pictures(const Page& page);
// Words of a PDF page as pdftotext places them: text -> box in report units.
std::multimap<QString, QRectF> pdfWords(const QString& pdf, int page);

}  // namespace brovik::reports::test
