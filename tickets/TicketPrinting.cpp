#include "tickets/TicketPrinting.h"

namespace brovik::tickets {

reports::TReport& TicketPrinting::prepare(const TicketRunResult& result) {
    layouts.flow.Obs3().caption = result.obs3Caption;
    layouts.values.Talao = 0;
    switch (result.layout) {
    case Layout::Flow: return layouts.flow.Qr5;
    case Layout::Centred: return layouts.centred.Qr3;
    case Layout::Columns: return layouts.columns.Qr6;
    }
    return layouts.flow.Qr5;
}

}  // namespace brovik::tickets
