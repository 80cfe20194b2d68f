// The headless export when the database cannot be used: the documented exit status, one
// line on stderr naming the cause, nothing on stdout and no output file.
#include "support/ProgramRun.h"
#include "support/TestDatabase.h"
#include "support/TestServer.h"

#include "cli/CommandLine.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace brovik;

namespace {

const QString kFixture = QStringLiteral("tests/remessa/fixtures/batch.sql");

struct Expectation {
    int status;
    const char* stderrStart;  // the line begins so
};

// Runs --tickets-csv with the given Alias.ini and checks the failure contract.
void expectFailure(const QByteArray& aliasIni, const Expectation& e, const QString& batch = QStringLiteral("brovik:1234")) {
    QTemporaryDir dir;
    const QString ini = test::writeAliasIni(dir.path(), aliasIni);
    const QString csv = dir.filePath(QStringLiteral("t.csv"));
    const test::ProgramRun run = test::runProgram({"--config", ini, "--tickets-csv", csv, batch});
    ASSERT_TRUE(run.finished) << run.err.toStdString();
    EXPECT_EQ(run.status, e.status) << run.err.toStdString();
    EXPECT_TRUE(run.err.startsWith(QByteArray("brovik: ") + e.stderrStart)) << run.err.toStdString();
    EXPECT_EQ(run.err.count('\n'), 1) << "not one line: " << run.err.toStdString();
    EXPECT_TRUE(run.err.endsWith('\n'));
    EXPECT_EQ(run.out, "");
    EXPECT_FALSE(QFile::exists(csv));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"Alias.ini"}) << "a stray file was left";
}

TEST(HeadlessFaults, ServerDownThenBack) {
    test::TestServer server;  // stopped and restarted below
    if (!server.available()) GTEST_SKIP() << server.whyUnavailable().toStdString();
    test::TestDatabase db(QStringLiteral("hf-down"), {kFixture});
    const QByteArray ini = test::aliasIniFor(server.connectionString(db.path()));
    server.stop();
    expectFailure(ini, {cli::kExitDatabase, "database failure: Unable to complete network request to host \"localhost\""});

    server.restart();
    ASSERT_TRUE(server.available()) << server.whyUnavailable().toStdString();
    QTemporaryDir dir;
    const QString csv = dir.filePath(QStringLiteral("t.csv"));
    const test::ProgramRun run =
        test::runProgram({"--config", test::writeAliasIni(dir.path(), ini), "--tickets-csv", csv, "brovik:1234"});
    EXPECT_EQ(run.status, cli::kExitOk) << run.err.toStdString();
    EXPECT_TRUE(QFile::exists(csv));
}

TEST(HeadlessFaults, UnusableDatabasesAndLogins) {
    test::TestServer& server = test::TestServer::shared();
    if (!server.available()) GTEST_SKIP() << server.whyUnavailable().toStdString();
    test::TestDatabase db(QStringLiteral("hf-db"), {kFixture});
    QTemporaryDir files;
    const QString garbage = files.filePath(QStringLiteral("garbage.fdb"));
    {
        QFile f(garbage);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(64 * 1024, '\x5A'));
    }
    const QString where = server.connectionString(db.path());
    struct Case {
        const char* what;
        QByteArray ini;
        Expectation expected;
    };
    const Case cases[] = {
        {"missing database file", test::aliasIniFor(server.connectionString(files.filePath("none.fdb"))),
         {cli::kExitDatabase, "database failure: I/O error during \"open\" operation for file"}},
        {"damaged database file", test::aliasIniFor(server.connectionString(garbage)),
         {cli::kExitDatabase, "database failure: file "}},
        {"wrong password", test::aliasIniFor(where, "PASSWORD=errada\n"),
         {cli::kExitDatabase, "database failure: Your user name and password are not defined"}},
        {"unknown user", test::aliasIniFor(where, "USER=NINGUEM\nPASSWORD=x\n"),
         {cli::kExitDatabase, "database failure: Your user name and password are not defined"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        expectFailure(c.ini, c.expected);
    }
}

// Configuration files that name no usable database, and batch texts that are no batch.
TEST(HeadlessFaults, BadConfigurationAndBatchTexts) {
    test::TestDatabase db(QStringLiteral("hf-config"), {kFixture});
    struct Case {
        const char* what;
        QByteArray ini;
        QString batch;
        Expectation expected;
    };
    const QByteArray good = test::aliasIniFor(db.path());
    const Case cases[] = {
        {"no section PATH", "[OUTRA]\nMV=" + db.path().toUtf8() + "\n", "1234", {cli::kExitDatabase, "database failure: "}},
        {"empty MV", "[PATH]\nMV=\n", "1234", {cli::kExitDatabase, "database failure: "}},
        {"binary garbage", QByteArray("\x00\xFF\xFE[PATH]\x00MV=\x01\x02", 14), "1234", {cli::kExitDatabase, "database failure: "}},
        {"batch 12a", good, "brovik:12a", {cli::kExitBatchText, "the batch \"12a\" is not a whole number"}},
        {"batch beyond 32 bits", good, "99999999999", {cli::kExitBatchText, "the batch \"99999999999\" is not a whole number"}},
        // Nothing after the scheme: the batch box keeps its initial 128693.
        {"batch empty after the scheme", good, "brovik:", {cli::kExitNoOrders, "batch 128693 has no production orders"}},
        {"batch -5", good, "brovik:-5", {cli::kExitNoOrders, "batch -5 has no production orders"}},
        {"batch 0", good, "0", {cli::kExitNoOrders, "batch 0 has no production orders"}},
        {"scheme twice", good, "brovik:brovik:1", {cli::kExitNoOrders, "batch 1 has no production orders"}},
        {"SQL in the batch box", good, "1234; DELETE FROM TbRemessa --",
         {cli::kExitBatchText, "the batch \"1234; DELETE FROM TbRemessa --\" is not a whole number"}},
        {"quote in the batch box", good, "1234' OR '1'='1",
         {cli::kExitBatchText, "the batch \"1234' OR '1'='1\" is not a whole number"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        expectFailure(c.ini, c.expected, c.batch);
    }
}

// Configuration files an editor may leave, all naming the good database: the run succeeds.
TEST(HeadlessFaults, OddButValidConfigurationFiles) {
    test::TestDatabase db(QStringLiteral("hf-odd"), {kFixture});
    const QByteArray mv = db.path().toUtf8();
    QByteArray large;
    while (large.size() < 8 * 1024 * 1024) large += "; comentario de uma linha qualquer do arquivo de configuracao\n";
    large += "[PATH]\nMV=" + mv + "\n";
    struct Case {
        const char* what;
        QByteArray ini;
    };
    const Case cases[] = {
        {"LF", "[PATH]\nMV=" + mv + "\n"},
        {"CRLF", "[PATH]\r\nMV=" + mv + "\r\n"},
        {"UTF-8 byte-order mark and CRLF", "\xEF\xBB\xBF[path]\r\nmv=" + mv + "\r\n"},
        {"8 MiB of comments before the section", large},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        QTemporaryDir dir;
        const QString csv = dir.filePath(QStringLiteral("t.csv"));
        const test::ProgramRun run =
            test::runProgram({"--config", test::writeAliasIni(dir.path(), c.ini), "--tickets-csv", csv, " 1234"});
        EXPECT_EQ(run.status, cli::kExitOk) << run.err.toStdString();
        EXPECT_TRUE(run.out.endsWith(" -> " + csv.toUtf8() + "\n")) << run.out.toStdString();
        EXPECT_TRUE(QFile::exists(csv));
    }
}

}  // namespace
