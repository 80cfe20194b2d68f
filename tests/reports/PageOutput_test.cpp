#include "ReportFixtures.h"
#include "reports/ImageCache.h"
#include "reports/PagePainter.h"
#include "reports/PdfExport.h"
#include "reports/Report.h"

#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace brovik::reports::test {
namespace {

constexpr double kPointsPerUnit = 72.0 / 254.0;

Document labelDocument(QPageLayout::Orientation orientation) {
    TestTable table(QStringLiteral("RxTalao"), {intField(QStringLiteral("Oc"))}, {{data::Value{qint64(7)}}});
    table.open();
    TReport report(QStringLiteral("Qr"));
    report.dataSet = &table;
    report.orientation = orientation;
    report.margins = {50, 0, 100, 100};
    auto& band = report.addBand(QStringLiteral("Talao"), TReportBandType::rbDetail);
    band.height = 317.5;
    band.width = 1900;
    auto& label = band.add<TReportLabel>(QStringLiteral("RpLabel53"));
    label.setBounds(921.1, 3.3, 95.9, 43);
    label.caption = QStringLiteral("TALÃO");
    label.font = FontSpec{QStringLiteral("Arial Narrow"), 9, true, Qt::black};
    label.autoSize = true;
    return report.Generate().document;
}

QString pdfToTextBbox(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(PageOutput, PdfShowsTheLabelWhereThePageModelPutsIt) {
    for (auto orientation : {QPageLayout::Portrait, QPageLayout::Landscape}) {
        const Document doc = labelDocument(orientation);
        ASSERT_EQ(doc.pages.size(), 1u);
        const TextRun run = *runsOf<TextRun>(doc.pages[0]).front();
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("out.pdf"));
        QString error;
        ASSERT_TRUE(exportPdf(doc, file, &error)) << error.toStdString();

        const QString xml = pdfToTextBbox(file);
        const auto page = QRegularExpression(QStringLiteral("<page width=\"([\\d.]+)\" height=\"([\\d.]+)\"")).match(xml);
        ASSERT_TRUE(page.hasMatch()) << xml.toStdString();
        EXPECT_NEAR(page.captured(1).toDouble(), doc.paperSize.width() * kPointsPerUnit, 1);
        EXPECT_NEAR(page.captured(2).toDouble(), doc.paperSize.height() * kPointsPerUnit, 1);
        const auto word = QRegularExpression(
                              QStringLiteral("<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">TALÃO</word>"))
                              .match(xml);
        ASSERT_TRUE(word.hasMatch()) << xml.toStdString();
        const double tolerance = 2 * kPointsPerUnit;  // 0.2 mm
        EXPECT_NEAR(word.captured(1).toDouble(), run.x * kPointsPerUnit, tolerance);
        EXPECT_NEAR(word.captured(2).toDouble(), (50 + 3.3) * kPointsPerUnit, tolerance);  // the item's top
        EXPECT_NEAR(word.captured(3).toDouble(), (run.x + run.box.w) * kPointsPerUnit, tolerance);
    }
}

TEST(PageOutput, ExportReportsAnUnwritableFile) {
    QString error;
    EXPECT_FALSE(exportPdf(labelDocument(QPageLayout::Portrait), QStringLiteral("/nonexistent/dir/x.pdf"), &error));
    EXPECT_TRUE(error.contains(QStringLiteral("/nonexistent/dir/x.pdf")));
}

// Bitmaps print unscaled at 96 dpi with hard edges, clipped to their box.
TEST(PageOutput, BitmapsReplayWithoutSmoothingAndClipped) {
    QImage bars(40, 10, QImage::Format_RGB32);
    bars.fill(Qt::white);
    for (int x = 0; x < 40; x += 2) QPainter(&bars).fillRect(x, 0, 1, 10, Qt::black);
    Document doc;
    doc.paperSize = QSizeF(2100, 2970);
    Page page;
    ImageRun run;
    run.image = bars;
    run.x = 100;
    run.y = 100;
    run.clip = UnitRect{100, 100, float(30 * kUnitsPerImagePixel), 50};
    page.items.emplace_back(run);

    QImage out(800, 1100, QImage::Format_RGB32);  // 300 dpi: 3.125 device pixels per bitmap pixel
    out.setDotsPerMeterX(qRound(300 / 0.0254));
    out.setDotsPerMeterY(qRound(300 / 0.0254));
    out.fill(Qt::white);
    {
        QPainter p(&out);
        paintPage(p, page, doc);
    }
    const double scale = 300.0 / 254.0;
    const int row = int((100 + 5 * kUnitsPerImagePixel) * scale);
    int blacks = 0;
    for (int x = 0; x < out.width(); ++x) {
        const QRgb c = out.pixel(x, row) & 0xffffff;
        ASSERT_TRUE(c == 0 || c == 0xffffff) << "grey at " << x;
        blacks += c == 0;
    }
    // 15 of the 20 bars lie inside the 30-pixel box, each 3 or 4 device pixels wide.
    EXPECT_GE(blacks, 15 * 3);
    EXPECT_LE(blacks, 15 * 4);
    EXPECT_EQ(out.pixel(int((100 + 31 * kUnitsPerImagePixel) * scale), row) & 0xffffff, 0xffffffu);
}

// Barcodes reach the PDF as one-bit images and no picture goes through a lossy JPEG.
TEST(PageOutput, PdfKeepsPicturesLossless) {
    QImage picture(60, 10, QImage::Format_RGB32);
    picture.fill(Qt::white);
    for (int x = 0; x < 60; x += 3) QPainter(&picture).fillRect(x, 0, 1, 10, Qt::black);
    ImageCache cache;
    const QSizeF box(60 * kUnitsPerImagePixel, 10 * kUnitsPerImagePixel);
    Document doc;
    doc.paperSize = QSizeF(2100, 2970);
    Page page;
    ImageRun bars{.image = cache.visiblePart(picture, box), .x = 100, .y = 100, .clip = {100, 100, float(box.width()), float(box.height())}};
    page.items.emplace_back(bars);
    picture.setPixel(1, 1, qRgb(128, 0, 0));
    ImageRun dotted{.image = cache.visiblePart(picture, box), .x = 100, .y = 300, .clip = {100, 300, float(box.width()), float(box.height())}};
    page.items.emplace_back(dotted);
    doc.pages.push_back(page);
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("pictures.pdf"));
    ASSERT_TRUE(exportPdf(doc, file));

    QProcess p;
    p.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file});
    ASSERT_TRUE(p.waitForFinished(30000));
    // page num type width height color comp bpc enc ...
    QStringList rows = QString::fromUtf8(p.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts).mid(2);
    ASSERT_EQ(rows.size(), 2) << rows.join(u'\n').toStdString();
    const QStringList first = rows[0].simplified().split(u' ');
    EXPECT_EQ(first.mid(3, 6), (QStringList{"60", "10", "gray", "1", "1", "image"})) << rows[0].toStdString();
    const QStringList second = rows[1].simplified().split(u' ');
    EXPECT_NE(second.value(8), QStringLiteral("jpeg")) << rows[1].toStdString();
}

}  // namespace
}  // namespace brovik::reports::test

namespace brovik::reports::test {
namespace {

TEST(ImageCacheTest, PicturesAreKeptCompactAndExact) {
    ImageCache cache;
    const QSizeF box(100 * kUnitsPerImagePixel, 20 * kUnitsPerImagePixel);
    QImage picture(120, 30, QImage::Format_RGB32);
    picture.fill(Qt::white);
    picture.setPixel(3, 4, qRgb(128, 0, 0));  // a maroon dot: few colours, one byte per pixel
    const QImage few = cache.visiblePart(picture, box);
    EXPECT_EQ(few.size(), QSize(100, 20));
    EXPECT_EQ(few.format(), QImage::Format_Indexed8);
    EXPECT_EQ(few.pixel(3, 4), qRgb(128, 0, 0));
    EXPECT_EQ(few.pixel(5, 5), qRgb(255, 255, 255));

    for (int x = 0; x < 120; ++x)
        for (int y = 0; y < 30; ++y) picture.setPixel(x, y, qRgb(x, y, 7));  // 3,600 colours
    const QImage many = cache.visiblePart(picture, box);
    EXPECT_EQ(many.format(), QImage::Format_RGB32);
    EXPECT_EQ(many.pixel(99, 19), qRgb(99, 19, 7));
    EXPECT_EQ(cache.distinctImages(), 2u);

    // Bars: one bit per pixel, black then white in the colour table (what keeps a PDF lossless).
    for (int x = 0; x < 120; ++x)
        for (int y = 0; y < 30; ++y) picture.setPixel(x, y, x % 3 == 0 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
    const QImage bars = cache.visiblePart(picture, box);
    EXPECT_EQ(bars.format(), QImage::Format_Mono);
    EXPECT_EQ(bars.colorTable(), (QList<QRgb>{0xff000000, 0xffffffff}));
    ASSERT_EQ(bars.size(), QSize(100, 20));
    for (int x = 0; x < 100; ++x) ASSERT_EQ(bars.pixel(x, 19), picture.pixel(x, 19)) << x;
}

}  // namespace
}  // namespace brovik::reports::test
