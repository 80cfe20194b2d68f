#include "TicketBench.h"

#include "LargeBatch.h"

#include "reports/TicketReports.h"
#include "tickets/TicketSession.h"

#include <malloc.h>

namespace brovik::bench {

QStringList layoutNames() { return {QStringLiteral("flow (Qr5)"), QStringLiteral("centred (Qr3)"), QStringLiteral("columns (Qr6)")}; }

void benchLayouts(const QString& database, int passes, const std::function<void(const QString&, TicketFigures&)>& each) {
    data::AliasSettings settings;
    settings.mv = database;
    tickets::TicketSession session(settings);
    reports::FixedBarcodePanel panel;
    reports::TicketReports layouts({session.tables.RxTalao, session.queries.CdsRemessa, session.queries.IbFluxo}, panel);
    tickets::TicketOptions options;
    options.batchText = QString::number(LargeBatch::kBatch);
    session.run.execute(options);  // the first click attaches and fills the database's page cache

    const struct {
        tickets::Layout layout;
        reports::TReport& report;
    } runs[] = {{tickets::Layout::Flow, layouts.flow.Qr5},
                {tickets::Layout::Centred, layouts.centred.Qr3},
                {tickets::Layout::Columns, layouts.columns.Qr6}};
    const QStringList names = layoutNames();
    for (std::size_t i = 0; i < std::size(runs); ++i) {
        TicketFigures f;
        // On the previous run's tickets, before the clock starts.
        f.cancelLatency = timeCancel(runs[i].report, 3);
        // The previous layout's pages are gone: hand their memory back before measuring.
        malloc_trim(0);
        resetPeakMemory();
        options.layout = runs[i].layout;
        Stopwatch clock;
        const tickets::TicketRunResult result = session.run.execute(options);
        f.run = clock.elapsed();
        layouts.flow.Obs3().caption = result.obs3Caption;
        f.stubs = session.tables.RxTalao.recordCount();
        f.runMb = currentMemoryMb();
        f.pages = timeGeneration(runs[i].report, clock, passes);
        f.peakMb = f.pages.peakMb;
        f.residentMb = currentMemoryMb();
        each(names[int(i)], f);
    }
}

}  // namespace brovik::bench
