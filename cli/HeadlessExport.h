#pragma once

#include "cli/CommandLine.h"

#include <QString>
#include <QStringList>

namespace brovik::cli {

// The outcome of a headless run: the exit status and the one line it prints (on stdout
// when it succeeded, on stderr otherwise).
struct HeadlessOutcome {
    int status = kExitOk;
    QString line;
    QStringList notes;  // further lines for stderr: the stubs printed without a barcode
};

// Runs the ticket run without a window and writes the sorted ticket table (--tickets-csv)
// or the pages of the chosen layout (--export) to the output file, which appears only
// when everything succeeded.
// `aliasIniPath` is the configuration to read.
HeadlessOutcome runHeadless(const CommandLine& commandLine, const QString& aliasIniPath);

// The whole headless program under a GUI application on the offscreen platform: the
// run, its one line on stdout or stderr, the exit status.
int runHeadlessProgram(int argc, char** argv, const CommandLine& commandLine);

}  // namespace brovik::cli
