#include "support/TestDatabase.h"
#include "support/TestServer.h"

#include "app/BrovikApplication.h"
#include "app/TForm1.h"
#include "app/TKelHandleException.h"
#include "app/TaloesPanel.h"
#include "app/ClickPanel.h"
#include "tickets/TicketSession.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace brovik::tickets {
namespace {

data::AliasSettings serverSettings(const QString& connectionString) {
    data::AliasSettings s;
    s.mv = connectionString;
    return s;
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A click on "&Visualizar Impressão" goes through the application's event dispatch, where
// a failure of the run ends up in the failure handler.
void click(app::TForm1& form) { QTest::mouseClick(form.pTaloes->ImprimeTaloes, Qt::LeftButton); }

// The program's window on a server's database, with the failure log installed as start-up
// installs it and counting how often it closes the connections.
struct LoggedWindow {
    explicit LoggedWindow(const QString& connectionString) : session(serverSettings(connectionString)) {
        logger.setCloseConnections([this] {
            ++closes;
            session.closeConnections();
        });
        form.setTicketSession(&session);
        form.show();
    }

    int argc = 1;
    char name[7] = "brovik";
    char* argv[2] = {name, nullptr};
    app::BrovikApplication application{argc, argv};
    QTemporaryDir dir;
    QString log = dir.filePath(QStringLiteral("brovik_erro_bd.log"));
    app::TKelHandleException logger{log};
    TicketSession session;
    int closes = 0;
    app::TForm1 form{QStringLiteral("brovik:500")};
};

TEST(LostConnection, IsLoggedOnceAndTheNextRunReconnects) {
    test::TestServer server;  // stopped below
    if (!server.available()) GTEST_SKIP() << server.whyUnavailable().toStdString();
    test::TestDatabase db(QStringLiteral("tickets-lost"), {QStringLiteral("tests/tickets/fixtures/run.sql")});

    LoggedWindow window(server.connectionString(db.path()));
    TicketSession& session = window.session;
    app::TForm1& form = window.form;
    const QString& log = window.log;
    const int& closes = window.closes;

    click(form);
    ASSERT_EQ(form.lastRun().outcome, TicketRunResult::Outcome::Completed);
    EXPECT_EQ(session.tables.RxTalao.recordCount(), 24);
    EXPECT_FALSE(QFile::exists(log));

    server.stop();
    click(form);  // the attachment is gone: the next statement reads from a dead socket
    const QByteArray entry = readAll(log);
    EXPECT_TRUE(entry.contains("Classe da Exception..: EIBInterBaseError\r\n")) << entry.toStdString();
    EXPECT_TRUE(entry.contains("Mensagem da Exception: Error reading data from the connection\r\n"))
        << entry.toStdString();
    EXPECT_TRUE(entry.contains("Form.................: Form1\r\n")) << entry.toStdString();
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(session.dm.IB.connected());
    EXPECT_FALSE(session.dm.IBF.connected());

    // With the server still down the attach is refused: not a logged text, nothing closed again.
    click(form);
    EXPECT_EQ(readAll(log), entry);
    EXPECT_EQ(closes, 1);

    test::TestServer restarted;
    ASSERT_TRUE(restarted.available()) << restarted.whyUnavailable().toStdString();
    session.dm.IB.setDatabaseName(restarted.connectionString(db.path()));
    form.pTaloes->EditRemessa->setText(QStringLiteral("700"));
    click(form);
    EXPECT_TRUE(session.dm.IB.connected());
    EXPECT_EQ(form.lastRun().outcome, TicketRunResult::Outcome::Completed);
    EXPECT_EQ(session.tables.RxTalao.recordCount(), 2);
    EXPECT_EQ(readAll(log), entry);
}

int logEntries(const QString& path) { return static_cast<int>(readAll(path).count("Exception ocorrida em ")); }

// Nightly backups and updates restart the server under an open window. Three restarts in
// one session, each met differently: a click while the server is down, then one after it
// is back; and a restart no click noticed. The run after each restart works.
TEST(LostConnection, EveryRestartOfTheServerIsSurvived) {
    test::TestServer server;  // stopped and restarted below
    if (!server.available()) GTEST_SKIP() << server.whyUnavailable().toStdString();
    test::TestDatabase db(QStringLiteral("tickets-restarts"), {QStringLiteral("tests/tickets/fixtures/run.sql")});

    LoggedWindow window(server.connectionString(db.path()));
    TicketSession& session = window.session;
    app::TForm1& form = window.form;
    const QString& log = window.log;
    const int& closes = window.closes;

    const auto runWorks = [&](const char* when) {
        SCOPED_TRACE(when);
        session.tables.RxTalao.close();
        click(form);
        EXPECT_EQ(form.lastRun().outcome, TicketRunResult::Outcome::Completed);
        EXPECT_EQ(session.tables.RxTalao.recordCount(), 24);
        EXPECT_TRUE(session.dm.IB.connected());
    };
    const auto restart = [&] {
        server.restart();
        ASSERT_TRUE(server.available()) << server.whyUnavailable().toStdString();
    };
    runWorks("before any restart");

    const struct {
        const char* what;
        bool clickWhileDown;
        int entriesAfter;  // the lost connection is logged when a click meets it
        int closesAfter;   // the failure log closes the connections only the first time
    } restarts[] = {
        {"first restart, clicked while down", true, 1, 1},
        {"second restart, clicked while down", true, 2, 1},
        {"third restart, not noticed", false, 2, 1},
    };
    for (const auto& r : restarts) {
        SCOPED_TRACE(r.what);
        server.stop();
        if (r.clickWhileDown) {
            session.tables.RxTalao.close();
            click(form);
            EXPECT_FALSE(session.tables.RxTalao.isOpen()) << "a run succeeded with the server down";
            EXPECT_TRUE(readAll(log).endsWith("Mensagem da Exception: Error reading data from the connection\r\n\r\n"))
                << readAll(log).toStdString();
        }
        restart();
        runWorks(r.what);
        EXPECT_EQ(logEntries(log), r.entriesAfter);
        EXPECT_EQ(closes, r.closesAfter);
    }
    runWorks("a further run on the same attachment");
    EXPECT_EQ(logEntries(log), 2);
}

}  // namespace
}  // namespace brovik::tickets
