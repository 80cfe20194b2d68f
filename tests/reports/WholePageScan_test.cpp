#include "PageScan.h"
#include "TicketLayoutFixture.h"

#include "reports/PdfExport.h"

#include <QImage>
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

// The default symbology goes through every raster; the others, to keep the test quick,
// through the grey 300-dpi and the bi-level 600-dpi one.
const Symbology kSymbologies[] = {{0, "Interleaved 2 of 5", kPaired}, {6, "Code 128 B", kBar1}, {7, "Code 128 C", kPaired},
                                  {3, "Code 39", kBar1},              {8, "Code 93", kBar1}};
const RasterSpec kEveryRaster[] = {kPoppler300, kPoppler300BiLevel, kPoppler600BiLevel, kGhostscript203};
const RasterSpec kTwoRasters[] = {kPoppler300, kPoppler600BiLevel};

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

    void check(const RasterSpec& spec, const QStringList& expected, const std::string& what) {
        ASSERT_TRUE(exported_) << what;
        const QStringList pages = rasterise(pdf_, spec, dir_.filePath(QString::fromLatin1(spec.name)));
        ASSERT_EQ(pages.size(), qsizetype(document_.pages.size())) << what << ", " << spec.name;
        QStringList decoded;
        for (qsizetype p = 0; p < pages.size(); ++p) {
            const QImage page(pages[p]);
            ASSERT_FALSE(page.isNull()) << pages[p].toStdString();
            if (spec.tool != Rasteriser::PopplerBiLevel || spec.dpi != 300) decoded << decodePage(pages[p]);
            for (const BarcodeRun* barcode : barcodeRuns(document_.pages[p])) {
                EXPECT_EQ(quietZoneFault(page, *barcode, spec.dpi).toStdString(), "") << what << ", " << spec.name << ", page " << p + 1;
                if (spec.tool == Rasteriser::PopplerBiLevel) {
                    EXPECT_EQ(barWidthFault(page, *barcode, spec.dpi, moduleDots(spec.dpi)).toStdString(), "")
                        << what << ", " << spec.name << ", page " << p + 1;
                }
            }
        }
        if (spec.tool == Rasteriser::PopplerBiLevel && spec.dpi == 300) return;  // read for widths only
        QStringList wanted = expected;
        wanted.sort();
        decoded.sort();
        EXPECT_EQ(decoded.join(u' ').toStdString(), wanted.join(u' ').toStdString()) << what << ", " << spec.name;
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
            const std::span<const RasterSpec> rasters = symbology.entry == 0 ? std::span<const RasterSpec>(kEveryRaster) : std::span<const RasterSpec>(kTwoRasters);
            for (const RasterSpec& spec : rasters) scan.check(spec, expected, what);
        }
    }
}

}  // namespace
}  // namespace brovik::reports::test
