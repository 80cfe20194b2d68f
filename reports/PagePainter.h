#pragma once

#include "reports/PageModel.h"

class QPainter;

namespace brovik::reports {

// Replays one page onto a painter whose origin is the paper's top-left corner. Report
// units are mapped through the device's resolution, so the same page prints the same
// on a screen, a printer, a PDF writer or an image.
void paintPage(QPainter& painter, const Page& page, const Document& document);

}  // namespace brovik::reports
