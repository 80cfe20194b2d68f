#pragma once

#include "reports/TicketReports.h"
#include "tickets/TicketOptions.h"
#include "tickets/TicketRun.h"
#include "tickets/TicketSession.h"

namespace brovik::tickets {

// The three ticket layouts over a session's tables, and the step between a finished run
// and its preview or export.
class TicketPrinting {
public:
    TicketPrinting(TicketSession& session, const reports::BarcodePanel& panel)
        : layouts({session.tables.RxTalao, session.queries.CdsRemessa, session.queries.IbFluxo}, panel) {}
    TicketPrinting(const TicketPrinting&) = delete;
    TicketPrinting& operator=(const TicketPrinting&) = delete;

    // The run's layout, with the remark the run wrote and the flow layout's column
    // counter reset, ready to preview or generate.
    reports::TReport& prepare(const TicketRunResult& result);

    reports::TicketReports layouts;
};

// The command line's fixed barcode choices.
inline reports::FixedBarcodePanel barcodeSettingsOf(const TicketOptions& options) {
    return reports::FixedBarcodePanel(options.barcodeEntry, options.ratio, options.modul);
}

}  // namespace brovik::tickets
