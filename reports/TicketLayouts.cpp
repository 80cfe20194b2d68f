#include "reports/TicketLayouts.h"

#include "barcode/Symbology.h"
#include "barcode/EBarcodeError.h"

#include <algorithm>
#include <cmath>

namespace brovik::reports {

namespace {

void refuse(TicketWindowValues& values, data::Dataset& rxTalao, const QString& text, const QString& message) {
    values.refused.push_back(
        {rxTalao.fieldByName(u"Controle").asLargeInt(), rxTalao.fieldByName(u"Setor1").asString(), text, message});
}

}  // namespace

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
    picture.clearCanvas();
    try {
        control.SetTyp(values.vBarCode);
        control.SetRatio(panel.vRatio());
        control.SetModul(panel.vModul());
        control.SetText(text);
        placeInside(control, picture);
        drawBars(control, picture);
        if (values.carried.whole(control)) return;
        picture.clearCanvas();
        refuse(values, rxTalao, text, QStringLiteral("Barcode would carry only part of the text"));
    } catch (const barcode::EBarcodeError& e) {
        refuse(values, rxTalao, text, e.message());
    }
}

void drawBars(barcode::TBarcodeControl& control, TReportImage& picture) {
    control.DrawBarcode(picture.Canvas());
    if (control.Angle() == 0) picture.setBars(control.encoder().Bars());
}

int quietZoneShift(const TReportItem& line, const TReportImage& picture, int modul) {
    // The line prints one device pixel wide: up to a bitmap pixel on a screen.
    const double lineRight = line.left + line.width / 2 + kUnitsPerImagePixel;
    const double needed = lineRight + kQuietZoneModules * modul * kUnitsPerImagePixel - picture.left;
    return std::max(0, int(std::ceil(needed / kUnitsPerImagePixel - 1e-9)));
}

int rowsAbove(const TReportItem& below, const TReportImage& picture) {
    return std::max(1, int(std::floor((below.top - picture.top) / kUnitsPerImagePixel)));
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
