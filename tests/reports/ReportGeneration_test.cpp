#include "ReportFixtures.h"
#include "reports/Report.h"

#include <QPainter>
#include <stdexcept>
#include <gtest/gtest.h>

namespace brovik::reports::test {
namespace {

using data::Row;
using data::Value;

std::vector<Row> numberedRows(int count) {
    std::vector<Row> rows;
    for (int i = 1; i <= count; ++i) rows.push_back({Value{qint64(i)}, Value{QStringLiteral("R%1").arg(i)}});
    return rows;
}

// Where bands of a given height were filled, page by page.
std::vector<std::vector<QPointF>> bandCorners(const Document& doc, float height) {
    std::vector<std::vector<QPointF>> out;
    for (const Page& page : doc.pages) {
        out.emplace_back();
        for (const FillRun* fill : runsOf<FillRun>(page))
            if (qFuzzyCompare(fill->box.h, height)) out.back().push_back(QPointF(fill->box.x, fill->box.y));
    }
    return out;
}

class ReportGeneration : public ::testing::Test {
protected:
    TestTable table{QStringLiteral("RxTalao"), {intField(QStringLiteral("Controle")), textField(QStringLiteral("Cor"))}};
    TReport report{QStringLiteral("Qr")};

    void SetUp() override {
        report.dataSet = &table;
        report.setTables({&table});
    }
};

TEST_F(ReportGeneration, TwoColumnsStepByTheDetailBandWidthRounded) {
    table.setRows(numberedRows(2));
    table.open();
    report.columns = 2;
    report.margins = {50, 50, 100, 100};
    auto& detail = report.addBand(QStringLiteral("Talao6"), TReportBandType::rbDetail);
    detail.height = 319.2;
    detail.width = 949.2;
    detail.BeforePrint = [&](TReportBand&, bool&) {
        if (table.recNo() > 0) report.NewColumn();
    };

    const auto corners = bandCorners(report.Generate().document, 319.2f);
    ASSERT_EQ(corners.size(), 1u);
    ASSERT_EQ(corners[0].size(), 2u);
    EXPECT_EQ(corners[0][0], QPointF(100, 50));
    EXPECT_EQ(corners[0][1], QPointF(100 + 949, 50));  // 94.9 mm to the right
}

TEST_F(ReportGeneration, ThreeLandscapeColumnsWithoutDetailBandStep93_6mm) {
    table.setRows(numberedRows(4));
    table.open();
    report.orientation = QPageLayout::Landscape;
    report.columns = 3;
    report.margins = {50, 0, 80, 80};
    auto& stub = report.addSubDetail(QStringLiteral("RpSubDetail1"));
    stub.dataSet = &table;
    stub.height = 317.5;
    stub.width = 936;
    stub.BeforePrint = [&](TReportBand&, bool&) {
        if (table.recNo() > 0) report.NewColumn();
    };

    const auto corners = bandCorners(report.Generate().document, 317.5f);
    ASSERT_EQ(corners.size(), 2u);
    EXPECT_EQ(corners[0], (std::vector<QPointF>{{80, 50}, {1016, 50}, {1952, 50}}));
    EXPECT_EQ(corners[1], (std::vector<QPointF>{{80, 50}}));
}

TEST_F(ReportGeneration, BandThatDoesNotFitOpensAPageBelowItsHeaderShowingTheBreakingRow) {
    table.setRows(numberedRows(9));
    table.open();
    report.margins = {50, 0, 100, 100};
    auto& header = report.addBand(QStringLiteral("PageHeaderBand2"), TReportBandType::rbPageHeader);
    header.height = 61.2;
    header.width = 1900;
    auto& cor = header.add<TReportDBText>(QStringLiteral("RpDBText41"));
    cor.setBounds(0, 0, 400, 50);
    cor.dataSet = &table;
    cor.dataField = QStringLiteral("COR");
    auto& sub = report.addSubDetail(QStringLiteral("Talao2"));
    sub.dataSet = &table;
    sub.height = 317.5;
    sub.width = 1900;

    const Document doc = report.Generate().document;
    const auto corners = bandCorners(doc, 317.5f);
    ASSERT_EQ(corners.size(), 2u);
    ASSERT_EQ(corners[0].size(), 8u);  // 50 + 61 + 8 x 318 = 2655; a ninth would end at 2973
    EXPECT_EQ(corners[0][0], QPointF(100, 111));
    EXPECT_EQ(corners[0][7], QPointF(100, 111 + 7 * 318));
    EXPECT_EQ(corners[1], (std::vector<QPointF>{{100, 111}}));
    EXPECT_EQ(textsOf(doc.pages[0]), (std::vector<QString>{QStringLiteral("R1")}));
    EXPECT_EQ(textsOf(doc.pages[1]), (std::vector<QString>{QStringLiteral("R9")}));
}

TEST_F(ReportGeneration, BandTallerThanAPagePrintsWhereItIs) {
    table.setRows(numberedRows(2));
    table.open();
    auto& detail = report.addBand(QStringLiteral("Big"), TReportBandType::rbDetail);
    detail.height = 3000;
    detail.width = 1000;
    EXPECT_EQ(report.Generate().document.pages.size(), 1u);
}

TEST_F(ReportGeneration, DisabledBandSkipsBeforePrintButGetsAfterPrintWithFalse) {
    table.setRows(numberedRows(2));
    table.open();
    auto& detail = report.addBand(QStringLiteral("Talao6"), TReportBandType::rbDetail);
    detail.height = 100;
    detail.width = 500;
    detail.enabled = false;
    int before = 0;
    std::vector<bool> after;
    detail.BeforePrint = [&](TReportBand&, bool&) { ++before; };
    detail.AfterPrint = [&](TReportBand&, bool printed) { after.push_back(printed); };
    const Document doc = report.Generate().document;
    EXPECT_EQ(before, 0);
    EXPECT_EQ(after, (std::vector<bool>{false, false}));
    EXPECT_TRUE(doc.pages.empty());
}

TEST_F(ReportGeneration, BeforePrintCanSuppressOneBandOrTheWholeReport) {
    table.setRows(numberedRows(3));
    table.open();
    auto& detail = report.addBand(QStringLiteral("Talao6"), TReportBandType::rbDetail);
    detail.height = 100;
    detail.width = 500;
    std::vector<bool> after;
    detail.BeforePrint = [&](TReportBand&, bool& print) { print = table.recNo() != 1; };
    detail.AfterPrint = [&](TReportBand&, bool printed) { after.push_back(printed); };
    EXPECT_EQ(bandCorners(report.Generate().document, 100)[0].size(), 2u);
    EXPECT_EQ(after, (std::vector<bool>{true, false, true}));

    report.BeforePrint = [](TReport&, bool& print) { print = false; };
    EXPECT_TRUE(report.Generate().document.pages.empty());
}

// A flow-like sub-detail over a query that a handler closes (and disables) per row.
TEST_F(ReportGeneration, SubDetailOverClosedTable) {
    table.setRows(numberedRows(1));
    table.open();
    TestTable flow(QStringLiteral("IbFluxo"), {textField(QStringLiteral("D1"))});
    auto& detail = report.addBand(QStringLiteral("Talao6"), TReportBandType::rbDetail);
    detail.height = 100;
    detail.width = 949.2;
    auto& sub = report.addSubDetail(QStringLiteral("Talao5"));
    sub.dataSet = &flow;
    sub.height = 155.4;
    sub.width = 949.2;
    auto& label = sub.add<TReportLabel>(QStringLiteral("Lbl"));
    label.setBounds(0, 0, 300, 40);
    label.caption = QStringLiteral("Fluxo");
    auto& d1 = sub.add<TReportDBText>(QStringLiteral("RpExpr7"));
    d1.setBounds(0, 50, 300, 40);
    d1.dataSet = &flow;
    d1.dataField = QStringLiteral("D1");

    sub.enabled = false;
    Document doc = report.Generate().document;
    EXPECT_TRUE(bandCorners(doc, 155.4f)[0].empty());
    EXPECT_EQ(textsOf(doc.pages[0]), std::vector<QString>{});

    sub.enabled = true;
    doc = report.Generate().document;
    EXPECT_EQ(bandCorners(doc, 155.4f)[0].size(), 1u);
    EXPECT_EQ(textsOf(doc.pages[0]), (std::vector<QString>{QStringLiteral("Fluxo")}));

    sub.printIfEmpty = false;
    EXPECT_TRUE(bandCorners(report.Generate().document, 155.4f)[0].empty());
}

TEST_F(ReportGeneration, EmptyMasterGivesOnePassWithEmptyValues) {
    table.open();
    auto& sub = report.addSubDetail(QStringLiteral("Talao2"));
    sub.dataSet = &table;
    sub.height = 317.5;
    sub.width = 1900;
    auto& cor = sub.add<TReportDBText>(QStringLiteral("Cor"));
    cor.setBounds(0, 0, 400, 50);
    cor.dataSet = &table;
    cor.dataField = QStringLiteral("Cor");
    auto& label = sub.add<TReportLabel>(QStringLiteral("Lbl"));
    label.setBounds(0, 60, 400, 50);
    label.caption = QStringLiteral("TALÃO");
    const Document doc = report.Generate().document;
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_EQ(bandCorners(doc, 317.5f)[0].size(), 1u);
    EXPECT_EQ(textsOf(doc.pages[0]), (std::vector<QString>{QStringLiteral("TALÃO")}));

    // Without a window, Preview generates the same pages and then calls AfterPreview.
    int afterPreview = 0;
    report.AfterPreview = [&](TReport&) { afterPreview += int(report.lastDocument().pages.size()); };
    report.Preview();
    EXPECT_EQ(afterPreview, 1);

    report.printIfEmpty = false;
    sub.printIfEmpty = false;
    EXPECT_TRUE(report.Generate().document.pages.empty());
}

// The flow layout's pattern: the detail's handler closes the flow query, and on a
// ticket's last stub reopens it for that ticket and enables the flow band.
TEST_F(ReportGeneration, SubDetailOverAQueryReopenedBetweenRows) {
    table.setRows(numberedRows(3));
    table.open();
    TestTable flow(QStringLiteral("IbFluxo"), {textField(QStringLiteral("D1"))});
    report.setTables({&table, &flow});
    auto& detail = report.addBand(QStringLiteral("Talao6"), TReportBandType::rbDetail);
    detail.height = 100;
    detail.width = 949;
    auto& sub = report.addSubDetail(QStringLiteral("Talao5"));
    sub.dataSet = &flow;
    sub.height = 50;
    sub.width = 949;
    auto& d1 = sub.add<TReportExpr>(QStringLiteral("RpExpr7"));
    d1.setBounds(0, 0, 400, 45);
    d1.expression = QStringLiteral("RxTalao.Cor+' '+IbFluxo.D1");
    detail.BeforePrint = [&](TReportBand&, bool&) {
        sub.enabled = false;
        flow.close();
        const int row = table.recNo();
        if (row == 0) return;
        flow.setRows(row == 1 ? std::vector<Row>{{Value{QStringLiteral("CORTE")}}, {Value{QStringLiteral("COSTURA")}}}
                              : std::vector<Row>{});
        flow.open();
        sub.enabled = true;
    };
    const Document doc = report.Generate().document;
    EXPECT_EQ(textsOf(doc.pages[0]), (std::vector<QString>{"R2 CORTE", "R2 COSTURA", "R3 "}));
}

// The same table under a sub-detail is walked once, during the master's first row.
TEST_F(ReportGeneration, SubDetailOverTheMastersTablePrintsEveryRowOnce) {
    table.setRows(numberedRows(5));
    table.open();
    auto& sub = report.addSubDetail(QStringLiteral("Talao2"));
    sub.dataSet = &table;
    sub.height = 100;
    sub.width = 1900;
    auto& cor = sub.add<TReportDBText>(QStringLiteral("Cor"));
    cor.setBounds(0, 0, 400, 50);
    cor.dataSet = &table;
    cor.dataField = QStringLiteral("Cor");
    const Document doc = report.Generate().document;
    EXPECT_EQ(textsOf(doc.pages[0]), (std::vector<QString>{"R1", "R2", "R3", "R4", "R5"}));
}

TEST_F(ReportGeneration, GroupHeadersOnChangeAndFootersSeeTheLastRowOfTheirGroup) {
    table.setRows({{Value{qint64(1)}, Value{QStringLiteral("a")}},
                   {Value{qint64(1)}, Value{QStringLiteral("b")}},
                   {Value{qint64(2)}, Value{QStringLiteral("c")}}});
    table.open();
    auto& detail = report.addBand(QStringLiteral("Talao6"), TReportBandType::rbDetail);
    detail.height = 100;
    detail.width = 949;
    auto& footer = report.addBand(QStringLiteral("RpBand3"), TReportBandType::rbGroupFooter);
    footer.height = 1.7;
    footer.width = 949;
    auto& group = report.addGroup(QStringLiteral("RpGroup4"));
    group.height = 1.7;
    group.width = 949;
    group.expression = QStringLiteral("rxtalao.CONTROLE");
    group.footer = &footer;
    std::vector<QString> seen;
    auto record = [&](const char* what) {
        return [&, what](TReportBand&, bool) {
            seen.push_back(QLatin1String(what) + table.fieldByName(u"Cor").asString());
        };
    };
    group.AfterPrint = record("header ");
    detail.AfterPrint = record("detail ");
    footer.AfterPrint = record("footer ");
    report.Generate();
    EXPECT_EQ(seen, (std::vector<QString>{"header a", "detail a", "detail b", "footer b", "header c", "detail c",
                                          "footer c"}));
}

TEST_F(ReportGeneration, ImageKeepsItsDrawingAndIdenticalBitmapsAreShared) {
    table.setRows(numberedRows(4));
    table.open();
    auto& detail = report.addBand(QStringLiteral("Talao6"), TReportBandType::rbDetail);
    detail.height = 100;
    detail.width = 949;
    auto& image = detail.add<TReportImage>(QStringLiteral("RpImage1"));
    image.setBounds(8.3, 109.1, 669.7, 66.1);
    EXPECT_EQ(image.canvasSize(), QSize(405, 40));
    // Records 0 and 3 draw a bar at x = 0, record 2 at x = 10; record 1 draws nothing.
    detail.BeforePrint = [&](TReportBand&, bool&) {
        const int row = table.recNo();
        if (row == 1) return;
        QPainter p(&image.Canvas());
        p.fillRect(image.Canvas().rect(), Qt::white);
        p.fillRect(row == 2 ? 10 : 0, 0, 3, 50, Qt::black);
    };
    const Document doc = report.Generate().document;
    const auto images = runsOf<ImageRun>(doc.pages[0]);
    ASSERT_EQ(images.size(), 4u);
    // The box shows the top-left 1/1.6 of the bitmap: 253.1 x 24.98 pixels.
    EXPECT_EQ(images[0]->image.size(), QSize(254, 25));
    EXPECT_EQ(images[1]->image.pixelColor(1, 1), QColor(Qt::black));  // kept from record 0
    EXPECT_EQ(images[1]->image.pixelColor(11, 1), QColor(Qt::white));
    EXPECT_EQ(images[2]->image.pixelColor(1, 1), QColor(Qt::white));
    EXPECT_EQ(images[2]->image.pixelColor(11, 1), QColor(Qt::black));
    // Equal pixels are stored once, whether or not they were drawn again.
    EXPECT_EQ(images[1]->image.constBits(), images[0]->image.constBits());
    EXPECT_EQ(images[3]->image.constBits(), images[0]->image.constBits());
    EXPECT_NE(images[2]->image.constBits(), images[0]->image.constBits());
    EXPECT_EQ(images[0]->image.format(), QImage::Format_Mono);  // black and white: one bit per pixel
}

TEST_F(ReportGeneration, FramesAreStripsInsideTheirRectangles) {
    table.setRows(numberedRows(1));
    table.open();
    report.margins = {50, 50, 100, 100};
    report.frame.edges = FrameEdge::Bottom;
    auto& detail = report.addBand(QStringLiteral("Talao5"), TReportBandType::rbDetail);
    detail.height = 155.4;
    detail.width = 949.2;
    detail.frame.edges = FrameEdge::Bottom;
    const GenerationResult result = report.Generate();  // the runs point into its pages
    const auto strips = runsOf<StripRun>(result.document.pages[0]);
    ASSERT_EQ(strips.size(), 2u);
    const float pt = float(kUnitsPerPoint);
    EXPECT_FLOAT_EQ(strips[0]->box.y, 50 + 155.4f - pt);
    EXPECT_FLOAT_EQ(strips[0]->box.w, 949.2f);
    EXPECT_FLOAT_EQ(strips[1]->box.y, 2920 - pt);  // the bottom of the printable area
    EXPECT_FLOAT_EQ(strips[1]->box.x, 100);
    EXPECT_FLOAT_EQ(strips[1]->box.w, 1900);
}

TEST_F(ReportGeneration, ObserverCancelsBetweenRecords) {
    table.setRows(numberedRows(50));
    table.open();
    auto& detail = report.addBand(QStringLiteral("Talao6"), TReportBandType::rbDetail);
    detail.height = 100;
    detail.width = 949;
    struct StopAfter : GenerationObserver {
        int calls = 0;
        bool keepGoing(int) override { return ++calls < 3; }
    } observer;
    const GenerationResult result = report.Generate(&observer);
    EXPECT_TRUE(result.cancelled);
    EXPECT_EQ(bandCorners(result.document, 100)[0].size(), 2u);
    EXPECT_THROW(report.NewPage(), std::logic_error);
}

// Layouts bind the items their handlers steer when they are built: a name missing from the
// band, or an item of another kind, is refused there, not cast blindly at print time.
TEST_F(ReportGeneration, BandItemsAreBoundByNameAndKindOrRefused) {
    TReportBand& band = report.addBand(QStringLiteral("Talao"), TReportBandType::rbDetail);
    auto& picture = band.add<TReportImage>(QStringLiteral("CodBar4"));
    band.add<TReportLabel>(QStringLiteral("Obs1"));

    EXPECT_EQ(&band.item<TReportImage>(u"codbar4"), &picture) << "names match in any case";
    EXPECT_EQ(&band.item<TReportItem>(u"CodBar4"), &picture);
    EXPECT_NO_THROW(band.item<TReportText>(u"Obs1"));
    EXPECT_THROW(band.item<TReportLabel>(u"CodBar4"), std::logic_error) << "another kind";
    EXPECT_THROW(band.item<TReportImage>(u"CodBar5"), std::logic_error) << "no such item";
}

}  // namespace
}  // namespace brovik::reports::test
