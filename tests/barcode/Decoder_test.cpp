// Round trip through a real decoder: what we draw must scan as the text the symbology promises.
#include "BarcodeTestSupport.h"
#include "ExternalTool.h"
#include "barcode/Symbology.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace brovik::barcode;
using namespace brovik::barcode::test;
using enum TBarcodeType;

namespace {

struct DecodeCase {
    TBarcodeType type;
    const char* text;
    const char* decoded;
    bool checksum = false;
    TCheckSumMethod method = TCheckSumMethod::csmNone;
};

class ZbarRoundTrip : public ::testing::Test {
protected:
    void SetUp() override {
        if (!toolPresent("zbarimg")) GTEST_SKIP() << "zbarimg is not installed";
        ASSERT_TRUE(dir_.isValid());
    }

    // Draws with the ticket ratio at a module large enough to decode, with a quiet zone.
    QString render(const DecodeCase& c, int modul) {
        TBarcodeEncoder e;
        e.SetTyp(c.type);
        e.SetRatio(3);
        e.SetModul(modul);
        e.SetText(QString::fromLatin1(c.text));
        e.SetChecksum(c.checksum);
        e.SetCheckSumMethod(c.method);
        const int quiet = 12 * modul;
        e.SetLeft(quiet);
        e.SetTop(quiet);
        e.SetHeight(80);
        QImage image(e.Width() + 2 * quiet, 80 + 2 * quiet, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        e.DrawBarcode(painter);
        painter.end();
        const QString path = dir_.filePath(QStringLiteral("code%1.png").arg(counter_++));
        image.save(path);
        return path;
    }

    QString decode(const QString& path) {
        const ToolResult r = runTool("zbarimg", {"--raw", "-q", "-Supce.enable", path});
        return r.output.trimmed();
    }

    void expectRoundTrips(const std::vector<DecodeCase>& cases) {
        for (const DecodeCase& c : cases) {
            for (int modul : {2, 3}) {
                SCOPED_TRACE(barcodeDisplayName(c.type).toStdString() + " " + c.text + " module " + std::to_string(modul));
                EXPECT_EQ(decode(render(c, modul)), QString::fromLatin1(c.decoded));
            }
        }
    }

private:
    QTemporaryDir dir_;
    int counter_ = 0;
};

TEST_F(ZbarRoundTrip, Interleaved2of5) {
    expectRoundTrips({
        {bcCode_2_5_interleaved, "15230012", "15230012"},
        {bcCode_2_5_interleaved, "1523001", "01523001"},  // odd count: a leading zero, every digit kept
        {bcCode_2_5_interleaved, "12345670008", "012345670008"},
        {bcCode_2_5_interleaved, "712345", "712345"},
        {bcCode_2_5_interleaved, "00000", "000000"},
    });
}

TEST_F(ZbarRoundTrip, Code39) {
    expectRoundTrips({
        {bcCode39, "15230012", "15230012"},
        {bcCode39, "1523001", "1523001"},
        {bcCode39, "CODE-39 $/+%.", "CODE-39 $/+%."},
        {bcCode39, "CODE39", "CODE39W", true},
        // zbar leaves the full-ASCII pairs of Code 39 as they are.
        {bcCode39Extended, "Ticket 15230012", "T+I+C+K+E+T 15230012"},
    });
}

TEST_F(ZbarRoundTrip, Code93) {
    expectRoundTrips({
        {bcCode93, "TEST93", "TEST93"},
        {bcCode93, "15230012", "15230012"},
        {bcCode93, "12345670008", "12345670008"},
        {bcCode93Extended, "Ticket-1523001", "Ticket-1523001"},
    });
}

TEST_F(ZbarRoundTrip, Code128) {
    expectRoundTrips({
        {bcCode128A, "TICKET 15230012", "TICKET 15230012"},
        {bcCode128B, "Ticket-1523001", "Ticket-1523001"},
        {bcCode128C, "15230012", "15230012"},
        {bcCode128C, "1523001", "01523001"},
        {bcCode128C, "12345670008", "012345670008"},
    });
}

TEST_F(ZbarRoundTrip, Gs1_128) {
    expectRoundTrips({
        {bcCodeEAN128A, "10ABC123", "10ABC123"},
        {bcCodeEAN128B, "10abc-123", "10abc-123"},
        {bcCodeEAN128C, "0112345678901231", "0112345678901231"},
        {bcCodeEAN128C, "15230012", "15230012"},
        {bcCodeEAN128C, "1523001", "01523001"},
    });
}

TEST_F(ZbarRoundTrip, EanUpc) {
    expectRoundTrips({
        {bcCodeEAN8, "1234567", "12345670", true, TCheckSumMethod::csmModulo10},
        {bcCodeEAN8, "1523001", "15230010", true, TCheckSumMethod::csmModulo10},
        {bcCodeEAN8, "55123457", "55123457"},
        {bcCodeEAN13, "400638133393", "4006381333931", true, TCheckSumMethod::csmModulo10},
        {bcCodeEAN13, "12345670008", "0123456700086", true, TCheckSumMethod::csmModulo10},
        {bcCodeEAN13, "4006381333931", "4006381333931"},
        // zbar reports UPC-A in its EAN-13 form, with the leading 0.
        {bcCodeUPC_A, "036000291450", "0036000291452", true, TCheckSumMethod::csmModulo10},
        {bcCodeUPC_A, "36000291452", "0036000291452"},
        // The ticket controls' method: the check digit follows the UPC-E rule.
        {bcCodeUPC_E0, "4252610", "04252614"},
        {bcCodeUPC_E0, "1523001", "01523005"},
    });
}

TEST_F(ZbarRoundTrip, Codabar) {
    expectRoundTrips({
        {bcCodeCodabar, "15230012", "A15230012B"},
        {bcCodeCodabar, "1523001", "A1523001B"},
        {bcCodeCodabar, "40156-$:/.+", "A40156-$:/.+B"},
    });
}

}  // namespace
