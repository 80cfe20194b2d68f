// The arguments are read before any application object exists, so --help, --version and
// the headless modes need no display; only the window creates a QApplication.
#include "app/AppInfo.h"
#include "app/Startup.h"
#include "cli/CommandLine.h"
#include "cli/HeadlessExport.h"

#include <QStringList>
#include <cstdio>

int main(int argc, char** argv) {
    using namespace brovik;
    QStringList arguments;
    for (int i = 1; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const auto parsed = cli::parseCommandLine(arguments);
    if (const auto* error = std::get_if<cli::CommandLineError>(&parsed)) {
        std::fprintf(stderr, "brovik: %s\n", error->message.toLocal8Bit().constData());
        return cli::kExitUsage;
    }
    const cli::CommandLine& commandLine = std::get<cli::CommandLine>(parsed);
    switch (commandLine.mode) {
    case cli::Mode::Help: std::fputs(cli::usageText().toLocal8Bit().constData(), stdout); return cli::kExitOk;
    case cli::Mode::Version: std::printf("%s\n", app::kCaption); return cli::kExitOk;
    case cli::Mode::Window: return app::runWindow(argc, argv, {commandLine.launchArgument, commandLine.configFile});
    case cli::Mode::TicketsCsv:
    case cli::Mode::ExportPdf: break;
    }
    return cli::runHeadlessProgram(argc, argv, commandLine);
}
