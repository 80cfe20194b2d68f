#include "app/ReportPreviewWindow.h"

#include "tickets/DocumentPrinting.h"
#include "app/PrinterRequest.h"
#include "app/ReportPageView.h"
#include "app/RunProgress.h"
#include "reports/PdfExport.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QRegularExpressionValidator>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

namespace brovik::app {
namespace {

constexpr int kZoomPresets[] = {25, 50, 75, 100, 125, 150, 200, 300, 400};
constexpr int kStatusMessageMs = 15000;

QPageLayout paperLayout(const reports::Document& document) {
    return QPageLayout(QPageSize(QPageSize::A4), document.orientation, QMarginsF(0, 0, 0, 0));
}

QString pagesText(int pages) {
    return pages == 1 ? QStringLiteral("1 página") : QStringLiteral("%1 páginas").arg(pages);
}

QString shortcutsText(const QList<QKeySequence>& keys) {
    QStringList texts;
    for (const QKeySequence& key : keys) texts << key.toString(QKeySequence::NativeText);
    return texts.join(QStringLiteral(", "));
}

}  // namespace

ReportPreviewWindow::ReportPreviewWindow(const reports::Document& document, QString pdfName, QWidget* parent)
    : QMainWindow(parent), document_(document), pdfName_(std::move(pdfName)), view_(new ReportPageView(document, this)) {
    setCentralWidget(view_);
    auto* tools = addToolBar(QStringLiteral("Visualização"));
    tools->setObjectName(QStringLiteral("previewTools"));
    tools->setMovable(false);
    tools->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    buildNavigation(tools);
    tools->addSeparator();
    buildZoom(tools);
    tools->addSeparator();
    buildOutput(tools);
    connect(view_, &ReportPageView::currentPageChanged, this, &ReportPreviewWindow::showPage);
    connect(view_, &ReportPageView::zoomChanged, this, &ReportPreviewWindow::showZoom);
    statusBar();
    showPage(0);
    showZoom(view_->zoomPercent());
    resize(900, 700);
    view_->setFocus();
}

QAction* ReportPreviewWindow::addTool(QToolBar* tools, const QString& text, const QString& tip,
                                      QList<QKeySequence> keys) {
    auto* action = tools->addAction(text);
    action->setShortcuts(keys);
    action->setToolTip(keys.isEmpty() ? tip : QStringLiteral("%1 (%2)").arg(tip, shortcutsText(keys)));
    return action;
}

void ReportPreviewWindow::buildNavigation(QToolBar* tools) {
    struct Step {
        const char* text;
        const char* tip;
        QStyle::StandardPixmap icon;
        QList<QKeySequence> keys;
        int (*target)(const ReportPageView&);
    };
    const Step steps[] = {
        {"Primeira", "Primeira página", QStyle::SP_MediaSkipBackward, {Qt::Key_Home, Qt::CTRL | Qt::Key_Home},
         [](const ReportPageView&) { return 0; }},
        {"Anterior", "Página anterior", QStyle::SP_ArrowUp, {Qt::Key_PageUp},
         [](const ReportPageView& v) { return v.currentPage() - 1; }},
        {"Próxima", "Próxima página", QStyle::SP_ArrowDown, {Qt::Key_PageDown},
         [](const ReportPageView& v) { return v.currentPage() + 1; }},
        {"Última", "Última página", QStyle::SP_MediaSkipForward, {Qt::Key_End, Qt::CTRL | Qt::Key_End},
         [](const ReportPageView& v) { return v.pageCount() - 1; }},
    };
    for (const Step& step : steps) {
        QAction* action = addTool(tools, QString::fromUtf8(step.text), QString::fromUtf8(step.tip), step.keys);
        action->setIcon(style()->standardIcon(step.icon));
        action->setObjectName(QString::fromUtf8(step.tip));
        if (auto* button = qobject_cast<QToolButton*>(tools->widgetForAction(action)))
            button->setToolButtonStyle(Qt::ToolButtonIconOnly);
        connect(action, &QAction::triggered, this, [this, target = step.target] { view_->goToPage(target(*view_)); });
        if (step.target == steps[1].target) {
            pageBox_ = new QLineEdit(tools);
            pageBox_->setObjectName(QStringLiteral("pageBox"));
            pageBox_->setToolTip(QStringLiteral("Página atual: digite um número e Enter para ir a ela"));
            pageBox_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,9}")), pageBox_));
            pageBox_->setAlignment(Qt::AlignRight);
            pageBox_->setFixedWidth(fontMetrics().horizontalAdvance(QString::number(view_->pageCount())) + 24);
            pageTotal_ = new QLabel(QStringLiteral(" de %1 ").arg(view_->pageCount()), tools);
            pageTotal_->setObjectName(QStringLiteral("pageTotal"));
            connect(pageBox_, &QLineEdit::returnPressed, this, &ReportPreviewWindow::pageTyped);
        }
        if (step.target == steps[2].target) {
            // The page box sits between "previous" and "next".
            tools->insertWidget(action, pageBox_);
            tools->insertWidget(action, pageTotal_);
        }
    }
}

void ReportPreviewWindow::buildZoom(QToolBar* tools) {
    QAction* out = addTool(tools, QStringLiteral("Reduzir"), QStringLiteral("Reduzir"), {QKeySequence::ZoomOut});
    connect(out, &QAction::triggered, this, [this] { view_->zoomBy(0.8); });
    zoomBox_ = new QComboBox(tools);
    zoomBox_->setObjectName(QStringLiteral("zoomBox"));
    zoomBox_->setEditable(true);
    zoomBox_->setInsertPolicy(QComboBox::NoInsert);
    zoomBox_->setToolTip(QStringLiteral("Zoom: escolha ou digite uma porcentagem"));
    for (int percent : kZoomPresets) zoomBox_->addItem(QStringLiteral("%1%").arg(percent), percent);
    zoomBox_->setMinimumContentsLength(5);
    tools->addWidget(zoomBox_);
    connect(zoomBox_, &QComboBox::activated, this, &ReportPreviewWindow::zoomTyped);
    QAction* in = addTool(tools, QStringLiteral("Ampliar"), QStringLiteral("Ampliar"),
                          {QKeySequence::ZoomIn, Qt::CTRL | Qt::Key_Equal});
    connect(in, &QAction::triggered, this, [this] { view_->zoomBy(1.25); });
    QAction* width = addTool(tools, QStringLiteral("Largura da página"), QStringLiteral("Ajustar à largura da página"),
                             {Qt::CTRL | Qt::Key_0});
    connect(width, &QAction::triggered, view_, &ReportPageView::fitToWidth);
    QAction* whole = addTool(tools, QStringLiteral("Página inteira"), QStringLiteral("Mostrar a página inteira"), {});
    connect(whole, &QAction::triggered, view_, &ReportPageView::fitWholePage);
}

void ReportPreviewWindow::buildOutput(QToolBar* tools) {
    QAction* print = addTool(tools, QStringLiteral("Imprimir..."), QStringLiteral("Imprimir"), {QKeySequence::Print});
    print->setIcon(QIcon::fromTheme(QStringLiteral("document-print")));
    connect(print, &QAction::triggered, this, &ReportPreviewWindow::print);
    QAction* save = addTool(tools, QStringLiteral("Salvar PDF..."), QStringLiteral("Salvar como PDF"), {QKeySequence::Save});
    save->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    connect(save, &QAction::triggered, this, &ReportPreviewWindow::savePdf);
    tools->addSeparator();
    QAction* close = addTool(tools, QStringLiteral("Fechar"), QStringLiteral("Fechar a visualização"), {Qt::CTRL | Qt::Key_W});
    connect(close, &QAction::triggered, this, &QWidget::close);
}

void ReportPreviewWindow::showPage(int page) {
    pageBox_->setText(QString::number(view_->pageCount() ? page + 1 : 0));
}

void ReportPreviewWindow::showZoom(double percent) {
    zoomBox_->setEditText(QStringLiteral("%1%").arg(qRound(percent)));
}

void ReportPreviewWindow::pageTyped() {
    bool ok = false;
    const int page = pageBox_->text().toInt(&ok);
    if (ok && page >= 1 && page <= view_->pageCount()) view_->goToPage(page - 1);
    showPage(view_->currentPage());
    view_->setFocus();
}

void ReportPreviewWindow::zoomTyped() {
    QString text = zoomBox_->currentText();
    text.remove(QLatin1Char('%'));
    bool ok = false;
    const double percent = text.trimmed().toDouble(&ok);
    if (ok && percent > 0) view_->setZoomPercent(percent);
    showZoom(view_->zoomPercent());
}

void ReportPreviewWindow::showFailure(const QString& title, const QString& text) {
    statusBar()->showMessage(text.section(QLatin1Char('\n'), 0, 0), kStatusMessageMs);
    QMessageBox::warning(this, title, text);
}

QString ReportPreviewWindow::proposedPdfPath() const {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    return QDir(folder).filePath(pdfName_);
}

void ReportPreviewWindow::savePdf() {
    QFileDialog dialog(this, QStringLiteral("Salvar como PDF"), proposedPdfPath(), QStringLiteral("PDF (*.pdf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix(QStringLiteral("pdf"));
    dialog.selectFile(proposedPdfPath());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return;
    savePdfTo(dialog.selectedFiles().first());
}

bool ReportPreviewWindow::savePdfTo(QString file) {
    if (!file.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) file += QLatin1String(".pdf");
    RunProgress progress(this, QStringLiteral("Salvando página %1 de %2..."));
    QString error;
    switch (reports::writePdf(document_, file, {reports::allPages(document_), &progress}, &error)) {
    case reports::PdfOutcome::Written:
        statusBar()->showMessage(QStringLiteral("PDF salvo em %1 (%2)").arg(QDir::toNativeSeparators(file),
                                                                            pagesText(view_->pageCount())),
                                 kStatusMessageMs);
        return true;
    case reports::PdfOutcome::Cancelled:
        statusBar()->showMessage(QStringLiteral("PDF não salvo: cancelado"), kStatusMessageMs);
        return false;
    case reports::PdfOutcome::Failed: break;
    }
    showFailure(QStringLiteral("Salvar PDF"), QStringLiteral("Não foi possível salvar o PDF em %1.\n%2").arg(file, error));
    return false;
}

void ReportPreviewWindow::print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(paperLayout(document_));
    printer.setFullPage(true);
    printer.setDocName(document_.title);
    printer.setCopyCount(1);
    printer.setCollateCopies(true);
    printer.setDuplex(QPrinter::DuplexNone);
    printer.setPaperSource(QPrinter::Auto);
    printer.setFromTo(1, std::max(1, view_->pageCount()));
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(QStringLiteral("Imprimir"));
    dialog.setOptions(QAbstractPrintDialog::PrintPageRange | QAbstractPrintDialog::PrintCurrentPage |
                      QAbstractPrintDialog::PrintCollateCopies | QAbstractPrintDialog::PrintToFile);
    if (dialog.exec() != QDialog::Accepted) return;

    const tickets::PrintRequest request = printRequestFrom(printer, view_->currentPage());
    RunProgress progress(this, QStringLiteral("Imprimindo página %1 de %2..."));
    const tickets::PrintOutcome outcome = printer.outputFileName().isEmpty()
                                     ? tickets::printDocument(document_, request, &progress)
                                     : tickets::printToFile(document_, request.pages, printer.outputFileName(), &progress);
    const QString destination = printer.outputFileName().isEmpty() ? request.printer : printer.outputFileName();
    using Status = tickets::PrintOutcome::Status;
    switch (outcome.status) {
    case Status::Sent:
        statusBar()->showMessage(QStringLiteral("Enviado para %1: %2").arg(destination, pagesText(outcome.pages)),
                                 kStatusMessageMs);
        return;
    case Status::Cancelled:
        statusBar()->showMessage(QStringLiteral("Impressão cancelada: nada foi enviado"), kStatusMessageMs);
        return;
    case Status::NoPages:
        showFailure(QStringLiteral("Imprimir"), QStringLiteral("Nenhuma das páginas pedidas existe: o documento tem %1.")
                                                    .arg(pagesText(view_->pageCount())));
        return;
    case Status::PrinterProblem:
    case Status::Failed: break;
    }
    showFailure(QStringLiteral("Imprimir"), QStringLiteral("A impressão não foi feita.\n%1").arg(outcome.error));
}

}  // namespace brovik::app
