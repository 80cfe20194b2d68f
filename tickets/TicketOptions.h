#pragma once

#include <QString>

namespace brovik::tickets {

enum class Layout { Flow, Centred, Columns };

// What a ticket run reads from the options panel (or from the command line), with the
// panel's initial values.
struct TicketOptions {
    QString batchText = QStringLiteral("128693");
    qint64 op1 = 1;
    qint64 op2 = 99;
    qint64 tl1 = 1;
    qint64 tl2 = 99999999;
    bool decrescente = false;
    Layout layout = Layout::Flow;
    QString remark;
    int barcodeEntry = 0;  // position in the barcode list; -1 when free text was typed
    int ratio = 3;
    int modul = 1;
};

}  // namespace brovik::tickets
