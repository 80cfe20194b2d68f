#include "app/Startup.h"

#include "app/AliasConfiguration.h"
#include "app/BrovikApplication.h"
#include "app/HeadlessExport.h"
#include "app/HeadlessOptions.h"
#include "app/ReportPreview.h"
#include "app/TForm1.h"
#include "app/TKelHandleException.h"
#include "data/Format.h"
#include "tickets/TicketSession.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <cstring>
#include <memory>

namespace brovik::app {
namespace {

QString aliasIniPath(const CommandLine& commandLine) {
    return commandLine.configFile.value_or(defaultAliasIniPath(QFileInfo(executablePath()).absolutePath()));
}

// The data module's creation: regional settings, then the configuration, then the data
// the run works on. Null when the configuration file is missing.
std::unique_ptr<tickets::TicketSession> createDataModule(TForm1& form, TKelHandleException& logger,
                                                         const CommandLine& commandLine) {
    fmt::applyRegionalSettings();
    const std::optional<data::AliasSettings> settings = readAliasSettings(aliasIniPath(commandLine));
    if (!settings) return nullptr;
    form.setAliasSettings(*settings);
    auto session = std::make_unique<tickets::TicketSession>(*settings);
    logger.setCloseConnections([s = session.get()] { s->closeConnections(); });
    form.setTicketSession(session.get());
    return session;
}

// The headless modes run without a window or a display.
bool wantsHeadless(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::strcmp(argv[i], "--tickets-csv") == 0 || std::strcmp(argv[i], "--export") == 0) return true;
    return false;
}

// What the headless modes print is their contract: Qt's own notices (a missing runtime
// folder and the like) stay out of it; only its critical messages get through.
void headlessMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "brovik: %s\n", qPrintable(message));
}

int runHeadlessProgram(int argc, char** argv) {
    qInstallMessageHandler(headlessMessages);
    // Pages are laid out with real fonts, which need the GUI application, but no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const auto parsed = parseCommandLine(application.arguments().mid(1));
    HeadlessOutcome outcome;
    if (const auto* error = std::get_if<CommandLineError>(&parsed))
        outcome = {kExitUsage, error->message};
    else
        outcome = runHeadless(std::get<CommandLine>(parsed), aliasIniPath(std::get<CommandLine>(parsed)));
    const bool ok = outcome.status == kExitOk;
    std::fprintf(ok ? stdout : stderr, "%s%s\n", ok ? "" : "brovik: ", outcome.line.toLocal8Bit().constData());
    for (const QString& note : outcome.notes) std::fprintf(stderr, "brovik: %s\n", note.toLocal8Bit().constData());
    return outcome.status;
}

}  // namespace

QString executablePath() {
    const QString self = QFile::symLinkTarget(QStringLiteral("/proc/self/exe"));
    return self.isEmpty() ? QCoreApplication::applicationFilePath() : self;
}

int runBrovik(int argc, char** argv) {
    if (wantsHeadless(argc, argv)) return runHeadlessProgram(argc, argv);

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

    // Declared before the window, so the data outlives it.
    std::unique_ptr<tickets::TicketSession> session;
    TForm1 form(commandLine.launchArgument);
    ReportPreview preview(&form);
    reports::TReport::setPreviewHost(&preview);
    form.setReportPreview(&preview);
    form.show();

    session = createDataModule(form, logger, commandLine);
    if (!session) return 0;
    const int status = application.exec();
    reports::TReport::setPreviewHost(nullptr);
    logger.setCloseConnections({});
    return status;
}

}  // namespace brovik::app
