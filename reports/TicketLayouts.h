#pragma once

#include "barcode/BarcodeType.h"
#include "barcode/TBarcodeControl.h"
#include "dataset/Dataset.h"
#include "dataset/ParamDataset.h"
#include "reports/ReportItems.h"

#include <QString>
#include <vector>

namespace brovik::reports {

// What the ticket layouts read from the options panel each time they draw a barcode.
// The window implements it from its panel; the headless export from its options.
class BarcodePanel {
public:
    virtual ~BarcodePanel() = default;
    // The selected entry of the barcode standard list (0 = "01.Code_2_5_interleaved");
    // -1 when text was typed instead of a selection.
    virtual int barcodeEntry() const = 0;
    virtual int vRatio() const = 0;
    virtual int vModul() const = 0;
};

// Panel values given once, as the command line or a test gives them.
class FixedBarcodePanel : public BarcodePanel {
public:
    FixedBarcodePanel(int entry = 0, int ratio = 3, int modul = 1) : entry_(entry), ratio_(ratio), modul_(modul) {}
    int barcodeEntry() const override { return entry_; }
    int vRatio() const override { return ratio_; }
    int vModul() const override { return modul_; }

private:
    int entry_, ratio_, modul_;
};

// A stub printed with a blank barcode because the symbology refused its text.
struct RefusedStub {
    qint64 ticket = 0;
    QString sector;  // Setor1 of the row
    QString text;    // the refused barcode text
    QString message;
};

// The main window's values the three layouts share; they live as long as the window.
struct TicketWindowValues {
    barcode::TBarcodeType vBarCode = barcode::TBarcodeType::bcCode_2_5_interleaved;
    qint64 ID5 = 0;  // ticket whose page or column is open
    int Talao = 0;   // tickets begun in the current column of the flow layout
    // The stubs of the last generation that print without a barcode.
    std::vector<RefusedStub> refused;
};

// The tables and queries of the window that the layouts print from.
struct TicketLayoutData {
    data::Dataset& RxTalao;
    data::Dataset& CdsRemessa;
    data::ParamDataset& IbFluxo;
};

// The stub barcode step shared by the three layouts: the symbology from the panel (kept
// when no entry is selected), ratio and module from the panel, the row's bar1, drawn from
// the bitmap's top-left corner onto a bitmap first cleared to white. A text the symbology
// refuses leaves the picture blank and is recorded in `values.refused`.
void drawStubBarcode(barcode::TBarcodeControl& control, TReportImage& picture, const BarcodePanel& panel,
                     TicketWindowValues& values, data::Dataset& rxTalao);

// The ticket controls as stored with the layouts, at their stored place on the band.
void setUpTicketControl(barcode::TBarcodeControl& control, int left, int top, int width, int height);

// "Conj./Peça" and the piece number show only for a piece of a set.
void showSetPiece(TReportItem& caption, TReportItem& number, data::Dataset& rxTalao);

// The placement each drawing step gives the control: 10 px inside the bitmap.
void placeInside(barcode::TBarcodeControl& control, const TReportImage& picture);

}  // namespace brovik::reports
