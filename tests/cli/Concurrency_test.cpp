// Many shop-floor PCs export at once against one server: every export succeeds with the
// same bytes, and none waits on another client's uncommitted changes.
#include "support/ProgramRun.h"
#include "support/TestDatabase.h"
#include "support/TestServer.h"

#include "cli/CommandLine.h"
#include "firebird/Connection.h"
#include "remessa/Query.h"
#include "firebird/Transaction.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <iostream>
#include <memory>
#include <vector>

using namespace brovik;

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

TEST(Concurrency, SixteenExportsAtOnceAgainstOneServer) {
    test::TestServer& server = test::TestServer::shared();
    if (!server.available()) GTEST_SKIP() << server.whyUnavailable().toStdString();
    test::TestDatabase db(QStringLiteral("concurrency"), {QStringLiteral("tests/remessa/fixtures/batch.sql")});
    const QString where = server.connectionString(db.path());
    QTemporaryDir dir;
    const QString ini = test::writeAliasIni(dir.path(), test::aliasIniFor(where));
    auto arguments = [&](int i) {
        return QStringList{"--config", ini, "--tickets-csv", dir.filePath(QStringLiteral("t%1.csv").arg(i)), "brovik:1234"};
    };

    const test::ProgramRun reference = test::runProgram(arguments(0));
    ASSERT_EQ(reference.status, cli::kExitOk) << reference.err.toStdString();
    const QByteArray expected = readFile(dir.filePath("t0.csv"));
    ASSERT_GT(expected.count('\n'), 5);

    // Another client holds uncommitted changes to the batch's rows throughout.
    data::Connection other(QStringLiteral("other"), {.database = where});
    data::Transaction writer(QStringLiteral("writer"), other, {"write", "read_committed", "rec_version", "nowait"});
    for (const char* sql : {"update TbRemessa set Observacao = 'ALTERADA' where Numero = 1234",
                            "update TbRemessa_Setor set Setor_Id = 20 where Remessa = 1234",
                            "update TbPedido_Item_Processado set Quantidade_Pedido = 1 where Remessa = 1234"}) {
        data::Query q(QStringLiteral("change"), writer);
        q.setSql(QString::fromLatin1(sql));
        q.execSql();
    }

    constexpr int kClients = 16;
    QElapsedTimer clock;
    clock.start();
    std::vector<std::unique_ptr<QProcess>> clients;
    for (int i = 1; i <= kClients; ++i) clients.emplace_back(test::startProgram(arguments(i)));
    for (int i = 1; i <= kClients; ++i) {
        SCOPED_TRACE(i);
        const test::ProgramRun run = test::finishProgram(*clients[i - 1], 300000);
        EXPECT_TRUE(run.finished);
        EXPECT_EQ(run.status, cli::kExitOk) << run.err.toStdString();
        EXPECT_EQ(readFile(dir.filePath(QStringLiteral("t%1.csv").arg(i))), expected);
    }
    std::cout << "  " << kClients << " exports side by side: " << clock.elapsed() << " ms\n";
    writer.rollback();
}

}  // namespace
