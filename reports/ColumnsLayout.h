#pragma once

#include "reports/Report.h"
#include "reports/TicketLayouts.h"

namespace brovik::reports {

struct ItemTables;

// The layout in three columns: A4 landscape, one ticket per column, its stubs stacked.
class ColumnsLayout {
public:
    ColumnsLayout(const TicketLayoutData& data, const BarcodePanel& panel, TicketWindowValues& values);
    ColumnsLayout(const ColumnsLayout&) = delete;
    ColumnsLayout& operator=(const ColumnsLayout&) = delete;

    void RpGroup1BeforePrint(TReportBand& band, bool& print);
    void RpGroup1AfterPrint(TReportBand& band, bool printed);
    void Qr6BeforePrint(TReportBand& band, bool& print);

    TReport Qr6{QStringLiteral("Qr6")};
    TReportGroup& RpGroup1 = Qr6.addGroup(QStringLiteral("RpGroup1"));
    TReportSubDetail& RpSubDetail1 = Qr6.addSubDetail(QStringLiteral("RpSubDetail1"));
    barcode::TBarcodeControl BarCode1;

private:
    // The stub band's items the handlers steer, bound once the band holds its items.
    struct StubItems {
        TReportImage& RpImage3;
        TReportItem& lCnj1;
        TReportItem& cCnj1;
    };
    static StubItems addStubItems(TReportBand& band, const ItemTables& tables);

    data::Dataset& rxTalao_;
    const BarcodePanel& panel_;
    TicketWindowValues& values_;
    StubItems stub_;
};

}  // namespace brovik::reports
