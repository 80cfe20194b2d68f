// Symbologies zbar does not read: module for module against zint's encoding.
#include "BarcodeTestSupport.h"
#include "ExternalTool.h"
#include "barcode/Symbology.h"

#include <gtest/gtest.h>

using namespace brovik::barcode;
using namespace brovik::barcode::test;
using enum TBarcodeType;

namespace {

std::string trimTrailingSpace(std::string modules) {
    while (!modules.empty() && modules.back() == '0') modules.pop_back();
    return modules;
}

// zint --dump writes each row as hexadecimal bytes of modules.
std::vector<std::string> zintRows(int symbology, const QString& data, const QStringList& extra = {}) {
    QStringList args{QStringLiteral("--barcode=%1").arg(symbology), "--dump", "--data=" + data};
    args += extra;
    const ToolResult r = runTool("zint", args);
    std::vector<std::string> rows;
    for (const QString& line : r.output.split('\n', Qt::SkipEmptyParts)) {
        std::string bits;
        for (QChar c : line) {
            bool ok = false;
            const int nibble = QString(c).toInt(&ok, 16);
            if (!ok) continue;
            for (int b = 3; b >= 0; --b) bits += ((nibble >> b) & 1) ? '1' : '0';
        }
        rows.push_back(trimTrailingSpace(bits));
    }
    return rows;
}

std::string ourModules(TBarcodeType type, const QString& text, double ratio,
                       TCheckSumMethod method = TCheckSumMethod::csmModulo10) {
    TBarcodeEncoder e = makeEncoder(type, text, 1, ratio);
    e.SetCheckSumMethod(method);
    const std::string pattern = e.Pattern();
    return trimTrailingSpace(moduleString(e, pattern));
}

class ZintReference : public ::testing::Test {
protected:
    void SetUp() override {
        if (!toolPresent("zint")) GTEST_SKIP() << "zint is not installed";
    }
};

TEST_F(ZintReference, SameModules) {
    struct Case { TBarcodeType type; const char* text; double ratio; int zintSymbology; const char* zintData; QStringList extra; };
    const Case cases[] = {
        {bcCode_2_5_industrial, "15230012", 3, 7, "15230012", {}},
        {bcCode_2_5_industrial, "1523001", 3, 7, "1523001", {}},
        {bcCode_2_5_matrix, "12345670008", 3, 2, "12345670008", {}},
        {bcCode_2_5_matrix, "15230012", 3, 2, "15230012", {}},
        // MSI: zint's modulo 10 counts positions from the right, ours from the left; they agree
        // for an even number of digits.
        {bcCodeMSI, "15230012", 2, 47, "15230012", {"--vers=1"}},
        {bcCodeMSI, "1234567890", 2, 47, "1234567890", {"--vers=1"}},
        {bcCodeUPC_Supp2, "12", 2, 13, "12", {}},
        {bcCodeUPC_Supp2, "7", 2, 13, "07", {}},
        {bcCodeUPC_Supp2, "99", 2, 13, "99", {}},
        {bcCodeUPC_Supp5, "52495", 2, 13, "52495", {}},
        {bcCodeUPC_Supp5, "12345", 2, 13, "12345", {}},
        {bcCodeUPC_Supp5, "90000", 2, 13, "90000", {}},
        // UPC-E with number system 1, which zbar does not read.
        {bcCodeUPC_E1, "4252610", 2, 37, "1425261", {}},
        {bcCodeUPC_E1, "1523001", 2, 37, "1152300", {}},
        {bcCodeUPC_E0, "4252610", 2, 37, "0425261", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(barcodeDisplayName(c.type).toStdString() + " " + c.text);
        const auto rows = zintRows(c.zintSymbology, c.zintData, c.extra);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(ourModules(c.type, c.text, c.ratio, TCheckSumMethod::csmNone), rows[0]);
    }
}

// Odd digit counts: the data digits agree with zint, the check digit is ours.
TEST_F(ZintReference, MsiOddLengthDiffersOnlyInTheCheckDigit) {
    const std::string ours = ourModules(bcCodeMSI, "1523001", 2);
    const std::string zintNoCheck = zintRows(47, "1523001")[0];
    const std::string zintCheck = zintRows(47, "1523001", {"--vers=1"})[0];
    const size_t stop = 4;  // "515" at ratio 2: 1 + 2 + 1 modules
    ASSERT_EQ(ours.size(), zintCheck.size());
    EXPECT_EQ(ours.substr(0, zintNoCheck.size() - stop), zintNoCheck.substr(0, zintNoCheck.size() - stop));
    // msi check of 1523001: S = 1+2+0+1 = 4, 2 x 530 = 1060 adds 7, check 9 (zint's: 0).
    EXPECT_EQ(ours.substr(ours.size() - stop - 12, 12), "110100100110");
    EXPECT_NE(ours, zintCheck);
}

// PostNet: the same full and short bars as zint, without the check digit zint appends.
TEST_F(ZintReference, PostNetBarsWithoutCheckDigit) {
    for (const char* text : {"15230012", "1523001", "12345"}) {
        SCOPED_TRACE(text);
        const auto rows = zintRows(40, text);
        ASSERT_EQ(rows.size(), 2u);  // tall bars only, then every bar
        std::string zintBars;
        for (size_t i = 0; i < rows[1].size(); ++i)
            if (rows[1][i] == '1') zintBars += (i < rows[0].size() && rows[0][i] == '1') ? 'F' : 's';
        zintBars.erase(zintBars.size() - 6, 5);  // zint's check digit before the closing frame bar

        TBarcodeEncoder e = makeEncoder(bcCodePostNet, text);
        std::string ourBars;
        for (char c : e.Pattern())
            if (c == '5' || c == 'A') ourBars += c == '5' ? 'F' : 's';
        EXPECT_EQ(ourBars, zintBars);
    }
}

}  // namespace
