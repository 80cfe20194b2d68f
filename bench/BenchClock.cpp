#include "BenchClock.h"

#include <QDir>
#include <QFile>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace brovik::bench {
namespace {

double wallNow() { return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count(); }

double cpuOf(const QString& statPath, pid_t* parent) {
    QFile f(statPath);
    if (!f.open(QIODevice::ReadOnly)) return 0;
    const QByteArray line = f.readAll();
    // Fields after the command name, which is in parentheses and may hold spaces.
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    if (fields.size() < 13) return 0;
    if (parent) *parent = fields[1].toInt();
    return (fields[11].toDouble() + fields[12].toDouble()) / double(sysconf(_SC_CLK_TCK));
}

// This process (precisely) plus its live children (at clock-tick resolution).
double cpuNow() {
    timespec ts{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &ts);
    double total = double(ts.tv_sec) + double(ts.tv_nsec) * 1e-9;
    const pid_t self = getpid();
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        bool numeric = false;
        entry.toInt(&numeric);
        if (!numeric) continue;
        pid_t parent = 0;
        const double cpu = cpuOf(QStringLiteral("/proc/%1/stat").arg(entry), &parent);
        if (parent == self) total += cpu;
    }
    return total;
}

double statusKb(const char* key) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly)) return 0;
    const QByteArray prefix(key);
    for (QByteArray line = f.readLine(); !line.isEmpty(); line = f.readLine())
        if (line.startsWith(prefix)) return line.mid(prefix.size()).trimmed().split(' ').value(0).toDouble();
    return 0;
}

QString padded(const QString& label) { return label.leftJustified(56, u'.') + u' '; }

QString secondsText(Seconds s) { return QStringLiteral("%1 s (cpu %2 s)").arg(s.wall, 7, 'f', 3).arg(s.cpu, 7, 'f', 3); }

QString verdict(bool met) { return met ? QString() : QStringLiteral("  MISSED"); }

}  // namespace

void Stopwatch::restart() {
    wall_ = wallNow();
    cpu_ = cpuNow();
}

double Stopwatch::seconds() const { return wallNow() - wall_; }

Seconds Stopwatch::elapsed() const { return {wallNow() - wall_, cpuNow() - cpu_}; }

double peakMemoryMb() { return statusKb("VmHWM:") / 1024.0; }
double currentMemoryMb() { return statusKb("VmRSS:") / 1024.0; }

bool resetPeakMemory() {
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    return f.open(QIODevice::WriteOnly) && f.write("5") == 1;
}

void printLine(const QString& text) {
    std::printf("%s\n", qPrintable(text));
    std::fflush(stdout);
}

void printSeconds(const QString& label, Seconds s) { printLine(padded(label) + secondsText(s)); }

void printSeconds(const QString& label, double wall) { printLine(padded(label) + QStringLiteral("%1 s").arg(wall, 7, 'f', 3)); }

void printRatio(const QString& label, Seconds s, Seconds floor, double target) {
    const double wall = floor.wall > 0 ? s.wall / floor.wall : 0;
    const double cpu = floor.cpu > 0 ? s.cpu / floor.cpu : 0;
    if (target <= 0) {
        printLine(padded(label) + secondsText(s) + QStringLiteral("  %1 x floor (cpu %2 x)").arg(wall, 0, 'f', 2).arg(cpu, 0, 'f', 2));
        return;
    }
    printLine(padded(label) + secondsText(s) +
              QStringLiteral("  %1 x floor (cpu %2 x; target <= %3)%4")
                  .arg(wall, 0, 'f', 2)
                  .arg(cpu, 0, 'f', 2)
                  .arg(target, 0, 'f', 1)
                  .arg(wall <= target ? QString() : cpu <= target ? QStringLiteral("  MISSED on the wall clock only") : verdict(false)));
}

void printLimit(const QString& label, double seconds, double limit) {
    printLine(padded(label) + QStringLiteral("%1 s  (target < %2 s)%3").arg(seconds, 7, 'f', 3).arg(limit).arg(verdict(seconds < limit)));
}

void printMegabytes(const QString& label, double mb, double limit) {
    QString text = padded(label) + QStringLiteral("%1 MB").arg(mb, 7, 'f', 1);
    if (limit > 0) text += QStringLiteral("  (target < %1 MB)%2").arg(limit, 0, 'f', 0).arg(verdict(mb < limit));
    printLine(text);
}

}  // namespace brovik::bench
