#include "RunBench.h"

#include "BenchClock.h"
#include "LargeBatch.h"

#include "firebird/Connection.h"
#include "firebird/Statement.h"
#include "remessa/TDM.h"
#include "firebird/Transaction.h"
#include "tickets/TicketSession.h"

#include <vector>

namespace brovik::bench {
namespace {

// Every step of every ticket of the batch, with the descriptions the stubs print.
const QString kJoinedSteps = QStringLiteral(
    "Select I.Remessa_Acumulado_Controle, I.Modelo_Codigo, M.Descricao Modelo_Descricao, I.Controle, I.Cor_Id,\n"
    "C.Descricao Cor_Descricao, I.Tamanho, Cast(I.Quantidade_Pedido as Numeric(15,4)) Quantidade, I.Peca_Conjunto,\n"
    "S.Ordem, S.Setor_Id, T.Descricao Setor_Descricao\n"
    "From TbPedido_Item_Processado I\n"
    "Join TbRemessa_Setor S On S.Remessa = I.Remessa and S.Remessa_Acumulado_Id = I.Remessa_Acumulado_Controle\n"
    "  and S.Talao_Id = I.Controle\n"
    "Left Join TbModelo M On M.Codigo = I.Modelo_Codigo\n"
    "Left Join TbCor C On C.Codigo = I.Cor_Id\n"
    "Left Join TbSetor T On T.Codigo = S.Setor_Id\n"
    "Where I.Remessa = ?\n"
    "Order By I.Remessa_Acumulado_Controle, I.Modelo_Codigo, I.Controle, S.Ordem");

data::AliasSettings settingsFor(const QString& where) {
    data::AliasSettings s;
    s.mv = where;
    return s;
}

RunFigures joinOnce(data::Transaction& transaction) {
    RunFigures out;
    Stopwatch clock;
    data::Statement statement(transaction, kJoinedSteps);
    statement.setParam(0, data::Value{qint64{LargeBatch::kBatch}});
    std::vector<std::vector<data::Value>> rows;
    statement.execute([&](std::vector<data::Value>&& row) { rows.push_back(std::move(row)); });
    out.time = clock.elapsed();
    out.rows = static_cast<int>(rows.size());
    return out;
}

}  // namespace

// Both are timed on their second pass over a connection kept open, as a second click
// finds it: the first pass pays for the database's page cache.
RunFigures timeTicketRun(const QString& where) {
    tickets::TicketSession session(settingsFor(where));
    tickets::TicketOptions options;
    options.batchText = QString::number(LargeBatch::kBatch);
    session.run.execute(options);
    RunFigures out;
    Stopwatch clock;
    session.run.execute(options);
    out.time = clock.elapsed();
    out.rows = session.tables.RxTalao.recordCount();
    return out;
}

RunFigures timeRoundTrips(const QString& where, int executions) {
    data::Connection connection(QStringLiteral("trips"), data::TDM::connectionParams(settingsFor(where), where));
    data::Transaction transaction(QStringLiteral("trips"), connection, {"read_committed", "rec_version", "nowait", "read"});
    data::Statement statement(transaction, QStringLiteral("Select 1 From Rdb$Database"));
    statement.execute();
    RunFigures out;
    Stopwatch clock;
    for (int i = 0; i < executions; ++i) statement.execute([&](std::vector<data::Value>&&) { ++out.rows; });
    out.time = clock.elapsed();
    return out;
}

RunFigures timeJoinFloor(const QString& where) {
    data::Connection connection(QStringLiteral("floor"), data::TDM::connectionParams(settingsFor(where), where));
    data::Transaction transaction(QStringLiteral("floor"), connection, {"read_committed", "rec_version", "nowait", "read"});
    joinOnce(transaction);
    return joinOnce(transaction);
}

}  // namespace brovik::bench
