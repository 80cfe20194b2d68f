#pragma once

#include "reports/PageModel.h"

#include <QString>

namespace brovik::reports {

// Writes the pages to a PDF file, A4 in the document's orientation, each page placed
// from the paper's corner exactly as previewed. On failure returns false with the cause
// in `error` and leaves no file behind.
bool exportPdf(const Document& document, const QString& fileName, QString* error = nullptr);

}  // namespace brovik::reports
