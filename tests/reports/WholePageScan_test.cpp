#include "support/PageScan.h"
#include "TicketLayoutFixture.h"

#include "reports/PdfExport.h"
#include "support/TestDatabase.h"
#include "support/TestPaths.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QImageReader>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <span>

namespace brovik::reports::test {
namespace {

// Tickets 15230 (flow 1: ten steps), 152301 (flow 3: nine steps) and 7 (no flow), two,
// two and one stubs in sectors 12 and 13: bar1 texts of 9, 10 and 5 digits.
const std::vector<TicketSpec> kTickets = {{.controle = 15230, .modelo = "1", .stubs = 2},
                                          {.controle = 152301, .modelo = "3", .stubs = 2},
                                          {.controle = 7, .modelo = "4", .stubs = 1}};
const QStringList kBar1 = {"152300012", "152300013", "1523010012", "1523010013", "70012"};
// Interleaved 2 of 5 and Code 128 C pair digits: an odd-length text gets a leading zero.
const QStringList kPaired = {"0152300012", "0152300013", "1523010012", "1523010013", "070012"};

// The flow barcodes of a ticket: ticket in eight digits and step code in four.
QStringList flowTexts(const QString& ticket, const std::vector<int>& steps) {
    QStringList out;
    for (int step : steps) out << ticket + QStringLiteral("%1").arg(100 + step, 4, 10, QLatin1Char('0'));
    return out;
}

const QStringList kFlowTexts = flowTexts(QStringLiteral("00015230"), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}) +
                               flowTexts(QStringLiteral("00152301"), {1, 2, 3, 4, 5, 6, 7, 8, 9});

struct Symbology {
    int entry;
    const char* name;
    const QStringList& stubs;  // what the stubs' barcodes read
};

// A raster, decoded or only measured.
struct Reading {
    RasterSpec raster;
    bool decoded;
};

// The default symbology is decoded from every raster but the bi-level 300-dpi one, which
// is measured; the others, to keep the test quick, are decoded at 300 dpi in grey and
// measured at 600 dpi.
const Symbology kSymbologies[] = {{0, "Interleaved 2 of 5", kPaired}, {6, "Code 128 B", kBar1}, {7, "Code 128 C", kPaired},
                                  {3, "Code 39", kBar1},              {8, "Code 93", kBar1}};
const Reading kEveryReading[] = {{kPoppler300, true}, {kPoppler300BiLevel, false}, {kPoppler600BiLevel, true}, {kGhostscript203, true}};
const Reading kTwoReadings[] = {{kPoppler300, true}, {kPoppler600BiLevel, false}};

struct Layout {
    const char* name;
    std::function<TReport&(LayoutFixture&)> report;
    bool flow;
};

const Layout kLayouts[] = {{"flow", [](LayoutFixture& f) -> TReport& { return f.reports.flow.Qr5; }, true},
                           {"centred", [](LayoutFixture& f) -> TReport& { return f.reports.centred.Qr3; }, false},
                           {"columns", [](LayoutFixture& f) -> TReport& { return f.reports.columns.Qr6; }, false}};

// Module of the printed bars: 0.254 mm in whole dots.
int moduleDots(int dpi) { return dpi / 100; }

// Reads every page of a document as a scanner does and checks what it finds: the texts
// decoded from the whole pages, the quiet zones on every row through each barcode, and,
// in the bi-level rasters of 300 and 600 dpi, bars in whole modules.
class PageScan {
public:
    explicit PageScan(const Document& document) : document_(document) {
        QImageReader::setAllocationLimit(0);  // a whole A4 page at 600 dpi
        pdf_ = dir_.filePath(QStringLiteral("pages.pdf"));
        exported_ = exportPdf(document, pdf_);
    }

    void check(const Reading& reading, const QStringList& expected, const std::string& what) {
        const RasterSpec& raster = reading.raster;
        ASSERT_TRUE(exported_) << what;
        const QStringList pages = rasterise(pdf_, raster, dir_.filePath(QString::fromLatin1(raster.name)));
        ASSERT_EQ(pages.size(), qsizetype(document_.pages.size())) << what << ", " << raster.name;
        QStringList decoded;
        for (qsizetype p = 0; p < pages.size(); ++p) {
            const QImage page = grey(pages[p]);
            ASSERT_FALSE(page.isNull()) << pages[p].toStdString();
            if (reading.decoded) decoded << decodePage(pages[p]);
            for (const BarcodeRun* barcode : barcodeRuns(document_.pages[p])) {
                EXPECT_EQ(quietZoneFault(page, *barcode, raster.dpi).toStdString(), "") << what << ", " << raster.name << ", page " << p + 1;
                if (raster.tool == Rasteriser::PopplerBiLevel) {
                    EXPECT_EQ(barWidthFault(page, *barcode, raster.dpi, moduleDots(raster.dpi)).toStdString(), "")
                        << what << ", " << raster.name << ", page " << p + 1;
                }
            }
        }
        if (!reading.decoded) return;
        QStringList wanted = expected;
        wanted.sort();
        decoded.sort();
        EXPECT_EQ(decoded.join(u' ').toStdString(), wanted.join(u' ').toStdString()) << what << ", " << raster.name;
    }

private:
    const Document& document_;
    QTemporaryDir dir_;
    QString pdf_;
    bool exported_ = false;
};

TEST(WholePageScan, EveryBarcodeOfEveryLayoutReadsFromTheWholePage) {
    for (const Layout& layout : kLayouts) {
        for (const Symbology& symbology : kSymbologies) {
            LayoutFixture f(layout.flow ? flowDatabasePath() : QString(), symbology.entry);
            f.setTickets(kTickets);
            const Document doc = f.generate(layout.report(f));
            QStringList expected = symbology.stubs;
            if (layout.flow) expected += kFlowTexts;  // always Interleaved 2 of 5, both halves of each row
            PageScan scan(doc);
            const std::string what = std::string(layout.name) + ", " + symbology.name;
            const std::span<const Reading> readings = symbology.entry == 0 ? std::span<const Reading>(kEveryReading) : std::span<const Reading>(kTwoReadings);
            for (const Reading& reading : readings) scan.check(reading, expected, what);
        }
    }
}

QString runProgram(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(300000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// A column of a CSV export without quoted fields.
QStringList csvColumn(const QString& csv, const QString& name) {
    const QStringList lines = csv.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    const qsizetype column = lines.value(0).split(u',').indexOf(name);
    QStringList values;
    for (qsizetype i = 1; i < lines.size(); ++i) values << lines[i].split(u',').value(column);
    return values;
}

// The demo batch's flow pages, 30 tickets and 190 stubs, as the program exports them:
// every stub's barcode reads its bar1 (with Interleaved 2 of 5's leading zero when it is
// odd) and every flow barcode its ticket and one of the step codes its page prints.
TEST(WholePageScan, TheDemoBatchsFlowPagesReadWholeAt300Dpi) {
    static brovik::test::TestDatabase demo(QStringLiteral("scan-demo"), {QStringLiteral("db/demo.sql")});
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("Alias.ini")), pdf = dir.filePath(QStringLiteral("demo.pdf")),
                  csv = dir.filePath(QStringLiteral("demo.csv"));
    QFile config(ini);
    ASSERT_TRUE(config.open(QIODevice::WriteOnly));
    config.write(QStringLiteral("[PATH]\r\nMV=%1\r\n").arg(demo.path()).toLocal8Bit());
    config.close();
    const QString program = QString::fromUtf8(brovik::test::kExecutable);
    ASSERT_FALSE(runProgram(program, {"--config", ini, "--layout", "fluxo", "--export", pdf, "128700"}).isEmpty());
    ASSERT_FALSE(runProgram(program, {"--config", ini, "--tickets-csv", csv, "128700"}).isEmpty());
    QFile table(csv);
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    const QString rows = QString::fromUtf8(table.readAll());
    ASSERT_FALSE(rows.contains(u'"')) << "a quoted field: read the CSV properly";
    const QStringList tickets = csvColumn(rows, QStringLiteral("Controle"));

    QStringList stubs;
    for (const QString& text : csvColumn(rows, QStringLiteral("bar1"))) stubs << (text.size() % 2 ? u'0' + text : text);
    ASSERT_EQ(stubs.size(), 190);
    const QStringList pages = rasterise(pdf, kPoppler300, dir.filePath(QStringLiteral("pages")));
    ASSERT_EQ(pages.size(), 19);
    QStringList flows;
    for (qsizetype p = 0; p < pages.size(); ++p) {
        QStringList codes;
        const QString text = runProgram(QStringLiteral("pdftotext"), {"-f", QString::number(p + 1), "-l", QString::number(p + 1), pdf, "-"});
        for (const auto& m : QRegularExpression(QStringLiteral(R"(Flx\.(\d{4}))")).globalMatch(text)) codes << m.captured(1);
        for (const QString& decoded : decodePage(pages[p])) {
            if (stubs.removeOne(decoded)) continue;
            EXPECT_EQ(decoded.size(), 12) << decoded.toStdString() << " on page " << p + 1;
            EXPECT_TRUE(tickets.contains(QString::number(decoded.left(8).toLongLong()))) << decoded.toStdString();
            EXPECT_TRUE(codes.removeOne(decoded.right(4))) << decoded.toStdString() << " on page " << p + 1;
        }
        EXPECT_EQ(codes.join(u' ').toStdString(), "") << "flow barcodes not read on page " << p + 1;
    }
    EXPECT_EQ(stubs.join(u' ').toStdString(), "") << "stub barcodes not read";
}

}  // namespace
}  // namespace brovik::reports::test
