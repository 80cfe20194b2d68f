#include "PdfBarcodes.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>

namespace brovik::test {
namespace {

QString output(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

}  // namespace

int pdfPageCount(const QString& pdf) {
    const auto m = QRegularExpression(QStringLiteral(R"(Pages:\s+(\d+))")).match(output(QStringLiteral("pdfinfo"), {pdf}));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

std::vector<QStringList> decodePdfPages(const QString& pdf, int first, int last, int dpi) {
    if (last == 0) last = pdfPageCount(pdf);
    std::vector<QStringList> pages;
    QTemporaryDir dir;
    for (int page = first; page <= last; ++page) {
        const QString prefix = dir.filePath(QStringLiteral("p%1").arg(page));
        output(QStringLiteral("pdftoppm"), {"-r", QString::number(dpi), "-gray", "-png", "-singlefile", "-f",
                                            QString::number(page), "-l", QString::number(page), pdf, prefix});
        QStringList codes =
            output(QStringLiteral("zbarimg"), {"-q", "--raw", prefix + ".png"}).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        std::sort(codes.begin(), codes.end());
        pages.push_back(codes);
    }
    return pages;
}

}  // namespace brovik::test
