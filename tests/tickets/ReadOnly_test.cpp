// A whole ticket run as a database user that may only read, in process and through the
// headless export: the same tickets as with the administrator's login.
#include "support/ProgramRun.h"
#include "support/ReadOnlyUser.h"
#include "support/TestDatabase.h"
#include "support/TestServer.h"

#include "cli/CommandLine.h"
#include "tickets/TicketSession.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace brovik;
using namespace brovik::tickets;

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(ReadOnly, FullRunAsAReaderUser) {
    test::TestServer& server = test::TestServer::shared();
    if (!server.available()) GTEST_SKIP() << server.whyUnavailable().toStdString();
    test::TestDatabase db(QStringLiteral("tickets-readonly"), {QStringLiteral("tests/tickets/fixtures/run.sql")});
    const QString where = server.connectionString(db.path());
    test::grantReaderUser(where);

    for (Layout layout : {Layout::Flow, Layout::Centred, Layout::Columns}) {
        TicketSession s(test::readerSettings(where));
        TicketOptions o;
        o.batchText = QStringLiteral("500");
        o.layout = layout;
        const TicketRunResult r = s.run.execute(o);
        EXPECT_EQ(r.outcome, TicketRunResult::Outcome::Completed);
        EXPECT_EQ(s.tables.RxTalao.recordCount(), 24);
        EXPECT_EQ(test::currentTransactionFlags(s.dm.IBT), "user=LEITOR role=NONE isolation=read-committed "
                                                          "record-version=yes wait=no read-only=yes");
    }

    // The headless export as that user gives the same bytes as with the built-in login.
    QTemporaryDir dir;
    QTemporaryDir adminDir;
    const QString reader = test::writeAliasIni(
        dir.path(), test::aliasIniFor(where, QByteArray("USER=") + test::kReaderUser + "\nPASSWORD=" + test::kReaderPassword + "\nROLE=\n"));
    const QString admin = test::writeAliasIni(adminDir.path(), test::aliasIniFor(where));
    const test::ProgramRun asReader = test::runProgram({"--config", reader, "--tickets-csv", dir.filePath("r.csv"), "brovik:500"});
    const test::ProgramRun asAdmin = test::runProgram({"--config", admin, "--tickets-csv", adminDir.filePath("a.csv"), "brovik:500"});
    ASSERT_EQ(asReader.status, cli::kExitOk) << asReader.err.toStdString();
    ASSERT_EQ(asAdmin.status, cli::kExitOk) << asAdmin.err.toStdString();
    EXPECT_EQ(readFile(dir.filePath("r.csv")), readFile(adminDir.filePath("a.csv")));

    // Every layout's pages, as that user.
    for (const char* layout : {"fluxo", "centralizado", "colunado"}) {
        SCOPED_TRACE(layout);
        const QString pdf = dir.filePath(QStringLiteral("%1.pdf").arg(layout));
        const test::ProgramRun r = test::runProgram({"--config", reader, "--export", pdf, "--layout", layout, "brovik:500"});
        EXPECT_EQ(r.status, cli::kExitOk) << r.err.toStdString();
        EXPECT_TRUE(r.out.startsWith("6 tickets, 24 stubs, ")) << r.out.toStdString();
        EXPECT_TRUE(readFile(pdf).startsWith("%PDF-"));
    }
}

}  // namespace
