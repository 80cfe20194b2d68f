#pragma once

#include "dataset/MemoryTable.h"

namespace brovik::data {

// The window's memory tables: the ticket table RxTalao (one row per route step of a
// ticket, with the calculated barcode texts bar1..bar3), and the two small tables the
// batch refreshes consult.
struct TicketTables {
    TicketTables();
    TicketTables(const TicketTables&) = delete;
    TicketTables& operator=(const TicketTables&) = delete;

    MemoryTable RxTalao{QStringLiteral("RxTalao")};
    MemoryTable RxProduto_Cota{QStringLiteral("RxProduto_Cota")};
    MemoryTable RxOp{QStringLiteral("RxOp")};
};

// Ticket number in plain digits followed by the sector code with at least four digits:
// ticket 1523 in sector 12 gives 15230012.
QString ticketBarcodeText(qint64 controle, qint64 setor);

}  // namespace brovik::data
