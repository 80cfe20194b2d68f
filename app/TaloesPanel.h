#pragma once

#include "tickets/TicketOptions.h"

#include <QFrame>

class QLabel;
class QLineEdit;
class QRadioButton;

namespace brovik::app {

class BarcodeStandardBox;
class ClickPanel;
class LowerCaseEdit;
class WholeNumberEdit;

// The ticket options panel: every control at its design position, with its initial
// value. The controls are public, under their design names, as the run and the layouts
// read them; values() reads them all at once.
class TaloesPanel : public QFrame {
    Q_OBJECT
public:
    explicit TaloesPanel(QWidget* parent = nullptr);

    tickets::TicketOptions values() const;

    QLineEdit* EditRemessa = nullptr;
    WholeNumberEdit* Op1 = nullptr;
    WholeNumberEdit* Op2 = nullptr;
    WholeNumberEdit* Tl1 = nullptr;
    WholeNumberEdit* Tl2 = nullptr;
    QFrame* pOrdem = nullptr;
    QRadioButton* Crescente = nullptr;
    QRadioButton* Decrescente = nullptr;
    QFrame* Panel18 = nullptr;
    QRadioButton* TF = nullptr;
    QRadioButton* Centralizado = nullptr;
    QRadioButton* Colunado = nullptr;
    LowerCaseEdit* edtObservacao = nullptr;
    BarcodeStandardBox* cbbPadraoCodBar = nullptr;
    QLabel* lbl2 = nullptr;
    WholeNumberEdit* vRatio = nullptr;
    WholeNumberEdit* vModul = nullptr;
    ClickPanel* ImprimeTaloes = nullptr;
    ClickPanel* Cancelar = nullptr;

private:
    void buildLabels();
    void buildRanges();
    void buildRadioGroups();
    QRadioButton* radioOf(tickets::Layout layout) const;
    void buildRemarkAndBarcode();
    void buildClickPanels();
    void chainTabOrder();
};

}  // namespace brovik::app
