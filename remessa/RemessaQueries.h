#pragma once

#include "dataset/MemoryTable.h"
#include "remessa/Query.h"

namespace brovik::data {

class TDM;
struct TicketTables;

// The client copy of the batch header: opening it runs its provider query and keeps the
// rows it yields, so the copy no longer depends on the query or its transaction.
class ClientDataset : public Dataset {
public:
    ClientDataset(QString name, Query& provider);
    void addField(FieldDef def) { Dataset::addField(std::move(def)); }

private:
    void doOpen() override;
    Query* provider_;
};

// The main window's queries over one batch, chained by current-row notifications:
// moving IBRemessa_Oc re-queries the order's tickets (IbRemessa_Oc_Cor) and material
// (IBRemessa_Empenho); moving IbRemessa_Oc_Cor re-queries the ticket's route
// (IBRemessa_Setor); moving IBRemessa_Acumulado re-queries the model's quota.
// Holds references to the data module and the memory tables: it must not outlive them.
class RemessaQueries {
public:
    RemessaQueries(TDM& dm, TicketTables& tables);
    RemessaQueries(const RemessaQueries&) = delete;
    RemessaQueries& operator=(const RemessaQueries&) = delete;

    Query IBRemessa;
    ClientDataset CdsRemessa;
    Query IBRemessa_Acumulado;
    Query IBRemessa_Oc;
    Query IbRemessa_Oc_Cor;
    Query IBRemessa_Setor;
    Query IbFluxo;
    Query IBRemessa_Empenho;
    // Where the quota of the current product is read from: the model quota query, or
    // RxProduto_Cota when it holds the product.
    Dataset* DsModelo_Producao_Cota = nullptr;

    // Reads the tickets, routes, product codes, material and (with `flows`) production
    // flows of the whole batch, one statement each, for the per-order and per-ticket
    // queries to serve their rows from; a read that fails leaves its query to run key by
    // key. Without set-wise reads every query runs key by key.
    void readBatchSetWise(int remessa, bool flows);
    // What only the walk of the run needs; the flows stay for the flow layout.
    void releaseRunReads();
    bool setWiseReads = true;

    // Batch text followed by the order number in at least two digits, as an integer;
    // DataError when it does not fit 32 bits.
    static int batchOrderNumber(const QString& batchText, qint64 order);

private:
    std::vector<Query*> walkQueries();
    void orderRefresh();
    void ticketRefresh();
    void quotaRefresh();

    TDM& dm_;
    TicketTables& tables_;
};

// The statement of IbFluxo, its repeated CASE columns written out.
QString fluxoSql();

}  // namespace brovik::data
