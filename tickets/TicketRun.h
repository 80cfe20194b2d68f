#pragma once

#include "tickets/TicketOptions.h"

#include <QString>
#include <stdexcept>

namespace brovik::data {
class TDM;
class RemessaQueries;
struct TicketTables;
}  // namespace brovik::data

namespace brovik::tickets {

// The batch text could not be read as a whole number.
class BatchTextError : public std::runtime_error {
public:
    explicit BatchTextError(const QString& text);
    const QString& message() const { return message_; }

private:
    QString message_;
};

struct TicketRunResult {
    enum class Outcome {
        Completed,  // RxTalao rebuilt and sorted for the chosen layout
        NoOrders,   // the batch's first order number is below 1: nothing done, RxTalao kept
    };
    Outcome outcome = Outcome::NoOrders;
    Layout layout = Layout::Flow;
    QString obs3Caption;  // the flow layout's remark: batch remark, "|", the panel's remark
    int tickets = 0;      // tickets that gave rows
};

// What a click on "&Visualizar Impressão" does up to the preview: re-reads the batch and
// rebuilds RxTalao with one row per selected ticket and sector of its route, sorted for
// the chosen layout. Failures of the data layer and BatchTextError escape to the caller.
class TicketRun {
public:
    TicketRun(data::TDM& dm, data::RemessaQueries& queries, data::TicketTables& tables);

    TicketRunResult execute(const TicketOptions& options);

    // The sort that the layout and the route order call for.
    static QString sortFields(Layout layout, bool decrescente);

private:
    void openBatch(const QString& batchText, bool flows);
    void fillTickets(const TicketOptions& options, TicketRunResult& result);
    bool addTicket();
    void lookUpProductCodes();
    void insertStep(int ordemD);
    QString productCode();

    data::TDM& dm_;
    data::RemessaQueries& q_;
    data::TicketTables& t_;
};

// The batch number a text stands for, as a whole number; BatchTextError otherwise.
int batchNumber(const QString& text);

}  // namespace brovik::tickets
