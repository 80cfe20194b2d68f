#pragma once

#include "tickets/CupsPrinting.h"
#include "reports/PageSelection.h"
#include "reports/PdfExport.h"


namespace brovik::tickets {

struct PrintRequest {
    QString printer;
    reports::PageSelection pages;
    PrintCopies copies;
    JobOptions options;  // further CUPS job options
};

struct PrintOutcome {
    enum class Status {
        Sent,
        PrinterProblem,  // unknown, disabled, rejecting, or CUPS refused the job
        NoPages,         // the selection takes no page of the document
        Failed,          // the pages could not be written
        Cancelled,
    };
    Status status = Status::Failed;
    int pages = 0;  // pages sent, once each copy
    int job = 0;
    QString error;
};

// Prints the selected pages: writes them, and only them, into a temporary PDF and queues
// it as one CUPS job that makes the copies. Nothing is queued unless the whole PDF was
// written; cancelling through `progress` leaves no job and no file.
PrintOutcome printDocument(const reports::Document& document, const PrintRequest& request,
                           reports::PdfProgress* progress = nullptr);

// The selected pages written to a PDF file instead (the print dialog's "print to file").
PrintOutcome printToFile(const reports::Document& document, const reports::PageSelection& pages, const QString& file,
                         reports::PdfProgress* progress = nullptr);

// "no page of 2,5-6 in a document of 3 pages" and the like.
QString noPagesText(const reports::PageSelection& selection, int pageCount);

}  // namespace brovik::tickets
