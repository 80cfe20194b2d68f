#include "reports/TicketLayouts.h"

#include "barcode/Symbology.h"
#include "barcode/EBarcodeError.h"

namespace brovik::reports {

void setUpTicketControl(barcode::TBarcodeControl& control, int left, int top, int width, int height) {
    control.SetBounds(left, top, width, height);
    control.SetModul(1);
    control.SetRatio(3.0);
    control.SetTyp(barcode::TBarcodeType::bcCodeEAN13);
    control.SetCheckSumMethod(barcode::TCheckSumMethod::csmNone);
    control.SetShowTextFont(barcode::TBarcodeFont{});
}

void placeInside(barcode::TBarcodeControl& control, const TReportImage& picture) {
    const QSize size = picture.canvasSize();
    control.SetBounds(10, 10, size.width() - 20, size.height() - 20);
}

void drawStubBarcode(barcode::TBarcodeControl& control, TReportImage& picture, const BarcodePanel& panel,
                     TicketWindowValues& values, data::Dataset& rxTalao) {
    if (auto type = barcode::barcodeTypeOfEntry(panel.barcodeEntry())) values.vBarCode = *type;
    const QString text = rxTalao.fieldByName(u"bar1").asString();
    // Bars of an earlier, wider barcode must not stay beside this one.
    QImage& bitmap = picture.Canvas();
    bitmap.fill(Qt::white);
    try {
        control.SetTyp(values.vBarCode);
        control.SetRatio(panel.vRatio());
        control.SetModul(panel.vModul());
        control.SetText(text);
        placeInside(control, picture);
        control.DrawBarcode(bitmap);
    } catch (const barcode::EBarcodeError& e) {
        values.refused.push_back({rxTalao.fieldByName(u"Controle").asLargeInt(),
                                  rxTalao.fieldByName(u"Setor1").asString(), text, e.message()});
    }
}

void showSetPiece(TReportItem& caption, TReportItem& number, data::Dataset& rxTalao) {
    caption.enabled = true;
    number.enabled = true;
    if (rxTalao.fieldByName(u"Peca_Conjunto").asInteger() == 0) {
        caption.enabled = false;
        number.enabled = false;
    }
}

}  // namespace brovik::reports
