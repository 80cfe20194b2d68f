#include "reports/PdfExport.h"

#include "reports/PagePainter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

namespace brovik::reports {
namespace {

constexpr int kPdfResolution = 1200;


bool fail(QString* error, const QString& text) {
    if (error) *error = text;
    return false;
}

}  // namespace

bool exportPdf(const Document& document, const QString& fileName, QString* error) {
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly)) return fail(error, QStringLiteral("%1: %2").arg(fileName, file.errorString()));
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setTitle(document.title);
        writer.setCreator(QStringLiteral("Brovik"));
        writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), document.orientation, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&writer)) return fail(error, QStringLiteral("%1: cannot start the PDF").arg(fileName));
        PagePainter pages(painter, document, kPdfBarDotsPerInch);
        for (std::size_t i = 0; i < document.pages.size(); ++i) {
            if (i > 0) writer.newPage();
            pages.paint(document.pages[i]);
        }
        painter.end();
    }
    if (!file.commit()) return fail(error, QStringLiteral("%1: %2").arg(fileName, file.errorString()));
    return true;
}

}  // namespace brovik::reports
