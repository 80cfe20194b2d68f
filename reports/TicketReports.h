#pragma once

#include "reports/Qr3Layout.h"
#include "reports/Qr5Layout.h"
#include "reports/Qr6Layout.h"

namespace brovik::reports {

// The three ticket layouts of the main window with the values they share; made once
// and kept as long as the window, so bitmaps, flags and ID5 carry from one preview to
// the next.
class TicketReports {
public:
    TicketReports(const TicketLayoutData& data, const BarcodePanel& panel)
        : flow(data, panel, values), centred(data, panel, values), columns(data, panel, values) {}

    TicketWindowValues values;
    Qr5Layout flow;
    Qr3Layout centred;
    Qr6Layout columns;
};

}  // namespace brovik::reports
