#include "app/RunProgress.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace brovik::app {
namespace {

constexpr int kEventInterval = 50;  // ms between event rounds
constexpr int kDialogDelay = 500;

}  // namespace

RunProgress::RunProgress(QWidget* parent, QString label, const QElapsedTimer& since)
    : parent_(parent), label_(std::move(label)), started_(since) {
    if (!started_.isValid()) started_.start();
    lastEvents_.start();
}

RunProgress::~RunProgress() = default;

bool RunProgress::keepGoing(int pagesSoFar) { return report(pagesSoFar, 0); }

bool RunProgress::pageWritten(int written, int total) { return report(written, total); }

bool RunProgress::report(int done, int total) {
    if (lastEvents_.elapsed() < kEventInterval) return !cancelled_;
    lastEvents_.restart();
    if (!dialog_ && started_.elapsed() >= kDialogDelay) openDialog();
    if (dialog_) {
        dialog_->setMaximum(total);
        if (total > 0) dialog_->setValue(done);
        dialog_->setLabelText(total > 0 ? label_.arg(done).arg(total) : label_.arg(done));
    }
    QCoreApplication::processEvents();
    if (dialog_ && dialog_->wasCanceled()) cancelled_ = true;
    return !cancelled_;
}

void RunProgress::openDialog() {
    dialog_ = std::make_unique<QProgressDialog>(QString(), QStringLiteral("Cancelar"), 0, 0, parent_);
    dialog_->setWindowTitle(QStringLiteral("Brovik"));
    dialog_->setWindowModality(Qt::ApplicationModal);
    dialog_->setMinimumDuration(0);
    dialog_->setAutoReset(false);
    dialog_->setAutoClose(false);
    QObject::connect(dialog_.get(), &QProgressDialog::canceled, dialog_.get(), [this] { cancelled_ = true; });
    dialog_->show();
}

}  // namespace brovik::app
