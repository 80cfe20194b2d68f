// Odd panel values given to the headless export: each has its outcome, and none changes
// what is read from the database.
#include "support/ProgramRun.h"
#include "support/TestDatabase.h"

#include "cli/CommandLine.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace brovik;

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class HeadlessBadInput : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        db = new test::TestDatabase(QStringLiteral("headless-bad"), {QStringLiteral("tests/tickets/fixtures/run.sql")});
    }
    static void TearDownTestSuite() {
        delete db;
        db = nullptr;
    }

    test::ProgramRun run(const QStringList& options, const QString& csv) {
        const QString ini = test::writeAliasIni(dir.path(), test::aliasIniFor(db->path()));
        return test::runProgram(QStringList{"--config", ini, "--tickets-csv", csv} + options + QStringList{"brovik:500"});
    }

    static test::TestDatabase* db;
    QTemporaryDir dir;
};
test::TestDatabase* HeadlessBadInput::db = nullptr;

// The remark is printed, never sent to the database: any text leaves the tickets as they are.
TEST_F(HeadlessBadInput, RemarksOfAnyTextChangeNoTicket) {
    const QString reference = dir.filePath("ref.csv");
    ASSERT_EQ(run({}, reference).status, cli::kExitOk);
    const QByteArray expected = readFile(reference);
    const QStringList remarks = {
        "it's \"quoted\"", "a;b;c;", "x'; DROP TABLE TbRemessa; --", "/* comment", QString(500, u'ç'),
        QString::fromUtf8("º € ã ç"), "--obs",
    };
    int n = 0;
    for (const QString& remark : remarks) {
        SCOPED_TRACE(remark.left(40).toStdString());
        const QString csv = dir.filePath(QStringLiteral("r%1.csv").arg(++n));
        const test::ProgramRun r = run({"--obs", remark}, csv);
        EXPECT_EQ(r.status, cli::kExitOk) << r.err.toStdString();
        EXPECT_EQ(readFile(csv), expected);
    }
}

TEST_F(HeadlessBadInput, RangesThatSelectNothingGiveAnEmptyTable) {
    struct Case {
        const char* what;
        QStringList options;
        const char* summary;
    };
    const Case cases[] = {
        {"orders inverted", {"--op", "3-1"}, "0 tickets, 0 stubs"},
        {"orders zero", {"--op", "0-0"}, "0 tickets, 0 stubs"},
        {"tickets inverted", {"--talao", "302-101"}, "0 tickets, 0 stubs"},
        {"tickets zero", {"--talao", "0-0"}, "0 tickets, 0 stubs"},
        {"one order", {"--op", "2-2"}, "2 tickets, 8 stubs"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString csv = dir.filePath(QStringLiteral("g%1.csv").arg(++n));
        const test::ProgramRun r = run(c.options, csv);
        EXPECT_EQ(r.status, cli::kExitOk) << r.err.toStdString();
        EXPECT_TRUE(r.out.startsWith(c.summary)) << r.out.toStdString();
        EXPECT_TRUE(QFile::exists(csv));
    }
}

}  // namespace
