#include "TicketLayoutFixture.h"

#include "reports/PdfExport.h"

#include <QFontMetricsF>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <stdexcept>

namespace brovik::reports::test {
namespace {

// Values as long as the schema allows, printed beside each other on the stub's last line:
// a colour whose description has 20 characters, and a customer of 20.
const QString kLongModel = QStringLiteral("70001");
const QString kLongColour = QStringLiteral("8-VERMELHO ÂMBAR ESCUR");
const QString kLongCustomer = QStringLiteral("CALÇADOS MARIA WANDA");
const QString kModelAndColour = kLongModel + QStringLiteral(" / ") + kLongColour;

struct Layout {
    const char* name;
    std::function<TReport&(LayoutFixture&)> report;
    bool needsFlowDatabase;
    bool printsCustomer;
};

const Layout kLayouts[] = {
    {"flow", [](LayoutFixture& f) -> TReport& { return f.reports.flow.Qr5; }, true, false},
    {"centred", [](LayoutFixture& f) -> TReport& { return f.reports.centred.Qr3; }, false, true},
    {"columns", [](LayoutFixture& f) -> TReport& { return f.reports.columns.Qr6; }, false, true},
};

Document generate(const Layout& layout, const TicketSpec& ticket) {
    LayoutFixture f(layout.needsFlowDatabase ? flowDatabasePath() : QString());
    f.setTickets({ticket});
    return f.generate(layout.report(f));
}

// Fonts measured at 1200 dpi, in report units.
constexpr double kUnitsPerDot = 254.0 / 1200;
QFontMetricsF metricsOf(const QFont& font) {
    static const QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(1200 / 0.0254));
        image.setDotsPerMeterY(qRound(1200 / 0.0254));
        return image;
    }();
    return QFontMetricsF(font, &device);
}

// The ink of a run as the font draws it, measured on the shaped text rather than as the
// engine estimates it.
QRectF drawnInk(const Document& doc, const TextRun& run) {
    const QRectF r = metricsOf(doc.fonts[run.font]).tightBoundingRect(run.text);
    return QRectF(r.topLeft() * kUnitsPerDot, r.size() * kUnitsPerDot).translated(run.x, run.baseline);
}

double pointsOf(const Document& doc, const TextRun& run) { return doc.fonts[run.font].pointSizeF(); }

double advance(const QFont& font, double points, const QString& text) {
    QFont sized = font;
    sized.setPointSizeF(points);
    return metricsOf(sized).horizontalAdvance(text) * kUnitsPerDot;
}

const TextRun& onlyRun(const Page& page, const QString& text, const char* layout) {
    const auto runs = textRuns(page, text);
    if (runs.size() != 1) throw std::runtime_error(std::string(layout) + ": " + text.toStdString() + " is not printed once, whole");
    return *runs.front();
}

TEST(TicketLayoutTexts, QuantitiesTooWideForTheQtdBoxPrintWholeAtTheLargestSizeThatFits) {
    struct Case {
        double quantity;
        const char* printed;
        bool shrinks;
    };
    const Case cases[] = {{12.5, "12,5", false}, {1234.5, "1234,5", true}, {12.3333, "12,3333", true}};
    for (const Layout& layout : kLayouts)
        for (const Case& c : cases) {
            const Document doc = generate(layout, {.quantidade = c.quantity});
            const QString text = QString::fromLatin1(c.printed);
            const TextRun& run = onlyRun(doc.pages.at(0), text, layout.name);
            const QRectF qtdBox(run.box.x, run.box.y, run.box.w, run.box.h);
            EXPECT_NEAR(qtdBox.width(), 154.3, 0.1) << layout.name << ": " << c.printed << " is not in the Qtd box";
            const double points = pointsOf(doc, run);
            const QRectF ink = drawnInk(doc, run);
            EXPECT_GE(ink.left(), qtdBox.left()) << layout.name << ": " << c.printed;
            EXPECT_LE(ink.right(), qtdBox.right()) << layout.name << ": " << c.printed;
            EXPECT_LE(ink.bottom(), qtdBox.bottom()) << layout.name << ": " << c.printed;
            if (!c.shrinks) {
                EXPECT_EQ(points, 20) << layout.name << ": a quantity that fits keeps its size";
                continue;
            }
            EXPECT_LT(points, 20) << layout.name << ": " << c.printed;
            EXPECT_GE(points, kSmallestPoints) << layout.name << ": " << c.printed;
            EXPECT_EQ(std::fmod(points, kShrinkStep), 0) << layout.name << ": half points, " << points;
            EXPECT_GT(advance(doc.fonts[run.font], points + kShrinkStep, text), qtdBox.width())
                << layout.name << ": " << c.printed << " would fit half a point larger than " << points;
        }
}

TEST(TicketLayoutTexts, TheLongestColourAndCustomerPrintWholeWithoutTouching) {
    const TicketSpec ticket{.modelo = kLongModel, .cor = kLongColour, .cliente = kLongCustomer};
    for (const Layout& layout : kLayouts) {
        const Document doc = generate(layout, ticket);
        const Page& page = doc.pages.at(0);
        const TextRun& colour = onlyRun(page, kModelAndColour, layout.name);
        const QRectF colourInk = drawnInk(doc, colour);
        EXPECT_GE(pointsOf(doc, colour), kSmallestPoints) << layout.name;
        // Its caption on the same line fits and keeps its size.
        EXPECT_EQ(pointsOf(doc, onlyRun(page, QStringLiteral("Modelo/Cor"), layout.name)), 8) << layout.name;
        EXPECT_LT(drawnInk(doc, onlyRun(page, QStringLiteral("Modelo/Cor"), layout.name)).right(), colourInk.left()) << layout.name;
        if (!layout.printsCustomer) {
            // The flow layout's colour has a box of its own; it prints whole inside it.
            EXPECT_LT(pointsOf(doc, colour), 9) << layout.name;
            EXPECT_LE(colourInk.right(), colour.box.x + colour.box.w) << layout.name;
            continue;
        }
        const TextRun& customer = onlyRun(page, kLongCustomer, layout.name);
        const QRectF customerInk = drawnInk(doc, customer);
        EXPECT_GT(customerInk.left() - colourInk.right(), 5) << layout.name << ": less than half a millimetre of white between colour and customer";
        EXPECT_TRUE(pointsOf(doc, colour) < 9 || pointsOf(doc, customer) < 8) << layout.name;
    }
}

// On paper: the PDF of each layout shows the long values as whole words where the page
// model put them.
TEST(TicketLayoutTexts, ThePdfShowsTheLongValuesWhole) {
    QTemporaryDir dir;
    const TicketSpec ticket{.modelo = kLongModel, .cor = kLongColour, .cliente = kLongCustomer, .quantidade = 1234.5};
    for (const Layout& layout : kLayouts) {
        const Document doc = generate(layout, ticket);
        const QString pdf = dir.filePath(QString::fromLatin1(layout.name) + QStringLiteral(".pdf"));
        ASSERT_TRUE(exportPdf(doc, pdf));
        const auto words = pdfWords(pdf, 1);
        const TextRun& quantity = onlyRun(doc.pages.at(0), QStringLiteral("1234,5"), layout.name);
        ASSERT_EQ(words.count(QStringLiteral("1234,5")), 1u) << layout.name;
        const QRectF printed = words.find(QStringLiteral("1234,5"))->second;
        EXPECT_NEAR(printed.left(), quantity.x, 2) << layout.name;
        EXPECT_LE(printed.right(), quantity.box.x + quantity.box.w + 1) << layout.name << ": past the Qtd box";
        ASSERT_EQ(words.count(QStringLiteral("ESCUR")), 1u) << layout.name;
        if (!layout.printsCustomer) continue;
        ASSERT_EQ(words.count(QStringLiteral("CALÇADOS")), 1u) << layout.name;
        EXPECT_LT(words.find(QStringLiteral("ESCUR"))->second.right(), words.find(QStringLiteral("CALÇADOS"))->second.left())
            << layout.name << ": the colour runs into the customer";
    }
}

}  // namespace
}  // namespace brovik::reports::test
