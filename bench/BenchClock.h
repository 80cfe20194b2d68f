#pragma once

#include <QString>

namespace brovik::bench {

// Wall time and the CPU time of this process and its child processes (the loopback
// server): on a machine shared with other work the CPU figure is the steadier one.
struct Seconds {
    double wall = 0;
    double cpu = 0;
};

class Stopwatch {
public:
    Stopwatch() { restart(); }
    void restart();
    double seconds() const;  // wall time
    Seconds elapsed() const;

private:
    double wall_ = 0;
    double cpu_ = 0;
};

// Resident memory of this process in MB, from /proc/self/status: the peak since the
// process started or since the last resetPeakMemory(), and the present figure.
double peakMemoryMb();
double currentMemoryMb();
// Starts the peak over from the present figure (Linux clear_refs); false when refused.
bool resetPeakMemory();

// One aligned line per figure: "label ..... wall s (cpu s)  ratio x floor".
void printSeconds(const QString& label, Seconds s);
void printSeconds(const QString& label, double wall);
void printRatio(const QString& label, Seconds s, Seconds floor, double target);  // target 0: none
void printLimit(const QString& label, double seconds, double limit);
void printMegabytes(const QString& label, double mb, double limit = 0);
void printLine(const QString& text);

}  // namespace brovik::bench
