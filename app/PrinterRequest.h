#pragma once

#include "tickets/DocumentPrinting.h"

class QPrinter;

namespace brovik::app {

// What the user asked for in Qt's print dialog, as one request that applies the page
// list once. Qt's dialog hands its page list and page set both to the application and
// to CUPS; here they are taken out of the CUPS options, and the other options of the
// dialog (pages per sheet, banners, priority...) go on with the job.
tickets::PrintRequest printRequestFrom(const QPrinter& printer, int currentPage);

}  // namespace brovik::app
