#include "cli/HeadlessExport.h"

#include "dataset/DataError.h"
#include "dataset/Format.h"
#include "firebird/ClientError.h"
#include "remessa/AliasConfiguration.h"
#include "reports/PdfExport.h"
#include "tickets/TicketCsv.h"
#include "tickets/TicketPrinting.h"
#include "tickets/TicketSession.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QSaveFile>
#include <cstdio>

namespace brovik::cli {
namespace {

HeadlessOutcome failure(int status, const QString& line) { return {status, line}; }

// Stubs per ticket: the rows of RxTalao, each a sector of one ticket's route.
QString summary(const tickets::TicketRunResult& result, int rows, const QString& file) {
    return QStringLiteral("%1 tickets, %2 stubs -> %3").arg(result.tickets).arg(rows).arg(file);
}

HeadlessOutcome writeTickets(tickets::TicketSession& session, const tickets::TicketRunResult& result,
                             const QString& file) {
    // QSaveFile writes a temporary file beside the target and renames it on commit, so a
    // failure leaves no partial file behind.
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return failure(kExitOutput, QStringLiteral("cannot write %1: %2").arg(file, out.errorString()));
    const int rows = session.tables.RxTalao.recordCount();
    tickets::writeCsv(session.tables.RxTalao, out);
    if (!out.commit()) return failure(kExitOutput, QStringLiteral("cannot write %1: %2").arg(file, out.errorString()));
    return {kExitOk, summary(result, rows, file)};
}

// The pages of the run's layout, generated as the preview would, written as PDF.
HeadlessOutcome writePages(tickets::TicketSession& session, const tickets::TicketRunResult& result,
                           const CommandLine& commandLine) {
    const reports::FixedBarcodePanel panel = tickets::barcodeSettingsOf(commandLine.options);
    tickets::TicketPrinting printing(session, panel);
    const int rows = session.tables.RxTalao.recordCount();
    const reports::Document pages = printing.prepare(result).Generate().document;
    QString error;
    if (!reports::exportPdf(pages, commandLine.outputFile, &error))
        return failure(kExitOutput, QStringLiteral("cannot write %1").arg(error));
    HeadlessOutcome outcome{kExitOk, QStringLiteral("%1 tickets, %2 stubs, %3 pages -> %4")
                                         .arg(result.tickets)
                                         .arg(rows)
                                         .arg(pages.pages.size())
                                         .arg(commandLine.outputFile)};
    for (const reports::RefusedStub& stub : printing.layouts.values.refused)
        outcome.notes << QStringLiteral("ticket %1, sector %2: printed without a barcode (\"%3\": %4)")
                             .arg(stub.ticket)
                             .arg(stub.sector, stub.text, stub.message);
    return outcome;
}

HeadlessOutcome exportTickets(const CommandLine& commandLine, const data::AliasSettings& settings) {
    tickets::TicketSession session(settings);
    try {
        const tickets::TicketRunResult result = session.run.execute(commandLine.options);
        if (result.outcome == tickets::TicketRunResult::Outcome::NoOrders)
            return failure(kExitNoOrders,
                           QStringLiteral("batch %1 has no production orders").arg(commandLine.options.batchText));
        if (commandLine.mode == Mode::ExportPdf) return writePages(session, result, commandLine);
        return writeTickets(session, result, commandLine.outputFile);
    } catch (const tickets::BatchTextError&) {
        return failure(kExitBatchText,
                       QStringLiteral("the batch \"%1\" is not a whole number").arg(commandLine.options.batchText));
    } catch (const data::ClientError& e) {
        return failure(kExitDatabase, QStringLiteral("database failure: %1").arg(e.message()));
    } catch (const data::DataError& e) {
        return failure(kExitDatabase, QStringLiteral("database failure: %1").arg(e.message()));
    }
}

}  // namespace

HeadlessOutcome runHeadless(const CommandLine& commandLine, const QString& aliasIniPath) {
    fmt::applyRegionalSettings();
    const std::optional<data::AliasSettings> settings = data::readAliasSettings(aliasIniPath);
    if (!settings) return failure(kExitConfiguration, QStringLiteral("cannot read the configuration %1").arg(aliasIniPath));
    return exportTickets(commandLine, *settings);
}

namespace {

// What the headless modes print is their contract: Qt's own notices (a missing runtime
// folder and the like) stay out of it; only its critical messages get through.
void headlessMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "brovik: %s\n", qPrintable(message));
}

}  // namespace

int runHeadlessProgram(int argc, char** argv, const CommandLine& commandLine) {
    qInstallMessageHandler(headlessMessages);
    // Pages are laid out with real fonts, which need the GUI application, but no display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    const QString aliasIni = commandLine.configFile.value_or(
        data::defaultAliasIniPath(QFileInfo(data::executablePath()).absolutePath()));
    const HeadlessOutcome outcome = runHeadless(commandLine, aliasIni);
    const bool ok = outcome.status == kExitOk;
    std::fprintf(ok ? stdout : stderr, "%s%s\n", ok ? "" : "brovik: ", outcome.line.toLocal8Bit().constData());
    for (const QString& note : outcome.notes) std::fprintf(stderr, "brovik: %s\n", note.toLocal8Bit().constData());
    return outcome.status;
}

}  // namespace brovik::cli
