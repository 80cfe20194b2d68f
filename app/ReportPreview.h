#pragma once

#include "reports/Report.h"

class QPrinter;
class QWidget;

namespace brovik::app {

// The preview the application installs for TReport::Preview: generates the pages
// (with a progress dialog and Cancel when it takes more than half a second), shows
// them maximised at page width, prints or saves them as PDF by replaying them, and
// returns when the window closes. The window has its own event loop, so the rest of
// the program stays usable meanwhile.
class ReportPreview : public reports::ReportPreviewHost {
public:
    explicit ReportPreview(QWidget* parent = nullptr) : parent_(parent) {}
    void preview(reports::TReport& report) override;

private:
    QWidget* parent_;
};

// Sends pages to a printer already set up, honouring its page range.
void printPages(const reports::Document& document, QPrinter& printer);

}  // namespace brovik::app
