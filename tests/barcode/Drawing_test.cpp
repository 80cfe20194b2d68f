#include "BarcodeTestSupport.h"
#include "barcode/EBarcodeError.h"
#include "barcode/TBarcodeControl.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

using namespace brovik::barcode;
using namespace brovik::barcode::test;
using enum TBarcodeType;

namespace {

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kGrey = qRgb(128, 128, 128);  // background, to tell painted spaces from untouched pixels

QImage canvas(int w, int h, QRgb fill = kGrey) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

void draw(TBarcodeEncoder& e, QImage& image) {
    QPainter painter(&image);
    e.DrawBarcode(painter);
}

TBarcodeEncoder ticketEncoder(const QString& text, int height = 50) {
    TBarcodeEncoder e = makeEncoder(bcCode_2_5_interleaved, text, 1, 3);
    e.SetHeight(height);
    return e;
}

TEST(BarcodeDrawing, InterleavedTwelveCoversColumns0To26AndRows0To50) {
    TBarcodeEncoder e = ticketEncoder("12");
    QImage image = canvas(40, 60);
    draw(e, image);
    const std::string modules = moduleString(e, e.Pattern());
    ASSERT_EQ(modules.size(), 27u);
    EXPECT_EQ(modules.front(), '1');
    EXPECT_EQ(modules.back(), '1');
    for (int x = 0; x < 27; ++x) {
        const QRgb expected = modules[x] == '1' ? kBlack : kWhite;
        EXPECT_EQ(image.pixel(x, 0), expected) << x;
        EXPECT_EQ(image.pixel(x, 50), expected) << x;
        EXPECT_EQ(image.pixel(x, 51), kGrey) << x;
    }
    for (int y = 0; y < 60; ++y) EXPECT_EQ(image.pixel(27, y), kGrey) << y;
}

TEST(BarcodeDrawing, ShortBarsHangFromTheTop) {
    TBarcodeEncoder e = makeEncoder(bcCodePostNet, "1");  // start bar full, then three short bars
    e.SetHeight(50);
    QImage image = canvas(60, 60);
    draw(e, image);
    EXPECT_EQ(image.pixel(0, 50), kBlack);  // full bar
    const int shortBar = 3;                 // after the full bar and its wide space
    EXPECT_EQ(image.pixel(shortBar, 0), kBlack);
    EXPECT_EQ(image.pixel(shortBar, 20), kBlack);
    EXPECT_EQ(image.pixel(shortBar, 21), kGrey);
}

// Bars written straight into the image match what the painter itself would fill, and a
// painter that cannot take the shortcut (a clip, a shared image) still gets every bar.
TEST(BarcodeDrawing, DirectFillMatchesThePainter) {
    struct Case { TBarcodeType type; const char* text; int left; };
    const Case cases[] = {{bcCode_2_5_interleaved, "15230012", 0}, {bcCodePostNet, "1234", 3},
                          {bcCode128B, "Ab-12", -5}, {bcCodeEAN13, "789001001", 20}};
    for (const Case& c : cases) {
        TBarcodeEncoder e = makeEncoder(c.type, QString::fromLatin1(c.text), 2, 3);
        e.SetHeight(30);
        e.SetLeft(c.left);
        e.SetColor(QColor(250, 250, 240));
        e.SetColorBar(QColor(10, 20, 90));
        QImage direct = canvas(220, 40);
        draw(e, direct);
        QImage clipped = canvas(220, 40);
        {
            QPainter painter(&clipped);
            painter.setClipRect(clipped.rect());
            e.DrawBarcode(painter);
        }
        EXPECT_EQ(direct, clipped) << c.text;
        QImage shared = canvas(220, 40);
        const QImage before = shared;
        draw(e, shared);
        EXPECT_EQ(shared, direct) << c.text;
        EXPECT_EQ(before, canvas(220, 40)) << c.text;
    }
}

TEST(BarcodeDrawing, Angle90TurnsCounterClockwise) {
    TBarcodeEncoder e = ticketEncoder("1234567890");
    e.SetAngle(90);
    ASSERT_EQ(e.Width(), 99);
    QImage image = canvas(120, 120);
    draw(e, image);
    const std::string modules = moduleString(e, e.Pattern());
    for (int i = 0; i < 99; ++i) {
        const QRgb expected = modules[i] == '1' ? kBlack : kWhite;
        EXPECT_EQ(image.pixel(0, 99 - i), expected) << i;
        EXPECT_EQ(image.pixel(50, 99 - i), expected) << i;
        EXPECT_EQ(image.pixel(51, 99 - i), kGrey) << i;
    }
    EXPECT_EQ(image.pixel(0, 0), kGrey);
    EXPECT_EQ(image.pixel(0, 100), kGrey);
}

TEST(BarcodeDrawing, OriginShiftsTheBarcode) {
    TBarcodeEncoder e = ticketEncoder("12");
    e.SetLeft(5);
    e.SetTop(7);
    QImage image = canvas(40, 70);
    draw(e, image);
    EXPECT_EQ(image.pixel(4, 7), kGrey);
    EXPECT_EQ(image.pixel(5, 6), kGrey);
    EXPECT_EQ(image.pixel(5, 7), kBlack);
    EXPECT_EQ(image.pixel(31, 57), kBlack);
    EXPECT_EQ(image.pixel(32, 57), kGrey);
}

TEST(BarcodeDrawing, CanvasSize) {
    TBarcodeEncoder e = ticketEncoder("1234567890");
    ASSERT_EQ(e.Width(), 99);
    EXPECT_EQ(e.CanvasWidth(), 100);  // 99.5 to even
    EXPECT_EQ(e.CanvasHeight(), 50);  // 50.5 to even
    TBarcodeEncoder hundred = makeEncoder(bcCode93, "ABCDEFG");
    hundred.SetHeight(50);
    ASSERT_EQ(hundred.Width(), 100);
    EXPECT_EQ(hundred.CanvasWidth(), 100);  // 100.5 to even
}

TEST(BarcodeDrawing, ColoursAndPainterStateRestored) {
    TBarcodeEncoder e = ticketEncoder("12");
    e.SetColor(Qt::yellow);
    e.SetColorBar(Qt::blue);
    QImage image = canvas(40, 60);
    QPainter painter(&image);
    const QPen pen(Qt::green, 3);
    painter.setPen(pen);
    painter.setBrush(Qt::red);
    e.DrawBarcode(painter);
    EXPECT_EQ(painter.pen(), pen);
    EXPECT_EQ(painter.brush().color(), QColor(Qt::red));
    painter.end();
    EXPECT_EQ(image.pixel(0, 10), QColor(Qt::blue).rgb());
    EXPECT_EQ(image.pixel(1, 10), QColor(Qt::yellow).rgb());
}

TEST(BarcodeDrawing, FailureDrawsNothing) {
    TBarcodeEncoder e = ticketEncoder("12x");
    QImage image = canvas(40, 60);
    const QImage before = image;
    EXPECT_THROW(draw(e, image), EBarcodeError);
    EXPECT_EQ(image, before);
}

// Bounding rectangle of the reddish pixels (text is antialiased).
QRect extentOfRed(const QImage& image) {
    QRect r;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qRed(p) > 160 && qGreen(p) < 100 && qBlue(p) < 100) r |= QRect(x, y, 1, 1);
        }
    return r;
}

TEST(BarcodeDrawing, HumanReadableText) {
    const QRgb red = qRgb(255, 0, 0);
    TBarcodeFont font;
    font.Name = "Liberation Sans";
    font.Color = QColor(red);
    struct Case { TBarcodeOption option; TShowTextPosition position; bool textBelowTop; bool textAboveTop; };
    const Case cases[] = {
        {TBarcodeOption::bcoCode, TShowTextPosition::stpTopLeft, true, false},
        {TBarcodeOption::bcoCode, TShowTextPosition::stpBottomRight, true, false},
        {TBarcodeOption::bcoTyp, TShowTextPosition::stpTopLeft, false, true},  // font height -11 puts it 28 px above
        {TBarcodeOption::bcoBoth, TShowTextPosition::stpTopCenter, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.option) * 10 + static_cast<int>(c.position));
        TBarcodeEncoder e = ticketEncoder("1234567890");
        e.SetLeft(10);
        e.SetTop(40);
        e.SetShowTextFont(font);
        e.SetShowText(c.option);
        e.SetShowTextPosition(c.position);
        QImage image = canvas(130, 110);
        draw(e, image);
        const QRect text = extentOfRed(image);
        ASSERT_FALSE(text.isNull());
        EXPECT_GE(text.left(), 10);
        EXPECT_LE(text.right(), 10 + 99);
        EXPECT_EQ(text.bottom() >= 40, c.textBelowTop);
        EXPECT_EQ(text.top() < 40, c.textAboveTop);
        if (c.position == TShowTextPosition::stpBottomRight) {
            EXPECT_GT(text.top(), 60);
            EXPECT_GT(text.left(), 40);
        }
    }
}

TEST(BarcodeControl, ConstructionGeometry) {
    TBarcodeControl control;
    EXPECT_EQ(control.encoder().Left(), 0);
    EXPECT_EQ(control.encoder().Top(), 0);
    EXPECT_EQ(control.encoder().Height(), 50);
    EXPECT_EQ(control.Modul(), 2);  // 200 / 95, the empty EAN-13 at module 1
    EXPECT_EQ(control.BoundsRect(), QRect(0, 0, 200, 50));
}

// The ticket step: set symbology, ratio, module, text and placement, then draw into the bitmap.
void ticketStep(TBarcodeControl& control, QImage& bitmap, const QString& text) {
    control.SetTyp(bcCode_2_5_interleaved);
    control.SetRatio(3);
    control.SetModul(1);
    control.SetText(text);
    control.SetBounds(10, 10, bitmap.width() - 20, bitmap.height() - 20);
    control.DrawBarcode(bitmap);
}

TEST(BarcodeControl, TicketStepFillsTheImageHeightFromTheTopLeft) {
    TBarcodeControl control;
    QImage low = canvas(405, 40, kWhite);
    ticketStep(control, low, "1523001");
    EXPECT_EQ(control.Text(), "01523001");
    for (int y = 0; y < 40; ++y) EXPECT_EQ(low.pixel(0, y), kBlack) << y;
    EXPECT_EQ(low.pixel(80, 0), kBlack);  // last bar of 9 + 4 x 18 = 81 pixels
    EXPECT_EQ(low.pixel(81, 0), kWhite);

    QImage tall = canvas(405, 60, kWhite);
    ticketStep(control, tall, "15230012");
    EXPECT_EQ(tall.pixel(0, 50), kBlack);
    EXPECT_EQ(tall.pixel(0, 51), kWhite);
}

TEST(BarcodeControl, NarrowerBarcodeLeavesTheWiderOneVisible) {
    TBarcodeControl control;
    QImage bitmap = canvas(405, 40, kWhite);
    ticketStep(control, bitmap, "12345670008");  // 012345670008: 9 + 6 x 18 = 117 pixels
    const QImage wide = bitmap.copy(81, 0, 36, 40);
    ticketStep(control, bitmap, "15230012");  // 81 pixels
    EXPECT_EQ(bitmap.copy(81, 0, 36, 40), wide);
    EXPECT_EQ(bitmap.pixel(116, 0), kBlack);
}

TEST(BarcodeControl, FailureIsAnExceptionWithTheMessage) {
    TBarcodeControl control;
    QImage bitmap = canvas(405, 40, kWhite);
    try {
        ticketStep(control, bitmap, "-15230012");
        FAIL() << "no failure";
    } catch (const std::exception& error) {
        EXPECT_STREQ(error.what(), "Barcode must be numeric");
    }
    EXPECT_EQ(bitmap.pixel(0, 0), kWhite);
}

TEST(BarcodeControl, PaintFitsTheControlAndRepaintsOnChange) {
    TBarcodeControl control;
    control.SetTyp(bcCode_2_5_interleaved);
    control.SetRatio(3);
    control.SetText("1234567890");  // 99 pixels at module 1
    control.SetBounds(0, 0, 200, 30);
    int repaints = 0;
    control.SetOnInvalidate([&] { ++repaints; });
    QImage image = canvas(200, 30);
    {
        QPainter painter(&image);
        control.Paint(painter);
    }
    EXPECT_EQ(control.Modul(), 2);  // 2 (from construction) x 200 / 198 = 2
    EXPECT_EQ(control.encoder().Height(), 30);
    EXPECT_EQ(image.pixel(199, 29), kWhite);  // background in Color, no grey left
    EXPECT_EQ(image.pixel(0, 29), kBlack);
    EXPECT_EQ(repaints, 0);
    control.SetText("12");
    EXPECT_EQ(repaints, 1);
}

TEST(BarcodeControl, TransparentPaintLeavesTheBackground) {
    TBarcodeControl control;
    control.SetTyp(bcCode_2_5_interleaved);
    control.SetText("12");
    control.SetTransparent(true);
    QImage image = canvas(200, 50);
    QPainter painter(&image);
    control.Paint(painter);
    painter.end();
    EXPECT_EQ(image.pixel(199, 10), kGrey);
}

}  // namespace
