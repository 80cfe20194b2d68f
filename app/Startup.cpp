#include "app/Startup.h"

#include "app/BrovikApplication.h"
#include "app/ReportPreview.h"
#include "app/TForm1.h"
#include "app/TKelHandleException.h"
#include "dataset/Format.h"
#include "remessa/AliasConfiguration.h"
#include "tickets/TicketSession.h"

#include <QFileInfo>
#include <memory>

namespace brovik::app {
namespace {

QString aliasIniPath(const WindowArguments& arguments) {
    return arguments.configFile.value_or(
        data::defaultAliasIniPath(QFileInfo(data::executablePath()).absolutePath()));
}

// The data module's creation: regional settings, then the configuration, then the data
// the run works on. Null when the configuration file is missing.
std::unique_ptr<tickets::TicketSession> createDataModule(TForm1& form, TKelHandleException& logger,
                                                         const WindowArguments& arguments) {
    fmt::applyRegionalSettings();
    const std::optional<data::AliasSettings> settings = data::readAliasSettings(aliasIniPath(arguments));
    if (!settings) return nullptr;
    form.setAliasSettings(*settings);
    auto session = std::make_unique<tickets::TicketSession>(*settings);
    logger.setCloseConnections([s = session.get()] { s->closeConnections(); });
    form.setTicketSession(session.get());
    return session;
}

}  // namespace

int runWindow(int argc, char** argv, const WindowArguments& arguments) {
    // The logger comes first, so that no failure of any later step escapes it.
    TKelHandleException logger(TKelHandleException::logPathFor(data::executablePath()));

    // No scaling: the window keeps its design pixel sizes on any screen.
    if (!qEnvironmentVariableIsSet("QT_ENABLE_HIGHDPI_SCALING")) qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    BrovikApplication application(argc, argv);

    // Declared before the window, so the data outlives it.
    std::unique_ptr<tickets::TicketSession> session;
    TForm1 form(arguments.launchArgument);
    ReportPreview preview(&form);
    reports::TReport::setPreviewHost(&preview);
    form.setReportPreview(&preview);
    form.show();

    session = createDataModule(form, logger, arguments);
    if (!session) return 0;
    const int status = application.exec();
    reports::TReport::setPreviewHost(nullptr);
    logger.setCloseConnections({});
    return status;
}

}  // namespace brovik::app
