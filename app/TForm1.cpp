#include "app/TForm1.h"

#include "app/AppInfo.h"
#include "app/ClickOutcome.h"
#include "app/ClickPanel.h"
#include "tickets/LaunchArgument.h"
#include "app/PanelBarcodeSettings.h"
#include "app/ReportPreview.h"
#include "app/TaloesPanel.h"
#include "app/WindowFont.h"
#include "tickets/TicketPrinting.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace brovik::app {
namespace {

// The database part of a run shows no progress of its own.
struct BusyCursor {
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;
};

// "Talões 128700 - Com Fluxo de Produção.pdf": the batch and the layout as the panel names it.
QString pdfNameFor(const TaloesPanel& panel, const tickets::TicketOptions& options) {
    const QRadioButton* layout = options.layout == tickets::Layout::Centred   ? panel.Centralizado
                                 : options.layout == tickets::Layout::Columns ? panel.Colunado
                                                                              : panel.TF;
    return QStringLiteral("Talões %1 - %2.pdf").arg(tickets::batchNumber(options.batchText)).arg(layout->text());
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
    frameWatch_ = new QTimer(this);
    frameWatch_->setInterval(50);
    connect(frameWatch_, &QTimer::timeout, this, &TForm1::adoptFrame);
    frameWatch_->start();
    raise();
    activateWindow();
}

// The outer size includes the frame, which a window manager adds only after the window
// is mapped, and tells through the window's frame margins a little later. The window is
// placed again once, when they are first known; later moves are the user's own.
void TForm1::adoptFrame() {
    constexpr int kChecks = 60;  // 3 s at 50 ms: no window manager, no frame
    const QMargins frame = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    if (frame != placedWithFrame_) placeAtOuterSize();
    if (!frame.isNull() || ++frameChecks_ >= kChecks) frameWatch_->stop();
}

void TForm1::placeAtOuterSize() {
    placedWithFrame_ = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    QRect outer(QPoint(), kOuterSize);
    if (const QScreen* s = screen()) outer.moveCenter(s->availableGeometry().center());
    // The client area placed inside the frame: a frame position would depend on what the
    // toolkit believes the frame to be at that moment.
    const QRect client = outer.marginsRemoved(placedWithFrame_);
    setFixedSize(client.size());
    setGeometry(client);
}

void TForm1::ImprimeTaloesClick() {
    if (!session_) return;
    pTaloes->showOutcome({});
    const QString batchText = pTaloes->EditRemessa->text();
    try {
        runAndPreview();
    } catch (...) {
        // The line is the window's own account of the click; the failure still goes on
        // to the application's handler, which shows nothing.
        pTaloes->showOutcome(click_outcome::ofFailure(std::current_exception(), batchText));
        throw;
    }
}

void TForm1::runAndPreview() {
    if (preview_) preview_->startTiming();
    const tickets::TicketOptions options = panelValues();
    {
        const BusyCursor busy;
        lastRun_ = session_->run.execute(options);
    }
    const int stubs = session_->tables.RxTalao.recordCount();
    pTaloes->showOutcome(click_outcome::ofRun(lastRun_, stubs, options.batchText));
    if (lastRun_.outcome != tickets::TicketRunResult::Outcome::Completed) return;
    if (preview_) preview_->setPdfName(pdfNameFor(*pTaloes, options));
    // Returns when the preview closes; the preview keeps the window's events flowing.
    printing_->prepare(lastRun_).Preview();
}

void TForm1::closeEvent(QCloseEvent* event) {
    // The program ends with its main window: the previews go with it.
    if (preview_) preview_->closeAll();
    QWidget::closeEvent(event);
}

void TForm1::CancelarClick() {
    pTaloes->hide();
    close();
}

}  // namespace brovik::app
