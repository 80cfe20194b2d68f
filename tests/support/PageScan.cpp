#include "support/PageScan.h"

#include <QDir>
#include <QProcess>
#include <algorithm>
#include <cmath>
#include <optional>

namespace brovik::reports::test {
namespace {

// Ten modules of 0.254 mm, the module the bars print with.
constexpr double kQuietZoneMm = 2.54;

QString runTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(300000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Pages are read as 8-bit grey (see grey()), one byte a pixel.
bool dark(const QImage& page, int x, int y) { return page.constScanLine(y)[x] < 128; }

// The part of the box the bars cover, in whole raster pixels one pixel in from each edge:
// the rows and columns that lie wholly inside it.
QRect innerBox(const BarcodeRun& barcode, int dpi) {
    const UnitRect& box = barcode.clip;
    int barsBottom = 0;
    for (const BarSpan& bar : barcode.bars) barsBottom = std::max(barsBottom, bar.top + bar.height);
    const double bottomUnits = std::min<double>(box.y + box.h, barcode.y + barsBottom * kUnitsPerImagePixel);
    const double s = dpi / 254.0;
    const int left = int(std::ceil(box.x * s)) + 1, right = int(std::floor((box.x + box.w) * s)) - 1;
    const int top = int(std::ceil(box.y * s)) + 1, bottom = int(std::floor(bottomUnits * s)) - 1;
    return QRect(QPoint(left, top), QPoint(right, bottom));
}

// The first and last dark pixel of a row within [from, to], each followed outwards to
// the end of its bar: a rasteriser may let a bar's edge spill past the box.
std::optional<std::pair<int, int>> darkSpan(const QImage& page, int y, int from, int to) {
    int first = from;
    while (first <= to && !dark(page, first, y)) ++first;
    if (first > to) return std::nullopt;
    int last = to;
    while (!dark(page, last, y)) --last;
    while (first > 0 && dark(page, first - 1, y)) --first;
    while (last + 1 < page.width() && dark(page, last + 1, y)) ++last;
    return std::pair{first, last};
}

std::vector<int> runLengths(const QImage& page, int y, int first, int last) {
    std::vector<int> runs;
    int start = first;
    for (int x = first + 1; x <= last + 1; ++x)
        if (x == last + 1 || dark(page, x, y) != dark(page, start, y)) {
            runs.push_back(x - start);
            start = x;
        }
    return runs;
}

QString where(const BarcodeRun& barcode, int y) {
    return QStringLiteral("barcode at %1,%2 mm, row %3").arg(barcode.clip.x / 10).arg(barcode.clip.y / 10).arg(y);
}

}  // namespace

QStringList rasterise(const QString& pdf, const RasterSpec& raster, const QString& dir) {
    const QString prefix = QDir(dir).filePath(QStringLiteral("page"));
    const QString dpi = QString::number(raster.dpi);
    QDir(dir).removeRecursively();
    QDir().mkpath(dir);
    switch (raster.tool) {
    case Rasteriser::PopplerGrey: runTool(QStringLiteral("pdftoppm"), {"-r", dpi, "-gray", "-png", pdf, prefix}); break;
    case Rasteriser::PopplerBiLevel: runTool(QStringLiteral("pdftoppm"), {"-r", dpi, "-mono", "-png", pdf, prefix}); break;
    case Rasteriser::GhostscriptBiLevel:
        runTool(QStringLiteral("gs"), {"-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pngmono", "-r" + dpi,
                                       "-sOutputFile=" + prefix + "-%d.png", pdf});
        break;
    }
    QStringList pages;
    for (const QString& name : QDir(dir).entryList({QStringLiteral("page-*.png")}, QDir::Files))
        pages << QDir(dir).filePath(name);
    // page-1 .. page-N, sorted by number rather than as text
    std::sort(pages.begin(), pages.end(), [](const QString& a, const QString& b) {
        const auto number = [](const QString& s) { return s.section(u'-', -1).section(u'.', 0, 0).toInt(); };
        return number(a) < number(b);
    });
    return pages;
}

QStringList decodePage(const QString& raster) {
    QStringList texts = runTool(QStringLiteral("zbarimg"), {"-q", "--raw", raster}).split(u'\n', Qt::SkipEmptyParts);
    texts.sort();
    return texts;
}

QImage grey(const QString& raster) { return QImage(raster).convertToFormat(QImage::Format_Grayscale8); }

QString quietZoneFault(const QImage& page, const BarcodeRun& barcode, int dpi) {
    const QRect box = innerBox(barcode, dpi);
    const int quiet = int(std::ceil(kQuietZoneMm / 25.4 * dpi));
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const auto bars = darkSpan(page, y, box.left() - 1, box.right() + 1);
        if (!bars) return where(barcode, y) + QStringLiteral(": no bar");
        const int from = std::max(0, bars->first - quiet), to = std::min(page.width() - 1, bars->second + quiet);
        for (int x = from; x < bars->first; ++x)
            if (dark(page, x, y)) return where(barcode, y) + QStringLiteral(": ink %1 px before the first bar").arg(bars->first - x);
        for (int x = bars->second + 1; x <= to; ++x)
            if (dark(page, x, y)) return where(barcode, y) + QStringLiteral(": ink %1 px after the last bar").arg(x - bars->second);
    }
    return {};
}

QString barWidthFault(const QImage& page, const BarcodeRun& barcode, int dpi, int moduleDots) {
    const QRect box = innerBox(barcode, dpi);
    std::optional<std::vector<int>> first;
    for (int y = box.top(); y <= box.bottom(); ++y) {
        const auto bars = darkSpan(page, y, box.left() - 1, box.right() + 1);
        if (!bars) return where(barcode, y) + QStringLiteral(": no bar");
        const std::vector<int> runs = runLengths(page, y, bars->first, bars->second);
        if (!first) first = runs;
        QStringList widths;
        for (int w : runs) widths << QString::number(w);
        if (runs != *first) return where(barcode, y) + QStringLiteral(": differs from the row above: ") + widths.join(u' ');
        if (std::any_of(runs.begin(), runs.end(), [&](int w) { return w % moduleDots != 0; }) ||
            *std::min_element(runs.begin(), runs.end()) != moduleDots)
            return where(barcode, y) + QStringLiteral(": widths %1 for a module of %2 dots").arg(widths.join(u' ')).arg(moduleDots);
    }
    return {};
}

std::vector<const BarcodeRun*> barcodeRuns(const Page& page) {
    std::vector<const BarcodeRun*> runs;
    for (const Primitive& item : page.items)
        if (const auto* run = std::get_if<BarcodeRun>(&item)) runs.push_back(run);
    return runs;
}

}  // namespace brovik::reports::test
