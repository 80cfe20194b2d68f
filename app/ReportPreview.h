#pragma once

#include "reports/Report.h"

#include <QElapsedTimer>

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
    // The user's click: the half second before the progress dialog counts from here,
    // not from the start of the page generation that follows the ticket run.
    void startTiming() { clicked_.start(); }

private:
    QWidget* parent_;
    QElapsedTimer clicked_;
};

// Sends pages to a printer already set up, honouring its page range.
void printPages(const reports::Document& document, QPrinter& printer);

}  // namespace brovik::app
