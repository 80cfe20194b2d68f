#pragma once

#include "app/HeadlessOptions.h"

#include <QString>

namespace brovik::app {

// The outcome of a headless run: the exit status and the one line it prints (on stdout
// when it succeeded, on stderr otherwise).
struct HeadlessOutcome {
    int status = kExitOk;
    QString line;
};

// Runs the ticket run without a window for --tickets-csv and writes the sorted ticket
// table to the output file, which appears only when everything succeeded.
// `aliasIniPath` is the configuration to read.
HeadlessOutcome runHeadless(const CommandLine& commandLine, const QString& aliasIniPath);

}  // namespace brovik::app
