#include "ReportFixtures.h"
#include "reports/BandTexts.h"
#include "reports/TextLayout.h"

#include <QFontInfo>
#include <gtest/gtest.h>

namespace brovik::reports::test {
namespace {

class TextLayoutTest : public ::testing::Test {
protected:
    FontCache fonts;
    TextFormat format;
    void SetUp() override { format.font = fonts.indexOf(FontSpec{QStringLiteral("Arial Narrow"), 9, true, Qt::black}); }
    double width(const QString& s) { return fonts.width(format.font, s); }
    QStringList lines(const QString& text, double boxWidth) { return breakLines(text, format, boxWidth, fonts); }
};

TEST_F(TextLayoutTest, WindowsFamiliesPrintWithTheirLiberationStandIns) {
    EXPECT_EQ(printingFamily(QStringLiteral("Arial")), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(printingFamily(QStringLiteral("arial narrow")), QStringLiteral("Liberation Sans Narrow"));
    EXPECT_EQ(printingFamily(QStringLiteral("Courier New")), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(QFontInfo(fonts.fonts()[format.font]).family(), QStringLiteral("Liberation Sans Narrow"));
    const int arial = fonts.indexOf(FontSpec{QStringLiteral("Arial"), 9, true, Qt::black});
    EXPECT_LT(width(QStringLiteral("REM/OP")), fonts.width(arial, QStringLiteral("REM/OP")) * 0.9);
    // 9 pt in 0.1 mm whatever the screen: a line of Liberation Sans Narrow is about 1.13 em.
    EXPECT_NEAR(fonts.lineHeight(format.font), 9 * kUnitsPerPoint * 1.13, 0.5);
}

TEST_F(TextLayoutTest, BreakingRules) {
    const double twoWords = width(QStringLiteral("AAA BBB")) + 0.5;
    format.wordWrap = true;
    EXPECT_EQ(lines(QStringLiteral("AAA BBB CCC"), twoWords), (QStringList{"AAA BBB", "CCC"}));
    EXPECT_EQ(lines(QStringLiteral("AAA BBB CCC"), 1000), (QStringList{"AAA BBB CCC"}));
    // A word wider than the item is broken between characters.
    EXPECT_EQ(lines(QStringLiteral("AAAAAAAA B"), width(QStringLiteral("AAAA")) + 0.5), (QStringList{"AAAA", "AAAA", "B"}));
    EXPECT_EQ(lines(QStringLiteral("AB\r\nCD"), 1000), (QStringList{"AB", "CD"}));

    format.wrapStyle = WrapStyle::Anywhere;
    EXPECT_EQ(lines(QStringLiteral("AAA BBB"), width(QStringLiteral("AAA B")) + 0.5), (QStringList{"AAA B", "BB"}));

    format.wordWrap = false;  // one line: the first line so formed, the rest dropped
    format.wrapStyle = WrapStyle::AtSpaces;
    EXPECT_EQ(lines(QStringLiteral("AAA BBB CCC"), twoWords), (QStringList{"AAA BBB"}));
    EXPECT_EQ(lines(QStringLiteral("AB\rCD"), 1000), (QStringList{"AB"}));

    format.autoSize = true;  // never wrapped
    EXPECT_EQ(lines(QStringLiteral("AAA BBB CCC"), 10), (QStringList{"AAA BBB CCC"}));
}

TEST_F(TextLayoutTest, AlignmentAutoSizeAndLinesThatFit) {
    const QString text = QStringLiteral("1234 / 5-AZUL");
    const double w = width(text);
    const double line = fonts.lineHeight(format.font);
    auto firstRun = [&](const QRectF& box) {
        Page page;
        layoutText({text, format, box}, fonts, page);
        return page.items.empty() ? TextRun{} : std::get<TextRun>(page.items.front());
    };
    const QRectF box(100, 200, 500, line + 1);

    format.alignment = TextAlignment::Right;
    EXPECT_NEAR(firstRun(box).x + w, 600, 0.01);
    format.alignment = TextAlignment::Center;
    EXPECT_NEAR(firstRun(box).x, 100 + (500 - w) / 2, 0.01);
    EXPECT_NEAR(firstRun(box).baseline, 200 + fonts.ascent(format.font), 0.01);

    format.autoSize = true;  // the width follows the text, keeping the centre
    const TextRun centred = firstRun(QRectF(100, 200, 20, line + 1));
    EXPECT_NEAR(centred.box.w, w, 0.01);
    EXPECT_NEAR(centred.box.x + centred.box.w / 2, 110, 0.01);
    EXPECT_FALSE(centred.clip);

}

// A text its box cannot show whole prints smaller, in half points: wrapped first, as the
// breaking rules say, and cut with an ellipsis only below the smallest size.
TEST_F(TextLayoutTest, TextThatDoesNotFitItsBoxPrintsSmallerThenCut) {
    const double line = fonts.lineHeight(format.font);
    const QString number = QStringLiteral("1234,5");
    enum Sizing { OneLine, Wrap, Auto };
    constexpr double kSmaller = -1;  // below 9 pt: the largest size that shows the text whole
    struct Case {
        const char* what;
        QString text;
        Sizing sizing;
        double width, lines;  // the box, in 9-pt widths of `fitted` and in 9-pt lines
        QString fitted;
        std::vector<QString> runs;
        double points;
    };
    const QString abc = QStringLiteral("AAA BBB CCC");
    const Case cases[] = {
        {"fits: as before", number, OneLine, 1.05, 1.2, number, {number}, 9},
        {"too wide: smaller and whole", number, OneLine, 0.8, 1.2, number, {number}, kSmaller},
        {"a wrap text that fits wrapped keeps its size", QStringLiteral("AAA BBB"), Wrap, 1.05, 2.2, QStringLiteral("AAA"),
         {"AAA", "BBB"}, 9},
        {"wrapped lines that overflow: smaller", abc, Wrap, 1.05, 2.2, QStringLiteral("AAA"), {"AAA", "BBB", "CCC"}, kSmaller},
        {"a box lower than one line: smaller", number, OneLine, 2, 0.8, number, {number}, kSmaller},
        {"auto width grows instead", abc, Auto, 0.1, 1.2, abc, {abc}, 9},
        {"too wide even at 5 pt: cut", QStringLiteral("1234567890"), OneLine, 0.3, 1.2, QStringLiteral("1234567890"),
         {QStringLiteral("123…")}, kSmallestPoints},
    };
    for (const Case& c : cases) {
        format.wordWrap = c.sizing == Wrap;
        format.autoSize = c.sizing == Auto;
        const QRectF box(100, 200, width(c.fitted) * c.width, line * c.lines);
        Page page;
        layoutText({c.text, format, box}, fonts, page);
        const auto runs = runsOf<TextRun>(page);
        ASSERT_FALSE(runs.empty()) << c.what;
        const double points = fonts.points(runs.front()->font);
        std::vector<QString> texts;
        for (const TextRun* run : runs) {
            texts.push_back(run->text);
            EXPECT_EQ(run->font, runs.front()->font) << c.what;
            EXPECT_LE(run->baseline + fonts.lineHeight(run->font) - fonts.ascent(run->font), box.bottom() + 0.01) << c.what;
            if (c.sizing != Auto) {
                EXPECT_LE(run->x + fonts.width(run->font, run->text), box.right() + 0.01) << c.what;
            }
        }
        if (c.points == kSmallestPoints) {
            ASSERT_EQ(texts.size(), 1u) << c.what;
            EXPECT_TRUE(texts.front().startsWith(c.runs.front().left(3)) && texts.front().endsWith(u'…')) << c.what;
        } else {
            EXPECT_EQ(texts, c.runs) << c.what;
        }
        if (c.points == kSmaller) {
            EXPECT_LT(points, 9) << c.what;
            EXPECT_GE(points, kSmallestPoints) << c.what;
            Page larger;
            TextFormat at = format;
            at.font = fonts.resized(format.font, points + kShrinkStep);
            layoutText({c.text, at, box}, fonts, larger, points + kShrinkStep);
            EXPECT_NE(fonts.points(runsOf<TextRun>(larger).front()->font), points + kShrinkStep)
                << c.what << ": " << points << " pt is not the largest size that fits";
        } else {
            EXPECT_EQ(points, c.points) << c.what;
        }
        // A single smaller line stays on the baseline of the declared size.
        if (runs.size() == 1 && c.lines >= 1) {
            EXPECT_NEAR(runs.front()->baseline, box.top() + fonts.ascent(format.font), 0.01) << c.what;
        }
    }
}

// Texts on one line whose ink would touch: the one that outgrew its own box gives way.
class BandTextsTest : public TextLayoutTest {
protected:
    BandTexts texts;
    Page page;
    // An auto-width text in the report's 9-pt narrow bold, its box `designWidth` wide.
    void place(const QString& text, TextAlignment alignment, double left, double top, double designWidth) {
        TextFormat f = format;
        f.autoSize = true;
        f.alignment = alignment;
        const std::size_t first = page.items.size();
        TextBlock block{text, f, QRectF(left, top, designWidth, fonts.lineHeight(f.font) * 1.2)};
        const QRectF extent = layoutText(block, fonts, page);
        texts.add(std::move(block), first, page.items.size(), extent);
    }
    const TextRun& run(std::size_t i) { return *runsOf<TextRun>(page).at(i); }
    QRectF ink(std::size_t i) { return fonts.ink(run(i).font, run(i).text).translated(run(i).x, run(i).baseline); }
};

TEST_F(BandTextsTest, DesignBoxesThatOverlapWithInkApartChangeNothing) {
    // Texts grown past their boxes: two lines whose boxes overlap in height, as captions
    // stacked closely do, and two texts on one line that grew away from each other and
    // only just clear each other.
    place(QStringLiteral("Observação"), TextAlignment::Left, 0, 0, 10);
    place(QStringLiteral("FABRICA"), TextAlignment::Left, 0, fonts.lineHeight(format.font), 10);
    const double number = width(QStringLiteral("004521"));
    place(QStringLiteral("004521"), TextAlignment::Right, 300 + number / 2, 100, number / 2);
    place(QStringLiteral("/"), TextAlignment::Left, 301 + number, 100, 1);
    const std::vector<QString> before = textsOf(page);
    std::vector<float> xs;
    for (const TextRun* r : runsOf<TextRun>(page)) xs.push_back(r->x);
    texts.separate(page, fonts);
    EXPECT_EQ(textsOf(page), before);
    for (std::size_t i = 0; i < xs.size(); ++i) {
        EXPECT_EQ(run(i).x, xs[i]);
        EXPECT_EQ(run(i).font, format.font);
    }
}

TEST_F(BandTextsTest, TheTextThatOutgrewItsBoxGivesWay) {
    struct Case {
        const char* what;
        QString left;
        double rightDesignWidth;  // in widths of the right-hand text
        bool leftShrinks, rightShrinks, leftCut;
    };
    const QString customer = QStringLiteral("CALÇADOS MARIA WANDA");
    const Case cases[] = {
        {"a long remark against a caption that fits", QStringLiteral("REMARK TYPED AT LENGTH, AND SOME"), 1.1, true, false, false},
        {"both outgrow their boxes: both smaller", QStringLiteral("70001 / 8-VERMELHO ÂMBAR ESCUR"), 0.3, true, true, false},
        {"no room even at 5 pt: cut short of the other", QString(60, u'W'), 1.1, true, false, true},
    };
    for (const Case& c : cases) {
        page = {};
        texts.clear();
        const double right = 700;
        place(c.left, TextAlignment::Left, 0, 0, 300);
        place(customer, TextAlignment::Right, right - width(customer) * c.rightDesignWidth, 0, width(customer) * c.rightDesignWidth);
        texts.separate(page, fonts);
        ASSERT_EQ(runsOf<TextRun>(page).size(), 2u) << c.what;
        EXPECT_EQ(fonts.points(run(0).font) < 9, c.leftShrinks) << c.what;
        EXPECT_EQ(fonts.points(run(1).font) < 8.99, c.rightShrinks) << c.what;
        EXPECT_EQ(run(1).text, customer) << c.what;
        EXPECT_NEAR(run(1).box.x + run(1).box.w, right, 0.01) << c.what << ": the right-aligned text keeps its edge";
        if (c.leftCut) {
            EXPECT_EQ(fonts.points(run(0).font), kSmallestPoints) << c.what;
            EXPECT_TRUE(run(0).text.endsWith(u'…')) << c.what;
        } else {
            EXPECT_EQ(run(0).text, c.left) << c.what;
        }
        EXPECT_GE(ink(1).left() - ink(0).right(), 9.99) << c.what << ": 1 mm of white between them";
    }
}

}  // namespace
}  // namespace brovik::reports::test
