#include "app/TForm1.h"

#include "app/AppInfo.h"
#include "app/ClickPanel.h"
#include "tickets/LaunchArgument.h"
#include "app/PanelBarcodeSettings.h"
#include "app/ReportPreview.h"
#include "app/TaloesPanel.h"
#include "tickets/TicketPrinting.h"

#include <QLineEdit>
#include <QScreen>
#include <QWindow>

namespace brovik::app {
namespace {

QFont windowFont() {
    QFont f;
    f.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans")});
    f.setPixelSize(11);  // 8 pt at the design's 96 dpi, whatever the screen's
    return f;
}

}  // namespace

TForm1::TForm1(const QString& launchArgument, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFont(windowFont());
    setFixedSize(kOuterSize);

    pTaloes = new TaloesPanel(this);
    connect(pTaloes->ImprimeTaloes, &ClickPanel::clicked, this, &TForm1::ImprimeTaloesClick);
    connect(pTaloes->Cancelar, &ClickPanel::clicked, this, &TForm1::CancelarClick);

    FormCreate(launchArgument);
}

TForm1::~TForm1() = default;

void TForm1::setTicketSession(tickets::TicketSession* session) {
    printing_.reset();
    session_ = session;
    if (!session_) return;
    barcodeSettings_ = std::make_unique<PanelBarcodeSettings>(*pTaloes);
    printing_ = std::make_unique<TicketPrinting>(*session_, *barcodeSettings_);
}

tickets::TicketOptions TForm1::panelValues() const { return pTaloes->values(); }

void TForm1::FormCreate(const QString& launchArgument) {
    // The window comes up whatever the argument holds.
    try {
        const QString batch = tickets::batchTextFromLaunchArgument(launchArgument);
        if (!batch.isEmpty()) pTaloes->EditRemessa->setText(batch);
    } catch (...) {
    }
}

void TForm1::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (shown_) return;
    shown_ = true;
    FormShow();
}

void TForm1::FormShow() {
    placeAtOuterSize();
    raise();
    activateWindow();
}

// The outer size includes the frame, which the window manager may add only after the
// window is mapped: placing again when the frame changes keeps 360 x 398 centred.
void TForm1::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    if (shown_ && windowHandle() && windowHandle()->frameMargins() != placedWithFrame_) placeAtOuterSize();
}

void TForm1::placeAtOuterSize() {
    placedWithFrame_ = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QSize client(kOuterSize.width() - placedWithFrame_.left() - placedWithFrame_.right(),
                       kOuterSize.height() - placedWithFrame_.top() - placedWithFrame_.bottom());
    setFixedSize(client);
    QRect outer(QPoint(), kOuterSize);
    if (const QScreen* s = screen()) outer.moveCenter(s->availableGeometry().center());
    move(outer.topLeft());
}

void TForm1::ImprimeTaloesClick() {
    if (!session_) return;
    if (preview_) preview_->startTiming();
    // Failures go on to the application's handler, which shows nothing.
    lastRun_ = session_->run.execute(panelValues());
    if (lastRun_.outcome != tickets::TicketRunResult::Outcome::Completed) return;
    // Returns when the preview closes; the preview keeps the window's events flowing.
    printing_->prepare(lastRun_).Preview();
}

void TForm1::CancelarClick() {
    pTaloes->hide();
    close();
}

}  // namespace brovik::app
