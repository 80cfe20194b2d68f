#pragma once

#include "remessa/AliasSettings.h"
#include "remessa/RemessaQueries.h"
#include "remessa/TDM.h"
#include "remessa/TicketTables.h"
#include "tickets/TicketRun.h"

namespace brovik::tickets {

// The data module, the memory tables, the batch queries and the run over them, created
// together from the configuration and living as long as the window (or the export).
struct TicketSession {
    explicit TicketSession(const data::AliasSettings& settings) : dm(settings) {}
    TicketSession(const TicketSession&) = delete;
    TicketSession& operator=(const TicketSession&) = delete;

    // What the failure log does after a lost connection: the main connection, then the files one.
    void closeConnections() {
        dm.IB.close();
        dm.IBF.close();
    }

    data::TDM dm;
    data::TicketTables tables;
    data::RemessaQueries queries{dm, tables};
    TicketRun run{dm, queries, tables};
};

}  // namespace brovik::tickets
