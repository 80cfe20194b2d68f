#pragma once

#include "reports/PageModel.h"

#include <QRectF>
#include <QTransform>
#include <vector>

namespace brovik::reports {

// A grid of dots a device's barcodes are drawn on.
struct DotGrid {
    double unitsToDeviceX = 1, unitsToDeviceY = 1;  // device pixels per report unit
    double offsetX = 0, offsetY = 0;                // device pixels of the paper's corner
    double pixelsPerDot = 1;                        // device pixels per dot of the grid

    // The dots of a device, or of a coarser grid of `dotsPerInch` over it (0: the device's).
    static DotGrid of(const QTransform& unitsToDevice, int dotsPerInch = 0);
    // Dots per bitmap pixel: the whole number nearest to the bitmap's 96 pixels per inch,
    // at least one, so that no barcode outgrows its box.
    int dotsPerPixel() const;
};

// A barcode's bars in device pixels: every bar and space a whole number of dots, the same
// number for every module; the first module starts on a whole module of the grid, inside
// the box; each bar is cut to the box, as the picture is.
std::vector<QRectF> snappedBars(const BarcodeRun& run, const DotGrid& grid);

}  // namespace brovik::reports
