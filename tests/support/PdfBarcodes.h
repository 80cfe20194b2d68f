#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace brovik::test {

// The barcodes of every page of a PDF, each page rasterised whole (pdftoppm) and decoded
// by zbarimg: one sorted list of decoded texts per page, in page order. Pages from
// `first` to `last` (1-based, 0: the last page).
std::vector<QStringList> decodePdfPages(const QString& pdf, int first = 1, int last = 0, int dpi = 300);

// The page count pdfinfo reports; -1 when it cannot read the file.
int pdfPageCount(const QString& pdf);

}  // namespace brovik::test
