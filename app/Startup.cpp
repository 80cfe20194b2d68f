#include "app/Startup.h"

#include "app/AliasConfiguration.h"
#include "app/BrovikApplication.h"
#include "app/HeadlessOptions.h"
#include "app/TForm1.h"
#include "app/TKelHandleException.h"
#include "data/Format.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace brovik::app {
namespace {

// The data module's creation: regional settings, then the configuration. False when
// the configuration file is missing.
bool createDataModule(TForm1& form, TKelHandleException& /*logger*/, const CommandLine& commandLine) {
    fmt::applyRegionalSettings();
    const QString path =
        commandLine.configFile.value_or(defaultAliasIniPath(QFileInfo(executablePath()).absolutePath()));
    const std::optional<data::AliasSettings> settings = readAliasSettings(path);
    if (!settings) return false;
    // TDM takes the settings here: it points IB..IB4 at settings->mv, and the logger's
    // close action becomes closing IB, then IBF (logger.setCloseConnections).
    form.setAliasSettings(*settings);
    return true;
}

}  // namespace

QString executablePath() {
    const QString self = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    return self.isEmpty() ? QCoreApplication::applicationFilePath() : self;
}

int runBrovik(int argc, char** argv) {
    // The logger comes first, so that no failure of any later step escapes it.
    TKelHandleException logger(TKelHandleException::logPathFor(executablePath()));

    // No scaling: the window keeps its design pixel sizes on any screen.
    if (!qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING")) qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    BrovikApplication application(argc, argv);

    const auto parsed = parseCommandLine(application.arguments().mid(1));
    if (const auto* error = std::get_if<CommandLineError>(&parsed)) {
        std::fprintf(stderr, "brovik: %s\n", qPrintable(error->message));
        return kExitUsage;
    }
    const CommandLine& commandLine = std::get<CommandLine>(parsed);
    if (commandLine.mode != HeadlessMode::None) {
        // The headless ticket export takes over here once the ticket run exists.
        std::fprintf(stderr, "brovik: --tickets-csv and --export need the ticket run, which this build lacks\n");
        return kExitUsage;
    }

    TForm1 form(commandLine.launchArgument);
    form.show();

    if (!createDataModule(form, logger, commandLine)) return 0;
    return application.exec();
}

}  // namespace brovik::app
