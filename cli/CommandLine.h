#pragma once

#include "tickets/TicketOptions.h"

#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

namespace brovik::cli {

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

// What the program was asked to do. Window opens the options panel; the others run
// without a window.
enum class Mode { Window, TicketsCsv, ExportPdf, Help, Version };

struct CommandLine {
    Mode mode = Mode::Window;
    QString outputFile;
    std::optional<QString> configFile;
    tickets::TicketOptions options;
    QString launchArgument;  // the argument that is not an option; empty when none
};

struct CommandLineError {
    QString message;
};

// Parses the arguments after the program name. Options that only the headless modes
// take are refused without --tickets-csv or --export. An argument that begins with a
// single "-" and names no option is the launch argument ("-5" is a batch number).
std::variant<CommandLine, CommandLineError> parseCommandLine(const QStringList& arguments);

// --help: every option and the exit statuses.
QString usageText();

}  // namespace brovik::cli
