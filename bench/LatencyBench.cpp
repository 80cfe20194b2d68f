#include "LatencyBench.h"

#include "BenchClock.h"
#include "LargeBatch.h"
#include "RunBench.h"

#include "firebird/Statement.h"
#include "reports/PdfExport.h"
#include "reports/TicketReports.h"
#include "support/DelayProxy.h"
#include "support/TestServer.h"
#include "tickets/TicketSession.h"

#include <QFile>

#include <stdexcept>

namespace brovik::bench {
namespace {

using namespace std::chrono_literals;

const QString kPdf = QStringLiteral(BENCH_BINARY_DIR "/bench-data/latency.pdf");

struct Traffic {
    Seconds time;
    long executions = 0;
    long roundTrips = 0;
};

struct Link {
    test::DelayProxy& proxy;
    QString where;
    bool compression = false;
};

// Times `work`, done on a session whose first click has attached and warmed the link.
template <class F>
Traffic measure(Link& link, F work) {
    link.proxy.resetCounters();
    const long before = data::Statement::executions();
    Stopwatch clock;
    work();
    return {clock.elapsed(), data::Statement::executions() - before, link.proxy.roundTrips()};
}

struct Session {
    explicit Session(Link& link, bool setWise = true) : session(settings(link)), layouts(tables(), panel) {
        data::ConnectionParams p = session.dm.IB.params();
        p.wireCompression = link.compression;
        session.dm.IB.setParams(p);
        session.queries.setWiseReads = setWise;
        options.batchText = QString::number(LargeBatch::kBatch);
        session.run.execute(options);
    }
    static data::AliasSettings settings(const Link& link) {
        data::AliasSettings s;
        s.mv = link.where;
        return s;
    }
    reports::TicketLayoutData tables() { return {session.tables.RxTalao, session.queries.CdsRemessa, session.queries.IbFluxo}; }

    // What --export does: the run, every page, the PDF.
    void exportLayout(tickets::Layout layout) {
        options.layout = layout;
        const tickets::TicketRunResult result = session.run.execute(options);
        layouts.flow.Obs3().caption = result.obs3Caption;
        layouts.values.Talao = 0;
        reports::TReport* report[] = {&layouts.flow.Qr5, &layouts.centred.Qr3, &layouts.columns.Qr6};
        QString error;
        if (!reports::exportPdf(report[int(layout)]->Generate().document, kPdf, &error)) throw std::runtime_error(error.toStdString());
        QFile::remove(kPdf);
    }

    tickets::TicketSession session;
    reports::FixedBarcodePanel panel;
    reports::TicketReports layouts;
    tickets::TicketOptions options;
};

Traffic bestRun(Link& link, bool setWise, int passes) {
    Session s(link, setWise);
    Traffic best;
    for (int i = 0; i < passes; ++i) {
        const Traffic t = measure(link, [&] { s.session.run.execute(s.options); });
        if (i == 0 || t.time.wall < best.time.wall) best = t;
    }
    return best;
}

Traffic exportOnce(Link& link, tickets::Layout layout) {
    Session s(link);
    return measure(link, [&] { s.exportLayout(layout); });
}

QString countsOf(const Traffic& t) {
    return QStringLiteral("    %1 statements, %2 round trips").arg(t.executions).arg(t.roundTrips);
}

const tickets::Layout kLayouts[] = {tickets::Layout::Flow, tickets::Layout::Centred, tickets::Layout::Columns};
const char* const kLayoutNames[] = {"flow (Qr5)", "centred (Qr3)", "columns (Qr6)"};

// A copy served by a private server: the embedded engine of this process may hold the original.
template <class F>
void withServer(const QString& database, F f) {
    const QString copy = database + QStringLiteral(".latency.fdb");
    QFile::remove(copy);
    if (!QFile::copy(database, copy)) {
        printLine(QStringLiteral("latency: cannot copy %1").arg(database));
        return;
    }
    {
        test::TestServer server;
        if (server.available()) f(server, copy);
        else printLine(QStringLiteral("latency: skipped (%1)").arg(server.whyUnavailable()));
    }
    QFile::remove(copy);
}

Link linkTo(test::DelayProxy& proxy, const QString& path) {
    return {proxy, QStringLiteral("127.0.0.1/%1:%2").arg(proxy.port()).arg(path)};
}

}  // namespace

void benchLatency(const QString& database) {
    withServer(database, [](test::TestServer& server, const QString& path) {
        Seconds exportAt0[std::size(kLayouts)];
        for (int ms : {0, 2, 10}) {
            test::DelayProxy proxy(server.port(), {.roundTrip = std::chrono::milliseconds(ms)});
            Link link = linkTo(proxy, path);
            const QString at = QStringLiteral("%1 ms").arg(ms);
            proxy.resetCounters();
            const RunFigures floor = timeJoinFloor(link.where);
            const long floorTrips = proxy.roundTrips();
            printSeconds(QStringLiteral("%1: join floor (%2 rows)").arg(at).arg(floor.rows), floor.time);
            printLine(QStringLiteral("    %1 round trips, connection included").arg(floorTrips));
            const Traffic run = bestRun(link, true, 3);
            printRatio(QStringLiteral("%1: ticket run, set-wise").arg(at), run.time, floor.time, 3.0);
            printLine(countsOf(run));
            if (ms != 2) {
                const Traffic perTicket = bestRun(link, false, 1);
                printRatio(QStringLiteral("%1: ticket run, per ticket").arg(at), perTicket.time, floor.time, 0);
                printLine(countsOf(perTicket));
            }
            for (std::size_t l = 0; l < std::size(kLayouts); ++l) {
                const Traffic e = exportOnce(link, kLayouts[l]);
                const QString label = QStringLiteral("%1: %2 export").arg(at, QLatin1String(kLayoutNames[l]));
                if (ms == 0) {
                    exportAt0[l] = e.time;
                    printSeconds(label, e.time);
                } else {
                    printRatio(label + QStringLiteral(" / at 0 ms"), e.time, exportAt0[l], ms == 10 ? 1.3 : 0);
                }
                printLine(countsOf(e));
            }
        }
    });
}

void benchCompression(const QString& database) {
    withServer(database, [](test::TestServer& server, const QString& path) {
        const struct {
            int ms;
            double bits;
            const char* what;
        } links[] = {{10, 10e6, "10 ms, 10 Mbit/s"}, {0, 0, "0 ms"}};
        for (const auto& l : links) {
            for (bool compression : {false, true}) {
                test::DelayProxy proxy(server.port(), {.roundTrip = std::chrono::milliseconds(l.ms), .bitsPerSecond = l.bits});
                Link link = linkTo(proxy, path);
                link.compression = compression;
                const QString how = QStringLiteral("%1, compression %2").arg(QLatin1String(l.what), compression ? "on" : "off");
                const Traffic run = bestRun(link, true, 2);
                printSeconds(QStringLiteral("%1: ticket run").arg(how), run.time);
                printLine(QStringLiteral("    %1 bytes to the client").arg(proxy.bytesToClients()));
                const Traffic flow = exportOnce(link, tickets::Layout::Flow);
                printSeconds(QStringLiteral("%1: flow export").arg(how), flow.time);
                printLine(QStringLiteral("    %1 bytes to the client").arg(proxy.bytesToClients()));
            }
        }
    });
}

}  // namespace brovik::bench
