#include "TicketLayoutFixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brovik::reports::test {
namespace {

// The left edge, in report units, of every stub on a page: the "REM/OP" label sits at a
// fixed offset within the stub band.
std::vector<int> stubColumns(const Page& page, double labelOffset) {
    std::vector<int> xs;
    for (const TextRun* run : textRuns(page, QStringLiteral("REM/OP"))) xs.push_back(int(std::lround(run->x - labelOffset)));
    return xs;
}

// Stubs per page: the "TALÃO" label prints once on every stub.
std::vector<int> stubsPerPage(const Document& doc) {
    std::vector<int> out;
    for (const Page& page : doc.pages) out.push_back(countText(page, QStringLiteral("TALÃO")));
    return out;
}

TEST(CentredLayout, TicketWithNineStubsGivesEightThenOneUnderARepeatedHeader) {
    LayoutFixture f;
    f.setTickets({{.controle = 15230, .stubs = 9}});
    const Document doc = f.generate(f.reports.centred.Qr3);
    EXPECT_EQ(stubsPerPage(doc), (std::vector<int>{8, 1}));
    for (const Page& page : doc.pages) {
        EXPECT_EQ(countText(page, QStringLiteral("MOD.")), 1);
        EXPECT_EQ(countText(page, QStringLiteral("1234")), 1) << "the header names the model";
    }
    // The 9th stub starts right below the header and the group strip: 5 + 6.1 + 0.2 mm.
    const auto second = textRuns(doc.pages[1], QStringLiteral("REM/OP"));
    ASSERT_EQ(second.size(), 1u);
    EXPECT_NEAR(second[0]->box.y, 50 + 61 + 3.3, 0.5);
}

TEST(CentredLayout, EveryTicketHasItsPageAndANewOrderStartsOnlyOne) {
    LayoutFixture f;
    f.setTickets({{.controle = 100, .oc = 1, .stubs = 2},
                  {.controle = 101, .oc = 1, .stubs = 1},
                  {.controle = 200, .oc = 2, .stubs = 3}});
    const Document doc = f.generate(f.reports.centred.Qr3);
    EXPECT_EQ(stubsPerPage(doc), (std::vector<int>{2, 1, 3}));
    EXPECT_EQ(countText(doc.pages[2], QStringLiteral("02")), 1 + 3) << "header and stubs show order 02";
    EXPECT_EQ(f.reports.values.ID5, 200);

    // ID5 is kept from the previous preview; a second generation starts the same way.
    const Document again = f.generate(f.reports.centred.Qr3);
    EXPECT_EQ(stubsPerPage(again), (std::vector<int>{2, 1, 3}));
}

TEST(CentredLayout, EmptyTicketTablePrintsOneEmptyStub) {
    for (qint64 id5 : {0, 4711}) {
        LayoutFixture f;
        f.setTickets({});
        f.reports.values.ID5 = id5;
        const Document doc = f.generate(f.reports.centred.Qr3);
        ASSERT_EQ(doc.pages.size(), 1u) << "ID5 " << id5;
        EXPECT_EQ(countText(doc.pages[0], QStringLiteral("TALÃO")), 1);
        EXPECT_EQ(countText(doc.pages[0], QStringLiteral("0000000")), 0) << "an empty ticket number prints nothing";
    }
}

TEST(ColumnLayout, FourTicketsFillThreeColumnsThenTheFirstOfSheetTwo) {
    LayoutFixture f;
    f.setTickets({{.controle = 1, .stubs = 2}, {.controle = 2, .stubs = 1}, {.controle = 3, .stubs = 1}, {.controle = 4, .stubs = 1}});
    const Document doc = f.generate(f.reports.columns.Qr6);
    ASSERT_EQ(doc.pages.size(), 2u);
    EXPECT_EQ(doc.paperSize, QSizeF(2970, 2100));
    // Columns start 8.0, 101.6 and 195.2 mm from the paper's left edge; the label is at 1.49 mm.
    EXPECT_EQ(stubColumns(doc.pages[0], 14.9), (std::vector<int>{80, 80, 1016, 1952}));
    EXPECT_EQ(stubColumns(doc.pages[1], 14.9), (std::vector<int>{80}));
}

TEST(ColumnLayout, SevenStubsGiveSixThenOneAndANewOrderStartsOneColumn) {
    LayoutFixture f;
    f.setTickets({{.controle = 1, .oc = 1, .stubs = 7}, {.controle = 2, .oc = 2, .stubs = 1}});
    const Document doc = f.generate(f.reports.columns.Qr6);
    ASSERT_EQ(doc.pages.size(), 1u);
    EXPECT_EQ(stubColumns(doc.pages[0], 14.9), (std::vector<int>{80, 80, 80, 80, 80, 80, 1016, 1952}));
    // The 7th stub starts at the top of column 2, right under the 5-mm margin.
    const auto labels = textRuns(doc.pages[0], QStringLiteral("REM/OP"));
    EXPECT_NEAR(labels[6]->box.y, 50 + 3.3, 0.5);
}

TEST(FlowLayout, ThreeTicketsGiveTwoSheets) {
    LayoutFixture f(flowDatabasePath());
    f.setTickets({{.controle = 1, .modelo = "1", .stubs = 2}, {.controle = 2, .modelo = "1", .stubs = 2}, {.controle = 3, .modelo = "1", .stubs = 1}});
    const Document doc = f.generate(f.reports.flow.Qr5);
    ASSERT_EQ(doc.pages.size(), 2u);
    // Column 2 starts 104.9 mm from the paper's edge; the label is at 0.83 mm.
    EXPECT_EQ(stubColumns(doc.pages[0], 8.3), (std::vector<int>{100, 100, 1049, 1049}));
    EXPECT_EQ(stubColumns(doc.pages[1], 8.3), (std::vector<int>{100}));
    EXPECT_EQ(countText(doc.pages[0], QStringLiteral("Rem.4521/7 Talão 1")), 10) << "5 flow rows per ticket, both halves";
}

TEST(FlowLayout, FourStubsAndFiveFlowRowsFitOneColumnFiveAndThirteenDoNot) {
    LayoutFixture f(flowDatabasePath());
    f.setTickets({{.controle = 1, .modelo = "1", .stubs = 4}, {.controle = 2, .modelo = "2", .stubs = 5}, {.controle = 3, .modelo = "4", .stubs = 1}});
    const Document doc = f.generate(f.reports.flow.Qr5);
    ASSERT_EQ(doc.pages.size(), 2u);
    // Ticket 1 alone in column 1; ticket 2 in column 2 and on into column 1 of sheet 2;
    // ticket 3 after it in column 2 of sheet 2.
    EXPECT_EQ(stubColumns(doc.pages[0], 8.3), (std::vector<int>{100, 100, 100, 100, 1049, 1049, 1049, 1049, 1049}));
    EXPECT_EQ(stubColumns(doc.pages[1], 8.3), (std::vector<int>{1049}));
    int leftRows = 0, rightRows = 0;
    for (const TextRun* run : textRuns(doc.pages[0], QStringLiteral("Rem.4521/7 Talão 1"))) (run->box.x < 1000 ? leftRows : rightRows)++;
    EXPECT_EQ(leftRows, 10);
    const int ticket2OnSheet1 = countText(doc.pages[0], QStringLiteral("Rem.4521/7 Talão 2")) / 2;
    const int ticket2OnSheet2 = countText(doc.pages[1], QStringLiteral("Rem.4521/7 Talão 2")) / 2;
    EXPECT_EQ(ticket2OnSheet1 + ticket2OnSheet2, 13);
    EXPECT_GT(ticket2OnSheet2, 0) << "the flow continues in the next column";
}

}  // namespace
}  // namespace brovik::reports::test
