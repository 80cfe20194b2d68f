// The three layouts over odd tickets: a barcode text the symbology refuses costs that
// stub its barcode and nothing else; free text in the barcode list changes nothing.
#include "QtTestApp.h"
#include "support/ProgramRun.h"
#include "support/TestDatabase.h"

#include "cli/CommandLine.h"
#include "app/PanelBarcodeSettings.h"
#include "tickets/TicketPrinting.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace brovik;

namespace {

test::TestDatabase& badRows() {
    static test::TestDatabase db(QStringLiteral("layouts-bad"), {QStringLiteral("tests/tickets/fixtures/bad_rows.sql")});
    return db;
}

struct Printed {
    int rows = 0;
    size_t pages = 0;
    QStringList refused;  // "ticket/sector"
};

Printed print(tickets::Layout layout, int barcodeEntry) {
    test::qtApp();
    data::AliasSettings settings;
    settings.mv = badRows().path();
    tickets::TicketSession session(settings);
    tickets::TicketOptions o;
    o.batchText = QStringLiteral("805");
    o.tl1 = -99999999;  // the run itself takes any range; the panel reads a first value below 1 as 1
    o.layout = layout;
    o.barcodeEntry = barcodeEntry;
    const tickets::TicketRunResult result = session.run.execute(o);
    const reports::FixedBarcodePanel panel = tickets::barcodeSettingsOf(o);
    tickets::TicketPrinting printing(session, panel);
    Printed p;
    p.rows = session.tables.RxTalao.recordCount();
    p.pages = printing.prepare(result).Generate().document.pages.size();
    for (const reports::RefusedStub& s : printing.layouts.values.refused)
        p.refused << QStringLiteral("%1/%2").arg(s.ticket).arg(s.sector);
    return p;
}

TEST(LayoutsBadInput, NegativeTicketPrintsWithoutABarcodeAndNothingElseIsLost) {
    for (tickets::Layout layout : {tickets::Layout::Flow, tickets::Layout::Centred, tickets::Layout::Columns}) {
        SCOPED_TRACE(static_cast<int>(layout));
        const Printed p = print(layout, 0);  // "01.Code_2_5_interleaved": digits only
        EXPECT_EQ(p.rows, 3);
        EXPECT_GE(p.pages, 1u);
        EXPECT_EQ(p.refused, (QStringList{"-5/12-CORTE ÇÃ€º 'A';--", "-5/10000-SETOR DEZ MIL €"}));

        const Printed freeText = print(layout, -1);  // text typed into the list: the standard stays
        EXPECT_EQ(freeText.pages, p.pages);
        EXPECT_EQ(freeText.refused, p.refused);
    }
}

// Windows-1252 text at full column width, 8-digit tickets and 6-digit sectors through
// every layout of the real program.
TEST(LayoutsBadInput, OddRowsExportInEveryLayout) {
    QTemporaryDir dir;
    const QString ini = test::writeAliasIni(dir.path(), test::aliasIniFor(badRows().path()));
    for (const char* layout : {"fluxo", "centralizado", "colunado"}) {
        for (const char* barcode : {"1", "9", "23"}) {
            SCOPED_TRACE(std::string(layout) + " barcode " + barcode);
            const QString pdf = dir.filePath(QStringLiteral("%1-%2.pdf").arg(layout, barcode));
            const test::ProgramRun r =
                test::runProgram({"--config", ini, "--export", pdf, "--layout", layout, "--barcode", barcode, "brovik:800"});
            EXPECT_TRUE(r.finished);
            EXPECT_EQ(r.status, cli::kExitOk) << r.err.toStdString();
            EXPECT_TRUE(r.out.startsWith("3 tickets, 5 stubs, ")) << r.out.toStdString();
            QFile f(pdf);
            ASSERT_TRUE(f.open(QIODevice::ReadOnly));
            EXPECT_TRUE(f.read(5) == "%PDF-");
        }
    }
}

}  // namespace
