#include "TicketLayoutFixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace brovik::reports::test {
namespace {

bool allWhite(const QImage& image, int fromColumn = 0) {
    for (int y = 0; y < image.height(); ++y)
        for (int x = fromColumn; x < image.width(); ++x)
            if (image.pixelColor(x, y) != QColor(Qt::white)) return false;
    return true;
}

// The stub barcode pictures of a document, in printing order: the images as wide as a
// stub barcode's box shows (more than 150 pixels).
std::vector<QImage> stubBarcodes(const Document& doc) {
    std::vector<QImage> out;
    for (const Page& page : doc.pages)
        for (const QImage& picture : pictures(page))
            if (picture.width() > 150) out.push_back(picture);
    return out;
}

struct StubLayout {
    const char* name;
    std::function<TReport&(LayoutFixture&)> report;
    bool flow = false;
};
const StubLayout kStubLayouts[] = {
    {"flow", [](LayoutFixture& f) -> TReport& { return f.reports.flow.Qr5; }, true},
    {"centred", [](LayoutFixture& f) -> TReport& { return f.reports.centred.Qr3; }},
    {"columns", [](LayoutFixture& f) -> TReport& { return f.reports.columns.Qr6; }},
};

std::unique_ptr<LayoutFixture> fixtureFor(const StubLayout& l, int entry = 0) {
    return std::make_unique<LayoutFixture>(l.flow ? flowDatabasePath() : QString(), entry);
}

TEST(StubBarcodes, ANarrowerBarcodeLeavesNothingOfAWiderOneBesideIt) {
    for (const StubLayout& l : kStubLayouts) {
        auto f = fixtureFor(l);
        // 12345670012 is drawn 4 + 6 x 18 + 5 = 117 px wide, 010012 only 63 px.
        f->setTickets({{.controle = 1, .modelo = "4"}, {.controle = 1234567, .modelo = "5"}, {.controle = 1, .modelo = "6"}});
        const auto images = stubBarcodes(f->generate(l.report(*f)));
        ASSERT_EQ(images.size(), 3u) << l.name;
        EXPECT_FALSE(allWhite(images[1], 100)) << l.name;
        EXPECT_FALSE(allWhite(images[2])) << l.name;
        EXPECT_TRUE(allWhite(images[2], 64)) << l.name << ": bars of the wider barcode remain";
    }
}

TEST(StubBarcodes, AStubWhoseTextIsRefusedPrintsBlankAndTheOthersPrint) {
    struct Case {
        int entry;
        qint64 refusedTicket;
        const char* refusedText;
        bool othersToo;  // 70000000012 is refused as well
    };
    // A negative ticket in Interleaved 2 of 5; an 11-digit text in EAN-8; texts that UPC-E
    // and the supplements would print shortened, as barcodes that read as another ticket.
    const Case cases[] = {{0, -5, "-50012", false},
                          {13, 1234567, "12345670012", true},
                          {16, 15230, "152300012", true},
                          {18, 15230, "152300012", true},
                          {19, 15230, "152300012", true}};
    for (const StubLayout& l : kStubLayouts) {
        for (const Case& c : cases) {
            auto f = fixtureFor(l, c.entry);
            f->setTickets({{.controle = c.refusedTicket, .modelo = "4"}, {.controle = 7000000, .modelo = "5"}});
            const Document doc = f->generate(l.report(*f));
            int stubs = 0, texts = 0;
            for (const Page& page : doc.pages) {
                stubs += countText(page, QStringLiteral("TALÃO"));
                texts += countText(page, QString::fromLatin1(c.refusedText));
            }
            EXPECT_EQ(stubs, 2) << l.name << " " << c.refusedText;
            EXPECT_EQ(texts, 1) << l.name << ": the barcode's text still prints";
            const auto images = stubBarcodes(doc);
            ASSERT_EQ(images.size(), 2u) << l.name;
            EXPECT_TRUE(allWhite(images[0])) << l.name << " " << c.refusedText;
            EXPECT_EQ(allWhite(images[1]), c.othersToo) << l.name << " " << c.entry;
            ASSERT_EQ(f->reports.values.refused.size(), c.othersToo ? 2u : 1u) << l.name << " " << c.entry;
            const RefusedStub& r = f->reports.values.refused[0];
            EXPECT_EQ(r.ticket, c.refusedTicket);
            EXPECT_EQ(r.sector, QStringLiteral("12-SETOR"));
            EXPECT_EQ(r.text, QString::fromLatin1(c.refusedText));
            EXPECT_FALSE(r.message.isEmpty());
        }
    }
}

TEST(StubBarcodes, TheSymbologyFollowsTheSelectedEntryAndStaysWithoutOne) {
    struct Case {
        int entry;
        barcode::TBarcodeType before, after;
    };
    using enum barcode::TBarcodeType;
    const Case cases[] = {{3, bcCode_2_5_interleaved, bcCode39}, {-1, bcCode128B, bcCode128B}, {-1, bcCode_2_5_interleaved, bcCode_2_5_interleaved}};
    for (const Case& c : cases) {
        auto f = fixtureFor(kStubLayouts[2], c.entry);
        f->setTickets({{.controle = 15230}});
        f->reports.values.vBarCode = c.before;
        const auto images = stubBarcodes(f->generate(f->reports.columns.Qr6));
        EXPECT_EQ(f->reports.values.vBarCode, c.after) << c.entry;
        ASSERT_EQ(images.size(), 1u);
        EXPECT_FALSE(allWhite(images[0]));
    }
}

// The flow rows' texts starting with "Ord." on the pages, in printing order.
QStringList flowLines(const Document& doc) {
    QStringList out;
    for (const Page& page : doc.pages)
        for (const TextRun* run : runsOf<TextRun>(page))
            if (run->text.startsWith(QStringLiteral("Ord."))) out << run->text;
    return out;
}

TEST(FlowRows, ARowWithoutEvenStepPrintsOnlyItsLeftHalf) {
    LayoutFixture f(flowDatabasePath());
    f.setTickets({{.controle = 15230, .modelo = "3", .stubs = 1}});
    const Document doc = f.generate(f.reports.flow.Qr5);
    // Nine steps: the row of step 9 comes first, alone; 12.5 pairs x 0.05 x 9 x 10 points.
    const QStringList lines = flowLines(doc);
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[0], QStringLiteral("Ord.9 Flx.0109 Pts.56,25"));
    EXPECT_EQ(lines[1], QStringLiteral("Ord.7 Flx.0107 Pts.43,75"));
    EXPECT_EQ(lines[2], QStringLiteral("Ord.8 Flx.0108 Pts.50"));
    EXPECT_EQ(countText(doc.pages[0], QStringLiteral(" Mod.3")), 5 + 4);
    EXPECT_EQ(countText(doc.pages[0], QStringLiteral("Rem.4521/7 Talão 15230")), 5 + 4);
    // One stub picture, five left and four right flow pictures.
    EXPECT_EQ(pictures(doc.pages[0]).size(), 1u + 5 + 4);
}

TEST(FlowRows, AnEmptyFlowPrintsOneRowOfEmptyValuesWithoutABarcode) {
    LayoutFixture f(flowDatabasePath());
    f.setTickets({{.controle = 1, .modelo = "1"}, {.controle = 2, .modelo = "4"}});
    const Document doc = f.generate(f.reports.flow.Qr5);
    const QStringList lines = flowLines(doc);
    ASSERT_EQ(lines.size(), 10 + 1);
    EXPECT_EQ(lines.last(), QStringLiteral("Ord.0 Flx. Pts.0"));
    // The last picture is that row's left flow barcode: blank, not the previous row's.
    const auto images = pictures(doc.pages.back());
    ASSERT_FALSE(images.empty());
    EXPECT_LT(images.back().width(), 150);
    EXPECT_TRUE(allWhite(images.back()));
}

TEST(FlowRows, ATicketWhoseFlowCannotBeReadPrintsWithoutFlowRows) {
    // No database: the flow query cannot open; the stubs print all the same.
    LayoutFixture f(QStringLiteral("/nonexistent/brovik-flow.fdb"));
    f.setTickets({{.controle = 1, .stubs = 2}, {.controle = 2, .stubs = 1}});
    const Document doc = f.generate(f.reports.flow.Qr5);
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_EQ(countText(doc.pages[0], QStringLiteral("TALÃO")), 3);
    EXPECT_TRUE(flowLines(doc).isEmpty());
}

}  // namespace
}  // namespace brovik::reports::test
