#pragma once

#include "reports/Report.h"
#include "reports/TicketLayouts.h"

namespace brovik::reports {

struct ItemTables;

// The layout centred on the sheet: one ticket per page, its stubs stacked in the middle
// of an A4 portrait sheet under a grey header naming the production order and model.
class CentredLayout {
public:
    CentredLayout(const TicketLayoutData& data, const BarcodePanel& panel, TicketWindowValues& values);
    CentredLayout(const CentredLayout&) = delete;
    CentredLayout& operator=(const CentredLayout&) = delete;

    void RpGroup2BeforePrint(TReportBand& band, bool& print);
    void RpGroup2AfterPrint(TReportBand& band, bool printed);
    void Talao2BeforePrint(TReportBand& band, bool& print);

    TReport Qr3{QStringLiteral("Qr3")};
    TReportGroup& RpGroup2 = Qr3.addGroup(QStringLiteral("RpGroup2"));
    TReportSubDetail& Talao2 = Qr3.addSubDetail(QStringLiteral("Talao2"));
    TReportBand& PageHeaderBand2 = Qr3.addBand(QStringLiteral("PageHeaderBand2"), TReportBandType::rbPageHeader);
    barcode::TBarcodeControl BarCode3;

private:
    // The stub band's items the handlers steer, bound once the band holds its items.
    struct StubItems {
        TReportImage& CodBar4;
        TReportItem& lCnj;
        TReportItem& cCnj;
    };
    static StubItems addStubItems(TReportBand& band, const ItemTables& tables);

    data::Dataset& rxTalao_;
    const BarcodePanel& panel_;
    TicketWindowValues& values_;
    StubItems stub_;
};

}  // namespace brovik::reports
