#pragma once

#include "app/TaloesPanel.h"
#include "reports/TicketLayouts.h"

namespace brovik::app {

// The layouts read the barcode standard, ratio and module from the panel each time they
// draw a stub, so a change made while a preview is open counts for the next one.
class PanelBarcodeSettings : public reports::BarcodePanel {
public:
    explicit PanelBarcodeSettings(const TaloesPanel& panel) : panel_(panel) {}
    int barcodeEntry() const override { return panel_.values().barcodeEntry; }
    int vRatio() const override { return panel_.values().ratio; }
    int vModul() const override { return panel_.values().modul; }

private:
    const TaloesPanel& panel_;
};

}  // namespace brovik::app
