#pragma once

#include "reports/CentredLayout.h"
#include "reports/FlowLayout.h"
#include "reports/ColumnsLayout.h"

namespace brovik::reports {

// The three ticket layouts of the main window with the values they share; made once
// and kept as long as the window, so bitmaps, flags and ID5 carry from one preview to
// the next.
class TicketReports {
public:
    TicketReports(const TicketLayoutData& data, const BarcodePanel& panel)
        : flow(data, panel, values), centred(data, panel, values), columns(data, panel, values) {}

    TicketWindowValues values;
    FlowLayout flow;
    CentredLayout centred;
    ColumnsLayout columns;
};

}  // namespace brovik::reports
