#include "cli/CommandLine.h"
#include "tickets/LaunchArgument.h"

#include <gtest/gtest.h>

using namespace brovik::cli;
using brovik::tickets::Layout;

namespace {

CommandLine parsed(const QStringList& args) {
    auto r = parseCommandLine(args);
    if (auto e = std::get_if<CommandLineError>(&r)) ADD_FAILURE() << e->message.toStdString();
    return std::holds_alternative<CommandLine>(r) ? std::get<CommandLine>(r) : CommandLine{};
}

}  // namespace

TEST(CommandLine, DefaultsAreThePanelsInitialValues) {
    const CommandLine cl = parsed({"--tickets-csv", "out.csv", "brovik:4521"});
    EXPECT_EQ(cl.mode, Mode::TicketsCsv);
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

TEST(CommandLine, EveryOption) {
    const CommandLine cl = parsed({"--config", "/x/Alias.ini", "--layout", "colunado", "--op", "2-3", "--talao",
                                   "0-15230", "--decrescente", "--obs", "Urgente; 'já'", "--barcode", "23", "--export",
                                   "t.pdf", "BROVIK:brovik:77"});
    EXPECT_EQ(cl.mode, Mode::ExportPdf);
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

TEST(CommandLine, BadCommandLinesAreRefusedWithTheirCause) {
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
        {{"--export"}, "Missing value after '--export'"},
        {{"--layout", "fluxo", "-x"}, "need --tickets-csv"},
        {{"brovik:1", "--export"}, "Missing value after '--export'"},
        {{"--export=o.pdf", "--obs"}, "Missing value after '--obs'"},
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

TEST(CommandLine, WindowModeKeepsTheLaunchArgumentUnchanged) {
    const CommandLine cl = parsed({"brovik:128700/"});
    EXPECT_EQ(cl.mode, Mode::Window);
    EXPECT_EQ(cl.launchArgument, "brovik:128700/");
    EXPECT_EQ(brovik::tickets::batchTextFromLaunchArgument("x brovik:5"), "x 5");
    EXPECT_EQ(brovik::tickets::batchTextFromLaunchArgument("BrOvIk:128700"), "128700");
}

TEST(CommandLine, LaunchArgumentsThatBeginWithADashAreNoOptions) {
    struct Case { QStringList args; Mode mode; const char* launch; const char* batch; const char* remark; };
    const Case cases[] = {
        {{"--tickets-csv", "f", "-5"}, Mode::TicketsCsv, "-5", "-5", ""},
        {{"-5", "--export", "f.pdf"}, Mode::ExportPdf, "-5", "-5", ""},
        {{"--obs", "-x", "--export=f.pdf", "brovik:7"}, Mode::ExportPdf, "brovik:7", "7", "-x"},
        {{"--export", "f.pdf", "--", "--9"}, Mode::ExportPdf, "--9", "--9", ""},
        {{"-"}, Mode::Window, "-", "128693", ""},
        {{"--config=/a/Alias.ini", "brovik:-1"}, Mode::Window, "brovik:-1", "128693", ""},
    };
    for (const Case& c : cases) {
        const CommandLine cl = parsed(c.args);
        EXPECT_EQ(cl.mode, c.mode) << c.args.join(' ').toStdString();
        EXPECT_EQ(cl.launchArgument, QString::fromUtf8(c.launch)) << c.args.join(' ').toStdString();
        EXPECT_EQ(cl.options.batchText, QString::fromUtf8(c.batch)) << c.args.join(' ').toStdString();
        EXPECT_EQ(cl.options.remark, QString::fromUtf8(c.remark)) << c.args.join(' ').toStdString();
    }
}

TEST(CommandLine, HelpAndVersionWinOverEverythingElse) {
    EXPECT_EQ(parsed({"--help"}).mode, Mode::Help);
    EXPECT_EQ(parsed({"-h", "--export", "f.pdf"}).mode, Mode::Help);
    EXPECT_EQ(parsed({"--version", "brovik:5"}).mode, Mode::Version);
    EXPECT_EQ(parsed({"-v"}).mode, Mode::Version);
    const QString usage = usageText();
    for (const char* option : {"--config FILE", "--tickets-csv FILE", "--export FILE.pdf", "--layout", "--op A-B",
                               "--talao A-B", "--decrescente", "--obs TEXT", "--barcode 1..23", "--help", "--version"})
        EXPECT_TRUE(usage.contains(QLatin1String(option))) << option;
    for (int status : {0, 2, 3, 4, 5, 6, 7})
        EXPECT_TRUE(usage.contains(QStringLiteral("  %1  ").arg(status))) << status;
}
