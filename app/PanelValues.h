#pragma once

#include <QString>
#include <QtGlobal>

namespace brovik::app {

enum class TicketLayout { TF, Centralizado, Colunado };

// What the ticket run and the layouts read from the options panel, read at one moment.
struct PanelValues {
    QString batchText;     // EditRemessa, as typed
    qint64 Op1 = 1;        // production orders Op1..Op2, inclusive
    qint64 Op2 = 99;
    qint64 Tl1 = 1;        // tickets Tl1..Tl2, inclusive
    qint64 Tl2 = 99999999;
    bool Decrescente = false;
    TicketLayout layout = TicketLayout::TF;
    QString remark;        // edtObservacao
    int barcodeIndex = 0;  // cbbPadraoCodBar entry, -1 when none is selected
    qint64 vRatio = 3;
    qint64 vModul = 1;
};

}  // namespace brovik::app
