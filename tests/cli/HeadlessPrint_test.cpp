// brovik --print PRINTER [--pages LIST]: the chosen pages reach a real CUPS queue as one
// job, with the barcodes of the same pages of the export; a printer that cannot take the
// job, or a page list that takes no page, sends nothing and says why.
#include "support/PdfBarcodes.h"
#include "support/PrivateCups.h"
#include "support/ProgramRun.h"
#include "support/TestDatabase.h"

#include "cli/CommandLine.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

using namespace brovik;

namespace {

// Seven tickets of the demo batch, one per page of the centred layout.
const QStringList kSevenPages = {"--layout", "centralizado", "--talao", "48001-48007"};

class HeadlessPrint : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        db = std::make_unique<test::TestDatabase>(QStringLiteral("headless-print"), QStringList{"db/demo.sql"});
        cups = std::make_unique<test::PrivateCups>();
        printed = cups->addPdfQueue(QStringLiteral("plant"));
        cups->addPdfQueue(QStringLiteral("stopped"));
        cups->disable(QStringLiteral("stopped"));
        cups->addPdfQueue(QStringLiteral("closed"));
        cups->reject(QStringLiteral("closed"));
    }
    static void TearDownTestSuite() {
        cups.reset();
        db.reset();
    }

    test::ProgramRun brovik(const QStringList& arguments) {
        const QString ini = test::writeAliasIni(dir.path(), test::aliasIniFor(db->path()));
        return test::runProgram(QStringList{"--config", ini} + kSevenPages + arguments + QStringList{"brovik:128700"});
    }
    // The pages of the whole export with these 1-based numbers.
    std::vector<QStringList> exportPages(std::initializer_list<int> numbers) {
        const QString all = dir.filePath(QStringLiteral("all.pdf"));
        if (!QFile::exists(all)) {
            EXPECT_EQ(brovik({"--export", all}).status, cli::kExitOk);
        }
        std::vector<QStringList> pages;
        for (int n : numbers) pages.push_back(test::decodePdfPages(all, n, n).at(0));
        return pages;
    }

    static inline std::unique_ptr<test::TestDatabase> db;
    static inline std::unique_ptr<test::PrivateCups> cups;
    static inline QString printed;
    QTemporaryDir dir;
};

TEST_F(HeadlessPrint, SendsTheListedPagesAsOneJob) {
    const int before = cups->completedJobs(QStringLiteral("plant"));
    cups->forgetPrinted(QStringLiteral("plant"));
    const test::ProgramRun r = brovik({"--print", "plant", "--pages", "2,5-6"});
    ASSERT_EQ(r.status, cli::kExitOk) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), "7 tickets, 42 stubs, 3 pages -> plant\n");
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    ASSERT_TRUE(cups->waitUntilPrinted(QStringLiteral("plant"))) << cups->errorLog().toStdString();
    EXPECT_EQ(cups->completedJobs(QStringLiteral("plant")), before + 1);
    EXPECT_EQ(test::decodePdfPages(printed), exportPages({2, 5, 6}));
}

TEST_F(HeadlessPrint, ExportTakesAPageListToo) {
    const QString pdf = dir.filePath(QStringLiteral("some.pdf"));
    const test::ProgramRun r = brovik({"--export", pdf, "--pages", "7,1"});
    ASSERT_EQ(r.status, cli::kExitOk) << r.err.toStdString();
    EXPECT_EQ(r.out.toStdString(), ("7 tickets, 42 stubs, 2 pages -> " + pdf + "\n").toStdString());
    EXPECT_EQ(test::decodePdfPages(pdf), exportPages({1, 7}));  // in page order, each once
}

TEST_F(HeadlessPrint, WhatEachRefusalGets) {
    const QString pdf = dir.filePath(QStringLiteral("never.pdf"));
    struct Case {
        QStringList arguments;
        int status;
        const char* stderrLine;
    };
    const Case cases[] = {
        {{"--print", "nowhere"}, cli::kExitPrinter, "brovik: unknown printer 'nowhere'\n"},
        {{"--print", "stopped"}, cli::kExitPrinter, "brovik: printer 'stopped' is disabled\n"},
        {{"--print", "closed"}, cli::kExitPrinter, "brovik: printer 'closed' is not accepting jobs\n"},
        {{"--print", "plant", "--pages", "8-9"}, cli::kExitUsage,
         "brovik: --pages: no page of 8-9 in a document of 7 pages\n"},
        {{"--print", "plant", "--pages", "2,x"}, cli::kExitUsage,
         "brovik: --pages takes a page list such as 2,5-6, not \"2,x\": 'x' is not a page or a range of pages\n"},
        {{"--print", "plant", "--pages", "6-5"}, cli::kExitUsage,
         "brovik: --pages takes a page list such as 2,5-6, not \"6-5\": '6-5' runs backwards\n"},
        {{"--print", "plant", "--pages", "0"}, cli::kExitUsage,
         "brovik: --pages takes a page list such as 2,5-6, not \"0\": page numbers begin at 1, not '0'\n"},
        {{"--export", pdf, "--pages", ""}, cli::kExitUsage,
         "brovik: --pages takes a page list such as 2,5-6, not \"\": empty page list\n"},
        {{"--tickets-csv", pdf, "--pages", "1"}, cli::kExitUsage,
         "brovik: --pages needs --export FILE.pdf or --print PRINTER\n"},
        {{"--print", "plant", "--export", pdf}, cli::kExitUsage,
         "brovik: --print cannot be combined with --tickets-csv or --export\n"},
    };
    const int before = cups->completedJobs(QStringLiteral("plant"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        const test::ProgramRun r = brovik(c.arguments);
        EXPECT_EQ(r.status, c.status);
        EXPECT_EQ(r.err.toStdString(), c.stderrLine);
        EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    }
    for (const char* queue : {"plant", "stopped", "closed"})
        EXPECT_EQ(cups->completedJobs(QString::fromLatin1(queue)), queue == std::string("plant") ? before : 0) << queue;
    EXPECT_FALSE(QFile::exists(pdf));
}

}  // namespace
