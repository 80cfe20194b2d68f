#include "reports/SnappedBars.h"

#include <gtest/gtest.h>

#include <cmath>

namespace brovik::reports::test {
namespace {

// A barcode of a narrow bar, a narrow space, a wide (three-pixel) bar, at 10 mm, 20 mm of
// a 6.61 mm high box whose bitmap bars are 50 pixels high.
BarcodeRun sample(float x = 100) {
    BarcodeRun run;
    run.bars = {{0, 1, 0, 51}, {2, 3, 0, 51}};
    run.x = x;
    run.y = 200;
    run.clip = {x, 200, 330, 66.1f};
    return run;
}

DotGrid device(int dpi, int gridDpi = 0) { return DotGrid::of(QTransform::fromScale(dpi / 254.0, dpi / 254.0), gridDpi); }

TEST(SnappedBars, ModulesAreWholeDotsNearestTheBitmapPixel) {
    struct Case {
        int deviceDpi, gridDpi;
        int dotsPerPixel;
        double devicePixelsPerModule;
    };
    // A printer of 203, 300 or 600 dpi; a 96-dpi screen; a 1200-dpi PDF on its 600-dpi grid.
    const Case cases[] = {{203, 0, 2, 2}, {300, 0, 3, 3}, {600, 0, 6, 6}, {96, 0, 1, 1}, {1200, 600, 6, 12}};
    for (const Case& c : cases) {
        const DotGrid grid = device(c.deviceDpi, c.gridDpi);
        EXPECT_EQ(grid.dotsPerPixel(), c.dotsPerPixel) << c.deviceDpi;
        const std::vector<QRectF> bars = snappedBars(sample(), grid);
        ASSERT_EQ(bars.size(), 2u);
        const double m = c.devicePixelsPerModule;
        EXPECT_DOUBLE_EQ(std::fmod(bars[0].left(), m), 0) << c.deviceDpi << ": starts on a whole module";
        EXPECT_DOUBLE_EQ(bars[1].left() - bars[0].left(), 2 * m) << c.deviceDpi;
        // Each bar stops a little under half a dot short of its last dot's edge.
        EXPECT_NEAR(bars[0].width(), m, 0.5 * m / c.dotsPerPixel) << c.deviceDpi;
        EXPECT_GT(bars[0].width(), m - 0.5 * m / c.dotsPerPixel) << c.deviceDpi;
        EXPECT_NEAR(bars[1].width(), 3 * m, 0.5 * m / c.dotsPerPixel) << c.deviceDpi;
    }
}

TEST(SnappedBars, BarsStayInsideTheirBox) {
    const DotGrid grid = device(300);
    // The box starts between two modules of the device: the bars start at the next one.
    const BarcodeRun run = sample(100.5f);
    const std::vector<QRectF> bars = snappedBars(run, grid);
    ASSERT_EQ(bars.size(), 2u);
    EXPECT_GE(bars[0].left(), run.clip.x * 300 / 254.0);
    EXPECT_LT(bars[0].left(), run.clip.x * 300 / 254.0 + 3);
    // 50-pixel bars are cut by the 6.61 mm box, as the picture is.
    EXPECT_NEAR(bars[0].top(), std::round(200 * 300 / 254.0), 1e-9);
    EXPECT_LE(bars[0].bottom(), std::round((200 + 66.1) * 300 / 254.0));
    // A bar beyond the box's right edge does not print; one across it is cut.
    BarcodeRun wide = sample();
    wide.clip.w = 3 * kUnitsPerImagePixel;
    const std::vector<QRectF> cut = snappedBars(wide, grid);
    ASSERT_EQ(cut.size(), 2u);
    EXPECT_LE(cut[1].right(), (wide.clip.x + wide.clip.w) * 300 / 254.0);
    wide.clip.w = 1.5 * kUnitsPerImagePixel;
    EXPECT_EQ(snappedBars(wide, grid).size(), 1u);
}

}  // namespace
}  // namespace brovik::reports::test
