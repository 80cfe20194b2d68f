#pragma once

#include "tickets/TicketOptions.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

namespace brovik::app {

// Exit statuses of the headless modes, one per kind of failure.
enum ExitStatus : int {
    kExitOk = 0,
    kExitUsage = 2,           // unknown option, bad value, missing argument
    kExitConfiguration = 3,   // Alias.ini missing or unreadable
    kExitBatchText = 4,       // the batch text is not a whole number
    kExitDatabase = 5,        // the database could not be reached or a query failed
    kExitNoOrders = 6,        // the batch has no production orders
    kExitOutput = 7,          // the output file could not be written
};

enum class HeadlessMode { None, TicketsCsv, ExportPdf };

// The command line, taken apart:
// brovik [--config FILE] [--layout fluxo|centralizado|colunado] [--op A-B] [--talao A-B]
//        [--decrescente] [--obs TEXT] [--barcode 1..23] (--tickets-csv FILE | --export FILE.pdf) ARG
struct CommandLine {
    HeadlessMode mode = HeadlessMode::None;
    QString outputFile;
    std::optional<QString> configFile;
    tickets::TicketOptions options;
    QString launchArgument;  // the first argument that is not an option; empty when none
};

struct CommandLineError {
    QString message;
};

// Parses the arguments after the program name. Options that only the headless modes
// take are refused without --tickets-csv or --export.
std::variant<CommandLine, CommandLineError> parseCommandLine(const QStringList& arguments);

// The launch argument with every "brovik:" removed, without regard to case.
QString batchTextFromLaunchArgument(const QString& argument);

}  // namespace brovik::app
