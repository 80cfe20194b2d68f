#include "app/ClickOutcome.h"

#include "dataset/DataError.h"
#include "firebird/IBError.h"

namespace brovik::app::click_outcome {
namespace {

QString counted(int n, const char* one, const char* many) {
    return QStringLiteral("%1 %2").arg(n).arg(QString::fromUtf8(n == 1 ? one : many));
}

}  // namespace

QString ofRun(const tickets::TicketRunResult& result, int stubs, const QString& batchText) {
    if (result.outcome == tickets::TicketRunResult::Outcome::NoOrders)
        return QStringLiteral("Remessa %1 sem ordens de produção").arg(tickets::batchNumber(batchText));
    return counted(result.tickets, "talão", "talões") + QStringLiteral(", ") + counted(stubs, "canhoto", "canhotos");
}

QString ofFailure(std::exception_ptr failure, const QString& batchText) {
    try {
        std::rethrow_exception(failure);
    } catch (const tickets::BatchTextError&) {
        return QStringLiteral("Remessa inválida: %1").arg(batchText);
    } catch (const data::IBError& e) {
        return QStringLiteral("Banco de dados indisponível: %1").arg(e.message());
    } catch (const data::DataError& e) {
        return QStringLiteral("Falha: %1").arg(e.message());
    } catch (const std::exception& e) {
        return QStringLiteral("Falha: %1").arg(QString::fromLocal8Bit(e.what()));
    } catch (...) {
        return QStringLiteral("Falha: erro desconhecido");
    }
}

}  // namespace brovik::app::click_outcome
