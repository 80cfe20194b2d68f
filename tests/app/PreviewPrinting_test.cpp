// Printing from the preview as a clerk does it, through a real CUPS queue: the pages that
// come out of the queue carry the barcodes of the same pages of the PDF export.
#include "PreviewDialogs.h"
#include "QtTestApp.h"
#include "support/PageScan.h"
#include "support/PdfBarcodes.h"
#include "support/PrivateCups.h"
#include "support/TestDatabase.h"

#include "tickets/DocumentPrinting.h"
#include "app/PanelBarcodeSettings.h"
#include "app/ReportPageView.h"
#include "app/ReportPreviewWindow.h"
#include "tickets/TicketPrinting.h"
#include "reports/PdfExport.h"

#include <QDir>
#include <QFile>
#include <QStatusBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

using namespace brovik;

namespace {

const QString kQueue = QStringLiteral("plant");

// Seven tickets of the demo batch in the centred layout: one ticket, so one set of
// barcodes, per page.
reports::Document sevenPages() {
    static test::TestDatabase db(QStringLiteral("preview-print"), {QStringLiteral("db/demo.sql")});
    data::AliasSettings settings;
    settings.mv = db.path();
    tickets::TicketSession session(settings);
    tickets::TicketOptions o;
    o.batchText = QStringLiteral("128700");
    o.tl1 = 48001;
    o.tl2 = 48007;
    o.layout = tickets::Layout::Centred;
    const tickets::TicketRunResult result = session.run.execute(o);
    const reports::FixedBarcodePanel panel = tickets::barcodeSettingsOf(o);
    tickets::TicketPrinting printing(session, panel);
    return printing.prepare(result).Generate().document;
}

class PreviewPrinting : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        test::qtApp();
        cups = std::make_unique<test::PrivateCups>();
        printed = cups->addPdfQueue(kQueue);
        document = std::make_unique<reports::Document>(sevenPages());
        const QString exported = exportDir.filePath(QStringLiteral("export.pdf"));
        ASSERT_TRUE(reports::exportPdf(*document, exported));
        exportedPages = test::decodePdfPages(exported);
    }
    static void TearDownTestSuite() {
        cups.reset();
        document.reset();
    }

    // The exported pages of these 1-based numbers, in this order.
    static std::vector<QStringList> exportPages(std::initializer_list<int> numbers) {
        std::vector<QStringList> pages;
        for (int n : numbers) pages.push_back(exportedPages.at(std::size_t(n - 1)));
        return pages;
    }

    static inline std::unique_ptr<test::PrivateCups> cups;
    static inline QString printed;
    static inline std::unique_ptr<reports::Document> document;
    static inline QTemporaryDir exportDir;
    static inline std::vector<QStringList> exportedPages;
};

TEST_F(PreviewPrinting, TheExportHasSevenDistinctPages) {
    ASSERT_EQ(exportedPages.size(), 7u);
    for (std::size_t i = 0; i < exportedPages.size(); ++i) {
        EXPECT_FALSE(exportedPages[i].isEmpty()) << "page " << i + 1;
        for (std::size_t j = 0; j < i; ++j) EXPECT_NE(exportedPages[i], exportedPages[j]) << i + 1 << " and " << j + 1;
    }
}

TEST_F(PreviewPrinting, PrintsExactlyThePagesAskedOnce) {
    struct Case {
        const char* what;
        test::PrintChoice choice;
        std::vector<QStringList> expected;
        int pageInView = 0;
    };
    const Case cases[] = {
        {"all", {kQueue}, exportPages({1, 2, 3, 4, 5, 6, 7})},
        {"a list", {kQueue, "2,5-6"}, exportPages({2, 5, 6})},
        {"one page", {kQueue, "3"}, exportPages({3})},
        {"odd pages", {kQueue, "", false, 1}, exportPages({1, 3, 5, 7})},
        {"even pages of a list that starts on an even page", {kQueue, "2-6", false, 2}, exportPages({2, 4, 6})},
        {"odd pages of a list that starts on an even page", {kQueue, "2-6", false, 1}, exportPages({3, 5})},
        {"two collated copies", {kQueue, "1-2", false, 0, 2, true}, exportPages({1, 2, 1, 2})},
        {"two uncollated copies", {kQueue, "1-2", false, 0, 2, false}, exportPages({1, 1, 2, 2})},
        {"the page in view", {kQueue, "", true}, exportPages({4}), 3},
        {"a list beyond the last page", {kQueue, "6-9"}, exportPages({6, 7})},
    };
    app::ReportPreviewWindow window(*document, QStringLiteral("x.pdf"));
    window.show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        window.pageView()->goToPage(c.pageInView);
        cups->forgetPrinted(kQueue);
        test::answerPrintDialog(c.choice);
        window.print();
        ASSERT_TRUE(cups->waitUntilPrinted(kQueue)) << cups->errorLog().toStdString();
        EXPECT_EQ(test::decodePdfPages(printed), c.expected);
        EXPECT_TRUE(window.statusBar()->currentMessage().startsWith(QStringLiteral("Enviado para plant: ")))
            << window.statusBar()->currentMessage().toStdString();
    }
}

// A label printer says it prints at 203 dpi: its pages, rasterised at that resolution in
// black and white, show every module of every barcode as two whole dots and read as the
// exported pages do.
TEST_F(PreviewPrinting, ALabelPrinterGetsBarsInItsOwnDots) {
    const QString label = QStringLiteral("label");
    const QString labelPrinted = cups->addPdfQueue(label, 203);
    EXPECT_EQ(tickets::cups::resolutionOf(label), 203);
    EXPECT_EQ(tickets::cups::resolutionOf(kQueue), 600);
    EXPECT_EQ(tickets::cups::resolutionOf(QStringLiteral("nowhere")), 0);

    tickets::PrintRequest request;
    request.printer = label;
    const tickets::PrintOutcome outcome = tickets::printDocument(*document, request);
    ASSERT_EQ(outcome.status, tickets::PrintOutcome::Status::Sent) << outcome.error.toStdString();
    ASSERT_TRUE(cups->waitUntilPrinted(label)) << cups->errorLog().toStdString();

    QTemporaryDir dir;
    const QStringList rasters = reports::test::rasterise(labelPrinted, reports::test::kGhostscript203, dir.path());
    ASSERT_EQ(rasters.size(), qsizetype(document->pages.size()));
    for (qsizetype i = 0; i < rasters.size(); ++i) {
        SCOPED_TRACE("page " + std::to_string(i + 1));
        const QImage page = reports::test::grey(rasters[i]);
        for (const reports::BarcodeRun* barcode : reports::test::barcodeRuns(document->pages.at(std::size_t(i))))
            EXPECT_EQ(reports::test::barWidthFault(page, *barcode, 203, 2).toStdString(), "");
        EXPECT_EQ(reports::test::decodePage(rasters[i]), exportedPages.at(std::size_t(i)));
    }
}

TEST_F(PreviewPrinting, RefusingPrintersSendNothingAndSayWhy) {
    cups->addPdfQueue(QStringLiteral("stopped"));
    cups->disable(QStringLiteral("stopped"));
    cups->addPdfQueue(QStringLiteral("closed"));
    cups->reject(QStringLiteral("closed"));
    struct Case { QString printer; const char* says; };
    const Case cases[] = {
        {QStringLiteral("nowhere"), "unknown printer 'nowhere'"},
        {QStringLiteral("stopped"), "printer 'stopped' is disabled"},
        {QStringLiteral("closed"), "printer 'closed' is not accepting jobs"},
    };
    for (const Case& c : cases) {
        const tickets::PrintOutcome outcome = tickets::printDocument(*document, {c.printer});
        EXPECT_EQ(outcome.status, tickets::PrintOutcome::Status::PrinterProblem) << c.printer.toStdString();
        EXPECT_EQ(outcome.error, QString::fromUtf8(c.says));
        EXPECT_EQ(outcome.job, 0);
        EXPECT_EQ(cups->completedJobs(c.printer), 0) << c.printer.toStdString();
    }
}

// Cancel while the pages are written: no job reaches the queue and no file is left.
TEST_F(PreviewPrinting, CancelSendsNoJob) {
    struct StopAfterTwo : reports::PdfProgress {
        bool pageWritten(int written, int) override { return written < 2; }
    } stop;
    const int before = cups->completedJobs(kQueue);
    const tickets::PrintOutcome outcome = tickets::printDocument(*document, {kQueue}, &stop);
    EXPECT_EQ(outcome.status, tickets::PrintOutcome::Status::Cancelled);
    EXPECT_EQ(cups->completedJobs(kQueue), before);

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("cancelled.pdf"));
    EXPECT_EQ(reports::writePdf(*document, file, {reports::allPages(*document), &stop}, nullptr),
              reports::PdfOutcome::Cancelled);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList());
}

}  // namespace
