#include "TicketLayoutFixture.h"

#include "reports/LayoutItems.h"
#include "reports/PdfExport.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <span>

namespace brovik::reports::test {
namespace {

// A text item of one stub as the layout tables place it: what it prints for the stub
// below, its box's left, top and width in mm from the band's corner, its alignment.
struct Expected {
    const char16_t* text;
    double left, top, width;
    TextAlignment alignment;
};
constexpr auto kLeft = TextAlignment::Left, kRight = TextAlignment::Right, kCentre = TextAlignment::Center;

const Expected kFlowStub[] = {
    {u"25/12/2024", 56.06, 7.61, 15.05, kLeft},
    {u"REM/OP", 0.83, 0.50, 10.58, kLeft},
    {u" / ", 28.11, 0.66, 2.65, kLeft},
    {u"12-SETOR", 7.61, 22.16, 8.27, kLeft},
    {u"38", 75.41, 5.95, 15.88, kLeft},
    {u"004521", 10.91, 0.66, 16.70, kRight},
    {u"07", 31.42, 0.66, 5.13, kLeft},
    {u"TALÃO", 44.65, 0.50, 9.59, kLeft},
    {u"0015230", 54.74, 0.50, 13.06, kLeft},
    {u"(3)", 84.45, 0.44, 5.29, kRight},
    {u"Modelo/Cor", 3.14, 26.79, 12.90, kLeft},
    {u"1234 / 5-AZUL", 16.76, 26.90, 51.15, kLeft},
    {u"Tam.", 69.62, 5.95, 6.12, kLeft},
    {u"UP", 3.14, 22.32, 3.64, kLeft},
    {u"152300012", 0.99, 18.52, 5.62, kLeft},
    {u"SKU1", 70.78, 26.46, 21.61, kLeft},
    {u"12,5", 74.97, 15.88, 15.43, kLeft},
    {u"Qtd.", 69.62, 15.88, 4.80, kLeft},
    {u"SKU", 70.94, 23.48, 4.30, kLeft},
    {u"2", 59.53, 22.05, 8.16, kCentre},
    {u"Observação", 0.83, 4.30, 13.73, kLeft},
    {u"Dt.Prev:", 39.52, 18.69, 7.11, kLeft},
    {u"25/12/2024", 46.96, 18.69, 25.14, kLeft},
    {u"Conj./Peça", 58.37, 18.52, 9.76, kLeft},
    {u"Dt.Prev:", 48.62, 7.61, 7.11, kLeft},
    {u"FÁBRICA AÇORES", 0.66, 7.61, 23.48, kLeft},
};
const Expected kCentredHeader[] = {
    {u" / ", 98.89, 0.17, 3.47, kLeft},
    {u"07", 101.86, 0.22, 7.72, kLeft},
    {u"004521", 83.34, 0.22, 15.65, kRight},
    {u"1234", 127.33, 0.17, 12.40, kLeft},
    {u"OP", 49.44, 0.99, 4.30, kLeft},
    {u"MOD.", 119.06, 0.99, 7.61, kLeft},
};
const Expected kCentredStub[] = {
    {u"25/12/2024", 103.19, 8.76, 15.05, kLeft},
    {u"REM/OP", 50.44, 0.33, 10.58, kLeft},
    {u" / ", 70.28, 0.33, 2.65, kLeft},
    {u"12-SETOR", 54.57, 22.16, 8.27, kLeft},
    {u"38", 122.37, 5.95, 15.88, kLeft},
    {u"004521", 62.18, 0.44, 8.82, kRight},
    {u"07", 72.76, 0.44, 5.07, kLeft},
    {u"TALÃO", 92.11, 0.33, 9.59, kLeft},
    {u"0015230", 102.09, 0.44, 13.01, kLeft},
    {u"(3)", 131.41, 1.10, 5.29, kRight},
    {u"Modelo/Cor", 50.27, 26.79, 12.90, kLeft},
    {u"1234 / 5-AZUL", 63.67, 26.79, 49.94, kLeft},
    {u"Tam.", 116.58, 6.12, 6.12, kLeft},
    {u"UP", 50.27, 22.32, 3.64, kLeft},
    {u"152300012", 49.94, 18.52, 5.62, kLeft},
    {u"12,5", 122.37, 15.21, 15.43, kLeft},
    {u"SKU", 117.74, 23.48, 4.30, kLeft},
    {u"2", 106.49, 22.05, 8.16, kCentre},
    {u"SKU1", 122.54, 22.65, 4.80, kLeft},
    {u"LOJA", 131.13, 26.79, 8.76, kRight},
    {u"Observação", 50.44, 4.96, 13.73, kLeft},
    {u"Dt.Prev:", 95.75, 8.76, 7.11, kLeft},
    {u"Conj./Peça", 105.83, 18.19, 9.76, kLeft},
    {u"Qtd.", 116.58, 15.88, 4.80, kLeft},
    {u"FÁBRICA AÇORES", 50.44, 8.76, 23.48, kLeft},
};
const Expected kColumnStub[] = {
    {u"25/12/2024", 55.56, 8.10, 15.05, kLeft},
    {u"REM/OP", 1.49, 0.33, 10.58, kLeft},
    {u" / ", 21.33, 0.33, 2.65, kLeft},
    {u"12-SETOR", 6.78, 22.16, 8.27, kLeft},
    {u"38", 74.74, 5.95, 15.88, kLeft},
    {u"004521", 13.23, 0.50, 8.76, kRight},
    {u"07", 23.81, 0.50, 5.13, kLeft},
    {u"TALÃO", 44.48, 0.33, 9.59, kLeft},
    {u"0015230", 54.46, 0.44, 13.01, kLeft},
    {u"(3)", 83.78, 1.10, 5.29, kRight},
    {u"Modelo/Cor", 2.65, 26.79, 12.90, kLeft},
    {u"1234 / 5-AZUL", 16.04, 26.79, 49.94, kLeft},
    {u"Tam.", 68.96, 6.12, 6.12, kLeft},
    {u"UP", 2.65, 22.32, 3.64, kLeft},
    {u"152300012", 1.82, 18.52, 5.62, kLeft},
    {u"12,5", 74.74, 15.21, 15.43, kLeft},
    {u"SKU", 70.11, 23.48, 4.30, kLeft},
    {u"2", 58.87, 22.05, 8.16, kCentre},
    {u"SKU1", 74.91, 22.65, 4.80, kLeft},
    {u"LOJA", 83.67, 26.79, 8.76, kRight},
    {u"Observação", 1.49, 4.30, 13.73, kLeft},
    {u"Conj./Peça", 57.88, 18.52, 9.76, kLeft},
    {u"Qtd.", 68.96, 15.88, 4.80, kLeft},
    {u"FÁBRICA AÇORES", 1.49, 8.10, 23.48, kLeft},
    {u"Dt.Prev:", 48.12, 8.10, 7.11, kLeft},
};

// Batch 4521, order 7, ticket 15230, model 1234 in 5-AZUL, size 38, step 3 in sector 12,
// piece 2 of a set.
const TicketSpec kStub{.controle = 15230, .oc = 7, .modelo = QStringLiteral("1234"), .stubs = 1, .pecaConjunto = 2};

struct LayoutCase {
    const char* name;
    std::function<TReport&(LayoutFixture&)> report;
    QPointF stubOrigin;  // report units: the first stub band's corner on page 1
    std::span<const Expected> stub;
    bool needsFlowDatabase = false;
};

const LayoutCase kLayouts[] = {
    {"flow", [](LayoutFixture& f) -> TReport& { return f.reports.flow.Qr5; }, {100, 54}, kFlowStub, true},
    {"centred", [](LayoutFixture& f) -> TReport& { return f.reports.centred.Qr3; }, {100, 113}, kCentredStub},
    {"columns", [](LayoutFixture& f) -> TReport& { return f.reports.columns.Qr6; }, {80, 52}, kColumnStub},
};

// Where an item's text starts or ends, by alignment, and where the table puts it.
double horizontalOf(const TextRun& run, TextAlignment a) {
    switch (a) {
    case TextAlignment::Left: return run.x;
    case TextAlignment::Right: return run.box.x + run.box.w;
    case TextAlignment::Center: return run.box.x + run.box.w / 2;
    }
    return 0;
}
double tabulated(const Expected& e, QPointF origin) {
    switch (e.alignment) {
    case TextAlignment::Left: return origin.x() + e.left * 10;
    case TextAlignment::Right: return origin.x() + (e.left + e.width) * 10;
    case TextAlignment::Center: return origin.x() + (e.left + e.width / 2) * 10;
    }
    return 0;
}

constexpr double kTolerance = 2;  // 0.2 mm

// The run of `page` that prints the expected item, or null when none stands at its place.
const TextRun* placedRun(const Page& page, const Expected& e, QPointF origin) {
    for (const TextRun* run : textRuns(page, QString::fromUtf16(e.text)))
        if (std::abs(horizontalOf(*run, e.alignment) - tabulated(e, origin)) <= kTolerance &&
            std::abs(run->box.y - (origin.y() + e.top * 10)) <= kTolerance)
            return run;
    return nullptr;
}

std::unique_ptr<LayoutFixture> fixtureFor(const LayoutCase& c) {
    return std::make_unique<LayoutFixture>(c.needsFlowDatabase ? flowDatabasePath() : QString());
}

TEST(TicketLayouts, TextItemsOfAStubStandAtTheirTabulatedPlaces) {
    for (const LayoutCase& c : kLayouts) {
        auto f = fixtureFor(c);
        f->setTickets({kStub});
        const Document doc = f->generate(c.report(*f));
        ASSERT_FALSE(doc.pages.empty()) << c.name;
        for (const Expected& e : c.stub)
            EXPECT_NE(placedRun(doc.pages[0], e, c.stubOrigin), nullptr)
                << c.name << ": " << QString::fromUtf16(e.text).toStdString() << " not at " << e.left << ", " << e.top;
    }
    LayoutFixture f;
    f.setTickets({kStub});
    const Document doc = f.generate(f.reports.centred.Qr3);
    for (const Expected& e : kCentredHeader)
        EXPECT_NE(placedRun(doc.pages[0], e, {100, 50}), nullptr) << "header: " << QString::fromUtf16(e.text).toStdString();
}

TEST(TicketLayouts, NumbersPrintWithTheirMasksAndTheRemarkCaptions) {
    for (const LayoutCase& c : kLayouts) {
        auto f = fixtureFor(c);
        f->setTickets({kStub});
        const Page page = f->generate(c.report(*f)).pages.at(0);
        for (const char* text : {"004521", "07", "0015230", "(3)", "12,5", "152300012", "1234 / 5-AZUL"})
            EXPECT_GE(countText(page, QString::fromLatin1(text)), 1) << c.name << ": " << text;
        EXPECT_EQ(countText(page, QStringLiteral("Observação")), 1) << c.name;
    }
    // Only the flow layout prints the remark the run writes.
    LayoutFixture f(flowDatabasePath());
    f.setTickets({kStub});
    f.reports.flow.Obs3().caption = QStringLiteral("VERÃO|urgente");
    EXPECT_EQ(countText(f.generate(f.reports.flow.Qr5).pages.at(0), QStringLiteral("VERÃO|urgente")), 1);
}

// Grey boxes (button-face fill) of a page, by their left edge in report units.
std::vector<int> greyBoxes(const Page& page) {
    std::vector<int> out;
    for (const ShapeRun* s : runsOf<ShapeRun>(page))
        if (s->brush == kButtonFace) out.push_back(int(std::lround(s->box.x)));
    return out;
}

TEST(TicketLayouts, OnlyPiecesOfASetShowTheSetCaptionAndNumberTheGreyBoxAlways) {
    for (const LayoutCase& c : kLayouts) {
        auto f = fixtureFor(c);
        f->setTickets({{.controle = 1, .pecaConjunto = 0}, {.controle = 2, .pecaConjunto = 3}, {.controle = 3, .pecaConjunto = 0}});
        const Document doc = f->generate(c.report(*f));
        int captions = 0, numbers = 0, greys = 0;
        for (const Page& page : doc.pages) {
            captions += countText(page, QStringLiteral("Conj./Peça"));
            numbers += countText(page, QStringLiteral("3")) + countText(page, QStringLiteral("0"));
            greys += int(greyBoxes(page).size());
        }
        EXPECT_EQ(captions, 1) << c.name << ": shown for the piece of a set, hidden again after it";
        EXPECT_EQ(numbers, 1) << c.name;
        // Three grey boxes on every stub, and the centred layout's header strip on every page.
        const bool centred = std::string(c.name) == "centred";
        EXPECT_EQ(greys, 9 + (centred ? int(doc.pages.size()) : 0)) << c.name;
    }
}

TEST(TicketLayouts, ExportedPdfKeepsTheTextsWhereThePageModelHasThem) {
    QTemporaryDir dir;
    for (const LayoutCase& c : kLayouts) {
        auto f = fixtureFor(c);
        f->setTickets({kStub});
        const Document doc = f->generate(c.report(*f));
        const QString pdf = dir.filePath(QString::fromLatin1(c.name) + QStringLiteral(".pdf"));
        ASSERT_TRUE(exportPdf(doc, pdf));
        const auto words = pdfWords(pdf, 1);
        ASSERT_FALSE(words.empty()) << "pdftotext read nothing from " << pdf.toStdString();
        for (const Expected& e : c.stub) {
            const QString text = QString::fromUtf16(e.text);
            if (text.contains(u' ')) continue;  // pdftotext splits words at spaces
            const TextRun* run = placedRun(doc.pages[0], e, c.stubOrigin);
            ASSERT_NE(run, nullptr);
            bool found = false;
            auto [from, to] = words.equal_range(text);
            for (auto it = from; it != to; ++it)
                found = found || (std::abs(it->second.x() - run->x) <= kTolerance && std::abs(it->second.y() - (c.stubOrigin.y() + e.top * 10)) <= kTolerance);
            EXPECT_TRUE(found) << c.name << ": " << text.toStdString() << " not at its place in the PDF";
        }
    }
}

}  // namespace
}  // namespace brovik::reports::test
