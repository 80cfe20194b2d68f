#include "reports/CarriedText.h"

#include <gtest/gtest.h>

namespace brovik::reports::test {
namespace {

using enum barcode::TBarcodeType;

bool carried(CarriedText& check, barcode::TBarcodeType type, const QString& text) {
    barcode::TBarcodeControl control;
    control.SetTyp(type);
    control.SetCheckSumMethod(barcode::TCheckSumMethod::csmNone);  // as the ticket controls
    control.SetText(text);
    control.encoder().Pattern();  // encodes as the drawing does: the text written back
    return check.whole(control);
}

TEST(CarriedText, TellsTheSymbologiesThatWouldShortenATextFromThoseThatKeepItWhole) {
    struct Case {
        barcode::TBarcodeType type;
        const char* text;
        bool whole;
    };
    const Case cases[] = {
        // Ticket texts of 9 and 10 digits: only UPC-E and the supplements lose digits.
        {bcCode_2_5_interleaved, "152300012", true}, {bcCode_2_5_industrial, "152300012", true},
        {bcCode_2_5_matrix, "152300012", true},      {bcCode39, "152300012", true},
        {bcCode128B, "1523010012", true},            {bcCode128C, "152300012", true},
        {bcCode93, "152300012", true},               {bcCodeMSI, "152300012", true},
        {bcCodePostNet, "152300012", true},          {bcCodeCodabar, "152300012", true},
        {bcCodeEAN13, "1523010012", true},           {bcCodeUPC_A, "1523010012", true},
        {bcCodeEAN128C, "1523010012", true},         {bcCodeUPC_E0, "152300012", false},
        {bcCodeUPC_E1, "1523010012", false},         {bcCodeUPC_Supp2, "152300012", false},
        {bcCodeUPC_Supp5, "1523010012", false},
        // Within their lengths the supplements carry the text; UPC-A beyond 12 digits does not.
        {bcCodeUPC_Supp2, "15", true}, {bcCodeUPC_Supp5, "99005", true}, {bcCodeUPC_A, "1234567890123", false},
        // UPC-E keeps six digits: the seventh only picks the parity of its check digit.
        {bcCodeUPC_E0, "1234567", false},
        // Characters a symbology lacks are skipped or printed as blanks.
        {bcCode39, "ab12", false}, {bcCode128A, "x12", false}, {bcCode128B, "12é", false}, {bcCode39Extended, "12é", false},
        {bcCode128B, "ab12", true}, {bcCode39Extended, "ab12", true},
    };
    CarriedText check;
    for (const Case& c : cases)
        EXPECT_EQ(carried(check, c.type, QString::fromUtf8(c.text)), c.whole) << int(c.type) << " " << c.text;
    // Asked again, the remembered answers agree.
    for (const Case& c : cases) EXPECT_EQ(carried(check, c.type, QString::fromUtf8(c.text)), c.whole) << int(c.type) << " " << c.text;
}

}  // namespace
}  // namespace brovik::reports::test
