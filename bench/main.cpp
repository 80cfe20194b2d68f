// The large-batch benchmark: every figure next to its floor or target, measured in one run.
//   scripts/bench.sh [embedded] [server] [latency] [compression] [pages] [memory]
//   (all sections when none is named)
#include "BenchClock.h"
#include "LargeBatch.h"
#include "PageBench.h"
#include "RunBench.h"
#include "TicketBench.h"

#ifdef BENCH_HAS_TEST_SERVER
#include "LatencyBench.h"
#include "support/TestServer.h"
#endif

#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

using namespace brovik::bench;

namespace {

constexpr LargeBatch kFlowBatch{.orders = 20, .ticketsPerOrder = 100, .sectors = 8, .flowSteps = 10};
constexpr LargeBatch kWideBatch{.orders = 50, .ticketsPerOrder = 200, .sectors = 8, .flowSteps = 10};
constexpr int kRepeats = 3;  // the best of three: the machine is shared

template <class F>
RunFigures best(F measure) {
    RunFigures b = measure();
    for (int i = 1; i < kRepeats; ++i) {
        const RunFigures r = measure();
        if (r.time.wall < b.time.wall) b = r;
    }
    return b;
}

void benchRun(const QString& where, const QString& how, double target) {
    const RunFigures floor = best([&] { return timeJoinFloor(where); });
    const RunFigures run = best([&] { return timeTicketRun(where); });
    // What the per-ticket reads would cost in round trips alone: every ticket of this batch
    // would re-query its route and, its colour differing from the previous ticket's, its
    // product codes.
    const int executions = 2 * kFlowBatch.orders * kFlowBatch.ticketsPerOrder;
    const RunFigures trips = best([&] { return timeRoundTrips(where, executions); });
    printSeconds(QStringLiteral("join floor, %1 (%2 rows)").arg(how).arg(floor.rows), floor.time);
    printRatio(QStringLiteral("ticket run, %1 (%2 stubs)").arg(how).arg(run.rows), run.time, floor.time, target);
    printSeconds(QStringLiteral("%1 one-row statements alone, %2").arg(executions).arg(how), trips.time);
}

void benchServer(const QString& database) {
#ifdef BENCH_HAS_TEST_SERVER
    // A copy: the embedded engine of this process may still hold the original.
    const QString copy = database + QStringLiteral(".server.fdb");
    QFile::remove(copy);
    if (!QFile::copy(database, copy)) {
        printLine(QStringLiteral("loopback server: cannot copy %1").arg(database));
        return;
    }
    {
        brovik::test::TestServer server;
        if (server.available()) benchRun(server.connectionString(copy), QStringLiteral("loopback server"), 3.0);
        else printLine(QStringLiteral("loopback server: skipped (%1)").arg(server.whyUnavailable()));
    }
    QFile::remove(copy);
#else
    Q_UNUSED(database);
    printLine(QStringLiteral("loopback server: skipped (built without the test fixtures)"));
#endif
}

void benchLinks(const QString& database, bool latency, bool compression) {
#ifdef BENCH_HAS_TEST_SERVER
    if (latency) {
        printLine(QStringLiteral("== Through a delay proxy, %1").arg(kFlowBatch.describe()));
        benchLatency(database);
    }
    if (compression) {
        printLine(QStringLiteral("== Wire compression, %1").arg(kFlowBatch.describe()));
        benchCompression(database);
    }
#else
    Q_UNUSED(database);
    if (latency || compression) printLine(QStringLiteral("delay proxy: skipped (built without the test fixtures)"));
#endif
}

void printPages(const QString& layout, TicketFigures& f) {
    const PageFigures& p = f.pages;
    const QString pdfName = QStringLiteral(BENCH_BINARY_DIR "/bench-data/bench.pdf");
    const double pdf = timePdf(p.document, pdfName, kRepeats);
    const double toDocument = f.run.wall + p.generate.wall;
    printSeconds(QStringLiteral("%1: ticket run (%2 stubs)").arg(layout).arg(f.stubs), f.run);
    printSeconds(QStringLiteral("%1: painting %2 pages straight (floor)").arg(layout).arg(p.document.pages.size()), p.paint);
    printRatio(QStringLiteral("%1: generating and painting them").arg(layout), {p.generate.wall + p.paint.wall, p.generate.cpu + p.paint.cpu}, p.paint, 1.5);
    printSeconds(QStringLiteral("%1: writing the PDF").arg(layout), pdf);
    printSeconds(QStringLiteral("%1: run start to first page complete").arg(layout), p.firstPage);
    // The preview window opens once the last page is generated.
    printLimit(QStringLiteral("%1: run start to the preview (every page)").arg(layout), toDocument, 10);
    printLimit(QStringLiteral("%1: run start to finished PDF").arg(layout), toDocument + pdf, 10);
    printLimit(QStringLiteral("%1: run without progress reports").arg(layout), f.run.wall, 0.5);
    printLimit(QStringLiteral("%1: longest gap between progress reports").arg(layout), p.longestGap, 0.5);
    printLimit(QStringLiteral("%1: Cancel to the generation's end").arg(layout), f.cancelLatency, 0.5);
    printMegabytes(QStringLiteral("%1: peak resident memory").arg(layout), f.peakMb);
}

void printMemory(const QString& layout, TicketFigures& f) {
    printMegabytes(QStringLiteral("%1: resident after the run (%2 stubs)").arg(layout).arg(f.stubs), f.runMb);
    printMegabytes(QStringLiteral("%1: %2 pages held, peak resident").arg(layout).arg(f.pages.document.pages.size()), f.peakMb, 600);
    printMegabytes(QStringLiteral("%1: %2 pages held, resident now").arg(layout).arg(f.pages.document.pages.size()), f.residentMb);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList sections = app.arguments().mid(1);
    const auto wanted = [&](const char* section) { return sections.isEmpty() || sections.contains(QLatin1String(section)); };
    try {
        const QString flowDb = largeDatabase(kFlowBatch);
        if (wanted("embedded") || wanted("server")) printLine(QStringLiteral("== The ticket run, %1").arg(kFlowBatch.describe()));
        if (wanted("embedded")) benchRun(flowDb, QStringLiteral("embedded"), 2.0);
        if (wanted("server")) benchServer(flowDb);
        benchLinks(flowDb, wanted("latency"), wanted("compression"));
        if (wanted("pages")) {
            printLine(QStringLiteral("== Pages, %1, embedded").arg(kFlowBatch.describe()));
            benchLayouts(flowDb, kRepeats, printPages);
        }
        if (wanted("memory")) {
            const QString wideDb = largeDatabase(kWideBatch);
            printLine(QStringLiteral("== Memory, %1, embedded").arg(kWideBatch.describe()));
            benchLayouts(wideDb, 1, printMemory);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "brovik_bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
