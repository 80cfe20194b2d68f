#pragma once

#include "tickets/TicketRun.h"

#include <QString>
#include <exception>

namespace brovik::app {

// The line the options panel shows about the last click on "&Visualizar Impressão".
namespace click_outcome {

// "30 talões, 190 canhotos", or why the batch gave nothing.
QString ofRun(const tickets::TicketRunResult& result, int stubs, const QString& batchText);
// A failure that ended the click: a batch text that is not a number, the database
// library's own failure, or any other.
QString ofFailure(std::exception_ptr failure, const QString& batchText);

}  // namespace click_outcome
}  // namespace brovik::app
