#include "reports/SnappedBars.h"

#include <algorithm>
#include <cmath>

namespace brovik::reports {
namespace {

// Device positions computed in doubles land a hair beside whole dots.
constexpr double kEpsilon = 1e-6;
// Rasterisers that do not antialias fill every pixel a shape's edge touches, so a bar
// ending exactly on a dot boundary prints one dot wider; its right and bottom edges stop
// a little under half a dot short. On the PDF's grid that is still under one pixel of a
// 1200-dpi raster, and it gives a 203-dpi raster, which cannot be whole-dot, back some of
// the space its bars spill into.
constexpr double kEdgeInset = 0.45;

}  // namespace

DotGrid DotGrid::of(const QTransform& unitsToDevice, int dotsPerInch) {
    DotGrid grid;
    grid.unitsToDeviceX = unitsToDevice.m11();
    grid.unitsToDeviceY = unitsToDevice.m22();
    grid.offsetX = unitsToDevice.dx();
    grid.offsetY = unitsToDevice.dy();
    if (dotsPerInch > 0) grid.pixelsPerDot = grid.unitsToDeviceX * 254.0 / dotsPerInch;
    return grid;
}

int DotGrid::dotsPerPixel() const {
    return std::max(1, int(std::lround(kUnitsPerImagePixel * unitsToDeviceX / pixelsPerDot)));
}

std::vector<QRectF> snappedBars(const BarcodeRun& run, const DotGrid& grid) {
    const double pixel = grid.dotsPerPixel() * grid.pixelsPerDot;  // one bitmap pixel, in device pixels
    const auto deviceX = [&](double units) { return units * grid.unitsToDeviceX + grid.offsetX; };
    const auto deviceY = [&](double units) { return std::round(units * grid.unitsToDeviceY + grid.offsetY); };
    const double left = std::ceil(deviceX(run.x) / pixel - kEpsilon) * pixel;
    const double boxRight = deviceX(double(run.clip.x) + run.clip.w) + kEpsilon;
    const double boxTop = deviceY(run.clip.y), boxBottom = deviceY(double(run.clip.y) + run.clip.h);
    std::vector<QRectF> rects;
    rects.reserve(run.bars.size());
    for (const BarSpan& bar : run.bars) {
        const double x = left + bar.x * pixel;
        const double right = std::min(x + bar.width * pixel, std::floor(boxRight));
        const double top = std::max(deviceY(run.y + bar.top * kUnitsPerImagePixel), boxTop);
        const double bottom = std::min(deviceY(run.y + (bar.top + bar.height) * kUnitsPerImagePixel), boxBottom);
        const double inset = kEdgeInset * grid.pixelsPerDot;
        if (right > x + inset && bottom > top + inset) rects.emplace_back(x, top, right - x - inset, bottom - top - inset);
    }
    return rects;
}

}  // namespace brovik::reports
