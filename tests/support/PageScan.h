#pragma once

#include "reports/PageModel.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <vector>

namespace brovik::reports::test {

// How a PDF page reaches a scanner: printed by a rasteriser at a resolution, in grey
// levels or in black and white.
enum class Rasteriser { PopplerGrey, PopplerBiLevel, GhostscriptBiLevel };

struct RasterSpec {
    Rasteriser tool;
    int dpi;
    const char* name;
};

inline constexpr RasterSpec kPoppler300{Rasteriser::PopplerGrey, 300, "pdftoppm 300 dpi"};
inline constexpr RasterSpec kPoppler600BiLevel{Rasteriser::PopplerBiLevel, 600, "pdftoppm 600 dpi bi-level"};
inline constexpr RasterSpec kPoppler300BiLevel{Rasteriser::PopplerBiLevel, 300, "pdftoppm 300 dpi bi-level"};
inline constexpr RasterSpec kGhostscript203{Rasteriser::GhostscriptBiLevel, 203, "gs pngmono 203 dpi"};

// Every page of a PDF rasterised whole into `dir`: the files, in page order, or none
// when the tool failed.
QStringList rasterise(const QString& pdf, const RasterSpec& raster, const QString& dir);

// A raster as the checks below read it: 8-bit grey.
QImage grey(const QString& raster);

// What zbarimg reads from a whole page, sorted.
QStringList decodePage(const QString& raster);

// The first raster row through a barcode's box whose quiet zone is not white for 10
// modules before the first bar and after the last, described; empty when every row is clear.
QString quietZoneFault(const QImage& page, const BarcodeRun& barcode, int dpi);

// The first row of a barcode in a bi-level raster whose bars and spaces are not each a
// whole number of `moduleDots`, with the narrowest element one module and every row alike,
// described; empty when all are.
QString barWidthFault(const QImage& page, const BarcodeRun& barcode, int dpi, int moduleDots);

std::vector<const BarcodeRun*> barcodeRuns(const Page& page);

}  // namespace brovik::reports::test
