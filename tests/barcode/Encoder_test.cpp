#include "BarcodeTestSupport.h"
#include "barcode/Symbology.h"
#include "barcode/EBarcodeError.h"

#include <gtest/gtest.h>

using namespace brovik::barcode;
using namespace brovik::barcode::test;
using enum TBarcodeType;

namespace {

struct PatternCase {
    const char* name;
    TBarcodeType type;
    const char* text;
    double ratio;
    std::string pattern;
    int width;               // at module 1; -1 when not checked
    const char* textAfter;   // the property after encoding
};

const std::string kStar39 = "515060605";  // Code 39 '*': n w n n w n w n n

TEST(BarcodeEncoder, WorkedPatterns) {
    const PatternCase cases[] = {
        {"i25 12", bcCode_2_5_interleaved, "12", 3, "5050" "6051505061" "605", 27, "12"},
        {"i25 0000", bcCode_2_5_interleaved, "0000", 3, "5050" "5050616150" "5050616150" "605", 45, "0000"},
        {"i25 empty", bcCode_2_5_interleaved, "", 3, "5050605", 9, ""},
        {"i25 trailing blank trimmed", bcCode_2_5_interleaved, " 12 \t", 3, "5050" "6051505061" "605", 27, "12"},
        // An odd digit count gets a leading zero so that the last digit is encoded.
        {"i25 odd", bcCode_2_5_interleaved, "123", 3, "5050" "5150606051" "5161505060" "605", 45, "0123"},
        {"c128C odd written back", bcCode128C, "123", 2, barFirst("211232" "222122" "312131" "211331" "2331112"), 57, "0123"},
        {"c39 lower case skipped", bcCode39, "abc", 2, kStar39 + "0" + kStar39, -1, "abc"},
        {"industrial 1", bcCode_2_5_industrial, "1", 3, "606050" "6050505060" "605060", -1, "1"},
        {"matrix 1", bcCode_2_5_matrix, "1", 3, "705050" "605060" "70505", -1, "1"},
        {"postnet 1", bcCodePostNet, "1", 2, "51" "A1A1A15151" "5", -1, "1"},
        {"msi 1234", bcCodeMSI, "1234", 2, "60" "51515160" "51516051" "51516060" "51605151" "51605151" "515", -1, "1234"},
        {"codabar 1", bcCodeCodabar, "1", 2, "5061515" "0" "5050615" "0" "5151506", -1, "1"},
        {"supp2 pads", bcCodeUPC_Supp2, "7", 2, "506" "0517" "05" "1525", -1, "07"},
    };
    for (const PatternCase& c : cases) {
        SCOPED_TRACE(c.name);
        TBarcodeEncoder e = makeEncoder(c.type, c.text, 1, c.ratio);
        EXPECT_EQ(e.Pattern(), c.pattern);
        if (c.width >= 0) {
            EXPECT_EQ(e.Width(), c.width);
        }
        EXPECT_EQ(e.Text(), QString::fromLatin1(c.textAfter));
    }
}

TEST(BarcodeEncoder, InterleavedWidthIsNinePlusEighteenPerPair) {
    TBarcodeEncoder e = makeEncoder(bcCode_2_5_interleaved, "1234567890", 1, 3);
    EXPECT_EQ(e.Width(), 99);
    e.SetText("1234567");  // seven-digit ticket text: four pairs after the leading zero
    EXPECT_EQ(e.Width(), 9 + 18 * 4);
    EXPECT_EQ(e.Text(), "01234567");
}

TEST(BarcodeEncoder, EquivalentTexts) {
    struct Case { TBarcodeType type; const char* text; bool checksum; TBarcodeType sameType; const char* same; };
    const Case cases[] = {
        {bcCodeEAN13, "123", false, bcCodeEAN13, "0000000000123"},
        {bcCodeEAN13, "400638133393", true, bcCodeEAN13, "4006381333931"},
        {bcCodeEAN13, "4006381333930", true, bcCodeEAN13, "4006381333931"},  // a full text has its check replaced
        {bcCodeEAN8, "5512345", true, bcCodeEAN8, "55123457"},
        {bcCodeEAN8, "123", false, bcCodeEAN8, "00000123"},
        {bcCodeUPC_A, "036000291450", true, bcCodeUPC_A, "036000291452"},
        {bcCode39, "CODE39", true, bcCode39, "CODE39W"},  // (12+24+13+14+3+9) mod 43 = 32 = W
        {bcCode39Extended, "ab-.", false, bcCode39, "+A+B/M/N"},
        {bcCode39Extended, "A\xe9" "B", false, bcCode39, "AB"},
        {bcCodeCodabar, "1x2", false, bcCodeCodabar, "12"},  // no pattern for x: skipped
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TBarcodeEncoder e = makeEncoder(c.type, QString::fromLatin1(c.text));
        e.SetChecksum(c.checksum);
        TBarcodeEncoder reference = makeEncoder(c.sameType, c.same);
        EXPECT_EQ(e.Pattern(), reference.Pattern());
    }
}

// Checksum with csmNone has no digit to add: the text is not shifted by the padding.
TEST(BarcodeEncoder, ChecksumWithoutMethodKeepsTheDigits) {
    for (auto [type, text] : {std::pair{bcCodeEAN13, "4006381333931"}, {bcCodeEAN8, "55123457"}, {bcCodeUPC_A, "036000291452"}}) {
        TBarcodeEncoder e = makeEncoder(type, text);
        e.SetCheckSumMethod(TCheckSumMethod::csmNone);
        e.SetChecksum(true);
        EXPECT_EQ(e.Pattern(), makeEncoder(type, text).Pattern()) << text;
    }
}

TEST(BarcodeEncoder, ExtendedSymbologiesKeepTheirText) {
    for (TBarcodeType type : {bcCode39Extended, bcCode93Extended}) {
        TBarcodeEncoder e = makeEncoder(type, QString::fromUtf8("ab\xc3\xa9-"));
        e.Pattern();
        EXPECT_EQ(e.Text(), QString::fromUtf8("ab\xc3\xa9-"));
    }
}

TEST(BarcodeEncoder, CheckAndSubstitutedCharacters) {
    constexpr size_t kAtEnd = std::string::npos;
    struct Case { const char* name; TBarcodeType type; const char* text; size_t from; std::string widths; };
    const Case cases[] = {
        {"code93 TEST93: C = +, K = 6", bcCode93, "TEST93", kAtEnd, "113121" "121311" "1111411"},
        {"code93 extended a: (+) A", bcCode93Extended, "a", 6, "122211" "211113"},
        {"code128B AB: check 102", bcCode128B, "AB", kAtEnd, "411131" "2331112"},
        {"code128C 0123: check 49", bcCode128C, "0123", kAtEnd, "211331" "2331112"},
        {"ean128C 0123: check 72, FNC1 counted", bcCodeEAN128C, "0123", kAtEnd, "122411" "2331112"},
        {"ean128B: FNC1 after the start", bcCodeEAN128B, "A", 0, "211214" "411131"},
        {"code128A: lower case encodes as space", bcCode128A, "a", 6, "212222"},
        {"msi 1234: check 4", bcCodeMSI, "1234", kAtEnd, "12211212" "121"},
        {"msi 123: check 2", bcCodeMSI, "123", kAtEnd, "12122112" "121"},
        {"msi 23 digits: check 8", bcCodeMSI, "12345678901234567890123", kAtEnd, "21121212" "121"},
        {"msi 29 digits: check 9", bcCodeMSI, "98765432109876543210987654321", kAtEnd, "21121221" "121"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TBarcodeEncoder e = makeEncoder(c.type, c.text);
        const std::string widths = cellWidths(e.Pattern());
        ASSERT_GE(widths.size(), c.widths.size());
        const size_t from = c.from == kAtEnd ? widths.size() - c.widths.size() : c.from;
        EXPECT_EQ(widths.substr(from, c.widths.size()), c.widths);
    }
}

TEST(BarcodeEncoder, DoCheckSumming) {
    TBarcodeEncoder e;
    EXPECT_EQ(e.DoCheckSumming("400638133393"), "4006381333931");
    EXPECT_EQ(e.DoCheckSumming("0"), "00");
    EXPECT_EQ(e.DoCheckSumming("1"), "17");
    e.SetCheckSumMethod(TCheckSumMethod::csmNone);
    EXPECT_EQ(e.DoCheckSumming("123"), "123");
}

TEST(BarcodeEncoder, UpcE) {
    // 425261 in number system 0 stands for UPC-A 04210000526, check digit 4.
    TBarcodeEncoder e = makeEncoder(bcCodeUPC_E0, "4252610");
    e.SetCheckSumMethod(TCheckSumMethod::csmNone);
    e.SetChecksum(true);
    const std::string widths = cellWidths(e.Pattern());
    EXPECT_EQ(e.Text(), "4252614");
    // Parity GLGGLL: 4 in G, 2 in L, 5 in G, 2 in G, 6 in L, 1 in L.
    EXPECT_EQ(widths, "111" "2311" "2122" "1321" "2212" "1114" "2221" "111111");
    // E1 takes the opposite sets.
    e.SetTyp(bcCodeUPC_E1);
    EXPECT_EQ(cellWidths(e.Pattern()).substr(3, 4), "1132");

    // With csmModulo10 the parity row follows DoCheckSumming over the six digits
    // (425261 -> 0, row GGGLLL), which is not the UPC-E check digit.
    TBarcodeEncoder modulo10 = makeEncoder(bcCodeUPC_E0, "4252610");
    EXPECT_EQ(cellWidths(modulo10.Pattern()).substr(3, 12), "2311" "2212" "1321");

    TBarcodeEncoder padded = makeEncoder(bcCodeUPC_E0, "12");
    padded.Pattern();
    EXPECT_EQ(padded.Text(), "0000012");
}

TEST(BarcodeEncoder, UpcSupplementFiveParity) {
    // 52495: (3*(5+4+5) + 9*(2+9)) mod 10 = 1, sets GLGLL.
    TBarcodeEncoder e = makeEncoder(bcCodeUPC_Supp5, "52495");
    EXPECT_EQ(cellWidths(e.Pattern()), "112" "1321" "11" "2122" "11" "2311" "11" "3112" "11" "1231");
}

TEST(BarcodeEncoder, Failures) {
    struct Case { TBarcodeType type; const char* text; const char* message; };
    const Case cases[] = {
        {bcCode_2_5_interleaved, "12a4", "Barcode must be numeric"},
        {bcCode_2_5_interleaved, "-15230012", "Barcode must be numeric"},
        {bcCodeEAN8, "123456789", "Invalid Text len (EAN8)"},
        {bcCodeEAN13, "12345678901234", "Invalid Text len (EAN13)"},
        {bcCode93, "ab", "TBarcodeEncoder:Code93 bad Data <ab>"},
        {bcCode128C, "12 34", "Barcode must be numeric"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        TBarcodeEncoder e = makeEncoder(c.type, c.text);
        try {
            e.Width();
            ADD_FAILURE() << "no failure";
        } catch (const EBarcodeError& error) {
            EXPECT_EQ(error.message(), QString::fromLatin1(c.message));
            EXPECT_STREQ(error.what(), c.message);
        }
    }
}

TEST(BarcodeEncoder, FailureKeepsCorrectedState) {
    TBarcodeEncoder e = makeEncoder(bcCode_2_5_interleaved, " 12x ", 1, 1.5);
    EXPECT_THROW(e.Pattern(), EBarcodeError);
    EXPECT_EQ(e.Ratio(), 2.0);
    EXPECT_EQ(e.Text(), "12x");
}

TEST(BarcodeEncoder, RatioLimits) {
    struct Case { TBarcodeType type; double ratio; double after; };
    const Case cases[] = {
        {bcCode_2_5_interleaved, 1.5, 2.0}, {bcCode_2_5_interleaved, 3.5, 3.0}, {bcCode_2_5_matrix, 2.0, 2.25},
        {bcCode_2_5_matrix, 3.2, 3.0},      {bcCodeEAN13, 4.0, 3.0},            {bcCodeCodabar, 1.0, 2.0},
        {bcCodeUPC_Supp5, 2.5, 2.5},        {bcCode128B, 1.5, 1.5},             {bcCodeMSI, 5.0, 5.0},
        {bcCodeEAN128C, 1.0, 1.0},          {bcCode93, 4.0, 4.0},               {bcCodePostNet, 1.2, 1.2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(barcodeDisplayName(c.type).toStdString());
        TBarcodeEncoder e = makeEncoder(c.type, "12", 1, c.ratio);
        int changes = 0;
        e.SetOnChange([&] { ++changes; });
        e.Width();
        EXPECT_EQ(e.Ratio(), c.after);
        EXPECT_EQ(changes, c.ratio == c.after ? 0 : 1);
        e.Width();
        EXPECT_EQ(e.Ratio(), c.after);
    }
}

// Each symbology's facts as the encoder shows them: the ratio range (1.0 and 4.0 brought in or
// kept), the cells at module 2 and ratio 3 (fixed module widths ignore the ratio), whether
// "1a" is refused, and what becomes of the text "1" (padded and written back, or kept).
TEST(BarcodeEncoder, EverySymbologysRatioCellsAndText) {
    struct Case { TBarcodeType type; double low, high; bool fixedCells, digitsOnly; const char* textAfter; };
    const Case cases[] = {
        {bcCode_2_5_interleaved, 2.0, 3.0, false, true, "01"},  {bcCode_2_5_industrial, 2.0, 3.0, false, true, "1"},
        {bcCode_2_5_matrix, 2.25, 3.0, false, true, "1"},       {bcCode39, 2.0, 3.0, false, false, "1"},
        {bcCode39Extended, 2.0, 3.0, false, false, "1"},        {bcCode128A, 1.0, 4.0, true, false, "1"},
        {bcCode128B, 1.0, 4.0, true, false, "1"},               {bcCode128C, 1.0, 4.0, true, true, "01"},
        {bcCode93, 1.0, 4.0, true, false, "1"},                 {bcCode93Extended, 1.0, 4.0, true, false, "1"},
        {bcCodeMSI, 1.0, 4.0, false, true, "1"},                {bcCodePostNet, 1.0, 4.0, false, true, "1"},
        {bcCodeCodabar, 2.0, 3.0, false, false, "1"},           {bcCodeEAN8, 2.0, 3.0, true, true, "1"},
        {bcCodeEAN13, 2.0, 3.0, true, true, "1"},               {bcCodeUPC_A, 2.0, 3.0, true, true, "000000000001"},
        {bcCodeUPC_E0, 2.0, 3.0, true, true, "0000001"},        {bcCodeUPC_E1, 2.0, 3.0, true, true, "0000001"},
        {bcCodeUPC_Supp2, 2.0, 3.0, true, true, "01"},          {bcCodeUPC_Supp5, 2.0, 3.0, true, true, "00001"},
        {bcCodeEAN128A, 1.0, 4.0, true, false, "1"},            {bcCodeEAN128B, 1.0, 4.0, true, false, "1"},
        {bcCodeEAN128C, 1.0, 4.0, true, true, "01"},
    };
    static_assert(std::size(cases) == kBarcodeTypeCount);
    for (const Case& c : cases) {
        SCOPED_TRACE(barcodeDisplayName(c.type).toStdString());
        TBarcodeEncoder low = makeEncoder(c.type, "1", 1, 1.0);
        low.Width();
        EXPECT_EQ(low.Ratio(), c.low);
        EXPECT_EQ(low.Text(), c.textAfter);
        TBarcodeEncoder high = makeEncoder(c.type, "1", 2, 4.0);
        high.Width();
        EXPECT_EQ(high.Ratio(), c.high);
        TBarcodeEncoder cells = makeEncoder(c.type, "1", 2, 3.0);
        cells.Width();
        EXPECT_EQ(cells.modules(), c.fixedCells ? (std::array<int, 4>{2, 4, 6, 8}) : (std::array<int, 4>{2, 6, 9, 12}));
        TBarcodeEncoder letters = makeEncoder(c.type, "1a");
        QString refusal;
        try {
            letters.Width();
        } catch (const EBarcodeError& e) {
            refusal = e.message();
        }
        if (c.digitsOnly)
            EXPECT_EQ(refusal, "Barcode must be numeric");
        else if (c.type == bcCode93)  // no lower-case letters in plain Code 93
            EXPECT_EQ(refusal, "TBarcodeEncoder:Code93 bad Data <1a>");
        else
            EXPECT_EQ(refusal, "");
    }
}

TEST(BarcodeEncoder, WidthCells) {
    struct Case { int modul; double ratio; std::array<int, 4> cells; };
    const Case cases[] = {
        {1, 2.0, {1, 2, 3, 4}}, {1, 3.0, {1, 3, 4, 6}}, {1, 2.5, {1, 2, 3, 4}},  // 2.5 rounds to even
        {3, 2.5, {3, 8, 12, 16}}, {2, 2.25, {2, 4, 6, 8}}, {40, 3.0, {40, 120, 180, 240}},  // no 8-bit overflow
    };
    for (const Case& c : cases) {
        TBarcodeEncoder e = makeEncoder(bcCode_2_5_interleaved, "12", c.modul, c.ratio);
        e.Width();
        EXPECT_EQ(e.modules(), c.cells) << c.modul << " x " << c.ratio;
    }
}

// The tables of these symbologies are in module widths 1..4; the ticket ratio of 3 must not
// stretch them out of shape, though the property keeps the value it was given.
TEST(BarcodeEncoder, ModuleWidthSymbologiesIgnoreTheRatio) {
    for (TBarcodeType type : {bcCode128B, bcCode93, bcCodeEAN13, bcCodeUPC_E0, bcCodeUPC_Supp2, bcCodeEAN128C}) {
        TBarcodeEncoder e = makeEncoder(type, "12", 2, 3.0);
        e.Width();
        EXPECT_EQ(e.modules(), (std::array<int, 4>{2, 4, 6, 8})) << barcodeDisplayName(type).toStdString();
        EXPECT_EQ(e.Ratio(), 3.0);
    }
}

TEST(BarcodeEncoder, ModulAcceptedFromOneTo49) {
    TBarcodeEncoder e;
    int changes = 0;
    e.SetOnChange([&] { ++changes; });
    e.SetModul(3);
    e.SetModul(0);
    e.SetModul(50);
    e.SetModul(-1);
    EXPECT_EQ(e.Modul(), 3);
    EXPECT_EQ(changes, 1);
    e.SetModul(3);  // unchanged, still notified
    e.SetModul(49);
    EXPECT_EQ(e.Modul(), 49);
    EXPECT_EQ(changes, 3);
}

TEST(BarcodeEncoder, SettersNotifyOnlyOnChange) {
    TBarcodeEncoder e;
    int changes = 0;
    e.SetOnChange([&] { ++changes; });
    e.SetText("12");
    e.SetText("12");
    e.SetTyp(bcCodeEAN13);  // the default
    e.SetHeight(50);
    e.SetAngle(90);
    e.SetChecksum(true);
    e.SetShowText(TBarcodeOption::bcoBoth);
    e.SetShowTextPosition(TShowTextPosition::stpTopLeft);  // the default
    e.SetShowTextFont(e.ShowTextFont());                   // copied and notified even when equal
    EXPECT_EQ(changes, 6);
    e.SetColor(Qt::red);
    e.SetColorBar(Qt::blue);
    e.SetCheckSumMethod(TCheckSumMethod::csmNone);
    EXPECT_EQ(changes, 6);
}

TEST(BarcodeEncoder, Defaults) {
    TBarcodeEncoder e;
    EXPECT_EQ(e.Height(), 0);
    EXPECT_EQ(e.Modul(), 1);
    EXPECT_EQ(e.Ratio(), 2.0);
    EXPECT_EQ(e.Typ(), bcCodeEAN13);
    EXPECT_FALSE(e.Checksum());
    EXPECT_EQ(e.CheckSumMethod(), TCheckSumMethod::csmModulo10);
    EXPECT_EQ(e.Color(), QColor(Qt::white));
    EXPECT_EQ(e.ColorBar(), QColor(Qt::black));
    EXPECT_EQ(e.ShowText(), TBarcodeOption::bcoNone);
}

TEST(BarcodeEncoder, WidthWriteRescalesModul) {
    TBarcodeEncoder e = makeEncoder(bcCode_2_5_interleaved, "12", 1, 3);
    e.SetWidth(60);  // 1 * 60 / 27
    EXPECT_EQ(e.Modul(), 2);
    e.SetWidth(10);  // 2 * 10 / 54 = 0: ignored
    EXPECT_EQ(e.Modul(), 2);
}

TEST(BarcodeEncoder, OptionsListEntries) {
    EXPECT_EQ(barcodeTypeOfEntry(0), bcCode_2_5_interleaved);
    EXPECT_EQ(barcodeTypeOfEntry(22), bcCodeEAN128C);
    EXPECT_EQ(barcodeTypeOfEntry(-1), std::nullopt);
    EXPECT_EQ(barcodeTypeOfEntry(23), std::nullopt);
    EXPECT_EQ(barcodeDisplayName(bcCodeCodabar), "Codebar");
    EXPECT_EQ(barcodeDisplayName(bcCodeUPC_Supp5), "UPC Supp5");
}

}  // namespace
