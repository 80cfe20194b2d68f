#include "ReportFixtures.h"
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

}  // namespace
}  // namespace brovik::reports::test
