#pragma once

#include "reports/Report.h"
#include "reports/TicketLayouts.h"

namespace brovik::reports {

// The layout with the production flow: A4 portrait, two columns, one ticket per column;
// after a ticket's last stub come the rows of its production flow, two steps per row,
// each with a barcode of ticket and flow code.
class Qr5Layout {
public:
    Qr5Layout(const TicketLayoutData& data, const BarcodePanel& panel, TicketWindowValues& values);
    Qr5Layout(const Qr5Layout&) = delete;
    Qr5Layout& operator=(const Qr5Layout&) = delete;

    void Qr5BeforePrint(TReport& report, bool& print);
    void RpGroup4AfterPrint(TReportBand& band, bool printed);
    void Talao6BeforePrint(TReportBand& band, bool& print);
    void Talao5BeforePrint(TReportBand& band, bool& print);
    void Qr5AfterPreview(TReport& report);

    // The remark label the ticket run writes.
    TReportLabel& Obs3() const;

    TReport Qr5{QStringLiteral("Qr5")};
    TReportSubDetail& Talao5 = Qr5.addSubDetail(QStringLiteral("Talao5"));
    TReportBand& RpBand2 = Qr5.addBand(QStringLiteral("RpBand2"), TReportBandType::rbPageHeader);
    TReportBand& RpBand3 = Qr5.addBand(QStringLiteral("RpBand3"), TReportBandType::rbGroupFooter);
    TReportBand& Talao6 = Qr5.addBand(QStringLiteral("Talao6"), TReportBandType::rbDetail);
    TReportGroup& RpGroup4 = Qr5.addGroup(QStringLiteral("RpGroup4"));
    barcode::TBarcodeControl BarCode5;

private:
    void openFlow();
    // `shift`: bitmap pixels the bars start right of the picture's left edge.
    void drawFlowBarcode(const char* codeField, TReportImage& picture, int shift);
    TReportItem& item(const TReportBand& band, const char* name) const;

    data::Dataset& rxTalao_;
    data::Query& ibFluxo_;
    const BarcodePanel& panel_;
    TicketWindowValues& values_;
};

}  // namespace brovik::reports
