#pragma once

#include "reports/PageModel.h"
#include "reports/ShapedTextCache.h"

class QPainter;

namespace brovik::reports {

// Replays pages onto a painter whose origin is the paper's top-left corner. Report units
// are mapped through the device's resolution, so the same page prints the same on a
// screen, a printer, a PDF writer or an image. One PagePainter serves every page of a job
// on one device, so that texts repeated from page to page are shaped once. Barcode bars
// land on whole dots of the device, or of a coarser grid of `barDotsPerInch` over it.
class PagePainter {
public:
    PagePainter(QPainter& painter, const Document& document, int barDotsPerInch = 0);
    void paint(const Page& page);

private:
    QPainter& painter_;
    const Document& document_;
    ShapedTextCache shapes_;
    int barDotsPerInch_;
};

// One page on its own.
void paintPage(QPainter& painter, const Page& page, const Document& document);

}  // namespace brovik::reports
