#pragma once

#include "reports/Report.h"
#include "reports/TicketLayouts.h"

namespace brovik::reports {

// The layout in three columns: A4 landscape, one ticket per column, its stubs stacked.
class Qr6Layout {
public:
    Qr6Layout(const TicketLayoutData& data, const BarcodePanel& panel, TicketWindowValues& values);
    Qr6Layout(const Qr6Layout&) = delete;
    Qr6Layout& operator=(const Qr6Layout&) = delete;

    void RpGroup1BeforePrint(TReportBand& band, bool& print);
    void RpGroup1AfterPrint(TReportBand& band, bool printed);
    void Qr6BeforePrint(TReportBand& band, bool& print);

    TReport Qr6{QStringLiteral("Qr6")};
    TReportGroup& RpGroup1 = Qr6.addGroup(QStringLiteral("RpGroup1"));
    TReportSubDetail& RpSubDetail1 = Qr6.addSubDetail(QStringLiteral("RpSubDetail1"));
    barcode::TBarcodeControl BarCode1;

private:
    TReportItem& item(const char* name) const;

    data::Dataset& rxTalao_;
    const BarcodePanel& panel_;
    TicketWindowValues& values_;
};

}  // namespace brovik::reports
