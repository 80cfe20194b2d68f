#pragma once

#include "reports/Report.h"

#include <QElapsedTimer>
#include <QList>
#include <QPointer>

class QWidget;

namespace brovik::app {

class ReportPreviewWindow;

// The preview the application installs for TReport::Preview: generates the pages
// (with a progress dialog and Cancel when it takes more than half a second), shows
// them maximised at page width in a window of their own, and returns when that window
// closes. The window has its own event loop, so the rest of the program stays usable
// meanwhile; a second preview may open beside the first.
class ReportPreview : public reports::ReportPreviewHost {
public:
    // `progressParent` carries the progress dialog of the page generation.
    explicit ReportPreview(QWidget* progressParent = nullptr) : parent_(progressParent) {}
    ~ReportPreview() override;
    void preview(reports::TReport& report) override;
    // The user's click: the half second before the progress dialog counts from here,
    // not from the start of the page generation that follows the ticket run.
    void startTiming() { clicked_.start(); }
    // The file name the next preview proposes when saving as PDF.
    void setPdfName(const QString& name) { pdfName_ = name; }
    // The previews open now, oldest first.
    QList<ReportPreviewWindow*> openWindows() const;
    // Closes every preview (the program is ending); each Preview call then returns.
    void closeAll();

private:
    QWidget* parent_;
    QElapsedTimer clicked_;
    QString pdfName_;
    QList<QPointer<ReportPreviewWindow>> windows_;
};

}  // namespace brovik::app
