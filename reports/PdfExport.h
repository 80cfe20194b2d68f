#pragma once

#include "reports/PageModel.h"

#include <QString>

namespace brovik::reports {

// Barcode bars in a PDF sit on a 600-dpi grid, whole modules apart, so that rasters of
// 300, 600 and 1200 dpi show them in whole dots.
inline constexpr int kPdfBarDotsPerInch = 600;

// Writes the pages to a PDF file, A4 in the document's orientation, each page placed
// from the paper's corner exactly as previewed. On failure returns false with the cause
// in `error` and leaves no file behind.
bool exportPdf(const Document& document, const QString& fileName, QString* error = nullptr);

}  // namespace brovik::reports
