// The large-batch benchmark: every figure next to its floor, measured in one run.
//   build/bin/brovik_bench            (scripts/bench.sh builds and runs it)
#include "BenchClock.h"
#include "LargeBatch.h"
#include "RunBench.h"

#ifdef BENCH_HAS_TEST_SERVER
#include "support/TestServer.h"
#endif

#include <QFile>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <exception>

using namespace brovik::bench;

namespace {

constexpr LargeBatch kFlowBatch{.orders = 20, .ticketsPerOrder = 100, .sectors = 8, .flowSteps = 10};
constexpr LargeBatch kWideBatch{.orders = 50, .ticketsPerOrder = 200, .sectors = 8, .flowSteps = 10};
constexpr int kRepeats = 3;  // the best of three sessions: the machine is shared

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
    printSeconds(QStringLiteral("join floor, %1 (%2 rows)").arg(how).arg(floor.rows), floor.time);
    printRatio(QStringLiteral("ticket run, %1 (%2 steps)").arg(how).arg(run.rows), run.time, floor.time, target);
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
    brovik::test::TestServer server;
    if (!server.available()) {
        printLine(QStringLiteral("loopback server: skipped (%1)").arg(server.whyUnavailable()));
    } else {
        benchRun(server.connectionString(copy), QStringLiteral("loopback server"), 3.0);
    }
    QFile::remove(copy);
#else
    Q_UNUSED(database);
    printLine(QStringLiteral("loopback server: skipped (built without the test fixtures)"));
#endif
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    // Sections to run, all when none is named: embedded server
    const QStringList args = app.arguments().mid(1);
    const auto wanted = [&](const char* section) { return args.isEmpty() || args.contains(QLatin1String(section)); };
    try {
        printLine(QStringLiteral("Brovik large-batch benchmark (%1)").arg(kFlowBatch.describe()));
        const QString flowDb = largeDatabase(kFlowBatch);
        if (wanted("embedded")) benchRun(flowDb, QStringLiteral("embedded"), 2.0);
        if (wanted("server")) benchServer(flowDb);
        printMegabytes(QStringLiteral("peak resident memory so far"), peakMemoryMb());
    } catch (const std::exception& e) {
        std::fprintf(stderr, "brovik_bench: %s\n", e.what());
        return 1;
    }
    return 0;
}
