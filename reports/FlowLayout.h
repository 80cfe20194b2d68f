#pragma once

#include "reports/Report.h"
#include "reports/TicketLayouts.h"

#include <array>
#include <functional>

namespace brovik::reports {

struct ItemTables;

// The layout with the production flow: A4 portrait, two columns, one ticket per column;
// after a ticket's last stub come the rows of its production flow, two steps per row,
// each with a barcode of ticket and flow code.
class FlowLayout {
public:
    FlowLayout(const TicketLayoutData& data, const BarcodePanel& panel, TicketWindowValues& values);
    FlowLayout(const FlowLayout&) = delete;
    FlowLayout& operator=(const FlowLayout&) = delete;

    void Qr5BeforePrint(TReport& report, bool& print);
    void RpGroup4AfterPrint(TReportBand& band, bool printed);
    void Talao6BeforePrint(TReportBand& band, bool& print);
    void Talao5BeforePrint(TReportBand& band, bool& print);
    void Qr5AfterPreview(TReport& report);

    // The remark label the ticket run writes.
    TReportLabel& Obs3() const { return stub_.Obs3; }

    TReport Qr5{QStringLiteral("Qr5")};
    TReportSubDetail& Talao5 = Qr5.addSubDetail(QStringLiteral("Talao5"));
    TReportBand& RpBand2 = Qr5.addBand(QStringLiteral("RpBand2"), TReportBandType::rbPageHeader);
    TReportBand& RpBand3 = Qr5.addBand(QStringLiteral("RpBand3"), TReportBandType::rbGroupFooter);
    TReportBand& Talao6 = Qr5.addBand(QStringLiteral("Talao6"), TReportBandType::rbDetail);
    TReportGroup& RpGroup4 = Qr5.addGroup(QStringLiteral("RpGroup4"));
    barcode::TBarcodeControl BarCode5;

private:
    // The items the handlers steer, bound once the bands hold their items.
    struct StubItems {
        TReportImage& RpImage1;
        TReportItem& lCnj5;
        TReportItem& cCnj5;
        TReportLabel& Obs3;
    };
    struct FlowRowItems {
        TReportImage& CodF1;
        TReportImage& CodF2;
        std::array<std::reference_wrapper<TReportItem>, 5> evenStep;  // shown only for a row with an even step
    };
    static StubItems addStubItems(TReportBand& band, const ItemTables& tables);
    static FlowRowItems addFlowRowItems(TReportBand& band, const ItemTables& tables);

    void openFlow();
    void drawFlowBarcode(const char* codeField, TReportImage& picture);

    data::Dataset& rxTalao_;
    data::ParamDataset& ibFluxo_;
    const BarcodePanel& panel_;
    TicketWindowValues& values_;
    StubItems stub_;
    FlowRowItems flowRow_;
};

}  // namespace brovik::reports
