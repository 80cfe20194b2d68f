#include "TicketLayoutFixture.h"

#include "reports/PdfExport.h"

#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace brovik::reports::test {
namespace {

constexpr int kDpi = 300;

// Runs a tool; its standard output, or nothing when it could not run or failed.
QString run(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit) return {};
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// Cuts one picture's box out of a rasterised page and gives it a white margin, so that the
// decoder sees that barcode alone with its quiet zones.
QImage cutOut(const QImage& page, const ImageRun& picture) {
    const double scale = kDpi / 254.0;
    const QRect box = QRectF(picture.clip.x * scale, picture.clip.y * scale, picture.clip.w * scale, picture.clip.h * scale)
                          .toAlignedRect();
    QImage out(box.size() + QSize(120, 60), QImage::Format_RGB32);
    out.fill(Qt::white);
    QPainter(&out).drawImage(QPoint(60, 30), page.copy(box));
    return out;
}

// Every picture of a document decoded from the exported PDF, in printing order ("" where
// the decoder finds nothing).
QStringList decodePictures(const Document& doc, const QString& name) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath(name + QStringLiteral(".pdf"));
    if (!exportPdf(doc, pdf)) return {QStringLiteral("export failed")};
    run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(kDpi), QStringLiteral("-png"), pdf, dir.filePath(QStringLiteral("page"))});
    QStringList decoded;
    for (std::size_t p = 0; p < doc.pages.size(); ++p) {
        const QString raster = dir.filePath(QStringLiteral("page-%1.png").arg(p + 1));
        const QImage page(raster);
        if (page.isNull()) return {QStringLiteral("no raster ") + raster};
        int n = 0;
        for (const ImageRun* picture : imageRuns(doc.pages[p])) {
            const QString crop = dir.filePath(QStringLiteral("cut-%1-%2.png").arg(p).arg(n++));
            cutOut(page, *picture).save(crop);
            decoded << run(QStringLiteral("zbarimg"), {QStringLiteral("-q"), QStringLiteral("--raw"), crop});
        }
    }
    return decoded;
}

// Tickets 15230 (flow 1: ten steps), 152301 (flow 3: nine steps) and 7 (no flow), two,
// two and one stubs in sectors 12 and 13: bar1 texts of 9, 10 and 5 digits.
const std::vector<TicketSpec> kTickets = {{.controle = 15230, .modelo = "1", .stubs = 2},
                                          {.controle = 152301, .modelo = "3", .stubs = 2},
                                          {.controle = 7, .modelo = "4", .stubs = 1}};
const QStringList kBar1 = {"152300012", "152300013", "1523010012", "1523010013", "70012"};
// Interleaved 2 of 5 pairs digits: an odd-length text is encoded with a leading zero.
const QStringList kStubTexts = {"0152300012", "0152300013", "1523010012", "1523010013", "070012"};

// The flow barcodes of a ticket: rows by falling odd step, the odd step's code first.
QStringList flowTexts(const QString& ticket, const std::vector<std::pair<int, int>>& rows) {
    QStringList out;
    for (auto [odd, even] : rows) {
        out << ticket + QStringLiteral("%1").arg(100 + odd, 4, 10, QLatin1Char('0'));
        if (even) out << ticket + QStringLiteral("%1").arg(100 + even, 4, 10, QLatin1Char('0'));
    }
    return out;
}

TEST(TicketBarcodesDecode, CentredAndColumnStubsDecodeToTheirRowsText) {
    struct Case {
        const char* name;
        std::function<TReport&(LayoutFixture&)> report;
    };
    const Case cases[] = {{"centred", [](LayoutFixture& f) -> TReport& { return f.reports.centred.Qr3; }},
                          {"columns", [](LayoutFixture& f) -> TReport& { return f.reports.columns.Qr6; }}};
    for (const Case& c : cases) {
        LayoutFixture f;
        f.setTickets(kTickets);
        EXPECT_EQ(decodePictures(f.generate(c.report(f)), QString::fromLatin1(c.name)), kStubTexts) << c.name;
    }
}

TEST(TicketBarcodesDecode, FlowStubsAndFlowStepsDecode) {
    // The stubs in Code 128 B; the flow steps stay Interleaved 2 of 5 of twelve digits.
    for (int entry : {0, 6}) {
        LayoutFixture f(flowDatabasePath(), entry);
        f.setTickets(kTickets);
        const QStringList& stubs = entry == 0 ? kStubTexts : kBar1;
        QStringList expected = stubs.mid(0, 2);
        expected << flowTexts(QStringLiteral("00015230"), {{9, 10}, {7, 8}, {5, 6}, {3, 4}, {1, 2}});
        expected << stubs.mid(2, 2);
        expected << flowTexts(QStringLiteral("00152301"), {{9, 0}, {7, 8}, {5, 6}, {3, 4}, {1, 2}});
        expected << stubs.mid(4, 1) << QString();  // the empty flow's row has a blank picture
        EXPECT_EQ(decodePictures(f.generate(f.reports.flow.Qr5), QStringLiteral("flow")), expected) << "entry " << entry;
    }
}

}  // namespace
}  // namespace brovik::reports::test
