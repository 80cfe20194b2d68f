#pragma once

#include "reports/PdfExport.h"
#include "reports/Report.h"

#include <QElapsedTimer>
#include <QString>
#include <memory>

class QProgressDialog;
class QWidget;

namespace brovik::app {

// Keeps the program responsive during a long step (generating pages, writing them for
// the printer or a PDF) and offers Cancel once the step has run for half a second.
class RunProgress : public reports::GenerationObserver, public reports::PdfProgress {
public:
    // `label` takes the pages done as %1 and, when known, their total as %2.
    RunProgress(QWidget* parent, QString label, const QElapsedTimer& since = {});
    ~RunProgress() override;

    bool keepGoing(int pagesSoFar) override;
    bool pageWritten(int written, int total) override;
    bool cancelled() const { return cancelled_; }

private:
    bool report(int done, int total);
    void openDialog();

    QWidget* parent_;
    QString label_;
    QElapsedTimer started_, lastEvents_;
    std::unique_ptr<QProgressDialog> dialog_;
    bool cancelled_ = false;
};

}  // namespace brovik::app
