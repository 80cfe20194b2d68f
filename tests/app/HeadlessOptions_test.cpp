#include "app/HeadlessOptions.h"

#include <gtest/gtest.h>

using namespace brovik::app;
using brovik::tickets::Layout;

namespace {

CommandLine parsed(const QStringList& args) {
    auto r = parseCommandLine(args);
    if (auto e = std::get_if<CommandLineError>(&r)) ADD_FAILURE() << e->message.toStdString();
    return std::holds_alternative<CommandLine>(r) ? std::get<CommandLine>(r) : CommandLine{};
}

}  // namespace

TEST(HeadlessOptions, DefaultsAreThePanelsInitialValues) {
    const CommandLine cl = parsed({"--tickets-csv", "out.csv", "brovik:4521"});
    EXPECT_EQ(cl.mode, HeadlessMode::TicketsCsv);
    EXPECT_EQ(cl.outputFile, "out.csv");
    EXPECT_EQ(cl.options.batchText, "4521");
    EXPECT_EQ(cl.options.layout, Layout::Flow);
    EXPECT_EQ(cl.options.op1, 1);
    EXPECT_EQ(cl.options.op2, 99);
    EXPECT_EQ(cl.options.tl1, 1);
    EXPECT_EQ(cl.options.tl2, 99999999);
    EXPECT_FALSE(cl.options.decrescente);
    EXPECT_EQ(cl.options.barcodeEntry, 0);
}

TEST(HeadlessOptions, EveryOption) {
    const CommandLine cl = parsed({"--config", "/x/Alias.ini", "--layout", "colunado", "--op", "2-3", "--talao",
                                   "0-15230", "--decrescente", "--obs", "Urgente; 'já'", "--barcode", "23", "--export",
                                   "t.pdf", "BROVIK:brovik:77"});
    EXPECT_EQ(cl.mode, HeadlessMode::ExportPdf);
    EXPECT_EQ(cl.configFile.value_or(""), "/x/Alias.ini");
    EXPECT_EQ(cl.options.layout, Layout::Columns);
    EXPECT_EQ(cl.options.op1, 2);
    EXPECT_EQ(cl.options.op2, 3);
    EXPECT_EQ(cl.options.tl1, 1);  // below the box's minimum reads 1
    EXPECT_EQ(cl.options.tl2, 15230);
    EXPECT_TRUE(cl.options.decrescente);
    EXPECT_EQ(cl.options.remark, QString::fromUtf8("urgente; 'já'"));
    EXPECT_EQ(cl.options.barcodeEntry, 22);
    EXPECT_EQ(cl.options.batchText, "77");
}

TEST(HeadlessOptions, BadCommandLinesAreRefusedWithTheirCause) {
    struct Case { QStringList args; const char* cause; };
    const Case cases[] = {
        {{"--tickets-csv", "o.csv"}, "missing the batch argument"},
        {{"--tickets-csv", "o.csv", "--export", "o.pdf", "1"}, "cannot be combined"},
        {{"--layout", "grande", "--export", "o.pdf", "1"}, "--layout takes"},
        {{"--op", "5", "--export", "o.pdf", "1"}, "--op takes a range"},
        {{"--talao", "a-b", "--export", "o.pdf", "1"}, "--talao takes a range"},
        {{"--barcode", "24", "--export", "o.pdf", "1"}, "--barcode takes"},
        {{"--barcode", "0", "--export", "o.pdf", "1"}, "--barcode takes"},
        {{"--frobnicate", "1"}, "unknown option --frobnicate"},
        {{"--export"}, "needs a value"},
        {{"--layout", "fluxo", "brovik:1"}, "need --tickets-csv"},
        {{"--export", "o.pdf", "1", "2"}, "unexpected argument"},
    };
    for (const Case& c : cases) {
        auto r = parseCommandLine(c.args);
        ASSERT_TRUE(std::holds_alternative<CommandLineError>(r)) << c.args.join(' ').toStdString();
        EXPECT_TRUE(std::get<CommandLineError>(r).message.contains(QString::fromUtf8(c.cause)))
            << std::get<CommandLineError>(r).message.toStdString();
    }
}

TEST(HeadlessOptions, WindowModeKeepsTheLaunchArgumentUnchanged) {
    const CommandLine cl = parsed({"brovik:128700/"});
    EXPECT_EQ(cl.mode, HeadlessMode::None);
    EXPECT_EQ(cl.launchArgument, "brovik:128700/");
    EXPECT_EQ(batchTextFromLaunchArgument("x brovik:5"), "x 5");
    EXPECT_EQ(batchTextFromLaunchArgument("BrOvIk:128700"), "128700");
}
